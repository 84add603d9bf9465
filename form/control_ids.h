#pragma once

// Child-window ids of the form's controls, by kind: labels 101 to 113,
// cells 201 to 219, button-class controls 301 to 310.
enum ControlId : int {
    taxablePayLabel = 101,
    nonTaxablePayLabel = 102,
    totalPayLabel = 103,
    healthPremiumLabel = 104,
    nursingPremiumLabel = 105,
    pensionPremiumLabel = 106,
    employmentPremiumLabel = 107,
    withholdingTaxLabel = 108,
    totalDeductionsLabel = 109,
    netPayLabel = 110,
    salaryHeading = 111,
    bonusHeading = 112,
    dependentCountLabel = 113,

    salaryTaxablePay = 201,
    salaryNonTaxablePay = 202,
    salaryTotalPay = 203,
    salaryHealthPremium = 204,
    salaryNursingPremium = 205,
    salaryPensionPremium = 206,
    salaryEmploymentPremium = 207,
    salaryWithholdingTax = 208,
    salaryTotalDeductions = 209,
    salaryNetPay = 210,
    bonusTaxablePay = 211,
    bonusHealthPremium = 212,
    bonusNursingPremium = 213,
    bonusPensionPremium = 214,
    bonusEmploymentPremium = 215,
    bonusWithholdingTax = 216,
    bonusTotalDeductions = 217,
    bonusNetPay = 218,
    dependentCount = 219,

    calculateButton = 301,
    closeButton = 302,
    taxGroupBox = 303,
    employmentGroupBox = 304,
    age40Check = 305,
    employmentInsuredCheck = 306,
    kouRadio = 307,
    otsuRadio = 308,
    categoryARadio = 309,
    categoryBRadio = 310,
};

inline constexpr int firstLabel = taxablePayLabel;
inline constexpr int lastLabel = dependentCountLabel;
inline constexpr int firstCell = salaryTaxablePay;
inline constexpr int lastCell = dependentCount;
inline constexpr int firstButton = calculateButton;
inline constexpr int lastButton = categoryBRadio;

// Each cell's hidden label, which names it for screen readers: 401 for 201,
// and so on. Not part of the form's layout.
inline constexpr int cellNameOffset = 200;
inline constexpr int firstCellName = firstCell + cellNameOffset;
inline constexpr int lastCellName = lastCell + cellNameOffset;
