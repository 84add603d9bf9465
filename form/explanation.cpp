// Each result figure explained from the very values that made it: the
// calculators' fields as the run left them and the tables they read, never a
// second copy of a rule. Put together by hand: snprintf would bring MinGW's
// printf into the exe.
#include "form/explanation.h"

#include "form/control_ids.h"
#include "insurance/bonus_premium_rates.h"
#include "insurance/employment_brackets.h"
#include "tax/kou_monthly_table.h"
#include "tax/otsu_monthly_table.h"

#include <algorithm>
#include <cstring>

namespace {

// An amount as a clerk reads it: thousands separated.
struct Yen {
    std::int64_t value;
};

// A rate held as a double in its table, shown with as many decimals as it has.
struct Percent {
    double fraction;  // 0.08 for 8 %
};

class Lines {
public:
    explicit Lines(char (&text)[explanationSize]) : text_(text) { text_[0] = '\0'; }

    Lines& operator<<(const char* words)
    {
        append(words, std::strlen(words));
        return *this;
    }

    Lines& operator<<(Yen yen)
    {
        char digits[32];
        int n = 0;
        std::uint64_t magnitude = yen.value < 0 ? 0 - static_cast<std::uint64_t>(yen.value) : yen.value;
        do {
            if (n % 4 == 3)
                digits[n++] = ',';
            digits[n++] = static_cast<char>('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude);
        if (yen.value < 0)
            digits[n++] = '-';
        std::reverse(digits, digits + n);
        append(digits, static_cast<std::size_t>(n));
        return *this;
    }

    // To a thousandth of a percent, which every rate of the tables is.
    Lines& operator<<(Percent percent)
    {
        const auto thousandths = static_cast<std::int64_t>(percent.fraction * 100'000 + 0.5);
        *this << Yen{thousandths / 1'000};
        if (std::int64_t decimals = thousandths % 1'000) {
            char fraction[5] = {'.', static_cast<char>('0' + decimals / 100), static_cast<char>('0' + decimals / 10 % 10),
                                static_cast<char>('0' + decimals % 10), '\0'};
            for (int last = 3; fraction[last] == '0'; --last)
                fraction[last] = '\0';
            *this << fraction;
        }
        return *this << "%";
    }

private:
    void append(const char* words, std::size_t length)
    {
        length = std::min(length, explanationSize - 1 - at_);
        std::memcpy(text_ + at_, words, length);
        at_ += length;
        text_[at_] = '\0';
    }

    char* text_;
    std::size_t at_ = 0;
};

// 社会保険料等控除後の給与等の金額, as the guide writes it: the taxable pay
// less the four premiums of the month.
void salaryAfterInsurance(Lines& lines, const SalaryColumn& salary, std::int32_t amount)
{
    lines << "課税支給額 " << Yen{salary.taxablePay} << " - (健康 " << Yen{salary.health} << "\n+ 介護 "
          << Yen{salary.nursing} << " + 厚生 " << Yen{salary.pension} << " + 雇用 " << Yen{salary.employment}
          << ")\n= " << Yen{amount} << "円\n";
}

void notInsured(Lines& lines)
{
    lines << "「雇用保険対象」のチェックがないので\n雇用保険料は 0円";
}

void employmentByRate(Lines& lines, const FormInputs& form, std::int32_t premium)
{
    const double rate = form.categoryA ? employmentRateA : employmentRateB;
    lines << " × " << Yen{static_cast<std::int64_t>(rate * 1'000 + 0.5)} << "/1000 (" << (form.categoryA ? "A" : "B")
          << "欄)\n1円未満を切り捨てて " << Yen{premium} << "円";
}

void explainSalaryEmployment(Lines& lines, const FormInputs& form, const SalaryColumn& salary)
{
    if (!form.employmentInsured)
        return notInsured(lines);
    lines << "支給額合計 " << Yen{salary.totalPay} << "円";
    if (salary.premiums.employmentBracket < 0)
        return employmentByRate(lines, form, salary.employment);
    const EmploymentBracket& row = employmentBrackets[salary.premiums.employmentBracket];
    lines << " は雇用保険料額表の\n" << Yen{row.from} << "円以上 " << Yen{row.to} << "円以下の行\n"
          << (form.categoryA ? "A" : "B") << "欄の額: " << Yen{salary.employment} << "円";
}

void explainKouTax(Lines& lines, const WithholdingTaxCalculator& taxes)
{
    const IncomeDeductionRow& row = incomeDeductionRows[taxes.incomeDeductionRow];
    lines << "給与所得控除: ";
    if (row.numerator == 0)
        lines << Yen{row.constant} << "円 (" << Yen{row.upTo} << "円以下)\n";
    else
        lines << Yen{taxes.afterInsurance} << " × " << Percent{static_cast<double>(row.numerator) / row.denominator}
              << " + " << Yen{row.constant} << "\n= " << Yen{taxes.incomeDeduction} << "円 (1円未満切り上げ)\n";
    lines << "基礎控除と扶養控除: " << Yen{personalDeductionPerPerson} << "円 × "
          << Yen{std::int64_t{taxes.dependents} + 1} << "人\n= " << Yen{taxes.personalDeduction} << "円\n"
          << "課税給与所得金額: " << Yen{taxes.afterInsurance} << " - " << Yen{taxes.incomeDeduction} << " - "
          << Yen{taxes.personalDeduction} << "\n= " << Yen{taxes.taxableIncome} << "円\n";
    if (taxes.taxableIncome <= 0) {
        lines << "控除が給与を上回り 0円以下なので\n源泉徴収税は 0円";
        return;
    }
    const KouMonthlyBracket& bracket = kouMonthlyBrackets[taxes.kouBracket];
    lines << "税額: " << Yen{taxes.taxableIncome} << " × " << Percent{bracket.rate} << " - "
          << Yen{static_cast<std::int64_t>(bracket.subtrahend)} << "\n10円未満を四捨五入して " << Yen{taxes.tax}
          << "円";
}

void explainOtsuTax(Lines& lines, const WithholdingTaxCalculator& taxes)
{
    const std::int32_t amount = taxes.afterInsurance;
    if (amount < 0) {
        lines << "社会保険料が給与を上回るので\n源泉徴収税は 0円";
    } else if (amount < otsuTableFirst) {
        lines << "月額表の乙欄の表より下 (" << Yen{otsuTableFirst} << "円未満) なので\n" << Yen{amount} << " × "
              << Yen{otsuBelowTablePercent} << "%、1円未満を切り捨てて " << Yen{taxes.tax} << "円";
    } else if (taxes.otsuBracket >= 0) {
        const auto next = static_cast<std::size_t>(taxes.otsuBracket) + 1;
        const std::int64_t below = next < otsuMonthlyBrackets.size() ? otsuMonthlyBrackets[next].lowerBound
                                                                     : std::int64_t{otsuTableLast} + 1;
        lines << "月額表の乙欄 " << Yen{otsuMonthlyBrackets[taxes.otsuBracket].lowerBound} << "円以上\n"
              << Yen{below} << "円未満の行の税額: " << Yen{taxes.tax} << "円";
    } else {
        const std::int64_t start = std::int64_t{otsuTableLast} + 1;
        lines << Yen{start} << "円以上なので " << Yen{otsuAboveTableBase} << "円 +\n(" << Yen{amount} << " - "
              << Yen{start} << ") × " << Yen{otsuAboveTablePercent} << "%\n1円未満を切り捨てて " << Yen{taxes.tax}
              << "円";
    }
}

void explainSalaryTax(Lines& lines, const FormInputs& form, const SalaryColumn& salary)
{
    lines << "社会保険料等控除後の給与等の金額:\n";
    salaryAfterInsurance(lines, salary, salary.taxes.afterInsurance);
    if (form.kou)
        explainKouTax(lines, salary.taxes);
    else
        explainOtsuTax(lines, salary.taxes);
}

void explainDeductions(Lines& lines, std::int32_t health, std::int32_t nursing, std::int32_t pension,
                       std::int32_t employment, std::int32_t tax, std::int32_t total)
{
    lines << "健康保険料 " << Yen{health} << " + 介護費用保険料 " << Yen{nursing} << "\n+ 厚生保険 " << Yen{pension}
          << " + 雇用保険料 " << Yen{employment} << "\n+ 源泉徴収税 " << Yen{tax} << "\n= 控除額合計 " << Yen{total}
          << "円";
}

void explainBonusPremium(Lines& lines, const FormInputs& form, const BonusColumn& bonus, const BonusPremiumRate& rate,
                         std::int32_t premium)
{
    if (&rate == &nursingRate && !form.age40) {
        lines << "「満40歳以上」のチェックがないので\n介護保険料は 0円";
        return;
    }
    if (bonus.bonus <= 0) {
        lines << "賞与が 0円以下なので 0円";
        return;
    }
    const std::int32_t standard = bonus.premiums.standardBonus;
    lines << "標準賞与額: 賞与 " << Yen{bonus.bonus} << "円の\n1,000円未満を切り捨てて " << Yen{standard} << "円\n";
    if (standard > rate.ceiling)
        lines << "1回の上限 " << Yen{rate.ceiling} << "円を超えるので " << Yen{rate.ceiling} << "円\n";
    lines << Yen{std::min(standard, rate.ceiling)} << " × " << Percent{rate.tenTimesRate / 10}
          << "\n50銭以下切り捨て、50銭超切り上げで " << Yen{premium} << "円";
}

void explainBonusEmployment(Lines& lines, const FormInputs& form, const BonusColumn& bonus)
{
    if (!form.employmentInsured)
        return notInsured(lines);
    lines << "賞与 " << Yen{bonus.bonus} << "円";
    employmentByRate(lines, form, bonus.employment);
}

void explainBonusTax(Lines& lines, const FormInputs& form, const SalaryColumn& salary, const BonusColumn& bonus)
{
    const WithholdingTaxCalculator& taxes = bonus.taxes;
    lines << "賞与から社会保険料を引いた額:\n" << Yen{bonus.bonus} << " - (" << Yen{bonus.health} << " + "
          << Yen{bonus.nursing} << " + " << Yen{bonus.pension} << " + " << Yen{bonus.employment} << ")\n= "
          << Yen{taxes.afterInsurance} << "円\n";
    if (taxes.bonusMethod == bonusNothingToTax) {
        lines << "0円以下なので源泉徴収税は 0円";
        return;
    }
    lines << "前月の社会保険料等控除後の給与等の金額:\n";
    salaryAfterInsurance(lines, salary, taxes.previousMonthAmount);
    if (taxes.bonusMethod == bonusByRateTable) {
        lines << "算出率の表の";
        if (!form.kou)
            lines << "乙欄";
        else if (taxes.dependents >= 7)
            lines << "甲欄 扶養7人以上の列";
        else
            lines << "甲欄 扶養" << Yen{taxes.dependents} << "人の列";
        lines << ": " << Yen{taxes.bonusPercent} << "%\n" << Yen{taxes.afterInsurance} << " × "
              << Yen{taxes.bonusPercent} << "%、1円未満を切り捨てて " << Yen{taxes.tax} << "円";
        return;
    }
    if (taxes.previousMonthAmount <= 0)
        lines << "前月の給与がない (0円以下) ので\n";
    else
        lines << "前月の金額の10倍 (" << Yen{std::int64_t{taxes.previousMonthAmount} * 10} << "円) を超えるので\n";
    const std::int32_t month = std::max(taxes.previousMonthAmount, 0);
    lines << "月額表を使う方法 (" << (form.kou ? "甲欄" : "乙欄") << "):\n6分の1: " << Yen{taxes.afterInsurance}
          << " ÷ 6 = " << Yen{taxes.afterInsurance / 6} << "円\n" << Yen{month} << " + " << Yen{taxes.afterInsurance / 6}
          << "\n= " << Yen{taxes.monthWithSixth} << "円の税額 " << Yen{taxes.taxWithSixth} << "円\n" << Yen{month}
          << "円の税額 " << Yen{taxes.taxOfMonth} << "円\n(" << Yen{taxes.taxWithSixth} << " - " << Yen{taxes.taxOfMonth}
          << ") × 6 = " << Yen{taxes.tax} << "円";
}

}  // namespace

void explainFigure(int cell, const FormInputs& form, const SalaryColumn& salary, const BonusColumn& bonus,
                   char (&text)[explanationSize])
{
    Lines lines(text);
    switch (cell) {
    case salaryTotalPay:
        lines << "課税支給額 " << Yen{salary.taxablePay} << " + 非課税支給額 " << Yen{salary.nonTaxablePay}
              << "\n= 支給額合計 " << Yen{salary.totalPay} << "円";
        break;
    case salaryEmploymentPremium: explainSalaryEmployment(lines, form, salary); break;
    case salaryWithholdingTax: explainSalaryTax(lines, form, salary); break;
    case salaryTotalDeductions:
        explainDeductions(lines, salary.health, salary.nursing, salary.pension, salary.employment, salary.tax,
                          salary.totalDeductions);
        break;
    case salaryNetPay:
        lines << "支給額合計 " << Yen{salary.totalPay} << " - 控除額合計 " << Yen{salary.totalDeductions}
              << "\n= 差引支給額 " << Yen{salary.netPay} << "円";
        break;
    case bonusHealthPremium: explainBonusPremium(lines, form, bonus, healthRate, bonus.health); break;
    case bonusNursingPremium: explainBonusPremium(lines, form, bonus, nursingRate, bonus.nursing); break;
    case bonusPensionPremium: explainBonusPremium(lines, form, bonus, pensionRate, bonus.pension); break;
    case bonusEmploymentPremium: explainBonusEmployment(lines, form, bonus); break;
    case bonusWithholdingTax: explainBonusTax(lines, form, salary, bonus); break;
    case bonusTotalDeductions:
        explainDeductions(lines, bonus.health, bonus.nursing, bonus.pension, bonus.employment, bonus.tax,
                          bonus.totalDeductions);
        break;
    case bonusNetPay:
        lines << "賞与 " << Yen{bonus.bonus} << " - 控除額合計 " << Yen{bonus.totalDeductions} << "\n= 差引支給額 "
              << Yen{bonus.netPay} << "円";
        break;
    }
}
