// What the form does, and does not do, on the user's other gestures.
#include "tests/form_harness.h"

#include <cstring>
#include <string>

namespace {

using FormEvents = FormTest;

TEST_F(FormEvents, AtStartTheFocusIsInThePayWithItsZeroSelected)
{
    EXPECT_EQ(GetFocus(), control(201));
    SendMessageA(control(201), WM_CHAR, '7', 1);
    EXPECT_EQ(text(201), "7");
}

LRESULT CALLBACK countingPlatform(HWND cell, UINT message, WPARAM wParam, LPARAM lParam);
WNDPROC platformProc;
int charsSeen;

LRESULT CALLBACK countingPlatform(HWND cell, UINT message, WPARAM wParam, LPARAM lParam)
{
    charsSeen += message == WM_CHAR;
    return CallWindowProcW(platformProc, cell, message, wParam, lParam);
}

TEST_F(FormEvents, CellsRefuseLettersAndANinthCharacter)
{
    // Refused before the platform's procedure, which on Windows would open
    // its balloon over the next rows; digits and BackSpace reach it.
    const HWND cell = control(201);
    platformProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(cell, GWLP_USERDATA));
    SetWindowLongPtrA(cell, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(countingPlatform));
    for (const char* keys : {",", ".", "-", "a", "\t", "\r", "1\b"}) {
        charsSeen = 0;
        type(201, keys);
        EXPECT_EQ(charsSeen, keys[0] == '1' ? 2 : 0) << keys;
    }
    SetWindowLongPtrA(cell, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(platformProc));
    type(201, "12a3");
    EXPECT_EQ(text(201), "123");
    type(201, "123456789");
    EXPECT_EQ(text(201), "12345678");
    // The dependents cell too: what it shows is all that is read.
    type(219, "1234567890");
    EXPECT_EQ(text(219), "12345678");
}

TEST_F(FormEvents, PastesTakeTheAmountAsPeopleWriteIt)
{
    struct Row {
        int id;
        const char* before;
        int start, end;  // the selection pasted over
        const char* pasted;
        const char* after;  // nullptr: refused, the cell as it was
    };
    const Row rows[] = {
        {201, "0", 0, -1, "¥300,000", "300000"},    {205, "0", 0, -1, "３００，０００", "300000"},
        {206, "0", 0, -1, "\t4000\r\n", "4000"},    {219, "0", 0, -1, "２", "2"},
        {204, "15000", 5, 5, "1", "150001"},       {204, "15000", 0, 2, "2,000", "2000000"},
        {204, "15000", 5, 5, "1,000", nullptr},    {219, "0", 0, -1, "-1", nullptr},
        {201, "0", 0, -1, "123,456,789", nullptr}, {202, "8200", 1, 3, "12a3", nullptr},
        // More than the dependents cell takes, as any other cell.
        {219, "0", 0, -1, "123456789", nullptr},   {219, "0", 0, -1, "1234567890123456789012345", nullptr},
    };
    for (const Row& row : rows) {
        for (bool shiftInsert : {false, true}) {
            SCOPED_TRACE(testing::Message() << row.id << " " << row.pasted << (shiftInsert ? " by Shift+Insert" : ""));
            SetWindowTextA(control(row.id), row.before);
            paste(row.id, row.pasted, row.start, row.end, shiftInsert);
            EXPECT_EQ(text(row.id), row.after ? row.after : row.before);
            DWORD start = 0, end = 0;
            SendMessageA(control(row.id), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
            const DWORD wholeOrEnd = row.end < 0 ? std::strlen(row.before) : row.end;
            if (!row.after) {  // the selection as it was, too
                EXPECT_EQ(std::pair(start, end), (std::pair<DWORD, DWORD>(row.start, wholeOrEnd)));
            }
        }
    }
    // Insert without Shift pastes nothing.
    paste(201, "5");
    SendMessageA(control(201), EM_SETSEL, 1, 1);
    SendMessageA(control(201), WM_KEYDOWN, VK_INSERT, 0x01520001);
    EXPECT_EQ(text(201), "5");
}

TEST_F(FormEvents, AHugePasteIsRefusedAtOnce)
{
    fillSalary("200000", "10000", "8200", "1000", "13580", "1");
    // Read whole, this would be a count far above 7 and withhold nothing.
    const std::string pasted = "00000001" + std::string(99'992, '5');
    const DWORD start = GetTickCount();
    paste(219, pasted.c_str());
    EXPECT_LT(GetTickCount() - start, 1000u);
    EXPECT_EQ(text(219), "1");
    typeAndLeave(211, "500000");
    click(301);
    EXPECT_EQ(text(208), "3570");
    EXPECT_EQ(text(216), "26356");
}

// A click that brings the focus in, or would put the caret before the number, selects it.
TEST_F(FormEvents, AClickBeforeTheNumberSelectsIt)
{
    enum Place { rightOfText, blankPart, firstHalf };
    struct Row {
        int from;            // the input cell with the focus before the click, 0: none
        const char* before;  // the clicked cell 204's text
        Place place;         // where the button goes down
        int dragTo;          // the character the pointer is dragged to, -1: none
        const char* after;   // after BackSpace and 1
    };
    const Row rows[] = {
        // Brought in from elsewhere, the click selects wherever it lands; in
        // the cell that has the focus it places the caret.
        {201, "15000", rightOfText, -1, "1"},     {201, "1", rightOfText, -1, "1"},   {0, "15000", rightOfText, -1, "1"},
        {204, "15000", rightOfText, -1, "15001"}, {201, "15000", blankPart, -1, "1"}, {204, "8200", blankPart, -1, "1"},
        {0, "8200", blankPart, -1, "1"},          {201, "", blankPart, -1, "1"},      {201, "15000", blankPart, 2, "1000"},
        {204, "15000", rightOfText, 2, "151"},
        // The left half of the first digit, of a 0 three pixels wide too.
        {201, "0", firstHalf, -1, "1"},           {204, "15000", firstHalf, -1, "1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.from << " " << row.before << " at " << row.place);
        type(201, "200000");
        SetWindowTextA(control(204), row.before);
        SetFocus(row.from ? control(row.from) : window);
        // Leaving 201 recomputes and rewrites the form, 204 included, while the button is down.
        const HWND cell = control(204);
        RECT client;
        GetClientRect(cell, &client);
        const int x = row.place == blankPart     ? 4
                      : row.place == rightOfText ? client.right - 4
                                                 : static_cast<short>(LOWORD(SendMessageA(cell, EM_POSFROMCHAR, 0, 0))) + 1;
        const LPARAM point = MAKELPARAM(x, client.bottom / 2);
        SendMessageA(cell, WM_LBUTTONDOWN, MK_LBUTTON, point);
        const LPARAM dragged = row.dragTo < 0 ? point : SendMessageA(cell, EM_POSFROMCHAR, row.dragTo, 0);
        SendMessageA(cell, WM_MOUSEMOVE, MK_LBUTTON, dragged);
        SendMessageA(cell, WM_LBUTTONUP, 0, dragged);
        ASSERT_EQ(GetFocus(), cell);
        EXPECT_EQ(text(203), "200000");
        SendMessageA(cell, WM_CHAR, VK_BACK, 1);
        SendMessageA(cell, WM_CHAR, '1', 1);
        EXPECT_EQ(text(204), row.after);
    }
}

TEST_F(FormEvents, TheFocusComesBackWithItsSelection)
{
    const HWND other = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 400, 200, 100, nullptr,
                                       nullptr, nullptr, nullptr);
    enum Away { otherWindow, minimise, focusTakenFirst };
    struct Row {
        int id;
        const char* typed;  // "\b": the cell emptied
        int start, end;     // then selected, -1: the caret left after the typing
        Away away;
        const char* then;   // typed on coming back
        const char* after;
    };
    const Row rows[] = {
        {201, "20", 1, 2, otherWindow, "5", "25"},   {204, "20", 1, 2, minimise, "5", "25"},
        // Rewritten when left: the caret after the number, a "0" that replaced nothing selected.
        {202, "\b", -1, -1, otherWindow, "15000", "15000"}, {205, "015", -1, -1, otherWindow, "000", "15000"},
        {206, "\b", -1, -1, minimise, "15000", "15000"},    {211, "015", -1, -1, minimise, "000", "15000"},
        // Taken before the window hears it is inactive, as some ways of minimising do.
        {219, "\b", -1, -1, focusTakenFirst, "2", "2"},     {201, "015", -1, -1, focusTakenFirst, "000", "15000"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.id << " " << row.typed << " away " << row.away);
        type(row.id, row.typed);
        if (row.start >= 0)
            SendMessageA(control(row.id), EM_SETSEL, row.start, row.end);
        if (row.away == minimise)  // Windows leaves a minimised window without focus; Wine keeps it
            SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0), SetFocus(nullptr);
        else if (row.away == focusTakenFirst)
            SetFocus(nullptr), SetForegroundWindow(other);
        else
            SetForegroundWindow(other);
        ASSERT_NE(GetFocus(), control(row.id));
        if (row.away == minimise)
            SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
        SetForegroundWindow(window);
        EXPECT_EQ(GetFocus(), control(row.id));
        for (const char* key = row.then; *key; ++key)
            SendMessageA(control(row.id), WM_CHAR, static_cast<unsigned char>(*key), 1);
        EXPECT_EQ(text(row.id), row.after);
    }
    // A button too, which the window remembers as it loses the focus.
    for (bool minimise : {false, true}) {
        SCOPED_TRACE(minimise ? "計算, minimised" : "計算");
        SetFocus(control(301));
        if (minimise)
            SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0), SetFocus(nullptr),
                SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
        else
            SetForegroundWindow(other);
        SetForegroundWindow(window);
        EXPECT_EQ(GetFocus(), control(301));
    }
    DestroyWindow(other);
}

TEST_F(FormEvents, ARightClickBeforeTheNumberSelectsItForTheMenusPaste)
{
    type(204, "12300");
    type(201, "0123");  // the focus elsewhere, in a cell that leaving rewrites
    const HWND cell = control(204);
    SendMessageA(cell, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(4, 12));
    EXPECT_EQ(text(201), "123");
    EXPECT_EQ(GetFocus(), cell);
    DWORD start = 0, end = 0;
    SendMessageA(cell, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(std::pair(start, end), (std::pair<DWORD, DWORD>(0, 5)));
}

TEST_F(FormEvents, ResultCellsAreReadOnlyAndAClickSelectsTheirNumber)
{
    type(203, "5");
    EXPECT_EQ(text(203), "0");
    type(201, "300000");
    const HWND cell = control(208);
    SendMessageA(cell, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 12));
    SendMessageA(cell, WM_LBUTTONUP, 0, MAKELPARAM(60, 12));
    DWORD start = 0, end = 0;
    SendMessageA(cell, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(std::pair(start, end), (std::pair<DWORD, DWORD>(0, text(208).size())));
}

// A value set from outside (another program, a tool) computes as typing
// does, whichever cell has the focus; leaving a cell that is not an input
// then changes nothing, and 計算 neither.
TEST_F(FormEvents, AValueSetFromOutsideComputes)
{
    fillSalary("250000", "0", "0", "0", "0", "1");
    type(201, "250000");
    const std::string before = text(209) + " " + text(210);
    SendMessageA(control(204), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("12300"));
    EXPECT_EQ(text(204), "12300");
    const std::string after = text(209) + " " + text(210);
    EXPECT_NE(after, before);
    for (int id : {203, 207, 208, 209, 210, 212, 213, 214, 215, 216, 217, 218}) {
        SCOPED_TRACE(id);
        SetFocus(control(id));
        leave();
        EXPECT_EQ(text(209) + " " + text(210), after);
    }
    click(301);
    EXPECT_EQ(text(209) + " " + text(210), after);
}

// Ctrl+Z after a cell was tidied on leaving, with nothing to undo, leaves the
// caret where it was: a 5 typed then goes after the number.
TEST_F(FormEvents, CtrlZWithNothingToUndoKeepsTheCaret)
{
    typeAndLeave(201, "0250000");
    const HWND cell = control(201);
    SetFocus(cell);
    SendMessageA(cell, EM_SETSEL, 6, 6);
    SendMessageA(cell, WM_CHAR, 0x1A, 1);
    SendMessageA(cell, WM_UNDO, 0, 0);
    SendMessageA(cell, WM_CHAR, '5', 1);
    EXPECT_EQ(text(201), "2500005");
}

// Every change of an input cell's text computes at once, keeping the cell as
// typed; leaving it tidies it. 計算 then changes nothing.
TEST_F(FormEvents, TypingRecomputesAtOnce)
{
    type(201, "0300000");
    EXPECT_EQ(text(201), "0300000");
    EXPECT_EQ(text(203), "300000");
    type(211, "400000");
    EXPECT_EQ(text(201), "300000");
    EXPECT_EQ(text(218), "323307");
    SendMessageA(control(211), WM_CHAR, VK_BACK, 1);
    EXPECT_EQ(text(218), "32331");
    SendMessageA(control(211), WM_UNDO, 0, 0);
    EXPECT_EQ(text(211), "400000");
    EXPECT_EQ(text(218), "323307");
    const std::string figures = text(203) + text(210) + text(216) + text(218);
    click(301);
    EXPECT_EQ(text(203) + text(210) + text(216) + text(218), figures);
}

TEST_F(FormEvents, RadioButtonsClearTheirSibling)
{
    click(308);
    EXPECT_TRUE(checked(308));
    EXPECT_FALSE(checked(307));
    click(307);
    EXPECT_TRUE(checked(307));
    EXPECT_FALSE(checked(308));
    click(310);
    EXPECT_TRUE(checked(310));
    EXPECT_FALSE(checked(309));
    // The check boxes toggle on their own.
    EXPECT_TRUE(checked(305));
    EXPECT_TRUE(checked(306));
    click(305);
    EXPECT_FALSE(checked(305));
    EXPECT_TRUE(checked(307));
    click(306);
    EXPECT_FALSE(checked(306));
    EXPECT_TRUE(checked(310));
}

TEST_F(FormEvents, CalculateTakesTheFocusFromTheCellBeingTyped)
{
    type(201, "300000");
    click(301);
    EXPECT_EQ(GetFocus(), control(301));
    EXPECT_EQ(text(203), "300000");
    EXPECT_EQ(text(210), "284946");
}

TEST_F(FormEvents, CloseButtonTearsDownAndQuitsWithZero)
{
    HWND controls[42 + 19];
    int n = 0;
    for (int id = 101; id <= 113; ++id)
        controls[n++] = control(id);
    for (int id = 201; id <= 219; ++id) {
        controls[n++] = control(id);
        controls[n++] = GetDlgItem(window, id + 200);  // its hidden name label
    }
    for (int id = 301; id <= 310; ++id)
        controls[n++] = control(id);
    click(302);
    EXPECT_FALSE(IsWindow(window));
    for (HWND c : controls)
        EXPECT_FALSE(IsWindow(c));
    EXPECT_TRUE(quitPostedWithZero());
}

TEST_F(FormEvents, CloseBoxQuitsWithZero)
{
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(quitPostedWithZero());
}

TEST_F(FormEvents, OtherCommandsDoNothing)
{
    SetFocus(control(203));
    // Computed at once, but kept as set: a calculation started by any of the
    // codes below would tidy it to "7".
    SendMessageA(control(201), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("007"));
    // The calculate and close ids with another notification code, and codes
    // on a cell that start nothing.
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(301, BN_DOUBLECLICKED), 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(302, BN_SETFOCUS), 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(201, EN_UPDATE), 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(203, EN_CHANGE), 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(203, EN_KILLFOCUS), 0);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(text(203), "7");
    EXPECT_EQ(text(201), "007");
}

}  // namespace
