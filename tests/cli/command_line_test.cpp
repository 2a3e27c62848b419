// SPDX-License-Identifier: GPL-3.0-or-later
// dravex-calc as a user meets it: arguments and standard input in, exact text and exit
// status out.

#include "cli/command_line.h"
#include "cli/operations.h"
#include "core/calculations.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <set>
#include <sstream>

namespace dravex {
namespace {

struct CalcRun
{
    int status;
    std::string out;
    std::string err;
};

CalcRun calc(const std::vector<std::string> &args, const std::string &input = {})
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCommandLine(args, in, out, err);
    return {status, out.str(), err.str()};
}

struct Case
{
    const char *name;
    std::vector<std::string> args;
    std::string input;
    int status;
    std::string out;
    std::string errPart; // a part of standard error; empty: standard error is empty
};

class CommandLine : public testing::TestWithParam<Case>
{
};

TEST_P(CommandLine, prints_exactly_and_exits_with_its_status)
{
    const Case &c = GetParam();
    const CalcRun run = calc(c.args, c.input);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.out, c.out);
    if (c.errPart.empty())
        EXPECT_EQ(run.err, "");
    else
        EXPECT_NE(run.err.find(c.errPart), std::string::npos) << run.err;
}

const std::string kTable6BHeader = "api,temp,gross,vcf,net_bbl,net_gal,lt_factor,long_tons,notice\r\n";

INSTANTIATE_TEST_SUITE_P(
    Modes, CommandLine,
    testing::Values(
        Case{"single_worked_example",
             {"table6a", "--api", "30", "--temp", "80", "--gross", "10000"},
             {},
             0,
             "vcf\t0.9911\nnet_bbl\t9911\nnet_gal\t416262\nlt_factor\t0.13679\nlong_tons\t1355.73\n",
             {}},
        Case{"single_json",
             {"table6b", "--api", "50", "--temp=80", "--gross", "10000", "--json"},
             {},
             0,
             "{\"vcf\":\"0.9882\",\"net_bbl\":\"9882\",\"net_gal\":\"415044\",\"lt_factor\":\"0.12169\","
             "\"long_tons\":\"1202.54\",\"out_of_range\":false,\"notice\":\"\"}\n",
             {}},
        // Beyond the printed table: the results stand, the window's notice on standard error.
        Case{"negative_value_after_option",
             {"table6a", "--api", "-30", "--temp", "60", "--gross", "-1.5"},
             {},
             0,
             "vcf\t1\nnet_bbl\t1.5\nnet_gal\t63\nlt_factor\t0.21775\nlong_tons\t0.33\n",
             "table6a: API gravity -30 API is beyond the printed Table 6A (0 to 100 API): the results are an "
             "extrapolation\n"},
        // Above 1074 kg/m3 Table 6B writes nothing: no result keys, the notice, status 1.
        Case{
            "out_of_range_writes_nothing",
            {"table6b", "--api", "0", "--temp", "80", "--gross", "1"},
            {},
            1,
            "out_of_range\ttrue\n",
            "table6b: API gravity 0 is a density of 1074.98 kg/m3, above 1074: no product group; nothing was computed"},
        Case{"overflow_stops_with_status_1",
             {"table6b", "--api", "30", "--temp", "80", "--gross", "1E999"},
             {},
             1,
             "",
             "Gross Barrels: Overflow"},
        Case{"not_a_number_is_a_usage_error",
             {"table6a", "--api", "30", "--temp", "80", "--gross", "12,5"},
             {},
             2,
             "",
             "--gross \"12,5\" is not a number (Gross Barrels)"},
        Case{"unknown_operation", {"table7"}, {}, 2, "", "unknown operation \"table7\""},
        Case{"unknown_option",
             {"table6a", "--api", "30", "--tmp", "80"},
             {},
             2,
             "",
             "table6a has no option --tmp (its inputs: --api, --temp, --gross)"},
        Case{"missing_input", {"table6a", "--api", "30", "--temp", "80"}, {}, 2, "", "--gross"},
        // The next option is never taken as a value.
        Case{"option_without_its_value",
             {"table6a", "--api", "--temp=80", "--gross", "1"},
             {},
             2,
             "",
             "dravex-calc: table6a: --api lacks a value\n"},
        Case{"last_option_without_its_value",
             {"table6a", "--api", "30", "--temp", "80", "--gross"},
             {},
             2,
             "",
             "dravex-calc: table6a: --gross lacks a value\n"},
        Case{"two_alternatives",
             {"temperature", "--celsius", "37", "--fahrenheit", "98.6"},
             {},
             2,
             "",
             "give only one of --celsius and --fahrenheit"},
        Case{"no_alternative", {"gravity"}, {}, 2, "", "give one of --api, --density, --sg"},
        Case{"choice_not_a_word",
             {"stop-gauge", "--table", "6c", "--net", "1", "--opening", "2", "--temp", "60", "--api", "30"},
             {},
             2,
             "",
             "--table: \"6c\" is not one of 6a, 6b"},
        Case{"batch_rows_and_faults",
             {"batch", "table6b"},
             "\xEF\xBB\xBF"
             "api,temp,gross\r\n30,80,10000\r\n\"50\",80,\"10,000\"\r\n\r\n30,80,-\r\n0,80,1\r\n30,80,10000\r\n",
             0,
             kTable6BHeader +
                 "30,80,10000,0.9911,9911,416262,0.13679,1355.73,\r\n"
                 "50,80,\"10,000\",0.9882,9882,415044,0.12169,1202.54,\r\n"
                 "30,80,-,,,,,,Gross Barrels: '-' is not a number\r\n"
                 "0,80,1,,,,,,\"API gravity 0 is a density of 1074.98 kg/m3, above 1074: no product group; nothing was "
                 "computed\"\r\n"
                 // A row after a fault and a stop gives what it gives on its own.
                 "30,80,10000,0.9911,9911,416262,0.13679,1355.73,\r\n",
             {}},
        Case{"batch_columns_in_any_order",
             {"batch", "table6a"},
             "gross,--api,temp\n10000,30,80\n",
             0,
             "gross,api,temp,vcf,net_bbl,net_gal,lt_factor,long_tons,notice\r\n"
             "10000,30,80,0.9911,9911,416262,0.13679,1355.73,\r\n",
             {}},
        Case{"batch_rows_that_cannot_be_read",
             {"batch", "table6b"},
             "api,temp,gross\n1,2\n1,2,3,4\n30,\xff"
             "80,1\n3\"0,80,1\n30,80,10000\n\"30,80,1\n",
             0,
             kTable6BHeader + "1,2,,,,,,,\"line 2: 2 fields, the header has 3\"\r\n"
                              "1,2,3,,,,,,\"line 3: 4 fields, the header has 3\"\r\n"
                              "30,,1,,,,,,line 4: field 2 is not UTF-8 text\r\n"
                              "\"3\"\"0\",80,1,,,,,,line 5: field 1 has a double quote out of place (quote the "
                              "whole field and double the quotes in it)\r\n"
                              "30,80,10000,0.9911,9911,416262,0.13679,1355.73,\r\n"
                              "\"30,80,1\n\",,,,,,,,line 7: field 1 opens a quote that is never closed: the line was "
                              "read as that one field\r\n",
             {}},
        Case{"batch_without_header",
             {"batch", "table6b"},
             "30,80,10000\n31,80,10000\n",
             1,
             kTable6BHeader + "30,80,10000,,,,,,\"line 1: the first row names none of the inputs (api,temp,gross); a "
                              "header row naming the columns, separated by commas, comes first\"\r\n"
                              "31,80,10000,,,,,,\"line 2: not calculated: line 1: the first row names none of the "
                              "inputs (api,temp,gross); a header row naming the columns, separated by commas, comes "
                              "first\"\r\n",
             "table6b: no row could be calculated (line 1: the first row names none"},
        Case{"batch_header_lacks_an_input",
             {"batch", "table6b"},
             "api,temp\n30,80\n",
             1,
             kTable6BHeader + "api,temp,,,,,,,line 1: no column for gross\r\n"
                              "30,80,,,,,,,line 2: not calculated: line 1: no column for gross\r\n",
             "dravex-calc: table6b: no row could be calculated (line 1: no column for gross)\n"},
        // Names in any case; a column of the user's own is ignored and said so; the output
        // names only the inputs read.
        Case{"batch_header_in_capitals_and_a_column_of_its_own",
             {"batch", "table6b"},
             "Tank,API,Temp,GROSS\n1P,30,80,10000\n",
             0,
             kTable6BHeader + "30,80,10000,0.9911,9911,416262,0.13679,1355.73,\r\n",
             "dravex-calc: table6b: column 1 \"Tank\" names no input (api,temp,gross) and is ignored\n"},
        Case{"batch_separated_by_semicolons",
             {"batch", "table6b"},
             "api;temp;gross\n",
             1,
             kTable6BHeader +
                 "api;temp;gross,,,,,,,,\"line 1: the first row names none of the inputs (api,temp,gross); "
                 "a header row naming the columns, separated by commas, comes first\"\r\n",
             "(line 1: the first row names none of the inputs (api,temp,gross); a header row naming the columns, "
             "separated by commas, comes first)"},
        // A quote never closed takes in every later line: the notice says where it opened
        // and which lines it took.
        Case{"batch_quote_never_closed",
             {"batch", "table6b"},
             "api,temp,gross\n30,\"80,10000\n31,80,10000\n32,80,10000\n",
             1,
             kTable6BHeader + "30,\"80,10000\n31,80,10000\n32,80,10000\n\",,,,,,,line 2: field 2 opens a quote that "
                              "is never closed: lines 2 to 4 were read as that one field\r\n",
             "no row could be calculated"},
        // Past the length limit the quote still names itself, not the length alone.
        Case{"batch_quote_running_on",
             {"batch", "table6b"},
             "api,temp,gross\n30,\"80,10000\n" +
                 [] {
                     std::string rows;
                     for (int i = 0; i < 1000; ++i)
                         rows += "31,80,10000\n";
                     return rows;
                 }() +
                 "\"\n30,80,10000\n",
             0,
             kTable6BHeader + "30,,,,,,,,\"line 2: field 2 opens a quote that runs on past 4096 characters, so its "
                              "closing quote is most likely missing: lines 2 to 1003 were read as that one field\"\r\n"
                              "30,80,10000,0.9911,9911,416262,0.13679,1355.73,\r\n",
             {}},
        Case{"batch_of_nothing", {"batch", "table6b"}, "", 0, kTable6BHeader, {}},
        Case{"table_csv",
             {"table", "table6b", "--temp", "60:62:1", "--api", "30.0:30.1:0.05", "--gross", "1", "--show", "vcf"},
             {},
             0,
             "temp\\api,30.00,30.05,30.10\r\n60,1,1,1\r\n61,0.9996,0.9996,0.9996\r\n62,0.9991,0.9991,0.9991\r\n",
             {}},
        Case{"table_text_one_stepped_input",
             {"table", "table6a", "--api", "30", "--temp", "-1:1:0.5", "--gross", "10000", "--show", "long_tons",
              "--text"},
             {},
             0,
             "temp  long_tons\n-1.0    1404.70\n-0.5    1404.42\n0.0     1404.15\n0.5     1403.88\n1.0     1403.47\n",
             {}},
        // Each column as wide as its widest cell, each cell with the output's decimals.
        Case{"table_text_sized_from_every_row",
             {"table", "table6a", "--gross", "1:100001:100000", "--api", "30:31:1", "--temp", "60", "--show", "net_bbl",
              "--text"},
             {},
             0,
             "gross\\api         30         31\n1               1.00       1.00\n"
             "100001     100001.00  100001.00\n",
             {}},
        Case{"table_cells_that_stop",
             {"table", "table6b", "--api", "0:0.2:0.1", "--temp", "80", "--gross", "1", "--show", "vcf"},
             {},
             0,
             "api,vcf\r\n0.0,\r\n0.1,\r\n0.2,0.9932\r\n",
             "2 of 3 cells not calculated; the first: --api 0.0: API gravity 0 is a density of 1074.98 kg/m3"},
        Case{"table_bad_step",
             {"table", "table6b", "--api", "30:31:0", "--temp", "60", "--gross", "1", "--show", "vcf"},
             {},
             2,
             "",
             "--api: STEP must be above 0"},
        // The 2004 edition: a relative density at the base with a pressure, and an observed
        // density searched to the base with a vacuum taken as 0 psig.
        Case{"vcf2004_products_at_base",
             {"vcf2004", "--group", "products", "--rd", "0.7943", "--temp", "85.0", "--pressure", "247.3", "--gross",
              "10000"},
             {},
             0,
             "density_base\t793.5\ndensity60\t793.5\napi60\t46.6\nrd60\t0.7943\ngroup_name\tjet fuels\nctl\t0.98683\n"
             "fp\t0.665\ncpl\t1.00165\nctpl\t0.98846\nnet\t9884.6\n",
             {}},
        Case{"vcf2004_observed_crude",
             {"vcf2004", "--group", "crude", "--kgm3", "823.7", "--observed", "--temp", "80.3", "--pressure", "-5"},
             {},
             0,
             "density_base\t832\ndensity60\t832\napi60\t38.4\nrd60\t0.8329\ngroup_name\tcrude oils\nctl\t0.98997\n"
             "fp\t0.567\ncpl\t1\nctpl\t0.98997\nnet\t\n",
             "vcf2004: Pressure -5 psig is below 0: the 2004 edition takes a negative gauge pressure as 0 psig\n"},
        Case{"vcf2004_limit_stops_with_no_results",
             {"vcf2004", "--group", "crude", "--kgm3", "850", "--temp", "302.8", "--gross", "1", "--json"},
             {},
             1,
             "{\"out_of_range\":false,\"notice\":\"Temperature 302.8 F is above the limit 302 F\"}\n",
             "vcf2004: Temperature 302.8 F is above the limit 302 F"},
        Case{"vcf2004_needs_one_density",
             {"vcf2004", "--group", "crude", "--temp", "60"},
             {},
             2,
             "",
             "vcf2004: give one of --api, --rd, --kgm3"},
        Case{"vcf2004_takes_only_one_density",
             {"vcf2004", "--group", "crude", "--api", "30", "--kgm3", "850", "--temp", "60"},
             {},
             2,
             "",
             "vcf2004: give only one of --api and --kgm3"},
        Case{"vcf2004_batch_observed_column",
             {"batch", "vcf2004"},
             "group,kgm3,observed,temp,pressure\n"
             "crude,823.7,1,80.3,-5\ncrude,823.7,no,80.3,\ncrude,823.7,maybe,80.3,\n",
             0,
             "group,kgm3,observed,temp,pressure,density_base,density60,api60,rd60,group_name,ctl,fp,cpl,ctpl,net,"
             "notice\r\n"
             "crude,823.7,1,80.3,-5,832,832,38.4,0.8329,crude oils,0.98997,0.567,1,0.98997,,Pressure -5 psig is "
             "below 0: the 2004 edition takes a negative gauge pressure as 0 psig\r\n"
             "crude,823.7,no,80.3,,823.7,823.7,40.1,0.8245,crude oils,0.98976,0.584,1,0.98976,,\r\n"
             "crude,823.7,maybe,80.3,,,,,,,,,,,,"
             "\"line 4: observed: \"\"maybe\"\" is not one of yes, no (or 1, 0)\"\r\n",
             {}},
        Case{"table_unknown_output",
             {"table", "table6b", "--api", "30:31:1", "--temp", "60", "--gross", "1", "--show", "net"},
             {},
             2,
             "",
             "--show \"net\" is not an output of table6b (vcf, net_bbl, net_gal, lt_factor, long_tons)"}),
    [](const testing::TestParamInfo<Case> &info) { return std::string(info.param.name); });

// The unrounded values of the 2004 edition in JSON are the published ones, not the shown
// ones: to the twelve places printed, and CTPL from the unrounded CTL x CPL.
TEST(Vcf2004Json, gives_the_unrounded_factors_as_numbers)
{
    const CalcRun run =
        calc({"vcf2004", "--group", "products", "--rd", "0.7943", "--temp", "85.0", "--pressure", "247.3", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto j = nlohmann::json::parse(run.out);
    EXPECT_EQ(j["ctpl"], "0.98846");
    ASSERT_TRUE(j["ctl_exact"].is_number_float());
    EXPECT_NEAR(j["ctl_exact"].get<double>(), 0.986832406683, 5e-13);
    EXPECT_NEAR(j["fp_exact"].get<double>(), 0.664706197066, 5e-13);
    EXPECT_NEAR(j["cpl_exact"].get<double>(), 1.001646525013, 5e-13);
    EXPECT_EQ(j["ctpl_exact"].get<double>(), j["ctl_exact"].get<double>() * j["cpl_exact"].get<double>());
    EXPECT_EQ(j["density60_exact"].get<double>(), 0.7943 * 999.016);
}

// The text of a wide row stays bounded however long a value is: a million-character
// value is cut, reported, and the batch goes on.
TEST(Batch, reports_a_value_of_a_million_characters_and_goes_on)
{
    const std::string input = "api,temp,gross\n30,80," + std::string(1'000'000, '1') + "\n30,80,10000\n";
    const CalcRun run = calc({"batch", "table6b"}, input);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, kTable6BHeader + "30,80,,,,,,,line 2: field 3 is longer than 4096 characters\r\n"
                                        "30,80,10000,0.9911,9911,416262,0.13679,1355.73,\r\n");
}

// Every operation describes its window: each input and output names a control that the
// window's registered calculation knows, with its caption.
TEST(List, ties_every_input_and_output_to_one_field_of_its_window)
{
    const CalcRun run = calc({"--list", "--json"});
    ASSERT_EQ(run.status, 0);
    const auto list = nlohmann::json::parse(run.out);
    ASSERT_EQ(list.size(), 21u);
    for (const auto &operation : list) {
        SCOPED_TRACE(operation["name"].get<std::string>());
        if (!operation["available"].get<bool>())
            continue; // its window's calculation is not registered in this build
        for (const auto &input : operation["inputs"]) {
            if (input.contains("choices"))
                for (const auto &choice : input["choices"])
                    EXPECT_NE(choice["caption"], "") << choice["field"];
            else
                EXPECT_NE(input["caption"], "") << input["field"];
        }
        for (const auto &output : operation["outputs"])
            EXPECT_NE(output["caption"], "") << output["field"];
    }
}

// --help names each operation once, and no help names a window's control: the user
// sees captions.
TEST(Help, lists_each_operation_once_in_captions)
{
    const CalcRun top = calc({"--help"});
    ASSERT_EQ(top.status, 0);
    for (const Operation &operation : allOperations()) {
        const std::string line = "\n  " + std::string(operation.name) + " ";
        const std::size_t first = top.out.find(line);
        EXPECT_NE(first, std::string::npos) << operation.name;
        EXPECT_EQ(top.out.find(line, first + 1), std::string::npos) << operation.name;
        for (const std::vector<std::string> &args :
             {std::vector<std::string>{std::string(operation.name), "--help"},
              std::vector<std::string>{"table", std::string(operation.name), "--help"}}) {
            const CalcRun help = calc(args);
            EXPECT_EQ(help.status, 0);
            for (const OperationInput &input : operation.inputs) {
                std::vector<std::string_view> fields{input.field, input.chooses};
                for (const ChoiceWord &choice : input.choices)
                    fields.push_back(choice.field);
                for (const std::string_view field : fields)
                    EXPECT_TRUE(field.empty() || help.out.find(std::string(field)) == std::string::npos)
                        << field << help.out;
            }
            for (const OperationOutput &output : operation.outputs)
                EXPECT_EQ(help.out.find(output.field), std::string::npos) << output.field << help.out;
            EXPECT_EQ(help.out.find(operation.form), std::string::npos) << help.out;
        }
    }
}

// A batch's output header names each column once, whatever input columns it was given.
TEST(Batch, names_every_column_once)
{
    for (const Operation &operation : allOperations()) {
        if (!isAvailable(operation))
            continue;
        std::string header;
        for (const OperationInput &input : operation.inputs)
            header += (header.empty() ? "" : ",") + std::string(input.option);
        const CalcRun run = calc({"batch", std::string(operation.name)}, header + "\n");
        std::istringstream first(run.out.substr(0, run.out.find('\r')));
        std::set<std::string> names;
        for (std::string name; std::getline(first, name, ',');)
            EXPECT_TRUE(names.insert(name).second) << operation.name << ": " << name << " in " << run.out;
    }
    EXPECT_EQ(calc({"batch", "temperature"}, "Celsius\n37\n").out,
              "celsius,fahrenheit,celsius_result,notice\r\n37,98.6,,\r\n");
}

// The calculations are found by window and control name at run time; once a window's
// calculation is registered, the operation must find it under the names it uses.
TEST(List, finds_every_registered_calculation_under_an_operation)
{
    for (const Calculation &calculation : AllCalculations()) {
        bool found = false;
        for (const Operation &operation : allOperations())
            for (const OperationTrigger &trigger : operation.triggers)
                found = found || (operation.form == calculation.form->name && trigger.control == calculation.trigger);
        EXPECT_TRUE(found) << calculation.form->name << " " << calculation.trigger;
    }
}

} // namespace
} // namespace dravex

namespace dravex {
namespace {

// dravex-calc report: the file recomputed, as CSV or JSON; a damaged file or a stopped
// tank exits 1 and says which.
TEST(Report, prints_the_recomputed_report_and_exits_by_its_tanks)
{
    const std::string dir = testing::TempDir();
    const auto write = [&](const std::string &name, const std::string &text) {
        std::ofstream(dir + name, std::ios::binary) << text;
        return dir + name;
    };
    const std::string good = write("good.json", R"({"format": "dravex-cargo-report", "version": 1, "tanks": [
        {"tank": "1P", "grade": "Arab Light", "type": "A", "total": "10050", "freeWater": "50",
         "temperature": "80", "gravity": "30"}]})");
    const std::string stopped = write("stopped.json", R"({"format": "dravex-cargo-report", "version": 1,
        "tanks": [{"tank": "2C", "type": "A", "total": "abc", "temperature": "80", "gravity": "30"}]})");
    const std::string damaged = write("damaged.json", "{\n  \"format\": \"dravex-cargo-report\",\n  \"version\": 1,");

    const CalcRun csv = calc({"report", good});
    EXPECT_EQ(csv.status, kExitComputed);
    EXPECT_NE(csv.out.find("\r\n1P,Arab Light,A,10050,50,80,30,,,10000,30,0.9911,9911,0.13679,1355.73,1377.485,\r\n"),
              std::string::npos)
        << csv.out;
    EXPECT_EQ(calc({"report", good, "--csv"}).out, csv.out);

    const CalcRun json = calc({"report", stopped, "--json"});
    EXPECT_EQ(json.status, kExitStopped);
    EXPECT_NE(json.out.find("\"stoppedTanks\": [\n      \"2C\"\n    ]"), std::string::npos) << json.out;

    const CalcRun bad = calc({"report", damaged});
    EXPECT_EQ(bad.status, kExitStopped);
    EXPECT_NE(bad.err.find("not valid JSON at line 3, column 16"), std::string::npos) << bad.err;
    EXPECT_EQ(calc({"report", good, "--csv", "--json"}).status, kExitUsage);
    EXPECT_EQ(calc({"report", dir + "missing.json"}).status, kExitStopped);

    // A tank computed beyond the printed table is counted with its notice: not clean.
    const std::string extrapolated = write("extrapolated.json", R"({"format": "dravex-cargo-report", "version": 1,
        "tanks": [{"tank": "4P", "type": "A", "total": "1000", "temperature": "60", "gravity": "1,250"}]})");
    const CalcRun beyond = calc({"report", extrapolated});
    EXPECT_EQ(beyond.status, kExitStopped);
    EXPECT_NE(beyond.out.find("1 tank; counted with a notice: 4P"), std::string::npos) << beyond.out;
}

} // namespace
} // namespace dravex
