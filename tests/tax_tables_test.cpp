// The tax tables checked as data: a mistyped row must fail here.
#include "tax/bonus_rate_tables.h"
#include "tax/otsu_monthly_table.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>

namespace {

TEST(OtsuMonthlyTable, EachLineHoldsWholeBracketsOfItsWidth)
{
    std::int32_t expectedFrom = 87'000;
    std::size_t brackets = 0;
    for (const OtsuTableLine& line : otsuTableLines) {
        SCOPED_TRACE(line.from);
        EXPECT_EQ(line.from, expectedFrom);
        std::size_t count = 0;
        while (count < line.taxes.size() && line.taxes[count] != 0)
            ++count;
        for (std::size_t i = count; i < line.taxes.size(); ++i)
            EXPECT_EQ(line.taxes[i], 0) << "a tax after an empty slot";
        EXPECT_EQ(line.from + static_cast<std::int32_t>(count) * line.width - 1, line.to);
        expectedFrom = line.to + 1;
        brackets += count;
    }
    EXPECT_EQ(expectedFrom, 1'130'000);
    EXPECT_EQ(brackets, otsuBracketCount);
}

TEST(OtsuMonthlyTable, BracketsFollowWithoutGapAndRise)
{
    ASSERT_EQ(otsuMonthlyBrackets.size(), 368u);
    EXPECT_EQ(otsuMonthlyBrackets.front().lowerBound, 87'000);
    EXPECT_EQ(otsuMonthlyBrackets.front().taxAmount, 4'900);
    EXPECT_EQ(otsuMonthlyBrackets.back().lowerBound, 1'127'000);
    EXPECT_EQ(otsuMonthlyBrackets.back().taxAmount, 391'400);
    for (std::size_t i = 0; i < otsuMonthlyBrackets.size(); ++i) {
        const OtsuMonthlyBracket& row = otsuMonthlyBrackets[i];
        SCOPED_TRACE(row.lowerBound);
        EXPECT_EQ(row.lowerBound % 1'000, 0);
        EXPECT_EQ(row.taxAmount % 100, 0);
        if (i > 0) {
            EXPECT_GT(row.lowerBound, otsuMonthlyBrackets[i - 1].lowerBound);
            EXPECT_GT(row.taxAmount, otsuMonthlyBrackets[i - 1].taxAmount);
        }
    }
}

TEST(OtsuMonthlyTable, WidthsAreTheKnownOnes)
{
    // 2,000 from 101,000 and 3,000 from 221,000, but for the first seven
    // brackets and the two 6,000-yen ones.
    for (std::size_t i = 0; i < otsuMonthlyBrackets.size(); ++i) {
        const std::int32_t from = otsuMonthlyBrackets[i].lowerBound;
        const std::int32_t next = i + 1 < otsuMonthlyBrackets.size() ? otsuMonthlyBrackets[i + 1].lowerBound : 1'130'000;
        SCOPED_TRACE(from);
        if (from < 101'000)
            continue;
        if (from == 845'000 || from == 974'000)
            EXPECT_EQ(next - from, 6'000);
        else
            EXPECT_EQ(next - from, from < 221'000 ? 2'000 : 3'000);
    }
}

TEST(KouBonusTable, RatesStepUpAndEachColumnAscends)
{
    const std::size_t rows = std::size(kouBonusRateBands);
    ASSERT_EQ(rows, 18u);
    EXPECT_EQ(kouBonusRateBands[0].percent, 0);
    EXPECT_EQ(kouBonusRateBands[rows - 1].percent, 35);
    for (std::size_t r = 1; r < rows; ++r) {
        SCOPED_TRACE(r);
        const std::int32_t expectedPercent = r < rows - 1 ? 2 * static_cast<std::int32_t>(r) : 35;
        EXPECT_EQ(kouBonusRateBands[r].percent, expectedPercent);
        for (int d = 0; d < 8; ++d) {
            SCOPED_TRACE(d);
            EXPECT_EQ(kouBonusRateBands[r].lowerBound[d] % 1'000, 0);
            EXPECT_GT(kouBonusRateBands[r].lowerBound[d], kouBonusRateBands[r - 1].lowerBound[d]);
        }
    }
}

TEST(KouBonusTable, MoreDependentsNeverLowerABound)
{
    for (const KouBonusRateBand& band : kouBonusRateBands) {
        SCOPED_TRACE(band.percent);
        for (int d = 1; d < 8; ++d)
            EXPECT_GE(band.lowerBound[d], band.lowerBound[d - 1]);
    }
}

TEST(OtsuBonusTable, FourAscendingBands)
{
    ASSERT_EQ(std::size(otsuBonusRateBands), 4u);
    for (std::size_t i = 1; i < std::size(otsuBonusRateBands); ++i) {
        EXPECT_GT(otsuBonusRateBands[i].lowerBound, otsuBonusRateBands[i - 1].lowerBound);
        EXPECT_GT(otsuBonusRateBands[i].percent, otsuBonusRateBands[i - 1].percent);
    }
}

}  // namespace
