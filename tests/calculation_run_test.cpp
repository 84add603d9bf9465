// A calculation on plain values (natively) and through the real form (in the
// form tests, under Wine): typed figures in, both columns out.
#include "form/decimal_text.h"
#include "form/columns.h"
#include "form/explanation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#ifdef GENSEN_FORM_TESTS
#include "form/figure_descriptions.h"
#include "tests/form_harness.h"

#include <commctrl.h>
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
    // Both ends of the 乙欄 table: 5 % of 79,440, and 392,800 plus 35 % of 856,000.
    {"otsu below the table", "80000", "0", "0", "0", "0", "0", "0", {.kou = false},
     {"80000", "0", "80000", "0", "0", "0", "560", "3972", "4532", "75468",
      "0", "0", "0", "0", "0", "0", "0", "0"}},
    {"otsu above the table", "2000000", "0", "0", "0", "0", "0", "0", {.kou = false},
     {"2000000", "0", "2000000", "0", "0", "0", "14000", "692400", "706400", "1293600",
      "0", "0", "0", "0", "0", "0", "0", "0"}},
    // A bonus over ten times last month's 1,986,000: the monthly-table method.
    {"bonus over ten months", "2000000", "0", "0", "0", "0", "0", "50000000", {.age40 = false},
     {"2000000", "0", "2000000", "0", "0", "0", "14000", "405610", "419610", "1580390",
      "50000000", "82000", "0", "101850", "350000", "17387340", "17921190", "32078810"}},
    // The ceilings hold the premiums; the employment premium has none.
    {"nine-digit total", "99999999", "99999999", "0", "0", "0", "0", "50000000", {},
     {"99999999", "99999999", "199999998", "0", "0", "0", "1399999", "34365430", "35765429", "164234569",
      "50000000", "82000", "11100", "101850", "350000", "17309267", "17854217", "32145783"}},
};

// The cells whose figures explain themselves.
constexpr int explained[] = {203, 207, 208, 209, 210, 212, 213, 214, 215, 216, 217, 218};

// The last number of an explanation, its separators dropped: the figure it explains.
std::string lastNumber(const std::string& text)
{
    const std::size_t end = text.find_last_of("0123456789");
    if (end == std::string::npos)
        return "";
    std::size_t start = text.find_last_not_of("0123456789,", end) + 1;
    if (start > 0 && text[start - 1] == '-')
        --start;
    std::string digits;
    for (char c : text.substr(start, end + 1 - start))
        if (c != ',')
            digits += c;
    return digits;
}

#ifndef GENSEN_FORM_TESTS
FormInputs formOf(const RunCase& c)
{
    auto value = [](const char* text) { return cellValue(text, std::strlen(text)); };
    return FormInputs{value(c.taxable), value(c.nonTaxable), value(c.health), value(c.nursing),
                      value(c.pension), value(c.bonus),      value(c.dependents), c.checks.age40,
                      c.checks.insured, c.checks.kou,        c.checks.categoryA};
}

std::string explanation(int cell, const FormInputs& form)
{
    const SalaryColumn s = runSalaryCalculation(form);
    char text[explanationSize];
    explainFigure(cell, form, s, runBonusCalculation(form, s), text);
    return text;
}

// No explanation shows a figure other than its cell's: each ends on it.
TEST(Explanation, EndsOnTheFigureOfItsCell)
{
    for (const RunCase& c : cases) {
        for (int cell : explained) {
            SCOPED_TRACE(testing::Message() << c.name << ", cell " << cell);
            const std::string text = explanation(cell, formOf(c));
            EXPECT_GT(text.find('\n'), 0u);
            EXPECT_EQ(lastNumber(text), c.expected[cell - 201]);
        }
    }
    EXPECT_EQ(explanation(201, formOf(cases[1])), "");
    EXPECT_EQ(explanation(219, formOf(cases[1])), "");
}

// Every number that went into a figure, as the guide works its examples.
TEST(Explanation, ShowsEveryNumberThatMadeTheFigure)
{
    struct Row {
        int runCase, cell;
        const char* text;
    };
    const Row rows[] = {
        {1, 207, "支給額合計 210,000円 は雇用保険料額表の\n210,000円以上 215,999円以下の行\nA欄の額: 1,491円"},
        {4, 207, "「雇用保険対象」のチェックがないので\n雇用保険料は 0円"},
        {1, 215, "賞与 500,000円 × 7/1000 (A欄)\n1円未満を切り捨てて 3,500円"},
        {6, 208, "社会保険料等控除後の給与等の金額:\n課税支給額 400,000 - (健康 8,200\n+ 介護 1,000 + 厚生 13,580 + 雇用 "
                 "2,846)\n= 374,374円\n給与所得控除: 374,374 × 20% + 45,000\n= 119,875円 (1円未満切り上げ)\n"
                 "基礎控除と扶養控除: 31,667円 × 2人\n= 63,334円\n課税給与所得金額: 374,374 - 119,875 - 63,334\n"
                 "= 191,165円\n税額: 191,165 × 8% - 0\n10円未満を四捨五入して 15,290円"},
        {0, 208, "社会保険料等控除後の給与等の金額:\n課税支給額 0 - (健康 0\n+ 介護 0 + 厚生 0 + 雇用 0)\n= 0円\n"
                 "給与所得控除: 54,167円 (135,416円以下)\n基礎控除と扶養控除: 31,667円 × 1人\n= 31,667円\n"
                 "課税給与所得金額: 0 - 54,167 - 31,667\n= -85,834円\n控除が給与を上回り 0円以下なので\n源泉徴収税は 0円"},
        {5, 208, "社会保険料等控除後の給与等の金額:\n課税支給額 200,000 - (健康 8,200\n+ 介護 1,000 + 厚生 13,580 + 雇用 "
                 "1,491)\n= 175,729円\n月額表の乙欄 175,000円以上\n177,000円未満の行の税額: 10,900円"},
        {12, 208, "社会保険料等控除後の給与等の金額:\n課税支給額 80,000 - (健康 0\n+ 介護 0 + 厚生 0 + 雇用 560)\n"
                  "= 79,440円\n月額表の乙欄の表より下 (87,000円未満) なので\n79,440 × 5%、1円未満を切り捨てて 3,972円"},
        {13, 208, "社会保険料等控除後の給与等の金額:\n課税支給額 2,000,000 - (健康 0\n+ 介護 0 + 厚生 0 + 雇用 14,000)\n"
                  "= 1,986,000円\n1,130,000円以上なので 392,800円 +\n(1,986,000 - 1,130,000) × 35%\n"
                  "1円未満を切り捨てて 692,400円"},
        {9, 208, "社会保険料等控除後の給与等の金額:\n課税支給額 10,000 - (健康 8,200\n+ 介護 1,000 + 厚生 13,580 + 雇用 "
                 "70)\n= -12,850円\n社会保険料が給与を上回るので\n源泉徴収税は 0円"},
        {6, 216, "賞与から社会保険料を引いた額:\n500,000 - (20,500 + 2,775 + 33,950 + 3,500)\n= 439,275円\n"
                 "前月の社会保険料等控除後の給与等の金額:\n課税支給額 400,000 - (健康 8,200\n+ 介護 1,000 + 厚生 13,580 + "
                 "雇用 2,846)\n= 374,374円\n算出率の表の甲欄 扶養1人の列: 8%\n439,275 × 8%、1円未満を切り捨てて 35,142円"},
        {14, 216, "賞与から社会保険料を引いた額:\n50,000,000 - (82,000 + 0 + 101,850 + 350,000)\n= 49,466,150円\n"
                  "前月の社会保険料等控除後の給与等の金額:\n課税支給額 2,000,000 - (健康 0\n+ 介護 0 + 厚生 0 + 雇用 14,000)\n"
                  "= 1,986,000円\n前月の金額の10倍 (19,860,000円) を超えるので\n月額表を使う方法 (甲欄):\n"
                  "6分の1: 49,466,150 ÷ 6 = 8,244,358円\n1,986,000 + 8,244,358\n= 10,230,358円の税額 3,303,500円\n"
                  "1,986,000円の税額 405,610円\n(3,303,500 - 405,610) × 6 = 17,387,340円"},
        {0, 216, "賞与から社会保険料を引いた額:\n0 - (0 + 0 + 0 + 0)\n= 0円\n0円以下なので源泉徴収税は 0円"},
        {15, 214, "標準賞与額: 賞与 50,000,000円の\n1,000円未満を切り捨てて 50,000,000円\n"
                  "1回の上限 1,500,000円を超えるので 1,500,000円\n1,500,000 × 6.79%\n50銭以下切り捨て、50銭超切り上げで 101,850円"},
        {2, 213, "「満40歳以上」のチェックがないので\n介護保険料は 0円"},
        {1, 213, "標準賞与額: 賞与 500,000円の\n1,000円未満を切り捨てて 500,000円\n500,000 × 0.555%\n"
                 "50銭以下切り捨て、50銭超切り上げで 2,775円"},
        {9, 210, "支給額合計 10,000 - 控除額合計 22,850\n= 差引支給額 -12,850円"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << cases[row.runCase].name << ", cell " << row.cell);
        EXPECT_EQ(explanation(row.cell, formOf(cases[row.runCase])), row.text);
    }
}

TEST(CalculationRun, WorkedCasesOnPlainValues)
{
    for (const RunCase& c : cases) {
        SCOPED_TRACE(c.name);
        const FormInputs form = formOf(c);
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

void enter(FormTest& form, const RunCase& c)
{
    form.fillSalary(c.taxable, c.nonTaxable, c.health, c.nursing, c.pension, c.dependents);
    form.typeAndLeave(211, c.bonus);
    setCheck(form.control(305), c.checks.age40);
    setCheck(form.control(306), c.checks.insured);
    setCheck(form.control(307), c.checks.kou);
    setCheck(form.control(308), !c.checks.kou);
    setCheck(form.control(309), c.checks.categoryA);
    setCheck(form.control(310), !c.checks.categoryA);
    form.click(301);
}

// What a tip would show, asked of the main window as the tooltip asks it, in code page 932.
std::string tipText(HWND window, HWND cell)
{
    NMTTDISPINFOW info = {};
    info.hdr.hwndFrom = window;
    info.hdr.idFrom = reinterpret_cast<UINT_PTR>(cell);
    info.hdr.code = TTN_GETDISPINFOW;
    info.uFlags = TTF_IDISHWND;
    SendMessageW(window, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    char text[explanationSize * 2] = {};
    if (info.lpszText && info.lpszText != LPSTR_TEXTCALLBACKW)
        WideCharToMultiByte(932, 0, info.lpszText, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

// What a screen reader hears as the cell's description or help.
std::string described(ControlId cell, MSAAPROPID property)
{
    VARIANT value;
    BOOL has = FALSE;
    figureDescriptionServer(cell)->GetPropValue(nullptr, 0, property, &value, &has);
    char text[explanationSize * 2] = {};
    if (has && value.vt == VT_BSTR)
        WideCharToMultiByte(932, 0, value.bstrVal, -1, text, sizeof text, nullptr, nullptr);
    VariantClear(&value);
    return text;
}

using FigureTips = FormTest;

// Every result cell's tip and description, in every worked case, end on the
// figure the cell shows; the input cells have none.
TEST_F(FigureTips, EachEndsOnTheFigureItsCellShows)
{
    for (const RunCase& c : cases) {
        enter(*this, c);
        for (int cell : explained) {
            SCOPED_TRACE(testing::Message() << c.name << ", cell " << cell);
            const std::string tip = tipText(window, control(cell));
            EXPECT_EQ(lastNumber(tip), text(cell));
            EXPECT_EQ(described(static_cast<ControlId>(cell), PROPID_ACC_DESCRIPTION), tip);
            EXPECT_EQ(described(static_cast<ControlId>(cell), PROPID_ACC_HELP), tip);
        }
    }
    for (int cell : {201, 211, 219})
        EXPECT_EQ(tipText(window, control(cell)), "") << cell;
}

// One tooltip for resting the mouse, one for the click, each with a tool per
// result cell that the cells relay to, none subclassing them.
TEST_F(FigureTips, OneToolPerResultCell)
{
    int tips = 0;
    for (HWND tip = nullptr; (tip = FindWindowExW(nullptr, tip, L"tooltips_class32",
                                                  nullptr));) {
        if (GetWindow(tip, GW_OWNER) != window)
            continue;
        ++tips;
        ASSERT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 12);
        for (int i = 0; i < 12; ++i) {
            TTTOOLINFOW tool = {};
            tool.cbSize = sizeof tool;
            ASSERT_TRUE(SendMessageW(tip, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&tool)));
            EXPECT_EQ(tool.uFlags & (TTF_IDISHWND | TTF_SUBCLASS), static_cast<UINT>(TTF_IDISHWND));
            EXPECT_EQ(GetDlgCtrlID(reinterpret_cast<HWND>(tool.uId)), explained[i]);
        }
    }
    EXPECT_EQ(tips, 2);
}

// A click in a result cell shows its tip below it at once; leaving the cell hides it.
TEST_F(FigureTips, AClickShowsTheTipUntilTheCellIsLeft)
{
    enter(*this, cases[1]);
    const HWND cell = control(216);
    SetFocus(cell);
    SendMessageW(cell, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SendMessageW(cell, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    HWND shown = nullptr;
    for (HWND tip = nullptr; (tip = FindWindowExW(nullptr, tip, L"tooltips_class32", nullptr));)
        if (GetWindow(tip, GW_OWNER) == window && IsWindowVisible(tip))
            shown = tip;
    ASSERT_NE(shown, nullptr);
    char text[explanationSize * 2] = {};
    SendMessageA(shown, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(lastNumber(text), "26356");
    RECT tip, below;
    GetWindowRect(shown, &tip);
    GetWindowRect(cell, &below);
    EXPECT_GE(tip.top, below.bottom);
    leave();
    EXPECT_FALSE(IsWindowVisible(shown));
}

TEST_F(CalculationRun, WorkedCases)
{
    for (const RunCase& c : cases) {
        SCOPED_TRACE(c.name);
        enter(*this, c);
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
