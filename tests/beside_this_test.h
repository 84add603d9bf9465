#pragma once

// The path of a file in the folder of the running test program, where the
// build puts gensen.exe too.
#include <windows.h>

#include <string>

inline std::string besideThisTest(const char* name)
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of("\\/") + 1) + name;
}
