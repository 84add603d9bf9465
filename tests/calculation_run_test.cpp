// A calculation on plain values (natively) and through the real form (in the
// form tests, under Wine): typed figures in, both columns out.
#include "form/decimal_text.h"
#include "form/columns.h"

#include <gtest/gtest.h>

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

TEST_F(CellReading, TextThatIsNoPlainNumberIsNormalised)
{
    // No paste or keystroke leaves such text; the reading rule stands for any that is there.
    const char* texts[][2] = {{"201", "1,000"}, {"202", "abc"},  {"204", " 5"},       {"205", "+7"},
                              {"206", "-5000"}, {"219", "2x"},   {"211", "00500000"}};
    for (auto [id, text] : texts)
        SetWindowTextA(control(std::atoi(id)), text);
    click(301);
    // Last month's 4989 after premiums: a bonus over ten times it takes the monthly-table method.
    const char* expected[] = {"1", "0", "1", "5", "7", "-5000", "0", "0", "-4988", "4989",
                              "500000", "20500", "2775", "33950", "3500", "0", "60725", "439275"};
    for (int id = 201; id <= 218; ++id)
        EXPECT_EQ(text(id), expected[id - 201]) << "cell " << id;
    // The dependents cell keeps what was typed; only its leading number counts.
    EXPECT_EQ(text(219), "2x");
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

TEST_F(CalculationRun, NegativeTotalPayGivesANegativePremium)
{
    SetWindowTextA(control(201), "-5000");
    click(301);
    EXPECT_EQ(text(203), "-5000");
    EXPECT_EQ(text(207), "-35");
    EXPECT_EQ(text(210), "-4965");
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
