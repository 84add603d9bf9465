#include "form/cell_value.h"
#include "form/pasted_amount.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace {

TEST(CellValue, TheAtolRule)
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

TEST(CellValue, ReadsOnlyTheLengthGiven)
{
    EXPECT_EQ(cellValue("199999998", 8), 19'999'999);
    EXPECT_EQ(cellValue("123", 0), 0);
    EXPECT_EQ(cellValue("12\0" "34", 5), 12);
}

TEST(CellValue, SaturatesBeyondThirtyTwoBits)
{
    EXPECT_EQ(cellValue("2147483648", 10), INT32_MAX);
    EXPECT_EQ(cellValue("99999999999", 11), INT32_MAX);
    EXPECT_EQ(cellValue("-2147483649", 11), INT32_MIN);
    const std::string longDigits(5'000, '9');
    EXPECT_EQ(cellValue(longDigits.c_str(), longDigits.size()), INT32_MAX);
}

TEST(CellValue, WritesTheFullDecimalForm)
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

TEST(PastedAmount, TakesTheNumberAsPeopleWriteIt)
{
    struct Row {
        const char16_t* text;
        std::size_t room;
        const char* digits;  // nullptr: refused
    };
    const Row rows[] = {
        {u"300000", 8, "300000"},        {u"300,000", 8, "300000"},           {u"３００，０００", 8, "300000"},
        {u"¥300,000", 8, "300000"},      {u"￥ 300,000", 8, "300000"},        {u"\\300,000", 8, "300000"},
        {u"300,000円", 8, "300000"},     {u"¥ 300,000 円", 8, "300000"},      {u"\t4000\r\n", 8, "4000"},
        {u"\u3000 １９ \u3000", 8, "19"}, {u"1,2,3", 8, "123"},               {u"007", 8, "007"},
        {u"98765432", 8, "98765432"},    {u"123456789", 8, nullptr},          {u"12", 1, nullptr},
        {u"1", 1, "1"},                  {u"1", 0, nullptr},                  {u"", 8, nullptr},
        {u" \t\r\n", 8, nullptr},       {u"¥", 8, nullptr},                  {u"円", 8, nullptr},
        {u"¥¥1", 8, nullptr},            {u"1円円", 8, nullptr},              {u"円1", 8, nullptr},
        {u"1¥", 8, nullptr},             {u",100", 8, nullptr},               {u"100,", 8, nullptr},
        {u"1,,000", 8, nullptr},         {u"-1", 8, nullptr},                 {u"+1", 8, nullptr},
        {u"1.5", 8, nullptr},            {u"100\t200", 8, nullptr},           {u"1 000", 8, nullptr},
        {u"12a3", 8, nullptr},           {u"\u0661", 8, nullptr},             {u"1\u00A0", 8, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &row - rows);
        const PastedDigits pasted = pastedDigits(row.text, row.room);
        EXPECT_STREQ(pasted.count ? pasted.digits : "refused", row.digits ? row.digits : "refused");
        EXPECT_EQ(pasted.count, std::strlen(pasted.digits));
    }
    // A separator that ends the text is refused also where more follows in memory.
    EXPECT_EQ(pastedDigits(std::u16string_view(u"100,5", 4), 8).count, 0u);
    // A paste far too long for any cell is refused as soon as it is, in linear time.
    EXPECT_EQ(pastedDigits(std::u16string(100'000, u'5'), 1'000).count, 0u);
}

}  // namespace
