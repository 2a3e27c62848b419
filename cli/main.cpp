// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_line.h"

#include <iostream>

int main(int argc, char **argv)
{
    std::ios::sync_with_stdio(false);
    return dravex::runCommandLine(std::vector<std::string>(argv + 1, argv + argc), std::cin, std::cout, std::cerr);
}
