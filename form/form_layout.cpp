// The form's controls as data, and the routines that build, dress and tear them down.
#include "form/form.h"

#include <iterator>

namespace {

struct ControlRow {
    ControlId id;
    const char* text;
    int x, y, width, height;
    DWORD style;
    ControlId parent = ControlId{};  // none: the main window
};

constexpr DWORD labelStyle = WS_CHILD | WS_VISIBLE | SS_LEFT;
constexpr DWORD headingStyle = WS_CHILD | WS_VISIBLE | SS_CENTER;

constexpr ControlRow labels[] = {
    // id                    text                  x    y    w    h  style
    {taxablePayLabel,        "課税支給額:",       160,  30, 120, 24, labelStyle},
    {nonTaxablePayLabel,     "非課税支給額:",     160,  56, 120, 24, labelStyle},
    {totalPayLabel,          "支給額合計:",       160,  82, 120, 24, labelStyle},
    {healthPremiumLabel,     "健康保険料:",       160, 108, 120, 24, labelStyle},
    {nursingPremiumLabel,    "介護費用保険料:",   160, 134, 120, 24, labelStyle},
    {pensionPremiumLabel,    "厚生保険:",         160, 160, 120, 24, labelStyle},
    {employmentPremiumLabel, "雇用保険料:",       160, 186, 120, 24, labelStyle},
    {withholdingTaxLabel,    "源泉徴収税:",       160, 212, 120, 24, labelStyle},
    {totalDeductionsLabel,   "控除額合計:",       160, 238, 120, 24, labelStyle},
    {netPayLabel,            "差引支給額:",       160, 264, 120, 24, labelStyle},
    {salaryHeading,          "給与",              285,   6, 120, 24, headingStyle},
    {bonusHeading,           "賞与",              410,   6, 120, 24, headingStyle},
    {dependentCountLabel,    "扶養家族数",          6, 250, 120, 24, headingStyle},
};

constexpr DWORD inputStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_NUMBER | ES_RIGHT;
constexpr DWORD resultStyle = inputStyle | ES_READONLY;

constexpr ControlRow cells[] = {
    // id                     text      x    y    w    h  style
    {salaryTaxablePay,        nullptr, 285,  30, 120, 24, inputStyle},
    {salaryNonTaxablePay,     nullptr, 285,  54, 120, 24, inputStyle},
    {salaryTotalPay,          nullptr, 285,  82, 120, 24, resultStyle},
    {salaryHealthPremium,     nullptr, 285, 110, 120, 24, inputStyle},
    {salaryNursingPremium,    nullptr, 285, 134, 120, 24, inputStyle},
    {salaryPensionPremium,    nullptr, 285, 158, 120, 24, inputStyle},
    {salaryEmploymentPremium, nullptr, 285, 182, 120, 24, resultStyle},
    {salaryWithholdingTax,    nullptr, 285, 206, 120, 24, resultStyle},
    {salaryTotalDeductions,   nullptr, 285, 234, 120, 24, resultStyle},
    {salaryNetPay,            nullptr, 285, 262, 120, 24, resultStyle},
    {bonusTaxablePay,         nullptr, 410,  30, 120, 24, inputStyle},
    {bonusHealthPremium,      nullptr, 410, 110, 120, 24, resultStyle},
    {bonusNursingPremium,     nullptr, 410, 134, 120, 24, resultStyle},
    {bonusPensionPremium,     nullptr, 410, 158, 120, 24, resultStyle},
    {bonusEmploymentPremium,  nullptr, 410, 182, 120, 24, resultStyle},
    {bonusWithholdingTax,     nullptr, 410, 206, 120, 24, resultStyle},
    {bonusTotalDeductions,    nullptr, 410, 234, 120, 24, resultStyle},
    {bonusNetPay,             nullptr, 410, 262, 120, 24, resultStyle},
    {dependentCount,          nullptr,   6, 270, 120, 24, inputStyle},
};

// Cells the user types into, with the 8-character typing limit.
constexpr ControlId limitedCells[] = {
    salaryTaxablePay, salaryNonTaxablePay, salaryHealthPremium, salaryNursingPremium, salaryPensionPremium,
    bonusTaxablePay,
};

// More than the dependents cell shows, so typing is never cut; without a
// limit, a long paste is fitted to its width one dropped character at a time.
constexpr int dependentCountLimit = 32;

constexpr DWORD pushStyle = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON;
constexpr DWORD groupStyle = WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_GROUPBOX;
constexpr DWORD checkStyle = WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX;
constexpr DWORD radioStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTORADIOBUTTON;

constexpr ControlRow buttons[] = {
    // id                     text             x    y    w    h  style       parent
    {calculateButton,         "計算",         385, 300,  72, 24, pushStyle},
    {closeButton,             "閉じる",       458, 300,  72, 24, pushStyle},
    {taxGroupBox,             "所得税区分",     6,   6, 130, 100, groupStyle},
    {employmentGroupBox,      "雇用保険区分",   6, 120, 130, 100, groupStyle},
    {age40Check,              "満40歳以上",     6,  22, 120, 18, checkStyle, taxGroupBox},
    {employmentInsuredCheck,  "雇用保険対象",   6,  22, 120, 18, checkStyle, employmentGroupBox},
    {kouRadio,                "甲欄",           6,  45, 120, 18, radioStyle, taxGroupBox},
    {otsuRadio,               "乙欄",           6,  68, 120, 18, radioStyle, taxGroupBox},
    {categoryARadio,          "A欄",            6,  45, 120, 18, radioStyle, employmentGroupBox},
    {categoryBRadio,          "B欄",            6,  68, 120, 18, radioStyle, employmentGroupBox},
};

constexpr ControlId initiallyChecked[] = {age40Check, kouRadio, employmentInsuredCheck, categoryARadio};

// One handle per control, by id; set at creation and never cleared.
HWND labelWindows[lastLabel - firstLabel + 1];
HWND cellWindows[lastCell - firstCell + 1];
HWND buttonWindows[lastButton - firstButton + 1];

// Each table lists every id of its kind once, in id order, which is the order of creation.
template <std::size_t N>
constexpr bool everyIdInOrder(const ControlRow (&rows)[N], int first)
{
    for (std::size_t i = 0; i < N; ++i)
        if (rows[i].id != first + static_cast<int>(i))
            return false;
    return true;
}
static_assert(everyIdInOrder(labels, firstLabel) && std::size(labels) == std::size(labelWindows));
static_assert(everyIdInOrder(cells, firstCell) && std::size(cells) == std::size(cellWindows));
static_assert(everyIdInOrder(buttons, firstButton) && std::size(buttons) == std::size(buttonWindows));

HWND& handleSlot(ControlId id)
{
    if (id >= firstButton)
        return buttonWindows[id - firstButton];
    if (id >= firstCell)
        return cellWindows[id - firstCell];
    return labelWindows[id - firstLabel];
}

void createRows(const ControlRow* begin, const ControlRow* end, const char* className, DWORD exStyle,
                HINSTANCE instance, HWND parent)
{
    for (const ControlRow* row = begin; row != end; ++row) {
        const HWND owner = row->parent ? controlWindow(row->parent) : parent;
        handleSlot(row->id) = CreateWindowExA(exStyle, className, row->text, row->style, row->x, row->y, row->width,
                                              row->height, owner,
                                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(row->id)), instance, nullptr);
    }
}

template <std::size_t N>
void setFonts(HWND (&windows)[N])
{
    // Stock objects need no freeing, so fetching it for each control costs nothing.
    for (HWND window : windows)
        SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
}

template <std::size_t N>
void destroyAll(HWND (&windows)[N])
{
    // Group boxes take their check boxes and radio buttons with them; the
    // later calls on those find them gone and do nothing.
    for (HWND window : windows)
        DestroyWindow(window);
}

}  // namespace

HWND controlWindow(ControlId id)
{
    return handleSlot(id);
}

void createLabels(HINSTANCE instance, HWND parent)
{
    createRows(std::begin(labels), std::end(labels), "STATIC", 0, instance, parent);
}

void setLabelFonts()
{
    setFonts(labelWindows);
}

void createCells(HINSTANCE instance, HWND parent)
{
    createRows(std::begin(cells), std::end(cells), "EDIT", WS_EX_CLIENTEDGE, instance, parent);
}

void setCellFonts()
{
    setFonts(cellWindows);
}

void createButtons(HINSTANCE instance, HWND parent)
{
    createRows(std::begin(buttons), std::end(buttons), "BUTTON", 0, instance, parent);
}

void setButtonFonts()
{
    setFonts(buttonWindows);
}

void setInitialChecks()
{
    for (ControlId id : initiallyChecked)
        SendMessageA(controlWindow(id), BM_SETCHECK, BST_CHECKED, 0);
}

void initCells()
{
    for (ControlId id : limitedCells)
        SendMessageA(controlWindow(id), EM_LIMITTEXT, 8, 0);
    SendMessageA(controlWindow(dependentCount), EM_LIMITTEXT, dependentCountLimit, 0);
    for (HWND cell : cellWindows)
        SendMessageA(cell, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("0"));
}

void destroyLabels()
{
    destroyAll(labelWindows);
}

void destroyCells()
{
    destroyAll(cellWindows);
}

void destroyButtons()
{
    destroyAll(buttonWindows);
}
