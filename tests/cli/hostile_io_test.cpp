// SPDX-License-Identifier: GPL-3.0-or-later
// dravex-calc as a process, against what the world does to it: files that are not reports,
// standard output that cannot be written, standard input that cannot be read. Its exit
// status and its words on standard error are what a script sees.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Exit
{
    bool exited = false; // false: ended by a signal
    int status = -1;
    std::string err;
};

// A path in the test's temporary folder, of this process alone: ctest runs each test of
// this file as a process of its own, side by side.
std::string ownTempPath(const std::string &name)
{
    return testing::TempDir() + "dravex_" + std::to_string(::getpid()) + "_" + name;
}

// Runs the shell command line given after "dravex-calc", with standard error kept; input,
// if any, on standard input.
Exit run(const std::string &arguments, const std::string &input = {})
{
    const std::string errFile = ownTempPath("calc_stderr.txt");
    std::string redirect;
    if (!input.empty()) {
        const std::string inFile = ownTempPath("calc_stdin.txt");
        std::ofstream(inFile, std::ios::binary) << input;
        redirect = " <" + inFile;
    }
    const int wait = std::system((std::string(DRAVEX_CALC) + " " + arguments + redirect + " 2>" + errFile).c_str());
    Exit e;
    e.exited = wait != -1 && WIFEXITED(wait);
    e.status = e.exited ? WEXITSTATUS(wait) : -1;
    std::ifstream f(errFile);
    std::ostringstream text;
    text << f.rdbuf();
    e.err = text.str();
    return e;
}

std::string quoted(const fs::path &p)
{
    return "'" + p.string() + "'";
}

// Every file of a folder of hostile reports: an exit of 0, 1 or 2 with a word on standard
// error for each refusal, never an abort, never memory without bound.
TEST(HostileReports, every_file_exits_0_1_or_2_and_says_why_it_was_refused)
{
    const fs::path dir = fs::path(ownTempPath("hostile_reports"));
    fs::remove_all(dir);
    fs::create_directories(dir / "a folder.json");
    const auto write = [&](const std::string &name, const std::string &bytes) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
    };
    const std::string good = R"({"format": "dravex-cargo-report", "version": 1, "tanks": [
        {"tank": "1P", "grade": "Arab Light", "type": "A", "total": "10050", "freeWater": "50",
         "temperature": "80", "gravity": "30"}]})";
    write("good.json", good);
    write("empty.json", "");
    write("nul bytes.json", std::string(4096, '\0'));
    std::string junk;
    for (int i = 0; i < 70000; ++i)
        junk += static_cast<char>((i * 7919 + 13) % 256);
    write("junk.bin", junk);
    for (const std::size_t cut : std::vector<std::size_t>{1, 20, 60, 100, good.size() - 3})
        write("cut at " + std::to_string(cut) + ".json", good.substr(0, cut));
    write("deep.json", std::string(200000, '[') + std::string(200000, ']'));
    write("not text.json", R"({"format": "dravex-cargo-report", "version": 1, "tanks": [{"tank": ")"
                           "\xff\xfe"
                           R"("}]})");
    write("huge version.json", R"({"format": "dravex-cargo-report", "version": 1e400, "tanks": []})");
    // Larger than any report: a sparse file, and a device that never ends.
    std::ofstream(dir / "large.json").close();
    fs::resize_file(dir / "large.json", 64ull * 1024 * 1024);
    fs::create_symlink("/dev/zero", dir / "zero.json");
    fs::create_symlink(dir / "missing", dir / "dangling.json");

    int refused = 0;
    for (const fs::directory_entry &entry : fs::directory_iterator(dir)) {
        SCOPED_TRACE(entry.path().filename().string());
        const Exit e = run("report " + quoted(entry.path()) + " >/dev/null");
        ASSERT_TRUE(e.exited);
        EXPECT_TRUE(e.status == 0 || e.status == 1 || e.status == 2) << e.status;
        if (e.status != 0) {
            ++refused;
            EXPECT_NE(e.err.find("dravex-calc: "), std::string::npos) << e.err;
        }
    }
    EXPECT_EQ(refused, 15); // all but the good one

    EXPECT_EQ(run("report " + quoted(dir / "a folder.json")).err,
              "dravex-calc: cannot read " + (dir / "a folder.json").string() + ": Is a directory\n");
    const Exit zero = run("report " + quoted(dir / "zero.json"));
    EXPECT_EQ(zero.status, 1);
    EXPECT_NE(zero.err.find("larger than 16 MiB"), std::string::npos) << zero.err;
    fs::remove_all(dir);
}

// Output that cannot be written is a failure in every mode, said on standard error: a
// full device and a closed descriptor alike. Input that cannot be read is one too.
TEST(HostileStreams, a_failed_write_or_read_exits_1_and_says_so)
{
    const std::vector<std::string> modes = {
        "table6a --api 30 --temp 80 --gross 10000",
        "vcf2004 --group crude --api 30 --temp 80 --json",
        "table table6b --api 30:40:0.1 --temp 60:90:1 --gross 1 --show vcf",
        "--list --json",
        "--help",
        "batch table6b",
    };
    for (const std::string &mode : modes) {
        for (const char *sink : {" >/dev/full", " >&-"}) {
            SCOPED_TRACE(mode + sink);
            const Exit e = run(mode + sink, "api,temp,gross\n30,80,10000\n");
            ASSERT_TRUE(e.exited);
            EXPECT_EQ(e.status, 1);
            EXPECT_NE(e.err.find("dravex-calc: cannot write standard output"), std::string::npos) << e.err;
        }
    }
    const Exit folder = run("batch table6b </ >/dev/null");
    EXPECT_EQ(folder.status, 1);
    EXPECT_NE(folder.err.find("dravex-calc: cannot read standard input: Is a directory"), std::string::npos)
        << folder.err;
}

} // namespace
