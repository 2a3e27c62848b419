// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace dravex {

struct TankTableDocument;
struct TankCommandOptions;

// dravex-calc's tank table commands:
//   dravex-calc tank-table import GRID.csv --name TANK [mapping] [--into DOC.json]
//                                  [--even-keel-column N --corrections level|volume] [list columns]
//                                  [gauge point and wedge size (ship)] [shell and roof (shore)]
//   dravex-calc tank-table check FILE [mapping] [--json]   (a table document or a grid)
//   dravex-calc tank-table lookup DOC.json --tank TANK --level L [--draft-aft A --draft-forward F]
//                                  [--list DEG] [--json]
//   dravex-calc tank-table reverse DOC.json --tank TANK --volume V [--draft-aft A --draft-forward F]
//   dravex-calc ctsh --liquid T (--ambient T | --insulated) [--material M | --alpha A] [--reference T]
//                    [--celsius] [--json]
//   dravex-calc roof (--deducted --reference-gravity G --rate R --gravity G | --weight W --density D
//                    [--vcf V]) --unit UNIT [--json]
// Each subcommand's callback writes its status (kExitComputed, kExitStopped, kExitUsage).
class TankCommands
{
public:
    ~TankCommands();

private:
    friend std::unique_ptr<TankCommands> addTankCommands(CLI::App &app, std::ostream &out, std::ostream &err,
                                                         int &status);
    TankCommands();
    std::unique_ptr<TankCommandOptions> m_options;
};

std::unique_ptr<TankCommands> addTankCommands(CLI::App &app, std::ostream &out, std::ostream &err, int &status);

// A tank table document read from a file (at most kMaxReportFileBytes): empty on success,
// else the message naming the file and the fault.
std::string ReadTankTableFile(const std::string &path, std::optional<TankTableDocument> &document);

} // namespace dravex
