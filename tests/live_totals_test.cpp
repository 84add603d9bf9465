// Leaving an input cell re-sums its column from the figures on screen.
#include "tests/form_harness.h"

namespace {

using LiveTotals = FormTest;

TEST_F(LiveTotals, SalaryFromTheInitialForm)
{
    typeAndLeave(201, "300000");
    EXPECT_EQ(text(201), "300000");
    EXPECT_EQ(text(203), "300000");
    EXPECT_EQ(text(209), "0");
    EXPECT_EQ(text(210), "300000");
    for (int id : {202, 204, 205, 206, 207, 208})
        EXPECT_EQ(text(id), "0") << id;
}

TEST_F(LiveTotals, SalaryAfterEachCellLeft)
{
    typeAndLeave(201, "300000");
    typeAndLeave(202, "10000");
    typeAndLeave(204, "15000");
    typeAndLeave(205, "2000");
    typeAndLeave(206, "27000");
    EXPECT_EQ(text(203), "310000");
    EXPECT_EQ(text(209), "44000");
    EXPECT_EQ(text(210), "266000");
    // Leaving any one of the five again gives the same.
    for (int id : {201, 202, 204, 205, 206}) {
        SCOPED_TRACE(id);
        SetFocus(control(id));
        leave();
        EXPECT_EQ(text(203), "310000");
        EXPECT_EQ(text(209), "44000");
        EXPECT_EQ(text(210), "266000");
    }
}

TEST_F(LiveTotals, CarryTheLastRunsPremiumAndTax)
{
    fillSalary("200000", "10000", "8200", "1000", "13580", "1");
    click(301);
    ASSERT_EQ(text(207), "1491");
    ASSERT_EQ(text(208), "3570");
    typeAndLeave(201, "250000");
    EXPECT_EQ(text(203), "260000");
    EXPECT_EQ(text(207), "1491");
    EXPECT_EQ(text(208), "3570");
    EXPECT_EQ(text(209), "27841");
    EXPECT_EQ(text(210), "232159");
}

TEST_F(LiveTotals, NegativeNetAndNormalisedCells)
{
    typeAndLeave(201, "1000");
    typeAndLeave(204, "5000");
    EXPECT_EQ(text(210), "-4000");
    type(202, "");
    SendMessageA(control(202), WM_CLEAR, 0, 0);
    leave();
    EXPECT_EQ(text(202), "0");
    typeAndLeave(205, "007");
    EXPECT_EQ(text(205), "7");
    paste(206, "12a3");
    leave();
    EXPECT_EQ(text(206), "12");
}

TEST_F(LiveTotals, EightDigitsKeptWhole)
{
    typeAndLeave(201, "99999999");
    typeAndLeave(202, "99999999");
    EXPECT_EQ(text(201), "99999999");
    EXPECT_EQ(text(203), "199999998");
    EXPECT_EQ(text(210), "199999998");
}

TEST_F(LiveTotals, ResultCellsAreReadWhole)
{
    // The program may have written nine characters; the sums must take all of them.
    SendMessageA(control(208), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("123456789"));
    typeAndLeave(201, "1000");
    EXPECT_EQ(text(209), "123456789");
    EXPECT_EQ(text(210), "-123455789");
    SendMessageA(control(216), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("123456789"));
    typeAndLeave(211, "1000");
    EXPECT_EQ(text(217), "123456789");
    EXPECT_EQ(text(218), "-123455789");
}

TEST_F(LiveTotals, Bonus)
{
    typeAndLeave(211, "500000");
    EXPECT_EQ(text(217), "0");
    EXPECT_EQ(text(218), "500000");

    fillSalary("200000", "10000", "8200", "1000", "13580", "1");
    click(301);
    ASSERT_EQ(text(217), "87075");
    typeAndLeave(211, "600000");
    // The premiums and tax of the last run stand; only the sums follow.
    EXPECT_EQ(text(212), "20500");
    EXPECT_EQ(text(216), "26350");
    EXPECT_EQ(text(217), "87075");
    EXPECT_EQ(text(218), "512925");
    // The salary column is not touched.
    EXPECT_EQ(text(210), "182159");
}

}  // namespace
