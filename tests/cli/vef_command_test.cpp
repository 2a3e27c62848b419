// SPDX-License-Identifier: GPL-3.0-or-later
// dravex-calc vef: a voyage log in, every voyage's status and the VEF out; --apply's
// comparison; exit statuses.

#include "cli/command_line.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <unistd.h>

#include <fstream>
#include <sstream>

namespace dravex {
namespace {

// The eight loads worked by hand in the core's VEF tests (vessel = TCV less OBQ, whole):
//   L1 100100/100000 1.00100  L2 80200/80000 1.00250  L3 119880/120000 0.99900
//   L4 90000/89900 1.00111    L5 100000/99000 1.01010 L6 100000/97000 1.03093 (gross error)
//   L7 110000/109800 1.00182  L8 95000/95100 0.99895
// Not rejected: 695180 / 693800, mean 1.00199, limits 0.99898 and 1.00500; L5 above, L8
// below; qualifying L1 L2 L3 L4 L7: 500180 / 499700 -> VEFL 1.0010.
// Five discharges of 99500 less ROB 500 = 99000 against 100000: ratio 0.99000, VEFD 0.9900.
// One load of another vessel, and a line of no operation the VEF knows (left out).
const char *const kLog = "vessel,voyage,date,port,operation,vessel_tcv,obq_rob,shore_tcv,unit\n"
                         "Northern Star,L1,2025-01-10,Rotterdam,load,100350.40,250.40,100000,bbl\n"
                         "Northern Star,L2,2025-02-10,Rotterdam,load,80200,,80000,bbl\n"
                         "Northern Star,L3,2025-03-10,Rotterdam,load,120000,120.5,120000,bbl\n"
                         "Northern Star,L4,2025-04-10,Rotterdam,load,90450,450,89900,bbl\n"
                         "Northern Star,L5,2025-05-10,Rotterdam,load,100000,0,99000,bbl\n"
                         "Northern Star,L6,2025-06-10,Rotterdam,load,100000,0,97000,bbl\n"
                         "Northern Star,L7,2025-07-10,Rotterdam,load,110300,300,109800,bbl\n"
                         "Northern Star,L8,2025-08-10,Rotterdam,load,95000,0,95100,bbl\n"
                         "Northern Star,D1,2025-01-20,Houston,discharge,99500,500,100000,bbl\n"
                         "Northern Star,D2,2025-02-20,Houston,discharge,99500,500,100000,bbl\n"
                         "Northern Star,D3,2025-03-20,Houston,discharge,99500,500,100000,bbl\n"
                         "Northern Star,D4,2025-04-20,Houston,discharge,99500,500,100000,bbl\n"
                         "Northern Star,D5,2025-05-20,Houston,discharge,99500,500,100000,bbl\n"
                         "Southern Cross,S1,2025-03-01,Fawley,load,1000,,1000,bbl\n"
                         "Northern Star,T1,2025-06-01,Fawley,transfer,1000,,1000,bbl\n";

struct VefRun
{
    int status;
    std::string out, err;
};

std::string writeFile(const std::string &name, const std::string &text)
{
    // Named for this process: ctest runs each test as a process of its own, side by side.
    const std::string path = testing::TempDir() + std::to_string(::getpid()) + "_" + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

// "LOG" and "HEADLESS" in args stand for the log above and a file without the header.
VefRun vef(std::vector<std::string> args)
{
    static const std::string log = writeFile("vef_log.csv", kLog);
    static const std::string headless = writeFile("vef_headless.csv", "vessel,voyage,date\nA,1,2025-01-01\n");
    for (std::string &a : args)
        a = a == "LOG" ? log : a == "HEADLESS" ? headless : a;
    args.insert(args.begin(), "vef");
    std::istringstream in;
    std::ostringstream out, err;
    const int status = runCommandLine(args, in, out, err);
    return {status, out.str(), err.str()};
}

const std::string kLeftOut = "line 16: operation 'transfer' is neither load nor discharge; the line is left out";
const std::vector<std::string> kTyped = {"--vessel-tcv", "50210", "--obq-rob", "210", "--shore", "50100"};

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Case
{
    const char *name;
    std::vector<std::string> args;
    int status;
    std::vector<std::string> outParts; // each a part of standard output; none: it is empty
    std::string errPart;               // a part of standard error; empty: it is empty
};

TEST(VefCommand, prints_each_voyage_and_the_vef_and_exits_by_its_status)
{
    const Case cases[] = {
        {"load_worked_by_hand",
         {"LOG", "--load", "--vessel", " northern STAR"},
         0,
         {"VEFL of Northern Star: load voyages, in bbl\n",
          "7     L6      2025-06-10  Rotterdam  100,000  97,000   1.03093  rejected    gross error: ratio 1.03093 is "
          "outside 0.98000 to 1.02000\n",
          "9     L8      2025-08-10  Rotterdam  95,000   95,100   0.99895  set aside   ratio 0.99895 is below the "
          "lower "
          "limit 0.99898\n",
          "mean ratio 1.00199; qualifying from 0.99898 to 1.00500 (mean -/+ 0.30 %)\n",
          "\nVEFL 1.0010 from 5 qualifying voyages of 8\n"},
         kLeftOut},
        {"discharge_kept_apart",
         {"LOG", "--discharge"},
         0,
         {"\nVEFD 0.9900 from 5 qualifying voyages of 5\n"},
         kLeftOut},
        // Without L7: 585180 / 584000 = 1.0020205 -> 1.00202, limits 0.99901394 -> 0.99901 and
        // 1.00502606 -> 1.00503: L3 (0.99900) is now set aside too; L1 L2 L4 qualify.
        {"current_voyage_left_out_too_few",
         {"LOG", "--load", "--vessel", "Northern Star", "--current-voyage", "l7"},
         0,
         {"L3      2025-03-10  Rotterdam  119,880  120,000  0.99900  set aside ",
          "L7      2025-07-10  Rotterdam  -        -        -        not considered  the voyage this VEF is for\n",
          "\nNo VEFL: 3 voyages qualify; 5 are needed, 2 more\n"},
         kLeftOut},
        {"every_vessel_without_vessel",
         {"LOG", "--load"},
         0,
         {"VEFL 1.0010 from 5 qualifying voyages of 8\n\nVEFL of Southern Cross",
          "No VEFL: 1 voyage qualifies; 5 are needed, 4 more\n"},
         kLeftOut},
        // 50210 - 210 = 50000; / 1.0012 = 49940.072; less 50100 = -159.928, of 50100 -0.319 %.
        {"apply_typed_vef_beyond_tolerance",
         std::vector<std::string>{"--apply", "--load", "--vef", "1.0012", "--tolerance", "0.3", "--unit", "bbl",
                                  "--decimals", "3"} +
             kTyped,
         0,
         {"Measured: vessel 50000.000 bbl less bill of lading 50100.000 bbl = -100.000 bbl, -0.200 %",
          "= -159.928 bbl, -0.319 % of the bill of lading, beyond the tolerance\n",
          "\nNotice of apparent discrepancy at loading."},
         {}},
        // The log's VEFL 1.0010: 50000 / 1.001 = 49950.0499 -> 49950.050; less 50100 = -149.950,
        // -149.950 / 50100 = -0.2993 % -> -0.299.
        {"apply_vef_computed_from_the_log",
         std::vector<std::string>{"LOG", "--apply", "--load", "--vessel", "Northern Star", "--vef", "computed",
                                  "--decimals", "3"} +
             kTyped,
         0,
         {"VEFL 1.0010 from 5 qualifying voyages of 8\n\nVessel TCV 50210.000 bbl",
          "= -149.950 bbl, -0.299 % of the bill of lading\n"},
         kLeftOut},
        {"apply_computed_needs_one_vessel",
         std::vector<std::string>{"LOG", "--apply", "--load", "--vef", "computed"} + kTyped,
         2,
         {},
         "holds load voyages of 2 vessels (Northern Star, Southern Cross): name one with --vessel"},
        // No VEF from the log: the measured comparison (bbl: 2 places), and status 1.
        {"apply_computed_without_a_vef",
         std::vector<std::string>{"LOG", "--apply", "--load", "--vessel", "Southern Cross", "--vef", "computed"} +
             kTyped,
         1,
         {"= -100.00 bbl, -0.200 % of the bill of lading\n"},
         "No VEFL: 1 voyage qualifies; 5 are needed, 4 more; the comparison is without a VEF"},
        {"apply_zero_outturn_stops",
         {"--apply", "--discharge", "--vessel-tcv", "1000", "--shore", "0"},
         1,
         {},
         "vef: Shore TCV (outturn): must be more than zero"},
        {"missing_file", {"no-such-log.csv", "--load"}, 1, {}, "vef: cannot open no-such-log.csv"},
        {"file_without_columns", {"HEADLESS", "--load"}, 1, {}, "has no column operation, vessel_tcv"},
        {"unknown_vessel", {"LOG", "--load", "--vessel", "Nobody"}, 1, {}, "no load voyages of vessel 'Nobody'"},
        {"load_and_discharge", {"LOG", "--load", "--discharge"}, 2, {}, "--load excludes --discharge"},
        {"neither_load_nor_discharge", {"LOG"}, 2, {}, "Exactly 1 option from [--load,--discharge]"},
        {"figure_without_apply", {"LOG", "--load", "--shore", "1000"}, 2, {}, "--shore requires --apply"},
        {"apply_without_shore", {"--apply", "--load", "--vessel-tcv", "1000"}, 2, {}, "--apply requires --shore"},
        {"shore_not_a_number",
         {"--apply", "--load", "--vessel-tcv", "1000", "--shore", "1.0.0"},
         2,
         {},
         "--shore: '1.0.0' is not a number"},
        {"no_log_no_apply", {"--load"}, 2, {}, "give the voyage log VOYAGES.csv, or --apply"},
        {"computed_without_log",
         std::vector<std::string>{"--apply", "--load", "--vef", "computed"} + kTyped,
         2,
         {},
         "--vef computed needs the voyage log"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const VefRun run = vef(c.args);
        EXPECT_EQ(run.status, c.status);
        if (c.outParts.empty()) {
            EXPECT_EQ(run.out, "");
        }
        for (const std::string &part : c.outParts)
            EXPECT_NE(run.out.find(part), std::string::npos) << part << "\nin:\n" << run.out;
        if (c.errPart.empty())
            EXPECT_EQ(run.err, "");
        else
            EXPECT_NE(run.err.find(c.errPart), std::string::npos) << run.err;
    }
}

TEST(VefCommand, json_gives_every_voyage_and_the_notices)
{
    const VefRun run = vef({"LOG", "--load", "--vessel", "Northern Star", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json j = nlohmann::json::parse(run.out);
    EXPECT_EQ(j["operation"], "load");
    EXPECT_EQ(j["notices"], nlohmann::json::array({kLeftOut}));
    ASSERT_EQ(j["results"].size(), 1u);
    const nlohmann::json &r = j["results"][0];
    EXPECT_EQ(r["vef"], "1.0010");
    EXPECT_EQ(r["mean"], "1.00199");
    ASSERT_EQ(r["voyages"].size(), 8u);
    EXPECT_EQ(r["voyages"][5]["voyage"], "L6");
    EXPECT_EQ(r["voyages"][5]["status"], "rejected");
    EXPECT_EQ(r["voyages"][5]["reason"], "gross-error");
    EXPECT_EQ(r["voyages"][0]["entries"], nlohmann::json::array({1}));
}

// Receiver less sender, in percent of the sender: at loading the shore sends, at discharge
// the vessel does (with the VEF, the vessel's corrected figure).
TEST(VefCommand, apply_sign_and_percent_base_for_load_and_discharge)
{
    struct Sign
    {
        std::vector<std::string> args;
        const char *difference, *percent, *vefVessel, *vefDifference, *vefPercent;
    };
    const Sign cases[] = {
        // 1000 against 1010: loading 1000 - 1010 = -10 of 1010 = -0.990 %.
        {{"--load", "--vessel-tcv", "1000", "--shore", "1010"}, "-10.000", "-0.990", nullptr, nullptr, nullptr},
        // Discharge: 1010 - 1000 = +10 of 1000 = +1.000 %.
        {{"--discharge", "--vessel-tcv", "1000", "--shore", "1010"}, "10.000", "1.000", nullptr, nullptr, nullptr},
        // 60120 - 120 = 60000; 59880 - 60000 = -120.00 of 60000 = -0.200 %. With VEF 0.9985:
        // 60000 / 0.9985 = 60090.1352 -> 60090.14; 59880 - 60090.14 = -210.14, of 60090.14
        // -0.34971 % -> -0.350 (of the outturn it would be -0.351).
        {{"--discharge", "--vessel-tcv", "60,120", "--obq-rob", "120", "--shore", "59880", "--vef", "0.9985", "--unit",
          "bbls"},
         "-120.00",
         "-0.200",
         "60090.14",
         "-210.14",
         "-0.350"},
    };
    for (const Sign &c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[2]);
        const VefRun run = vef(std::vector<std::string>{"--apply", "--json"} + c.args);
        ASSERT_EQ(run.status, 0) << run.err;
        const nlohmann::json j = nlohmann::json::parse(run.out);
        EXPECT_EQ(j["measured"]["difference"], c.difference);
        EXPECT_EQ(j["measured"]["percent"], c.percent);
        if (c.vefVessel) {
            EXPECT_EQ(j["vefSource"], "given");
            EXPECT_EQ(j["withVef"]["vessel"], c.vefVessel);
            EXPECT_EQ(j["withVef"]["difference"], c.vefDifference);
            EXPECT_EQ(j["withVef"]["percent"], c.vefPercent);
        } else {
            EXPECT_TRUE(j["withVef"].is_null());
        }
    }
}

TEST(VefCommand, a_failed_write_is_a_failure)
{
    std::istringstream in;
    std::ostream closed(nullptr); // every write fails, as on a full disk
    std::ostringstream err;
    const int status =
        runCommandLine({"vef", "--apply", "--load", "--vessel-tcv", "1000", "--shore", "1000"}, in, closed, err);
    EXPECT_EQ(status, kExitStopped);
    EXPECT_NE(err.str().find("cannot write to standard output"), std::string::npos) << err.str();
}

} // namespace
} // namespace dravex
