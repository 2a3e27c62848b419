// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <memory>

namespace CLI {
class App;
}

namespace dravex {

struct VefOptions;

// dravex-calc vef: the vessel experience factor of a voyage log, every voyage with its
// status and reason, and the ship/shore comparison with it.
//   dravex-calc vef VOYAGES.csv --load|--discharge [--vessel NAME] [--current-voyage ID]
//                   [--unit UNIT] [--json]
//   dravex-calc vef --apply --load|--discharge --vessel-tcv X [--obq-rob Y] --shore Z
//                   [--vef V | --vef computed VOYAGES.csv [--vessel NAME]] [--tolerance P]
//                   [--unit UNIT] [--decimals N] [--json]
class VefCommand
{
public:
    ~VefCommand();

    // After the parse: whether vef was the subcommand given.
    bool parsed() const;
    // Runs it; returns the exit status (kExitComputed, kExitStopped, kExitUsage).
    int run(std::ostream &out, std::ostream &err) const;

private:
    friend std::unique_ptr<VefCommand> addVefCommand(CLI::App &app);
    VefCommand();
    std::unique_ptr<VefOptions> m_options;
};

// Adds the vef subcommand and its options to app; the command holds what the parse reads.
std::unique_ptr<VefCommand> addVefCommand(CLI::App &app);

} // namespace dravex
