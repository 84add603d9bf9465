// Time per call of each public calculator operation, on a fresh calculator as
// the form uses them.
#include "insurance/insurance_premium_calculator.h"
#include "tax/withholding_tax_calculator.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

// Pays that walk every bracket and range of each table.
std::int32_t payOf(std::int64_t i)
{
    return static_cast<std::int32_t>(50'000 + (i * 7'919) % 1'500'000);
}

void monthlyTax(benchmark::State& state, std::int32_t column)
{
    std::int64_t i = 0;
    for (auto _ : state) {
        WithholdingTaxCalculator calculator;
        std::int32_t tax;
        calculator.getMonthlyTax(payOf(i++), 24'271, 1, column, tax);
        benchmark::DoNotOptimize(tax);
    }
}

void monthlyKou(benchmark::State& state) { monthlyTax(state, 0); }
void monthlyOtsu(benchmark::State& state) { monthlyTax(state, 1); }

// Last month's pay of 219,200 takes every bonus here by the rate table; of 0,
// by the monthly-table method.
void bonusTax(benchmark::State& state)
{
    const auto column = static_cast<std::int32_t>(state.range(0));
    const auto previousMonth = static_cast<std::int32_t>(state.range(1));
    std::int64_t i = 0;
    for (auto _ : state) {
        WithholdingTaxCalculator calculator;
        std::int32_t tax;
        calculator.getBonusTax(payOf(i++), previousMonth, 60'725, 1, column, tax);
        benchmark::DoNotOptimize(tax);
    }
}

void employmentPremium(benchmark::State& state)
{
    const auto isBonus = static_cast<std::int32_t>(state.range(0));
    std::int64_t i = 0;
    for (auto _ : state) {
        InsurancePremiumCalculator calculator;
        std::int32_t premium;
        calculator.getEmploymentPremium(payOf(i++), 0, isBonus, premium);
        benchmark::DoNotOptimize(premium);
    }
}

void bonusPremiums(benchmark::State& state)
{
    std::int64_t i = 0;
    for (auto _ : state) {
        InsurancePremiumCalculator calculator;
        std::int32_t health, nursing, pension;
        calculator.getBonusPremiums(payOf(i++), 0, health, nursing, pension);
        benchmark::DoNotOptimize(health);
        benchmark::DoNotOptimize(nursing);
        benchmark::DoNotOptimize(pension);
    }
}

}  // namespace

BENCHMARK(monthlyKou);
BENCHMARK(monthlyOtsu);
BENCHMARK(bonusTax)->ArgNames({"column", "previous"})->ArgsProduct({{0, 1}, {219'200, 0}});
BENCHMARK(employmentPremium)->ArgName("isBonus")->Arg(0)->Arg(1);
BENCHMARK(bonusPremiums);

BENCHMARK_MAIN();
