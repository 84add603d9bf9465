#pragma once

// Drives the real form in this process as a user would: focus, keystrokes,
// clipboard pastes and button clicks go to real USER32 controls.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

// The CP932 bytes of a UTF-8 text, converted by the platform.
std::string cp932(const char* utf8);

class FormTest : public testing::Test {
public:
    void SetUp() override;
    void TearDown() override;

    HWND control(int id) const;
    std::string text(int id) const;
    bool checked(int id) const;

    // Selects the cell's text and types over it, key by key.
    void type(int id, const char* keys);
    // Selects the cell's text (or the characters from start to end) and
    // pastes over it a UTF-8 text put on the clipboard as Unicode, by
    // WM_PASTE (Ctrl+V, the menu) or by Shift+Insert, which sends none.
    void paste(int id, const char* text, int start = 0, int end = -1, bool shiftInsert = false);
    // Moves the focus from a cell to the main window, as a click on the form does.
    void leave();
    void typeAndLeave(int id, const char* keys);
    void click(int id);
    // Types a whole salary column and the dependents, each cell left in turn.
    void fillSalary(const char* taxable, const char* nonTaxable, const char* health, const char* nursing,
                    const char* pension, const char* dependents);

    // Drains the queue; true when a WM_QUIT with exit code 0 was among it.
    bool quitPostedWithZero();

    HWND window = nullptr;
};
