// What the form does, and does not do, on the user's other gestures.
#include "tests/form_harness.h"

#include <cstring>
#include <string>

namespace {

using FormEvents = FormTest;

TEST_F(FormEvents, CellsRefuseLettersAndANinthCharacter)
{
    type(201, "12a3");
    EXPECT_EQ(text(201), "123");
    type(201, "123456789");
    EXPECT_EQ(text(201), "12345678");
    type(219, "1234567890");
    EXPECT_EQ(text(219), "1234567890");
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
        {204, "15000", 5, 5, "1", "150001"},       {204, "15000", 0, 2, "2,0", "20000"},
        {204, "15000", 5, 5, "1,000", nullptr},    {219, "0", 0, -1, "-1", nullptr},
        {201, "0", 0, -1, "123,456,789", nullptr}, {202, "8200", 1, 3, "12a3", nullptr},
        // More than the dependents cell can show, which it would fit by dropping digits.
        {219, "0", 0, -1, "1234567890123456789012345", nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.id << " " << row.pasted);
        SetWindowTextA(control(row.id), row.before);
        paste(row.id, row.pasted, row.start, row.end);
        EXPECT_EQ(text(row.id), row.after ? row.after : row.before);
        DWORD start = 0, end = 0;
        SendMessageA(control(row.id), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        const DWORD wholeOrEnd = row.end < 0 ? std::strlen(row.before) : row.end;
        if (!row.after)  // the selection as it was, too
            EXPECT_EQ(std::pair(start, end), (std::pair<DWORD, DWORD>(row.start, wholeOrEnd)));
    }
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

TEST_F(FormEvents, AClickInTheBlankPartSelectsTheNumber)
{
    struct Row {
        int from;            // the input cell with the focus before the click, 0: none
        const char* before;  // the clicked cell 204's text
        bool blank;          // a press left of the text, otherwise right of it
        int dragTo;          // the character the pointer is dragged to, -1: none
        const char* after;   // after BackSpace and 1
    };
    const Row rows[] = {
        {201, "15000", false, -1, "15001"}, {201, "15000", true, -1, "1"},  {204, "8200", true, -1, "1"},
        {0, "8200", true, -1, "1"},         {201, "", true, -1, "1"},       {201, "15000", true, 2, "1000"},
        // Wider than the cell, so the click is on the text until leaving 201 rewrites it as "0".
        {201, "000000000000000000000000007", true, -1, "1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.from << " " << row.before << (row.blank ? " blank" : " on the text"));
        type(201, "200000");
        SetWindowTextA(control(204), row.before);
        SetFocus(row.from ? control(row.from) : window);
        // Leaving 201 recomputes and rewrites the form, 204 included, while the button is down.
        const HWND cell = control(204);
        RECT client;
        GetClientRect(cell, &client);
        const LPARAM point = MAKELPARAM(row.blank ? 4 : client.right - 4, client.bottom / 2);
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
    for (auto [id, minimise] : {std::pair{201, false}, std::pair{204, true}}) {
        SCOPED_TRACE(id);
        type(id, "20");
        SendMessageA(control(id), EM_SETSEL, 1, 2);
        if (minimise)  // Windows leaves a minimised window without focus; Wine keeps it
            SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0), SetFocus(nullptr);
        else
            SetForegroundWindow(other);
        ASSERT_NE(GetFocus(), control(id));
        if (minimise)
            SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
        SetForegroundWindow(window);
        EXPECT_EQ(GetFocus(), control(id));
        SendMessageA(control(id), WM_CHAR, '5', 1);  // over the selected "0"
        EXPECT_EQ(text(id), "25");
    }
    DestroyWindow(other);
}

TEST_F(FormEvents, ResultCellsAreReadOnly)
{
    type(203, "5");
    EXPECT_EQ(text(203), "0");
}

TEST_F(FormEvents, LeavingOtherCellsRecomputesNothing)
{
    SendMessageA(control(201), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("300000"));
    SendMessageA(control(211), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("500000"));
    // 201 and 211 now hold a figure the totals have not seen; leaving these must keep it so.
    for (int id : {203, 207, 208, 209, 210, 212, 213, 214, 215, 216, 217, 218}) {
        SCOPED_TRACE(id);
        SetFocus(control(id));
        leave();
        EXPECT_EQ(text(203), "0");
        EXPECT_EQ(text(210), "0");
        EXPECT_EQ(text(217), "0");
    }
}

TEST_F(FormEvents, TypingRecomputesNothing)
{
    // Every keystroke changes the text; only leaving the cell re-sums.
    type(201, "300000");
    EXPECT_EQ(text(203), "0");
    leave();
    type(211, "400000");
    EXPECT_EQ(text(218), "0");
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
    HWND controls[42];
    int n = 0;
    for (int id = 101; id <= 113; ++id)
        controls[n++] = control(id);
    for (int id = 201; id <= 219; ++id)
        controls[n++] = control(id);
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
    SendMessageA(control(201), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("300000"));
    // The calculate and close ids with another notification code, and a
    // kill-focus code on a cell that starts nothing.
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(301, BN_DOUBLECLICKED), 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(302, BN_SETFOCUS), 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(201, EN_CHANGE), 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(203, EN_KILLFOCUS), 0);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(text(203), "0");
    EXPECT_EQ(text(201), "300000");
}

}  // namespace
