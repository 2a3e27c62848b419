// SPDX-License-Identifier: GPL-3.0-or-later
// dravex-calc's tank commands: the shell correction against the published example, and a
// table imported and looked up through the program as a process.
#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace dravex {
namespace {

struct CtshCase
{
    std::vector<std::string> args;
    int status;
    std::string outPart; // empty: nothing on standard output
    std::string errPart; // empty: nothing on standard error
};

// Published example: liquid 135 F, ambient 88 F, mild steel, reference 60 F: shell
// (7 x 135 + 88) / 8 = 128.875 -> 129 F, CTSh 1.00086. Insulated: the shell at 135 F,
// dT 75: 1 + 2 x 0.0000062 x 75 + (0.000465)^2 = 1.000930216 -> 1.00093.
TEST(TankCommands, ctsh_gives_the_published_example_and_refuses_bad_input)
{
    const CtshCase cases[] = {
        {{"ctsh", "--liquid", "135", "--ambient", "88"}, kExitComputed, "CTSh: 1.00086", ""},
        {{"ctsh", "--liquid", "135", "--ambient", "88", "--json"},
         kExitComputed,
         R"({"shell_temperature":"129","ctsh":"1.00086")",
         ""},
        {{"ctsh", "--liquid", "135", "--insulated"}, kExitComputed, "CTSh: 1.00093", ""},
        {{"ctsh", "--liquid", "135"}, kExitUsage, "", "give --ambient, or --insulated"},
        {{"ctsh", "--liquid", "135", "--ambient", "88", "--alpha", "0.0000062", "--material", "304"},
         kExitUsage,
         "",
         "excludes"},
        {{"ctsh", "--liquid", "abc", "--ambient", "88"}, kExitUsage, "", "--liquid"},
    };
    for (const CtshCase &c : cases) {
        std::istringstream in;
        std::ostringstream out, err;
        const int status = runCommandLine(c.args, in, out, err);
        SCOPED_TRACE(c.args.back());
        EXPECT_EQ(status, c.status) << err.str();
        if (c.outPart.empty())
            EXPECT_EQ(out.str(), "");
        else
            EXPECT_NE(out.str().find(c.outPart), std::string::npos) << out.str();
        if (c.errPart.empty())
            EXPECT_EQ(err.str(), "");
        else
            EXPECT_NE(err.str().find(c.errPart), std::string::npos) << err.str();
    }
}

std::string ownTempPath(const std::string &name)
{
    return testing::TempDir() + "dravex_tank_" + std::to_string(::getpid()) + "_" + name;
}

struct Ran
{
    int status = -1;
    std::string out, err;
};

Ran process(const std::string &arguments)
{
    const std::string outFile = ownTempPath("out.txt"), errFile = ownTempPath("err.txt");
    const int wait =
        std::system((std::string(DRAVEX_CALC) + " " + arguments + " >" + outFile + " 2>" + errFile).c_str());
    Ran r;
    r.status = wait != -1 && WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
    const auto slurp = [](const std::string &path) {
        std::ifstream f(path);
        std::ostringstream text;
        text << f.rdbuf();
        return text.str();
    };
    r.out = slurp(outFile);
    r.err = slurp(errFile);
    return r;
}

// A grid of ullages over two trims (0 and 1 m by the stern), imported into a new document
// and looked up at 1053 mm with the ship 0.6 m by the stern:
//   row 1000: 5000 + 0.6 x 10 = 5006; row 1100: 4900 + 0.6 x 12 = 4907.2;
//   5006 + 0.53 x (4907.2 - 5006) = 4953.636 m3.
// The same grid printed by the head positive (columns -1 and 0) gives the same volume.
// A level beyond the table is refused, exit 1.
TEST(TankCommands, a_table_imported_and_looked_up_through_the_program)
{
    const std::string doc = ownTempPath("tables.json");
    std::remove(doc.c_str());
    const std::string stern = ownTempPath("stern.csv"), head = ownTempPath("head.csv");
    std::ofstream(stern) << "ullage,0,1\n1000,5000,5010\n1100,4900,4912\n";
    std::ofstream(head) << "ullage;-1;0\n1000;5010;5000\n1100;4912;4900\n";

    Ran r = process("tank-table import " + stern +
                    " --name 1P --skip-rows 1 --value-column 2,3 --trims 0,1 --owner 'MT Test' --into " + doc);
    ASSERT_EQ(r.status, 0) << r.err;
    r = process("tank-table import " + head +
                " --name 1S --skip-rows 1 --value-column 2,3 --trims=-1,0 --trim-convention head --into " + doc);
    ASSERT_EQ(r.status, 0) << r.err;

    // A one-column table keeping its gauge point, 5 m aft of the tank's centre: with the
    // ship 0.6 m by the stern and 200 m between perpendiculars the ullage is corrected by
    // 5 x 0.6 / 200 = 0.015 m: 1053 + 15 = 1068 mm, 5000 - 0.68 x 100 = 4932 m3.
    const std::string plain = ownTempPath("plain.csv");
    std::ofstream(plain) << "1000,5000\n1100,4900\n";
    r = process("tank-table import " + plain + " --name 2P --gauge-offset 5 --into " + doc);
    ASSERT_EQ(r.status, 0) << r.err;
    r = process("tank-table lookup " + doc + " --tank 2P --level 1053 --draft-aft 8.6 --draft-forward 8.0 --lbp 200");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Volume: 4932 m3"), std::string::npos) << r.out;

    for (const char *tank : {"1P", "1S"}) {
        r = process("tank-table lookup " + doc + " --tank " + tank +
                    " --level 1053 --draft-aft 8.6 --draft-forward 8.0");
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find("Volume: 4953.636 m3"), std::string::npos) << tank << "\n" << r.out;
        EXPECT_NE(r.out.find("0.6 m by the stern"), std::string::npos) << r.out;
    }
    r = process("tank-table lookup " + doc + " --tank 1P --level 1200 --json");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("outside the table"), std::string::npos) << r.err;
}

struct LayoutCase
{
    std::string tank;
    std::string grid;       // the grid file's text
    std::string listGrid;   // a second grid with the list columns, or empty
    std::string importArgs; // the mapping after GRID
    std::string lookupArgs; // drafts and list
    std::string volume;     // expected, as printed
};

// Layouts 3 and 4 from one grid each (even-keel volume beside the trim correction columns),
// printed by the stern positive and again by the head positive, looked up at an ullage of
// 1053 mm (53% of the way from row 1000 to row 1100); even keel there: 5000 - 53 = 4947.
//
// Layout 3, trims 0.5 and 1 m, level corrections -4/-8 at 1000 and -6/-12 at 1100; ship
// 8.75 aft, 8.0 forward (0.75 m by the stern, half-way between the columns):
//   row 1000 -6, row 1100 -9; -6 + 0.53 x (-3) = -7.59 -> -8 mm; ullage 1045:
//   5000 + 0.45 x (4900 - 5000) = 4955.
// The same table at 0.25 m by the stern, half-way from even keel (no correction) to 0.5:
//   -2 and -3; -2 + 0.53 x (-1) = -2.53 -> -3 mm; ullage 1050: 4950.
// Layout 4, volume corrections 2/4 at 1000 and 3/6 at 1100, 0.75 m by the stern:
//   3 and 4.5; 3 + 0.53 x 1.5 = 3.795; 4947 + 3.795 = 4950.795. List corrections to the
//   volume printed to port positive (-1: -1.5/-2, 1: 1.5/2 at rows 1000/1100); 0.4 degrees
//   to starboard is -0.4 in the table, 0.4 of the way from upright to -1:
//   -0.6 and -0.8; -0.6 + 0.53 x (-0.2) = -0.706; 4950.795 - 0.706 = 4950.089 m3.
// Printed by the head positive, the trim columns are -1 and -0.5 with the same figures;
// the list grid of the head table is its own file, printed to starboard positive.
TEST(TankCommands, layouts_3_and_4_imported_and_looked_up_with_trim_and_list)
{
    const std::string stern = " --trims 0.5,1 --value-column 3,4 --even-keel-column 2";
    const std::string head = " --trims=-1,-0.5 --trim-convention head --value-column 3,4 --even-keel-column 2";
    const std::string trim075 = " --draft-aft 8.75 --draft-forward 8.0";
    const LayoutCase cases[] = {
        {"L3S", "ullage,even keel,0.5,1\n1000,5000,-4,-8\n1100,4900,-6,-12\n1200,4800,-8,-16\n", "",
         stern + " --corrections level", trim075, "4955"},
        {"L3H", "ullage;even keel;-1;-0.5\n1000;5000;-8;-4\n1100;4900;-12;-6\n1200;4800;-16;-8\n", "",
         head + " --corrections level", trim075, "4955"},
        {"L3S", "", "", "", " --draft-aft 8.25 --draft-forward 8.0", "4950"},
        {"L4S", "ullage,ek,0.5,1,-1,1\n1000,5000,2,4,-1.5,1.5\n1100,4900,3,6,-2,2\n1200,4800,4,8,-2.5,2.5\n", "",
         stern + " --corrections volume --list-columns 5,6 --lists=-1,1 --list-target volume --list-convention port",
         trim075 + " --list 0.4", "4950.089"},
        {"L4H", "ullage,ek,-1,-0.5\n1000,5000,4,2\n1100,4900,6,3\n1200,4800,8,4\n",
         "ullage,-1,1\n1000,1.5,-1.5\n1100,2,-2\n1200,2.5,-2.5\n",
         head + " --corrections volume --list-columns 2,3 --lists=-1,1 --list-target volume", trim075 + " --list 0.4",
         "4950.089"},
    };
    const std::string doc = ownTempPath("layouts.json");
    std::remove(doc.c_str());
    for (const LayoutCase &c : cases) {
        SCOPED_TRACE(c.tank + c.lookupArgs);
        if (!c.grid.empty()) {
            const std::string grid = ownTempPath(c.tank + ".csv"), list = ownTempPath(c.tank + "-list.csv");
            std::ofstream(grid) << c.grid;
            std::string args = c.importArgs;
            if (!c.listGrid.empty()) {
                std::ofstream(list) << c.listGrid;
                args += " --list-grid " + list;
            }
            const Ran r =
                process("tank-table import " + grid + " --name " + c.tank + " --skip-rows 1" + args + " --into " + doc);
            ASSERT_EQ(r.status, 0) << r.err;
        }
        const Ran r = process("tank-table lookup " + doc + " --tank " + c.tank + " --level 1053" + c.lookupArgs);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find("Volume: " + c.volume + " m3\n"), std::string::npos) << r.out;
    }
    // check shows what was kept.
    Ran r = process("tank-table check " + doc);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("L3H: level x trim to level correction, with an even-keel table"), std::string::npos);
    EXPECT_NE(r.out.find("trims as printed (by the head positive): -1, -0.5"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("list corrections to the volume, lists as printed (to port positive): -1, 1 degrees"),
              std::string::npos)
        << r.out;
    r = process("tank-table check " + doc + " --json");
    EXPECT_NE(r.out.find(R"("list": {
        "to": "volume",
        "convention": "starboard-positive",)"),
              std::string::npos)
        << r.out;
}

// A shore tank's shell and roof, and a ship tank's gauge point, kept and shown by check.
// Refusals write nothing: the document is not made.
TEST(TankCommands, import_keeps_the_shell_roof_and_gauge_point_and_refuses_bad_options)
{
    const std::string grid = ownTempPath("innage.csv"), doc = ownTempPath("shore.json");
    std::remove(doc.c_str());
    std::ofstream(grid) << "0,0\n24,1000\n60,2500\n540,22500\n";
    const std::string shore = "tank-table import " + grid + " --name T1 --kind shore --level-kind innage";
    struct Refusal
    {
        std::string args;
        int status;
        std::string errPart;
    };
    const Refusal refusals[] = {
        {"tank-table import " + grid + " --name 1P --value-column 2 --trims 0.5 --corrections level", kExitUsage,
         "--corrections requires --even-keel-column"},
        {"tank-table import " + grid + " --name 1P --roof-weight 1000 --roof-critical-low 24 --roof-critical-high 60",
         kExitUsage, "--roof-weight is for shore tanks"},
        {shore + " --gauge-offset 3", kExitUsage, "--gauge-offset is for ship tanks"},
        {shore + " --roof-weight 1000 --roof-critical-low 60 --roof-critical-high 24", kExitUsage,
         "--roof-critical-low (60 mm) must be below --roof-critical-high (24 mm)"},
        {shore + " --roof-deducted --roof-rate 2", kExitUsage, "--roof-deducted requires --roof-reference-gravity"},
        {"tank-table import " + grid + " --name 1P --tank-length 20", kExitUsage, "requires"},
        {"tank-table import " + grid + " --name 1P --list-columns 2 --lists 1 --list-target level --list-grid " + grid +
             ".missing",
         kExitStopped, "cannot open"},
    };
    for (const Refusal &c : refusals) {
        SCOPED_TRACE(c.args);
        const Ran r = process(c.args + " --into " + doc);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_NE(r.err.find(c.errPart), std::string::npos) << r.err;
        EXPECT_FALSE(std::ifstream(doc).good());
    }
    Ran r = process(shore +
                    " --alpha 0.0000065 --roof-deducted --roof-reference-gravity 35 --roof-rate 2.5 "
                    "--roof-critical-low 24 --roof-critical-high 60 --terminal --into " +
                    doc);
    ASSERT_EQ(r.status, 0) << r.err;
    r = process("tank-table import " + grid +
                " --name 2S --gauge-offset=-3.5 --gauge-transverse 4 --tank-length 20 --tank-width 15 --tank-depth 18 "
                "--hatch-to-bulkhead 2 --into " +
                doc);
    ASSERT_EQ(r.status, 0) << r.err;
    r = process("tank-table check " + doc);
    EXPECT_EQ(r.status, 0) << r.err;
    for (const char *kept : {"shell: mild steel, alpha 6.5E-06 per F (the table's), reference 60 F, not insulated",
                             "floating roof: deducted by the table at 35 API, 2.5 m3 per API; critical zone 24 mm to "
                             "60 mm innage",
                             "gauge point 3.5 m forward of the tank's centre", "gauge point 4 m to starboard",
                             "tank for the wedge: length 20, width 15, depth 18, hatch 2 from the aft bulkhead (m)"})
        EXPECT_NE(r.out.find(kept), std::string::npos) << kept << "\n" << r.out;
}

} // namespace
} // namespace dravex
