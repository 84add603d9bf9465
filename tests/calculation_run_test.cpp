// A calculation on plain values (natively) and through the real form (in the
// form tests, under Wine): typed figures in, both columns out.
#include "form/decimal_text.h"
#include "form/columns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#ifdef GENSEN_FORM_TESTS
#include "tests/form_harness.h"
#endif

namespace {

struct Checks {
    bool age40 = true, insured = true, kou = true, categoryA = true;
};

struct RunCase {
    const char* name;
    const char* taxable;
    const char* nonTaxable;
    const char* health;
    const char* nursing;
    const char* pension;
    const char* dependents;
    const char* bonus;
    Checks checks;
    std::array<const char*, 18> expected;  // cells 201 to 218
};

const RunCase cases[] = {
    {"initial form", "0", "0", "0", "0", "0", "0", "0", {},
     {"0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"}},
    {"worked example", "200000", "10000", "8200", "1000", "13580", "1", "500000", {},
     {"200000", "10000", "210000", "8200", "1000", "13580", "1491", "3570", "27841", "182159",
      "500000", "20500", "2775", "33950", "3500", "26356", "87081", "412919"}},
    {"under 40", "200000", "10000", "8200", "1000", "13580", "1", "500000", {.age40 = false},
     {"200000", "10000", "210000", "8200", "1000", "13580", "1491", "3570", "27841", "182159",
      "500000", "20500", "0", "33950", "3500", "26523", "84473", "415527"}},
    {"category B", "200000", "10000", "8200", "1000", "13580", "1", "500000", {.categoryA = false},
     {"200000", "10000", "210000", "8200", "1000", "13580", "1704", "3560", "28044", "181956",
      "500000", "20500", "2775", "33950", "4000", "26326", "87551", "412449"}},
    {"not insured", "200000", "10000", "8200", "1000", "13580", "1", "500000", {.insured = false},
     {"200000", "10000", "210000", "8200", "1000", "13580", "0", "3660", "26440", "183560",
      "500000", "20500", "2775", "33950", "0", "26566", "83791", "416209"}},
    {"otsu column", "200000", "10000", "8200", "1000", "13580", "1", "500000", {.kou = false},
     {"200000", "10000", "210000", "8200", "1000", "13580", "1491", "10900", "35171", "174829",
      "500000", "20500", "2775", "33950", "3500", "43927", "104652", "395348"}},
    // The rate follows the month's pay after its premiums (374374: 8 %), not the bonus less it.
    {"salary 400000", "400000", "10000", "8200", "1000", "13580", "1", "500000", {},
     {"400000", "10000", "410000", "8200", "1000", "13580", "2846", "15290", "40916", "369084",
      "500000", "20500", "2775", "33950", "3500", "35142", "95867", "404133"}},
    // 8 takes the column "7 or more": 6 %, as 7 does.
    {"8 dependents", "400000", "10000", "8200", "1000", "13580", "8", "500000", {},
     {"400000", "10000", "410000", "8200", "1000", "13580", "2846", "0", "25626", "384374",
      "500000", "20500", "2775", "33950", "3500", "26356", "87081", "412919"}},
    // No pay last month: the monthly-table method on a sixth of the bonus.
    {"no salary", "0", "0", "0", "0", "0", "0", "2000000", {},
     {"0", "0", "0", "0", "0", "0", "0", "0", "0", "0",
      "2000000", "82000", "11100", "101850", "14000", "77880", "286830", "1713170"}},
    // Premiums above the pay: no tax rather than a refund. A bonus in the salary
    // table's range takes the bonus rate all the same (2100, where the table has 2104).
    {"otsu, premiums above the pay", "10000", "0", "8200", "1000", "13580", "0", "300000", {.kou = false},
     {"10000", "0", "10000", "8200", "1000", "13580", "70", "0", "22850", "-12850",
      "300000", "12300", "1665", "20370", "2100", "13176", "49611", "250389"}},
    {"salary 300000", "300000", "0", "14000", "2000", "27000", "0", "500000", {},
     {"300000", "0", "300000", "14000", "2000", "27000", "2104", "10540", "55644", "244356",
      "500000", "20500", "2775", "33950", "3500", "35142", "95867", "404133"}},
    // Rate key 370000, 1,000 below the 10 % band: 8 %. Leaving any premium out would reach it.
    {"rate key just below a band", "415954", "0", "14000", "2000", "27000", "0", "686000", {},
     {"415954", "0", "415954", "14000", "2000", "27000", "2954", "17550", "63504", "352450",
      "686000", "28126", "3807", "46579", "4802", "48214", "131528", "554472"}},
    // The ceilings hold the premiums; the employment premium has none.
    {"nine-digit total", "99999999", "99999999", "0", "0", "0", "0", "50000000", {},
     {"99999999", "99999999", "199999998", "0", "0", "0", "1399999", "34365430", "35765429", "164234569",
      "50000000", "82000", "11100", "101850", "350000", "17309267", "17854217", "32145783"}},
};

#ifndef GENSEN_FORM_TESTS
TEST(CalculationRun, WorkedCasesOnPlainValues)
{
    auto value = [](const char* text) { return cellValue(text, std::strlen(text)); };
    for (const RunCase& c : cases) {
        SCOPED_TRACE(c.name);
        const FormInputs form{value(c.taxable), value(c.nonTaxable), value(c.health), value(c.nursing),
                              value(c.pension), value(c.bonus),      value(c.dependents), c.checks.age40,
                              c.checks.insured, c.checks.kou,        c.checks.categoryA};
        const SalaryColumn s = runSalaryCalculation(form);
        const BonusColumn b = runBonusCalculation(form, s);
        const std::int32_t figures[] = {s.taxablePay, s.nonTaxablePay, s.totalPay,  s.health,     s.nursing,
                                        s.pension,    s.employment,    s.tax,       s.totalDeductions, s.netPay,
                                        b.bonus,      b.health,        b.nursing,   b.pension,    b.employment,
                                        b.tax,        b.totalDeductions, b.netPay};
        for (int i = 0; i < 18; ++i)
            EXPECT_EQ(std::to_string(figures[i]), c.expected[i]) << "cell " << 201 + i;
    }
}
#else
using CalculationRun = FormTest;
// What a calculation reads from the cells, and writes back, by the reading rule.
using CellReading = FormTest;

void setCheck(HWND button, bool on)
{
    SendMessageA(button, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

TEST_F(CalculationRun, WorkedCases)
{
    for (const RunCase& c : cases) {
        SCOPED_TRACE(c.name);
        fillSalary(c.taxable, c.nonTaxable, c.health, c.nursing, c.pension, c.dependents);
        typeAndLeave(211, c.bonus);
        setCheck(control(305), c.checks.age40);
        setCheck(control(306), c.checks.insured);
        setCheck(control(307), c.checks.kou);
        setCheck(control(308), !c.checks.kou);
        setCheck(control(309), c.checks.categoryA);
        setCheck(control(310), !c.checks.categoryA);
        click(301);
        for (int id = 201; id <= 218; ++id)
            EXPECT_EQ(text(id), c.expected[id - 201]) << "cell " << id;
        EXPECT_EQ(text(219), c.dependents);
    }
}

// Whatever puts text into a cell (another program, an input method, the
// menu's Unicode control characters), only ASCII digits stay, at most 8 of
// them: anything else is undone, the caret back in its place, and the
// figures stay those of the text shown. "00500000" is digits and stays.
TEST_F(CellReading, TextThatIsNotDigitsIsUndone)
{
    struct Row {
        int id;
        const char* before;
        const wchar_t* inserted;  // at the caret by a wide EM_REPLACESEL
        const char* set;          // or the whole text by WM_SETTEXT
        const char* after;        // nullptr: undone
    };
    const Row rows[] = {
        {201, "250000", L"\u200E", nullptr, nullptr}, {219, "1", L"\uFF13", nullptr, nullptr},
        {205, "1000", L"\u00B2", nullptr, nullptr},   {204, "15000", L"9", nullptr, "150900"},
        {204, "15000", nullptr, "12a3", nullptr},     {201, "250000", nullptr, "123456789", nullptr},
        {206, "13580", nullptr, "-5000", nullptr},    {202, "8200", nullptr, " 5", nullptr},
        {205, "1000", nullptr, "+7", nullptr},        {219, "1", nullptr, "2x", nullptr},
        {201, "250000", nullptr, "1,000", nullptr},   {211, "0", nullptr, "00500000", "00500000"},
    };
    auto figures = [this] {
        std::string shown;
        for (int id = 207; id <= 218; ++id)
            shown += text(id) + " ";
        return shown;
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.id << " " << (row.set ? row.set : "wide"));
        const HWND cell = control(row.id);
        SetWindowTextA(cell, row.before);
        SetFocus(cell);
        SendMessageA(cell, EM_SETSEL, 3, 3);
        const std::string before = figures();
        if (row.set)
            SendMessageA(cell, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(row.set));
        else
            SendMessageW(cell, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(row.inserted));
        EXPECT_EQ(text(row.id), row.after ? row.after : row.before);
        if (row.after)
            continue;
        DWORD start = 0, end = 0;
        SendMessageA(cell, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        const DWORD caret = std::min<DWORD>(3, std::strlen(row.before));
        EXPECT_EQ(std::pair(start, end), std::pair(caret, caret));
        EXPECT_EQ(figures(), before);
    }
}

TEST_F(CellReading, EmptyCellsReadAsZero)
{
    for (int id : {201, 202, 204, 205, 206, 211, 219})
        SetWindowTextA(control(id), "");
    click(301);
    for (int id = 201; id <= 218; ++id)
        EXPECT_EQ(text(id), "0") << "cell " << id;
    EXPECT_EQ(text(219), "");
}

TEST_F(CalculationRun, RadioButtonsThatAreNeverRead)
{
    fillSalary("200000", "10000", "8200", "1000", "13580", "1");
    typeAndLeave(211, "500000");
    // 甲欄 and A欄 unchecked mean 乙欄 and B欄, whatever 308 and 310 say.
    setCheck(control(307), false);
    setCheck(control(308), false);
    setCheck(control(309), false);
    setCheck(control(310), false);
    click(301);
    EXPECT_EQ(text(207), "1704");
    EXPECT_EQ(text(215), "4000");
    EXPECT_EQ(text(208), "10900");
}

TEST_F(CellReading, DependentsCellTakesWhatItShows)
{
    fillSalary("300000", "0", "14000", "2000", "27000", "0");
    typeAndLeave(219, "000000003");  // the ninth character, the 3, is refused
    typeAndLeave(211, "500000");
    click(301);
    EXPECT_EQ(text(208), "10540");
    EXPECT_EQ(text(216), "35142");
    EXPECT_EQ(text(219), "00000000");
}

#endif
}  // namespace
