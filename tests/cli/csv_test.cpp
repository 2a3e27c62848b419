// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/csv_reader.h"
#include "cli/grid.h"
#include "core/csv.h"

#include <gtest/gtest.h>

namespace dravex {
namespace {

std::vector<CsvRecord> readAll(std::string_view input, std::size_t piece)
{
    std::vector<CsvRecord> records;
    CsvReader reader([&](const CsvRecord &r) { records.push_back(r); }, 8, 3);
    for (std::size_t i = 0; i < input.size(); i += piece)
        reader.feed(input.substr(i, piece));
    reader.finish();
    return records;
}

// Records come out the same however the input is cut into pieces: the reader keeps its
// state across every byte boundary (a CR LF split, a doubled quote split, a BOM split).
TEST(CsvReader, reads_the_same_records_whatever_the_pieces)
{
    const std::string input = "\xEF\xBB\xBF"
                              "a,\"b,\"\"c\"\"\"\r\n\r\n\"x\ny\",2\r\n123456789,1\n1,2,3,4,5\n\xC3\xA9,\xC3\n"
                              "a\rb,\"q\"z\n\"open";
    const auto whole = readAll(input, input.size());
    ASSERT_EQ(whole.size(), 7u);
    EXPECT_EQ(whole[0].fields, (std::vector<std::string>{"a", "b,\"c\""}));
    EXPECT_EQ(whole[1].fields, (std::vector<std::string>{"x\ny", "2"}));
    EXPECT_EQ(whole[1].line, 3u);
    EXPECT_EQ(whole[2].problem, CsvProblem::FieldTooLong);
    EXPECT_EQ(whole[2].fields[0], "12345678");
    EXPECT_EQ(whole[3].problem, CsvProblem::TooManyFields);
    EXPECT_EQ(whole[3].fields.size(), 3u);
    EXPECT_EQ(whole[4].problem, CsvProblem::NotUtf8);
    EXPECT_EQ(whole[4].problemField, 2u);
    EXPECT_EQ(whole[5].fields[0], "a\rb");
    EXPECT_EQ(whole[5].problem, CsvProblem::StrayQuote);
    for (std::size_t piece = 1; piece < input.size(); ++piece) {
        const auto pieces = readAll(input, piece);
        ASSERT_EQ(pieces.size(), whole.size()) << piece;
        for (std::size_t k = 0; k < whole.size(); ++k) {
            EXPECT_EQ(pieces[k].fields, whole[k].fields) << piece;
            EXPECT_EQ(pieces[k].problem, whole[k].problem) << piece;
            EXPECT_EQ(pieces[k].line, whole[k].line) << piece;
            EXPECT_EQ(pieces[k].problemField, whole[k].problemField) << piece;
        }
    }
    EXPECT_EQ(whole[6].problem, CsvProblem::UnclosedQuote);
}

TEST(CsvReader, checks_utf8_strictly)
{
    for (const char *bad : {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xF8", "\xE2\x82"})
        EXPECT_FALSE(isUtf8(bad)) << bad;
    for (const char *good : {"", "kg/m\xC2\xB3", "\xE2\x82\xAC", "\xF0\x9F\x9B\xA2", "\xF4\x8F\xBF\xBF"})
        EXPECT_TRUE(isUtf8(good)) << good;
}

TEST(CsvWriter, quotes_only_what_needs_quoting)
{
    std::string out;
    AppendCsvRecord(out, {"12.5", "a,b", "6\" pipe", "two\nlines", "", " x "});
    EXPECT_EQ(out, "12.5,\"a,b\",\"6\"\" pipe\",\"two\nlines\",, x \r\n");
}

// Steps are counted in units of the finest place given, never added up.
TEST(DecimalSteps, counts_exact_decimal_steps)
{
    struct Row
    {
        const char *text;
        std::int64_t count;
        const char *first;
        const char *last;
    };
    for (const Row &row : {Row{"30.0:40:0.1", 101, "30.0", "40.0"}, Row{"0:1:0.3", 4, "0.0", "0.9"},
                           Row{"-1:1:0.25", 9, "-1.00", "1.00"}, Row{"-0.05:0.05:0.05", 3, "-0.05", "0.05"},
                           Row{"5:5:1", 1, "5", "5"}, Row{"0.1:0.3:0.1", 3, "0.1", "0.3"}}) {
        std::string problem;
        const auto steps = DecimalSteps::parse(row.text, problem);
        ASSERT_TRUE(steps) << row.text << ": " << problem;
        EXPECT_EQ(steps->count(), row.count) << row.text;
        EXPECT_EQ(steps->text(0), row.first) << row.text;
        EXPECT_EQ(steps->text(steps->count() - 1), row.last) << row.text;
    }
    for (const char *bad :
         {"1:2", "1:2:3:4", "a:2:1", "1:2:0", "2:1:1", "1:2:-1", "1e3:2:1", ".:1:1", "1:1234567890123456:1"}) {
        std::string problem;
        EXPECT_FALSE(DecimalSteps::parse(bad, problem)) << bad;
        EXPECT_FALSE(problem.empty()) << bad;
    }
}

} // namespace
} // namespace dravex
