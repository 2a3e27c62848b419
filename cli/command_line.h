// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace dravex {

// Exit statuses of dravex-calc.
inline constexpr int kExitComputed = 0; // everything asked for was computed
inline constexpr int kExitStopped = 1;  // the calculation stopped, or a file could not be read or written
inline constexpr int kExitUsage = 2;    // the command line is wrong

// Runs dravex-calc on its arguments (without the program's name): reads standard input
// from in, writes results to out and messages to err, and returns the exit status.
int runCommandLine(const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err);

} // namespace dravex
