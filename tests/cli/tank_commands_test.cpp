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

} // namespace
} // namespace dravex
