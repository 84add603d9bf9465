// Every figure follows what the form shows: typing into an input cell,
// leaving it, or changing an option by a click or the Space key, computes as
// 計算 does.
#include "tests/form_harness.h"

#include <string>

namespace {

using CalculationTriggers = FormTest;

TEST_F(CalculationTriggers, EveryCellTypedOrLeftAndOptionChangedGivesThePressFigures)
{
    auto figures = [&] {
        std::string all;
        for (int id = 201; id <= 219; ++id)
            all += text(id) + " ";
        return all;
    };
    struct Step {
        int id;
        const char* typed;  // nullptr: a click on the option; " ": the Space key on it
    };
    const Step steps[] = {
        {201, "200000"}, {202, "10000"}, {204, "8200"}, {205, "1000"}, {206, "13580"}, {219, "1"},
        {211, "500000"}, {308, nullptr}, {310, nullptr}, {305, " "},   {307, " "},     {309, nullptr},
        {306, nullptr},
    };
    for (const Step& step : steps) {
        const bool typed = step.typed && *step.typed != ' ';
        // A cell: typed, the focus staying in it; then typed again from 0 and left.
        for (bool leaving : {false, true}) {
            if (leaving && !typed)
                continue;
            SCOPED_TRACE(testing::Message() << step.id << (leaving ? " left" : ""));
            if (leaving)
                type(step.id, "0");
            const std::string before = figures();
            if (!step.typed) {
                click(step.id);
            } else if (!typed) {
                SetFocus(control(step.id));
                SendMessageA(control(step.id), WM_KEYDOWN, VK_SPACE, 0x00390001);
                SendMessageA(control(step.id), WM_KEYUP, VK_SPACE, 0xC0390001);
            } else if (leaving) {
                typeAndLeave(step.id, step.typed);
            } else {
                type(step.id, step.typed);
            }
            const std::string after = figures();
            EXPECT_NE(after, before);
            click(301);
            EXPECT_EQ(figures(), after);
        }
    }
    // The worked example, with 甲欄 and A欄 again, without 満40歳以上 and employment insurance.
    EXPECT_EQ(figures(), "200000 10000 210000 8200 1000 13580 0 3660 26440 183560 "
                         "500000 20500 0 33950 0 26733 81183 418817 1 ");
}

TEST_F(CalculationTriggers, NegativeNetAndNormalisedCells)
{
    typeAndLeave(201, "1000");
    typeAndLeave(204, "5000");
    EXPECT_EQ(text(210), "-4007");
    type(202, "");
    SendMessageA(control(202), WM_CLEAR, 0, 0);
    leave();
    EXPECT_EQ(text(202), "0");
    typeAndLeave(205, "007");
    EXPECT_EQ(text(205), "7");
    SetWindowTextA(control(206), "12a3");  // undone: no amount but digits
    SetFocus(control(206));
    leave();
    EXPECT_EQ(text(206), "0");
    // The dependents cell keeps what was typed.
    typeAndLeave(219, "007");
    EXPECT_EQ(text(219), "007");
}

TEST_F(CalculationTriggers, EightDigitsKeptWhole)
{
    typeAndLeave(201, "99999999");
    typeAndLeave(202, "99999999");
    EXPECT_EQ(text(201), "99999999");
    EXPECT_EQ(text(203), "199999998");
}

}  // namespace
