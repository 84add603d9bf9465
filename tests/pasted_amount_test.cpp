#include "form/pasted_amount.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

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
        {u"\u3000 １９ \u3000", 8, "19"}, {u"1,2,3", 8, nullptr},               {u"007", 8, "007"},
        {u"98765432", 8, "98765432"},    {u"123456789", 8, nullptr},          {u"12", 1, nullptr},
        {u"1", 1, "1"},                  {u"1", 0, nullptr},                  {u"", 8, nullptr},
        {u" \t\r\n", 8, nullptr},       {u"¥", 8, nullptr},                  {u"円", 8, nullptr},
        {u"¥¥1", 8, nullptr},            {u"1円円", 8, nullptr},              {u"円1", 8, nullptr},
        {u"1¥", 8, nullptr},             {u",100", 8, nullptr},               {u"100,", 8, nullptr},
        {u"1,,000", 8, nullptr},         {u"-1", 8, nullptr},                 {u"+1", 8, nullptr},
        {u"1.5", 8, nullptr},            {u"100\t200", 8, nullptr},           {u"1 000", 8, nullptr},
        {u"12a3", 8, nullptr},           {u"\u0661", 8, nullptr},             {u"1\u00A0", 8, "1"},
        // No-break spaces where spaces are taken, and not inside the digits.
        {u"¥\u00A0300,000", 8, "300000"}, {u"300,000\u202F円", 8, "300000"}, {u"1\u00A0000", 8, nullptr},
        // Separators between groups of three digits from the right, and nowhere else.
        {u"1,234,567", 8, "1234567"},    {u"12,345", 8, "12345"},             {u"123，456", 8, "123456"},
        {u"1,2", 8, nullptr},            {u"3,7,0", 8, nullptr},              {u"32,0000", 8, nullptr},
        {u"1234,567", 8, nullptr},       {u"1,23,456", 8, nullptr},           {u"1,234,56", 8, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &row - rows);
        const PastedDigits pasted = pastedDigits(row.text, row.room);
        EXPECT_STREQ(pasted.count ? pasted.digits : "refused", row.digits ? row.digits : "refused");
        EXPECT_EQ(pasted.count, std::strlen(pasted.digits));
    }
    // A separator that ends the text is refused also where more follows in memory.
    EXPECT_EQ(pastedDigits(std::u16string_view(u"100,5", 4), 8).count, 0u);
    // A paste far too long for any cell is refused.
    EXPECT_EQ(pastedDigits(std::u16string(100'000, u'5'), 1'000).count, 0u);
}

}  // namespace
