// Every public operation of both calculators on arbitrary int32 arguments.
// Whatever the input: the same call gives the same result, an operation
// leaves alone the fields it does not own, and an unknown selector on a
// fresh calculator gives 0.
#include "common/wrapping.h"
#include "insurance/insurance_premium_calculator.h"
#include "tax/withholding_tax_calculator.h"

#include "tests/fuzz/check.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

struct Input {
    const std::uint8_t* data;
    std::size_t size;

    std::int32_t next()
    {
        std::uint32_t value = 0;
        const std::size_t n = size < 4 ? size : 4;
        std::memcpy(&value, data, n);
        data += n;
        size -= n;
        return static_cast<std::int32_t>(value);
    }
};

// Fields preset to a marker show whether an operation touched them.
constexpr std::int32_t marker = 0x5eed;

void monthlyTax(Input& in)
{
    const std::int32_t pay = in.next(), socialInsurance = in.next(), dependents = in.next(), column = in.next();
    std::int32_t first = 0, second = 0;
    WithholdingTaxCalculator a, b;
    a.previousMonthAmount = marker;
    a.incomeDeduction = b.incomeDeduction = marker;
    a.personalDeduction = b.personalDeduction = marker;
    a.getMonthlyTax(pay, socialInsurance, dependents, column, first);
    b.getMonthlyTax(pay, socialInsurance, dependents, column, second);
    FUZZ_CHECK(first == second && first == a.tax);
    FUZZ_CHECK(a.incomeDeduction == b.incomeDeduction && a.personalDeduction == b.personalDeduction);
    FUZZ_CHECK(a.previousMonthAmount == marker);
    FUZZ_CHECK(a.pay == pay && a.socialInsurance == socialInsurance && a.dependents == dependents);
    if (column == 0) {
        FUZZ_CHECK(first >= 0 && first % 10 == 0);
    } else {
        // 乙欄 and unknown columns compute no deductions.
        FUZZ_CHECK(a.incomeDeduction == marker && a.personalDeduction == marker);
        if (column == 1)  // never more than what it is taken from
            FUZZ_CHECK(first >= 0 && first <= std::max(wrapSub(pay, socialInsurance), 0));
        else
            FUZZ_CHECK(first == 0);
    }
}

void bonusTax(Input& in)
{
    const std::int32_t bonus = in.next(), previous = in.next(), socialInsurance = in.next(), dependents = in.next(),
                       column = in.next();
    std::int32_t first = 0, second = 0;
    WithholdingTaxCalculator a, b;
    a.incomeDeduction = marker;
    a.personalDeduction = marker;
    a.getBonusTax(bonus, previous, socialInsurance, dependents, column, first);
    b.getBonusTax(bonus, previous, socialInsurance, dependents, column, second);
    FUZZ_CHECK(first == second && first == a.tax);
    FUZZ_CHECK(a.incomeDeduction == marker && a.personalDeduction == marker);
    FUZZ_CHECK(a.pay == bonus && a.previousMonthAmount == previous && a.socialInsurance == socialInsurance &&
          a.dependents == dependents);
    FUZZ_CHECK(first >= 0);
    // Never more than the bonus less its premiums, as 32-bit yen; a negative
    // count of dependants raises the monthly tax without bound.
    if (column != 0 && column != 1)
        FUZZ_CHECK(first == 0);
    else if (dependents >= 0)
        FUZZ_CHECK(first <= std::max(wrapSub(bonus, socialInsurance), 0));
}

void employmentPremium(Input& in)
{
    const std::int32_t amount = in.next(), category = in.next(), isBonus = in.next();
    std::int32_t first = 1, second = 1;
    InsurancePremiumCalculator a, b;
    a.healthPremium = a.nursingPremium = a.pensionPremium = marker;
    a.getEmploymentPremium(amount, category, isBonus, first);
    b.getEmploymentPremium(amount, category, isBonus, second);
    FUZZ_CHECK(first == second && first == a.employmentPremium && a.amount == amount);
    FUZZ_CHECK(a.healthPremium == marker && a.nursingPremium == marker && a.pensionPremium == marker);
    if (category != 0 && category != 1)
        FUZZ_CHECK(first == 0);
    else
        FUZZ_CHECK(amount >= 0 ? first >= 0 : first <= 0);
}

void bonusPremiums(Input& in)
{
    const std::int32_t amount = in.next(), nursingExempt = in.next();
    std::int32_t h1 = 1, n1 = 1, p1 = 1, h2 = 1, n2 = 1, p2 = 1;
    InsurancePremiumCalculator a, b;
    a.employmentPremium = marker;
    a.getBonusPremiums(amount, nursingExempt, h1, n1, p1);
    b.getBonusPremiums(amount, nursingExempt, h2, n2, p2);
    FUZZ_CHECK(h1 == h2 && n1 == n2 && p1 == p2 && a.amount == amount);
    FUZZ_CHECK(h1 == a.healthPremium && n1 == a.nursingPremium && p1 == a.pensionPremium);
    FUZZ_CHECK(a.employmentPremium == marker);
    if (amount <= 0)
        FUZZ_CHECK(h1 == 0 && n1 == 0 && p1 == 0);
    else
        FUZZ_CHECK(h1 == std::min(amount / 1'000, 2'000) * 41 && p1 >= h1);
    if (nursingExempt != 0)
        FUZZ_CHECK(n1 == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    Input in{data + 1, size - 1};
    switch (data[0] % 4) {
    case 0: monthlyTax(in); break;
    case 1: bonusTax(in); break;
    case 2: employmentPremium(in); break;
    case 3: bonusPremiums(in); break;
    }
    return 0;
}
