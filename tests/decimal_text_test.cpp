#include "form/decimal_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace {

TEST(DecimalText, TheAtolRule)
{
    struct Row {
        const char* text;
        std::int32_t value;
    };
    const Row rows[] = {
        {"", 0},           {"0", 0},             {"007", 7},             {"12a3", 12},
        {"1,000", 1},      {"abc", 0},           {"+500", 500},          {"-500", -500},
        {"  42", 42},      {"\t\n\v\f\r 9", 9},  {"+-5", 0},             {"- 5", 0},
        {"12345678", 12'345'678}, {"99999999", 99'999'999}, {"-2147483648", INT32_MIN},
        {"2147483647", INT32_MAX}, {"199999998", 199'999'998}, {"\x82\x4f", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(cellValue(row.text, std::strlen(row.text)), row.value);
    }
}

TEST(DecimalText, ReadsOnlyTheLengthGiven)
{
    EXPECT_EQ(cellValue("199999998", 8), 19'999'999);
    EXPECT_EQ(cellValue("123", 0), 0);
    EXPECT_EQ(cellValue("12\0" "34", 5), 12);
}

TEST(DecimalText, SaturatesBeyondThirtyTwoBits)
{
    EXPECT_EQ(cellValue("2147483648", 10), INT32_MAX);
    EXPECT_EQ(cellValue("99999999999", 11), INT32_MAX);
    EXPECT_EQ(cellValue("-2147483649", 11), INT32_MIN);
    const std::string longDigits(5'000, '9');
    EXPECT_EQ(cellValue(longDigits.c_str(), longDigits.size()), INT32_MAX);
}

TEST(DecimalText, WritesTheFullDecimalForm)
{
    struct Row {
        std::int32_t value;
        const char* text;
    };
    const Row rows[] = {
        {0, "0"}, {7, "7"}, {-35, "-35"}, {199'999'998, "199999998"}, {-12'345'678, "-12345678"},
        {INT32_MAX, "2147483647"}, {INT32_MIN, "-2147483648"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.value);
        char text[cellTextSize];
        formatCellValue(row.value, text);
        EXPECT_STREQ(text, row.text);
        EXPECT_EQ(cellValue(text, cellTextSize - 1), row.value);
    }
}

}  // namespace
