// SPDX-License-Identifier: GPL-3.0-or-later
// dravex-calc ctsh and roof: a shore tank's shell correction and floating-roof adjustment.
#include "cli/command_line.h"
#include "cli/tank_command_parts.h"

#include "core/conventions.h"
#include "core/shore_tank.h"

#include <iostream>

namespace dravex::tankcli {

namespace {

// ---- ctsh ----

// Linear expansion per degree F of the shell materials known by name; per degree C it is
// 1.8 times as much (mild steel: the standard's 0.00001116).
constexpr std::array<std::pair<const char *, double>, 4> kMaterials = {
    {{"mild-steel", kMildSteelAlphaPerF}, {"304", 0.0000096}, {"316", 0.0000088}, {"17-4ph", 0.0000060}}};

int runCtsh(const TankCommandOptions &o, std::ostream &out, std::ostream &err)
{
    const std::string command = "ctsh";
    if (o.ambient.empty() && !o.ctshInsulated)
        return fail(err, command, "give --ambient, or --insulated for an insulated tank", kExitUsage);
    try {
        const double liquid = ParseFieldNumber(o.liquid, "--liquid");
        const double ambient = o.ambient.empty() ? liquid : ParseFieldNumber(o.ambient, "--ambient");
        const double reference = o.reference.empty() ? (o.celsius ? 15 : 60) : ParseFieldNumber(o.reference);
        double alpha = 0;
        std::string material = o.material.empty() ? "mild-steel" : o.material;
        if (!o.ctshAlpha.empty()) {
            alpha = ParseFieldNumber(o.ctshAlpha, "--alpha");
            material = "alpha given";
        } else {
            alpha = *fromWord(material, kMaterials);
            if (o.celsius)
                alpha = material == "mild-steel" ? kMildSteelAlphaPerC : alpha * 1.8;
        }
        if (!(alpha > 0 && alpha < 0.001))
            return fail(err, command, "--alpha must be more than 0 and under 0.001 per degree", kExitUsage);
        const double shell = ShellTemperature(liquid, ambient, o.ctshInsulated);
        const double ctsh = Ctsh(alpha, shell, reference);
        const char *deg = o.celsius ? "C" : "F";
        if (o.ctshJson) {
            out << Json{{"shell_temperature", FormatFieldNumber(shell)},
                        {"ctsh", FormatFieldNumber(ctsh)},
                        {"alpha", FormatFieldNumber(alpha)},
                        {"scale", deg}}
                       .dump()
                << '\n';
        } else {
            out << "Shell temperature: " << FormatFieldNumber(shell) << ' ' << deg
                << (o.ctshInsulated ? " (insulated: the liquid's)" : " ((7 x liquid + ambient) / 8, to a whole degree)")
                << "\nCTSh: " << FormatFieldNumber(ctsh) << " (alpha " << FormatFieldNumber(alpha) << " per " << deg
                << ", " << material << ", dT from " << FormatFieldNumber(reference) << ' ' << deg << ")\n";
        }
    } catch (const CalcFault &fault) {
        return fail(err, command, fault.message(), kExitStopped);
    }
    return kExitComputed;
}

// ---- roof ----

int runRoof(const TankCommandOptions &o, std::ostream &out, std::ostream &err)
{
    const std::string command = "roof";
    FloatingRoof roof;
    roof.tableDeducted = o.deducted;
    double gravity = 0, density = 0, vcf = 1;
    try {
        if (o.deducted) {
            if (o.referenceGravity.empty() || o.rate.empty() || o.gravity.empty())
                return fail(err, command, "--deducted needs --reference-gravity, --rate and --gravity", kExitUsage);
            roof.scale = o.scale == "kgm3" ? GravityScale::KgPerCubicMetre : GravityScale::Api;
            roof.referenceGravity = ParseFieldNumber(o.referenceGravity, "--reference-gravity");
            roof.rate = ParseFieldNumber(o.rate, "--rate");
            gravity = ParseFieldNumber(o.gravity, "--gravity");
        } else {
            if (o.weight.empty() || o.density.empty())
                return fail(err, command, "give --weight and --density (or --deducted and its figures)", kExitUsage);
            roof.weight = ParseFieldNumber(o.weight, "--weight");
            density = ParseFieldNumber(o.density, "--density");
            vcf = ParseFieldNumber(o.vcf, "--vcf");
        }
    } catch (const CalcFault &fault) {
        return fail(err, command, fault.message(), kExitUsage);
    }
    const VolumeUnit unit = *fromWord(o.unit, kVolumeUnitWords);
    const TableValue v = RoofAdjustment(roof, unit, gravity, density, vcf);
    if (!v.ok())
        return fail(err, command, v.stop->notice, kExitStopped);
    const std::string shown = FormatFieldNumber(v.value);
    if (o.roofJson) {
        out << Json{{"adjustment", shown}, {"unit", VolumeUnitName(unit)}, {"working", v.working}}.dump() << '\n';
        return kExitComputed;
    }
    for (const std::string &line : v.working)
        out << line << '\n';
    out << "Roof adjustment: " << shown << ' ' << VolumeUnitName(unit) << (v.value < 0 ? " (taken off)" : " (added)")
        << '\n';
    return kExitComputed;
}

} // namespace

void addShoreCommands(CLI::App &app, TankCommandOptions &o, std::ostream &out, std::ostream &err, int &status)
{
    CLI::App *ctsh = app.add_subcommand("ctsh", "A shore tank's shell temperature and CTSh");
    ctsh->add_option("--liquid", o.liquid, "The liquid's temperature")->required()->check(fieldNumber());
    CLI::Option *ambient = ctsh->add_option("--ambient", o.ambient, "The ambient temperature")->check(fieldNumber());
    ctsh->add_flag("--insulated", o.ctshInsulated, "The tank is insulated: the shell is at the liquid's temperature")
        ->excludes(ambient);
    CLI::Option *material = ctsh->add_option("--material", o.material, "mild-steel (default), 304, 316 or 17-4ph")
                                ->check(CLI::IsMember({"mild-steel", "304", "316", "17-4ph"}));
    ctsh->add_option("--alpha", o.ctshAlpha, "The shell's linear expansion per degree")
        ->check(fieldNumber())
        ->excludes(material);
    ctsh->add_option("--reference", o.reference, "The shell's reference temperature (default 60 F, 15 C)")
        ->check(fieldNumber());
    ctsh->add_flag("--celsius", o.celsius, "Temperatures in degrees C (default F)");
    ctsh->add_flag("--json", o.ctshJson, "Print one JSON object");
    ctsh->callback([&o, &out, &err, &status] { status = runCtsh(o, out, err); });

    CLI::App *roof = app.add_subcommand("roof", "A floating roof's volume adjustment");
    CLI::Option *deducted =
        roof->add_flag("--deducted", o.deducted, "The table deducted the roof already, at a reference gravity");
    CLI::Option *referenceGravity =
        roof->add_option("--reference-gravity", o.referenceGravity, "The gravity the table's deduction assumes")
            ->check(fieldNumber())
            ->needs(deducted);
    roof->add_option("--rate", o.rate, "The table's adjustment per unit of gravity")
        ->check(fieldNumber())
        ->needs(deducted);
    roof->add_option("--gravity", o.gravity, "The liquid's gravity at tank temperature")
        ->check(fieldNumber())
        ->needs(deducted);
    roof->add_option("--scale", o.scale, "api (default) or kgm3")
        ->check(CLI::IsMember({"api", "kgm3"}))
        ->needs(referenceGravity);
    CLI::Option *weight = roof->add_option("--weight", o.weight, "The roof's weight")->check(fieldNumber());
    weight->excludes(deducted);
    roof->add_option("--density", o.density, "The liquid's density in air, in the weight's unit per volume unit")
        ->check(fieldNumber())
        ->excludes(deducted);
    roof->add_option("--vcf", o.vcf, "The liquid's VCF (default 1)")->check(fieldNumber())->excludes(deducted);
    roof->add_option("--unit", o.unit, "The table's volume unit: m3, bbl, l or usgal")
        ->required()
        ->check(words(kVolumeUnitWords));
    roof->add_flag("--json", o.roofJson, "Print one JSON object");
    roof->callback([&o, &out, &err, &status] { status = runRoof(o, out, err); });
}

} // namespace dravex::tankcli
