// Writes the guide's appendix: the tables the program computes with, as HTML
// tables, printed from the program's own constexpr tables so that the page
// cannot drift from them. Built and run on the build machine.
//   tables_appendix OUT_FILE
#include "insurance/bonus_premium_rates.h"
#include "insurance/employment_brackets.h"
#include "tax/bonus_rate_tables.h"
#include "tax/kou_monthly_table.h"
#include "tax/otsu_monthly_table.h"

#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::string yen(std::int64_t value)
{
    std::string digits = std::to_string(value < 0 ? -value : value);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return value < 0 ? "−" + digits : digits;
}

// A rate held as a double, shown as the percentage it stands for.
std::string percent(double rate)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", rate * 100.0);
    return std::string(text) + " %";
}

std::string range(std::int64_t from, std::int64_t to)
{
    if (to >= noUpperLimit)
        return yen(from) + " 以上";
    if (from <= lowestKey)
        return yen(to) + " 以下";
    return yen(from) + " 〜 " + yen(to);
}

struct Page {
    std::FILE* out;

    void line(const std::string& text) { std::fprintf(out, "%s\n", text.c_str()); }

    void table(const char* id, const std::vector<const char*>& heads)
    {
        line("");
        line(std::string("<table id=\"") + id + "\">");
        // In a <thead>, so that a printed table that runs over pages repeats it.
        std::string row = "<thead><tr>";
        for (const char* head : heads)
            row += std::string("<th>") + head + "</th>";
        line(row + "</tr></thead>");
    }

    void row(const std::vector<std::string>& cells)
    {
        std::string text = "<tr>";
        for (const std::string& cell : cells)
            text += "<td>" + cell + "</td>";
        line(text + "</tr>");
    }

    void end()
    {
        line("</table>");
        line("");
    }
};

void employmentTable(Page& page)
{
    page.line("### 付録 1. 給与の雇用保険料");
    page.line("");
    page.line("平成16年（2004年）の「給与の雇用保険料額表」（被保険者負担分）です。支給額合計がこの表の範囲にあるとき、その行の額が雇用保険料です。");
    page.table("appendix-employment", {"支給額合計（円）", "A欄（円）", "B欄（円）"});
    for (const EmploymentBracket& b : employmentBrackets)
        page.row({range(b.from, b.to), yen(b.premiumA), yen(b.premiumB)});
    page.end();
    page.line("表の範囲外（" + yen(employmentBrackets[0].from) + " 円未満と " +
              yen(std::end(employmentBrackets)[-1].to + 1) + " 円以上）の給与と、すべての賞与は、額に A欄 " +
              percent(employmentRateA) + "、B欄 " + percent(employmentRateB) +
              " を掛けて 1 円未満を切り捨てます。");
    page.line("");
}

void kouMonthlyTables(Page& page)
{
    page.line("### 付録 2. 給与の甲欄");
    page.line("");
    page.line("平成16年（2004年）の「電子計算機等を使用して源泉徴収税額を計算する方法」（昭和63年大蔵省告示第185号）の算式です。"
              "A は課税支給額から社会保険料（健康保険料、介護費用保険料、厚生保険、雇用保険料）を引いた額です。");
    page.line("");
    page.line("給与所得控除の額（別表第一）。1 円未満の端数は切り上げます。");
    page.table("appendix-income-deduction", {"A（円）", "給与所得控除の額（円）"});
    std::int64_t from = lowestKey;
    for (const IncomeDeductionRow& r : incomeDeductionRows) {
        std::string amount;
        if (r.numerator == 0)
            amount = yen(r.constant);
        else {
            amount = "A × " + std::to_string(100 * r.numerator / r.denominator) + " %";
            if (r.constant != 0)
                amount += " + " + yen(r.constant);
        }
        page.row({range(from, r.upTo), amount});
        from = std::int64_t{r.upTo} + 1;
    }
    page.end();
    page.line("基礎控除と扶養控除の額: (扶養家族数 + 1) × " + yen(personalDeductionPerPerson) + " 円。");
    page.line("");
    page.line("税額。T = 課税支給額 − 基礎控除と扶養控除の額 − 給与所得控除の額 − 社会保険料です。"
              "T が 0 以下なら税額は 0、それ以外は次の額の 10 円未満を四捨五入します。");
    page.table("appendix-kou-monthly", {"T（円）", "税額"});
    from = 1;
    for (const KouMonthlyBracket& r : kouMonthlyBrackets) {
        std::string amount = "T × " + percent(r.rate);
        if (r.subtrahend != 0.0)
            amount += " − " + yen(static_cast<std::int64_t>(r.subtrahend));
        page.row({range(from, r.upTo), amount});
        from = std::int64_t{r.upTo} + 1;
    }
    page.end();
}

void otsuMonthlyTable(Page& page)
{
    page.line("### 付録 3. 給与の乙欄");
    page.line("");
    page.line("平成16年（2004年）の「給与所得の源泉徴収税額表（月額表）」の乙欄です。"
              "社会保険料を引いた後の額（課税支給額 − 社会保険料）で、その行の額が税額です。扶養家族数は使いません。");
    page.line("");
    page.line("- " + yen(otsuTableFirst) + " 円未満: その額の " + std::to_string(otsuBelowTablePercent) +
              " %（1 円未満を切り捨て）。0 未満なら 0。");
    page.line("- " + yen(otsuTableLast + 1) + " 円以上: " + yen(otsuAboveTableBase) + " 円に、" + yen(otsuTableLast + 1) +
              " 円を超える額の " + std::to_string(otsuAboveTablePercent) + " % を加えた額（1 円未満を切り捨て）。");
    // In column groups read downwards, so that the long table fills a printed
    // page's width instead of running over seven pages.
    constexpr std::size_t groups = 3;
    constexpr std::size_t rows = (otsuBracketCount + groups - 1) / groups;
    std::vector<const char*> heads;
    for (std::size_t g = 0; g < groups; ++g)
        heads.insert(heads.end(), {"社会保険料控除後の額（円）", "税額（円）"});
    page.table("appendix-otsu-monthly", heads);
    for (std::size_t r = 0; r < rows; ++r) {
        std::vector<std::string> cells;
        for (std::size_t i = r; i < otsuBracketCount; i += rows) {
            const OtsuMonthlyBracket& b = otsuMonthlyBrackets[i];
            const std::int32_t to = i + 1 < otsuBracketCount ? otsuMonthlyBrackets[i + 1].lowerBound - 1 : otsuTableLast;
            cells.insert(cells.end(), {range(b.lowerBound, to), yen(b.taxAmount)});
        }
        cells.resize(2 * groups);
        page.row(cells);
    }
    page.end();
}

void bonusRateTables(Page& page)
{
    page.line("### 付録 4. 賞与の算出率の表");
    page.line("");
    page.line("平成16年（2004年）の「賞与に対する源泉徴収税額の算出率の表」です。"
              "前月の社会保険料等控除後の給与等の金額（給与の列の課税支給額 − 社会保険料）で税率を選び、"
              "賞与から賞与の社会保険料を引いた額に掛けて、1 円未満を切り捨てます。"
              "表の額は、その税率になる前月の額の下限（その額以上）です。"
              "前月の額が 0 以下のときと、賞与から社会保険料を引いた額が前月の額の 10 倍を超えるときは、この表ではなく月額表を使う方法（「8. 計算の前提」）によります。");
    page.table("appendix-kou-bonus", {"甲欄の税率", "扶養 0 人", "1 人", "2 人", "3 人", "4 人", "5 人", "6 人", "7 人以上"});
    for (std::size_t r = 0; r < std::size(kouBonusRateBands); ++r) {
        const KouBonusRateBand& band = kouBonusRateBands[r];
        std::string cells[8];
        for (int d = 0; d < 8; ++d)
            cells[d] = r == 0 ? yen(kouBonusRateBands[1].lowerBound[d]) + " 未満" : yen(band.lowerBound[d]) + " 以上";
        page.row({std::to_string(band.percent) + " %", cells[0], cells[1], cells[2], cells[3], cells[4], cells[5],
                  cells[6], cells[7]});
    }
    page.end();
    page.table("appendix-otsu-bonus", {"乙欄の税率", "前月の社会保険料等控除後の給与等の金額（円）"});
    for (std::size_t r = 0; r < std::size(otsuBonusRateBands); ++r) {
        const OtsuBonusRateBand& band = otsuBonusRateBands[r];
        const std::int64_t to = r + 1 < std::size(otsuBonusRateBands) ? otsuBonusRateBands[r + 1].lowerBound - 1
                                                                       : std::int64_t{noUpperLimit};
        page.row({std::to_string(band.percent) + " %", range(band.lowerBound, to)});
    }
    page.end();
}

void bonusPremiumTable(Page& page)
{
    page.line("### 付録 5. 賞与の社会保険料");
    page.line("");
    page.line("平成16年（2004年）3月分から9月分までの賞与の健康保険料、介護保険料、厚生年金保険料の被保険者負担分の料率と、標準賞与額の 1 回あたりの上限です。"
              "標準賞与額は賞与の 1,000 円未満を切り捨てた額（上限を超えれば上限）で、保険料は 1 円未満の端数が 50 銭以下なら切り捨て、50 銭を超えれば切り上げます。"
              "介護保険料は「満40歳以上」にチェックがあるときだけです。");
    page.table("appendix-bonus-premiums", {"保険料", "料率", "標準賞与額の上限（円）"});
    page.row({"健康保険料", percent(healthRate.tenTimesRate / 10.0), yen(healthRate.ceiling)});
    page.row({"介護保険料", percent(nursingRate.tenTimesRate / 10.0), yen(nursingRate.ceiling)});
    page.row({"厚生年金保険料", percent(pensionRate.tenTimesRate / 10.0), yen(pensionRate.ceiling)});
    page.end();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    Page page{std::fopen(argv[1], "w")};
    if (!page.out)
        return 1;
    page.line("## 付録: 計算に使う表");
    page.line("");
    page.line("プログラムが計算に使う表と算式です。このページを作るときに、プログラムに組み込まれた表そのものから書き出しています。");
    page.line("");
    employmentTable(page);
    kouMonthlyTables(page);
    otsuMonthlyTable(page);
    bonusRateTables(page);
    bonusPremiumTable(page);
    return std::fclose(page.out) == 0 ? 0 : 1;
}
