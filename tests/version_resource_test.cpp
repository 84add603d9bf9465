// The version resource of the built gensen.exe, read back as Windows reads
// it for the file's properties.
#include <windows.h>

#include "tests/beside_this_test.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<char> versionInfoOf(const std::string& path)
{
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    std::vector<char> data(size);
    if (size == 0 || !GetFileVersionInfoA(path.c_str(), 0, size, data.data()))
        data.clear();
    return data;
}

TEST(VersionResource, NamesTheProgramAndItsVersion)
{
    std::vector<char> info = versionInfoOf(besideThisTest("gensen.exe"));
    ASSERT_FALSE(info.empty()) << "gensen.exe has no version resource";

    struct Translation {
        WORD language, codePage;
    }* translation = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                               &length));
    ASSERT_EQ(length, sizeof(Translation));
    EXPECT_EQ(translation->language, 0x0411);
    EXPECT_EQ(translation->codePage, 932);

    // The ANSI functions give the strings in code page 932, as this file's literals are.
    const struct {
        const char* name;
        const char* expected;
    } strings[] = {
        {"FileDescription", "源泉徴収税額"},
        {"ProductName", "源泉徴収税額"},
        {"InternalName", "gensen.exe"},
        {"OriginalFilename", "gensen.exe"},
        {"FileVersion", GENSEN_VERSION},
        {"ProductVersion", GENSEN_VERSION},
    };
    for (const auto& row : strings) {
        SCOPED_TRACE(row.name);
        const std::string key = std::string("\\StringFileInfo\\041103A4\\") + row.name;
        char* value = nullptr;
        ASSERT_TRUE(VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &length));
        EXPECT_EQ(std::string(value), row.expected);
    }

    VS_FIXEDFILEINFO* fixed = nullptr;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    const DWORD versionHigh = MAKELONG(GENSEN_VERSION_MINOR, GENSEN_VERSION_MAJOR);
    const DWORD versionLow = MAKELONG(0, GENSEN_VERSION_PATCH);
    EXPECT_EQ(fixed->dwFileVersionMS, versionHigh);
    EXPECT_EQ(fixed->dwFileVersionLS, versionLow);
    EXPECT_EQ(fixed->dwProductVersionMS, versionHigh);
    EXPECT_EQ(fixed->dwProductVersionLS, versionLow);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

}  // namespace
