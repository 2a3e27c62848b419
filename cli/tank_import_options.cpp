// SPDX-License-Identifier: GPL-3.0-or-later
// dravex-calc tank-table import's options: the grid's mapping (shared with check), the
// layout, the list corrections, the gauge point, the shell and the floating roof. Which
// option needs or excludes which is declared here, so CLI11 refuses a wrong combination.
#include "cli/tank_command_parts.h"

#include <iostream>

namespace dravex::tankcli {

void addMappingOptions(CLI::App *command, MappingOptions &m)
{
    command->add_option("--level-column", m.levelColumn, "The column of the levels, from 1 (default 1)")
        ->check(CLI::Range(1, 10000));
    CLI::Option *values =
        command
            ->add_option("--value-column", m.valueColumns,
                         "A column of volumes, from 1; one per trim with --trims (default: the column after the "
                         "levels)")
            ->check(CLI::Range(1, 10000))
            ->delimiter(',');
    command->add_option("--trims", m.trims, "The trim of each value column as the table prints it, comma separated")
        ->delimiter(',')
        ->needs(values);
    command
        ->add_option("--trim-convention", m.trimConvention,
                     "stern: the table's positive trims are by the stern (default); head: by the head")
        ->check(CLI::IsMember({"stern", "head"}));
    command->add_option("--skip-rows", m.skipRows, "Heading lines before the first level")->check(CLI::Range(0, 1000));
    command->add_option("--delimiter", m.delimiter, "comma, semicolon or tab (default: found from the first line)")
        ->check(CLI::IsMember({"comma", "semicolon", "tab"}));
    command->add_flag("--decimal-comma", m.decimalComma, "Numbers are written 12,5");
    command->add_option("--level-unit", m.levelUnit, "mm (default), cm, m or ft-in-8")->check(words(kLevelUnitWords));
}

namespace {

// Layouts 3 and 4 and the list corrections.
void addLayoutOptions(CLI::App *importer, TankCommandOptions &o)
{
    CLI::Option *evenKeel =
        importer
            ->add_option("--even-keel-column", o.evenKeelColumn,
                         "The column of the even-keel volumes; --value-column and --trims are then the trim "
                         "correction columns")
            ->check(CLI::Range(1, 10000));
    CLI::Option *corrections =
        importer
            ->add_option("--corrections", o.corrections,
                         "With --even-keel-column: the trim columns correct the level (layout 3) or the volume "
                         "(layout 4)")
            ->check(CLI::IsMember({"level", "volume"}));
    evenKeel->needs(corrections)->needs(importer->get_option("--trims"));
    corrections->needs(evenKeel);

    CLI::Option *listColumns =
        importer->add_option("--list-columns", o.listColumns, "The list correction columns, from 1, comma separated")
            ->check(CLI::Range(1, 10000))
            ->delimiter(',');
    CLI::Option *lists =
        importer->add_option("--lists", o.lists, "The list of each list column in degrees, as the table prints it")
            ->delimiter(',');
    CLI::Option *target =
        importer->add_option("--list-target", o.listTarget, "The list columns correct the level or the volume")
            ->check(CLI::IsMember({"level", "volume"}));
    listColumns->needs(lists)->needs(target);
    lists->needs(listColumns);
    target->needs(listColumns);
    importer
        ->add_option("--list-convention", o.listConvention,
                     "starboard: the table prints a list to starboard positive (default); port: negative")
        ->check(CLI::IsMember({"starboard", "port"}))
        ->needs(listColumns);
    importer
        ->add_option("--list-grid", o.listGrid,
                     "The grid holding the list columns, read with the same mapping (default: GRID)")
        ->needs(listColumns);
}

// A ship tank's gauge point and the tank's size for the wedge.
void addPlaceOptions(CLI::App *importer, TankCommandOptions &o)
{
    importer
        ->add_option("--gauge-offset", o.gaugeOffset,
                     "Ship tanks: the gauge point's distance from the tank's longitudinal centre, positive aft")
        ->check(fieldNumber());
    importer
        ->add_option("--gauge-transverse", o.gaugeTransverse,
                     "Ship tanks: the gauge point's distance from the tank's centre line, positive to starboard")
        ->check(fieldNumber());
    const std::array<CLI::Option *, 4> size = {
        importer->add_option("--tank-length", o.tankLength, "Ship tanks, for the wedge: the tank's length"),
        importer->add_option("--tank-width", o.tankWidth, "Ship tanks, for the wedge: the tank's width"),
        importer->add_option("--tank-depth", o.tankDepth, "Ship tanks, for the wedge: the tank's depth"),
        importer->add_option("--hatch-to-bulkhead", o.hatchToBulkhead,
                             "Ship tanks, for the wedge: from the gauge hatch to the aft bulkhead")};
    for (CLI::Option *a : size) {
        a->check(fieldNumber());
        for (CLI::Option *b : size)
            if (a != b)
                a->needs(b);
    }
}

// A shore tank's floating roof.
void addRoofOptions(CLI::App *importer, TankCommandOptions &o)
{
    CLI::Option *deducted =
        importer->add_flag("--roof-deducted", o.roofDeducted, "Shore tanks: the table deducted the roof already");
    CLI::Option *gravity = importer
                               ->add_option("--roof-reference-gravity", o.roofReferenceGravity,
                                            "The gravity (API or kg/m3) the table's roof deduction assumes")
                               ->check(fieldNumber())
                               ->needs(deducted);
    CLI::Option *rate = importer
                            ->add_option("--roof-rate", o.roofRate,
                                         "The table's roof adjustment in volume units per degree API (per kg/m3)")
                            ->check(fieldNumber())
                            ->needs(deducted);
    importer->add_option("--roof-scale", o.roofScale, "api (default) or kgm3: the scale of the gravity and rate")
        ->check(CLI::IsMember({"api", "kgm3"}))
        ->needs(deducted);
    CLI::Option *weight =
        importer
            ->add_option("--roof-weight", o.roofWeight,
                         "Shore tanks: the roof's weight, for a table that did not deduct it (in the unit the "
                         "density is given in per volume unit)")
            ->check(fieldNumber())
            ->excludes(deducted);
    CLI::Option *low = importer->add_option("--roof-critical-low", o.roofCriticalLow,
                                            "The innage at or below which the roof rests on its legs");
    CLI::Option *high = importer->add_option("--roof-critical-high", o.roofCriticalHigh,
                                             "The innage at or above which the roof floats");
    low->needs(high);
    high->needs(low);
    deducted->needs(gravity)->needs(rate)->needs(low);
    weight->needs(low);
}

} // namespace

void addImportCommand(CLI::App *tankTable, TankCommandOptions &o, std::ostream &out, std::ostream &err, int &status)
{
    CLI::App *importer = tankTable->add_subcommand("import", "Import a CSV or tab-separated grid as a tank's table");
    importer->add_option("GRID", o.import.file, "The grid: levels down, one volume column or one per trim")->required();
    addMappingOptions(importer, o.import);
    importer->add_option("--name", o.name, "The tank's name")->required();
    importer->add_option("--kind", o.kind, "ship (default) or shore")->check(CLI::IsMember({"ship", "shore"}));
    importer->add_option("--level-kind", o.levelKind, "ullage (default) or innage")
        ->check(CLI::IsMember({"ullage", "innage"}));
    importer->add_option("--reference-height", o.referenceHeight, "The reference height, in the level unit")
        ->check(fieldNumber());
    importer->add_option("--volume-unit", o.volumeUnit, "m3 (default), bbl, l or usgal")
        ->check(words(kVolumeUnitWords));
    importer->add_option("--into", o.into,
                         "The table document to add the table to (made if missing; a table of the "
                         "same name is replaced); without it the document is printed");
    importer->add_option("--owner", o.owner, "The vessel's or terminal's name");
    importer->add_flag("--terminal", o.terminal,
                       "A new document is a shore terminal's, not a vessel's (an existing one keeps its kind)");
    addLayoutOptions(importer, o);
    addPlaceOptions(importer, o);
    importer->add_option("--shell-scale", o.shellScale, "Shore tanks: F (default) or C")
        ->check(CLI::IsMember({"F", "C"}));
    importer->add_option("--shell-reference", o.shellReference, "Shore tanks: the shell's reference temperature")
        ->check(fieldNumber());
    importer
        ->add_option("--alpha", o.alpha, "Shore tanks: the shell's linear expansion per degree (default mild steel)")
        ->check(fieldNumber());
    importer->add_flag("--insulated", o.insulated, "Shore tanks: the tank is insulated");
    addRoofOptions(importer, o);
    importer->callback([&o, &out, &err, &status] { status = runImport(o, out, err); });
}

} // namespace dravex::tankcli
