#pragma once

// The form's controls as data, laid out like the form: every label, cell and
// button-class control with its text, place, size and style, in id order,
// which is the order of creation.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "form/columns.h"
#include "form/control_ids.h"
#include "form/typing_limits.h"

// A label or a button-class control; an option's state goes to its field of
// the form's inputs.
struct ControlRow {
    ControlId id;
    const char* text;
    int x, y, width, height;
    DWORD style;
    ControlId parent = ControlId{};  // none: the main window
    bool FormInputs::*option = nullptr;
};

// A cell: its column heading and row label, which name it; the input cells
// have a typing limit and a field of the form's inputs.
struct CellRow {
    ControlId id;
    const char* text;  // none at creation
    int x, y, width, height;
    DWORD style;
    ControlId column, row;  // column: none for the dependents cell
    int limit = 0;          // none: the program writes it
    std::int32_t FormInputs::*input = nullptr;
};

inline constexpr DWORD labelStyle = WS_CHILD | WS_VISIBLE | SS_LEFT;
inline constexpr DWORD headingStyle = WS_CHILD | WS_VISIBLE | SS_CENTER;

inline constexpr ControlRow labels[] = {
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

inline constexpr DWORD inputStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_NUMBER | ES_RIGHT;
inline constexpr DWORD resultStyle = inputStyle | ES_READONLY;

inline constexpr CellRow cells[] = {
    // id                     text      x    y    w    h  style        column         row                     limit                input
    {salaryTaxablePay,        nullptr, 285,  30, 120, 24, inputStyle,  salaryHeading, taxablePayLabel,        amountCellLimit,     &FormInputs::taxablePay},
    {salaryNonTaxablePay,     nullptr, 285,  54, 120, 24, inputStyle,  salaryHeading, nonTaxablePayLabel,     amountCellLimit,     &FormInputs::nonTaxablePay},
    {salaryTotalPay,          nullptr, 285,  82, 120, 24, resultStyle, salaryHeading, totalPayLabel},
    {salaryHealthPremium,     nullptr, 285, 110, 120, 24, inputStyle,  salaryHeading, healthPremiumLabel,     amountCellLimit,     &FormInputs::health},
    {salaryNursingPremium,    nullptr, 285, 134, 120, 24, inputStyle,  salaryHeading, nursingPremiumLabel,    amountCellLimit,     &FormInputs::nursing},
    {salaryPensionPremium,    nullptr, 285, 158, 120, 24, inputStyle,  salaryHeading, pensionPremiumLabel,    amountCellLimit,     &FormInputs::pension},
    {salaryEmploymentPremium, nullptr, 285, 182, 120, 24, resultStyle, salaryHeading, employmentPremiumLabel},
    {salaryWithholdingTax,    nullptr, 285, 206, 120, 24, resultStyle, salaryHeading, withholdingTaxLabel},
    {salaryTotalDeductions,   nullptr, 285, 234, 120, 24, resultStyle, salaryHeading, totalDeductionsLabel},
    {salaryNetPay,            nullptr, 285, 262, 120, 24, resultStyle, salaryHeading, netPayLabel},
    {bonusTaxablePay,         nullptr, 410,  30, 120, 24, inputStyle,  bonusHeading,  taxablePayLabel,        amountCellLimit,     &FormInputs::bonus},
    {bonusHealthPremium,      nullptr, 410, 110, 120, 24, resultStyle, bonusHeading,  healthPremiumLabel},
    {bonusNursingPremium,     nullptr, 410, 134, 120, 24, resultStyle, bonusHeading,  nursingPremiumLabel},
    {bonusPensionPremium,     nullptr, 410, 158, 120, 24, resultStyle, bonusHeading,  pensionPremiumLabel},
    {bonusEmploymentPremium,  nullptr, 410, 182, 120, 24, resultStyle, bonusHeading,  employmentPremiumLabel},
    {bonusWithholdingTax,     nullptr, 410, 206, 120, 24, resultStyle, bonusHeading,  withholdingTaxLabel},
    {bonusTotalDeductions,    nullptr, 410, 234, 120, 24, resultStyle, bonusHeading,  totalDeductionsLabel},
    {bonusNetPay,             nullptr, 410, 262, 120, 24, resultStyle, bonusHeading,  netPayLabel},
    {dependentCount,          nullptr,   6, 270, 120, 24, inputStyle,  ControlId{},   dependentCountLabel,    amountCellLimit,     &FormInputs::dependents},
};

inline constexpr DWORD pushStyle = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON;
inline constexpr DWORD groupStyle = WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_GROUPBOX;
inline constexpr DWORD checkStyle = WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX;
inline constexpr DWORD radioStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTORADIOBUTTON;

inline constexpr ControlRow buttons[] = {
    // id                     text             x    y    w    h  style       parent              option
    {calculateButton,         "計算",         385, 300,  72, 24, pushStyle},
    {closeButton,             "閉じる",       458, 300,  72, 24, pushStyle},
    {taxGroupBox,             "所得税区分",     6,   6, 130, 100, groupStyle},
    {employmentGroupBox,      "雇用保険区分",   6, 120, 130, 100, groupStyle},
    {age40Check,              "満40歳以上",     6,  22, 120, 18, checkStyle, taxGroupBox,        &FormInputs::age40},
    {employmentInsuredCheck,  "雇用保険対象",   6,  22, 120, 18, checkStyle, employmentGroupBox, &FormInputs::employmentInsured},
    {kouRadio,                "甲欄",           6,  45, 120, 18, radioStyle, taxGroupBox,        &FormInputs::kou},
    // Never read: 甲欄 not checked means 乙欄, A欄 not checked means B欄.
    {otsuRadio,               "乙欄",           6,  68, 120, 18, radioStyle, taxGroupBox},
    {categoryARadio,          "A欄",            6,  45, 120, 18, radioStyle, employmentGroupBox, &FormInputs::categoryA},
    {categoryBRadio,          "B欄",            6,  68, 120, 18, radioStyle, employmentGroupBox},
};

// A cell's name for screen readers, which take it from the label just before
// the cell: its column heading and its row label without the colon
// ("給与 課税支給額"), or the dependents cell's label alone.
inline constexpr std::size_t cellNameSize = 64;

// Put together by hand: snprintf would bring MinGW's printf into the exe.
inline void cellName(const CellRow& cell, char (&name)[cellNameSize])
{
    std::size_t at = 0;
    auto append = [&](const char* text, std::size_t length) {
        length = std::min(length, cellNameSize - 1 - at);
        std::memcpy(name + at, text, length);
        at += length;
    };
    if (cell.column) {
        const char* heading = labels[cell.column - firstLabel].text;
        append(heading, std::strlen(heading));
        append(" ", 1);
    }
    const char* label = labels[cell.row - firstLabel].text;
    const std::size_t length = std::strlen(label);
    append(label, length && label[length - 1] == ':' ? length - 1 : length);
    name[at] = '\0';
}

// Not shown: a label that only names.
inline constexpr DWORD cellNameStyle = WS_CHILD | SS_LEFT;
