// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/additives.h"

#include "core/conventions.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>

namespace dravex {

namespace {

constexpr double kGallonsPerBarrel = 42;

} // namespace

double FsiiFraction(double desired, double lab)
{
    const double difference = Finite(desired - lab);
    return difference / 100;
}

double FsiiGallonsForBarrels(double barrels, double fraction)
{
    const double product = Finite(barrels * fraction);
    return Finite(kGallonsPerBarrel * product);
}

double FsiiGallonsPerThousandBarrels(double shownGallons, double barrels)
{
    const double thousands = barrels / 1000;
    return Divide(shownGallons, thousands);
}

double FsiiGallonsForGallons(double gallons, double fraction)
{
    return Finite(gallons * fraction);
}

SdaDose SdaDoseFor(double lab, double desired)
{
    // Below the lab result the fuel already holds more than wanted: nothing to add.
    const double target = desired < lab ? lab : desired;
    SdaDose d;
    d.increase = Finite(target - lab);
    d.remainder = (1000 - d.increase) / 1000;
    d.fraction = Finite(1 - d.remainder);
    d.perThousand = Finite(d.fraction * 82);
    return d;
}

SdaBarrelsMix SdaMixForBarrels(const SdaDose &dose, double barrels)
{
    SdaBarrelsMix m;
    m.fuelGallons = Finite(barrels * kGallonsPerBarrel);
    m.dose = Finite((dose.perThousand / 1000) * m.fuelGallons);
    m.cut = TruncateToPlaces(m.dose, 1);
    m.millilitres = Finite(m.cut * 10);
    m.sdaGallons = m.millilitres / 3785;
    m.shown = RoundToPlaces(m.sdaGallons, 2);
    return m;
}

double SdaPremixFuelForBarrels(double shownSdaGallons)
{
    const double fuel = Finite(shownSdaGallons * 9);
    return RoundToPlaces(fuel, 2);
}

SdaGallonsMix SdaMixForGallons(const SdaDose &dose, double gallons)
{
    SdaGallonsMix m;
    m.dose = Finite((dose.perThousand / 1000) * gallons);
    m.tenths = Finite(std::fabs(m.dose) * 10);
    m.millilitres = std::floor(m.tenths) / 10;
    return m;
}

SdaGallonsPremix SdaPremixFuelForGallons(const SdaGallonsMix &mix)
{
    SdaGallonsPremix p;
    p.premix = Finite(mix.tenths * 10) / 3785;
    p.shown = RoundToPlaces(p.premix, 1);
    return p;
}

std::optional<double> SdaMinimumPremixFuel(double shownFuelGallons)
{
    if (shownFuelGallons <= kSdaMinimumPremixGallons)
        return kSdaMinimumPremixGallons;
    return std::nullopt;
}

const std::array<CorrosionInhibitor, 13> &CorrosionInhibitors()
{
    static constexpr std::array<CorrosionInhibitor, 13> products{{
        {"APOLLO PRI-19", 18},
        {"DUPONT DCI-4A", 9},
        {"DUPONT DCI-6A", 9},
        {"HITEC 580", 15},
        {"NALCO 5403", 14},
        {"TOLAD 245", 28},
        {"UNICOR J", 9},
        {"CHEMLINK IPC 4410", 9},
        {"CHEMLINK IPC 4445", 9},
        {"MOBILAD F800", 12},
        {"NALCO 5405", 11},
        {"WELCHEM 91120", 12},
        {"SPEC-AID 8021", 11},
    }};
    return products;
}

std::optional<int> CorrosionInhibitorDoseNumber(std::string_view name)
{
    for (const CorrosionInhibitor &product : CorrosionInhibitors())
        if (product.name == name)
            return product.doseNumber;
    return std::nullopt;
}

CorrosionInhibitorRate CorrosionInhibitorRateFor(int doseNumber, double specificGravity)
{
    CorrosionInhibitorRate r;
    r.active = doseNumber * 0.35;
    r.weight = Finite(specificGravity * 8.328);
    r.perBarrel = Divide(r.active, r.weight) / 1000;
    r.rounded = RoundToPlaces(r.perBarrel, 6);
    return r;
}

CorrosionInhibitorAmount CorrosionInhibitorAmountFor(double rounded, double quantity, VolumeUnit unit)
{
    CorrosionInhibitorAmount a;
    switch (unit) {
    case VolumeUnit::Barrels:
        // X6 * Q to one decimal, by way of a tenth of it.
        a.unscaled = Finite(rounded * quantity) / 10;
        a.amount = Finite(std::floor(Finite(std::fabs(a.unscaled) * 100) + 0.5) / 10);
        a.unitText = "GALs";
        break;
    case VolumeUnit::Gallons:
        a.unscaled = Finite((rounded / kGallonsPerBarrel) * quantity);
        a.amount = RoundToPlaces(a.unscaled, 1);
        a.unitText = "GALs";
        break;
    case VolumeUnit::Litres:
        a.unscaled = Finite((rounded / 3.785) * quantity);
        a.amount = RoundToPlaces(a.unscaled, 1);
        a.unitText = "LTRs";
        break;
    }
    return a;
}

DmdDose DmdDoseForBarrels(double barrels)
{
    DmdDose d;
    d.thousands = barrels / 1000;
    d.gallons = d.thousands * 0.4;
    d.shown = TruncateToPlaces(d.gallons, 2);
    return d;
}

namespace {

const FieldSpec kFsiiBarrelsFields[] = {
    {"txterd", "End results desired"},       {"txtqtb", "Quantity of fuel to be injected :"},
    {"txtflt", "Pre Injection Lab Results"}, {"txtfis", "Inject Gals. of FSII."},
    {"txtgfs", "Gals Per 1000 BBLS."},
};

const FieldSpec kFsiiGallonsFields[] = {
    {"txterd", "End results desired"},
    {"txtqfi", "Quantity of fuel to be injected:"},
    {"txtpir", "Pre Injection Lab Results"},
    {"txtfsi", "Inject Gals. of FSII."},
};

const FieldSpec kSdaBarrelsFields[] = {
    {"txtqti", "Quantity to be Injected:"}, {"txtilr", "Pre Injection Lab Results"}, {"txterw", "End Result Desired"},
    {"txtmix", "Mix Gals of SDA"},          {"txtprd", "Gallons of fuel"},
};

const FieldSpec kSdaGallonsFields[] = {
    {"txtqti", "Quantity to be Injected:"}, {"txtilr", "Pre Injection Lab Results"}, {"txterw", "End Result Desired"},
    {"txtmix", "Mix mls of SDA"},           {"txtprd", "Gallons of fuel"},
};

const FieldSpec kCorrosionInhibitorFields[] = {
    {"txtqpt", "Quantity of product to be injected"},
    {"txtscg", "Specific Gravity of CI being injected"},
    {"txtami", "Mix"},
    {"txtqan", "Unit of the CI to mix"},
    {"Option1", "Barrels"},
    {"Option2", "Gallons"},
    {"Option3", "Liters"},
    {"List1", "Select your CI Type"},
};

const FieldSpec kDmd2Fields[] = {
    {"txtbbl", "Barrels of product to be injected:"},
    {"txtdmd", "Inject gallons of DMD-2"},
};

// The FSII fraction from the lab result in labField and the desired content, then the
// quantity of fuel from quantityField, read in that order.
struct FsiiInputs
{
    double fraction;
    double quantity;
};

FsiiInputs readFsiiInputs(FormRun &run, std::string_view labField, std::string_view quantityField)
{
    const double lab = run.Read(labField);
    const double desired = run.Read("txterd");
    const double fraction = FsiiFraction(desired, lab);
    return {fraction, run.Read(quantityField)};
}

// The SDA dose from the lab and desired results, then the quantity of fuel.
struct SdaInputs
{
    SdaDose dose;
    double quantity;
};

SdaInputs readSdaInputs(FormRun &run)
{
    const double lab = run.Read("txtilr");
    const double desired = run.Read("txterw");
    const SdaDose dose = SdaDoseFor(lab, desired);
    return {dose, run.Read("txtqti")};
}

} // namespace

const FormSpec kForm10{"Form10", "FSII INJECTION CALCULATIONS", kFsiiBarrelsFields};
const FormSpec kForm16{"Form16", "FSII INJECTION CALCULATIONS", kFsiiGallonsFields};
const FormSpec kForm11{"Form11", "STATIC DISSIPATOR ADDITIVE (SDA)", kSdaBarrelsFields};
const FormSpec kForm18{"Form18", "STATIC DISSAPATOR ADDITIVE (SDA)", kSdaGallonsFields};
const FormSpec kForm12{"Form12", "CORROSION INHIBITOR (CI)", kCorrosionInhibitorFields};
const FormSpec kForm19{"Form19", "METAL DEACTIVATOR (DMD-2)", kDmd2Fields};

FormResult FsiiInjectionBarrels(const FieldTexts &texts)
{
    return RunForm(kForm10, texts, [](FormRun &run) {
        const FsiiInputs in = readFsiiInputs(run, "txtflt", "txtqtb");
        run.Show("txtfis", FsiiGallonsForBarrels(in.quantity, in.fraction));
        // The per-1000 figure works from the gallons as shown and the quantity as it
        // stands now.
        const double shownGallons = run.Read("txtfis");
        run.Show("txtgfs", FsiiGallonsPerThousandBarrels(shownGallons, run.Read("txtqtb")));
    });
}

FormResult FsiiInjectionGallons(const FieldTexts &texts)
{
    return RunForm(kForm16, texts, [](FormRun &run) {
        const FsiiInputs in = readFsiiInputs(run, "txtpir", "txtqfi");
        run.Show("txtfsi", FsiiGallonsForGallons(in.quantity, in.fraction));
    });
}

FormResult SdaInjectionBarrels(const FieldTexts &texts)
{
    return RunForm(kForm11, texts, [](FormRun &run) {
        const SdaInputs in = readSdaInputs(run);
        run.Show("txtmix", SdaMixForBarrels(in.dose, in.quantity).shown);
        // Nine parts of fuel to the SDA gallons as shown.
        run.Show("txtprd", SdaPremixFuelForBarrels(run.Read("txtmix")));
    });
}

FormResult SdaInjectionGallons(const FieldTexts &texts)
{
    return RunForm(kForm18, texts, [](FormRun &run) {
        const SdaInputs in = readSdaInputs(run);
        const SdaGallonsMix mix = SdaMixForGallons(in.dose, in.quantity);
        run.Show("txtmix", mix.millilitres);
        run.Show("txtprd", SdaPremixFuelForGallons(mix).shown);
        if (const auto minimum = SdaMinimumPremixFuel(run.Read("txtprd")))
            run.Show("txtprd", *minimum);
    });
}

FormResult CorrosionInhibitorMix(const FieldTexts &texts)
{
    return RunForm(kForm12, texts, [](FormRun &run) {
        // Without a product there is no dose to work out.
        const std::optional<int> doseNumber = CorrosionInhibitorDoseNumber(run.text("List1"));
        if (!doseNumber)
            run.stopForChoice("Select your CI Type in the list first.", "no CI type selected");
        const CorrosionInhibitorRate rate = CorrosionInhibitorRateFor(*doseNumber, run.Read("txtscg"));
        static constexpr struct
        {
            std::string_view option;
            VolumeUnit unit;
        } kUnits[] = {
            {"Option1", VolumeUnit::Barrels}, {"Option2", VolumeUnit::Gallons}, {"Option3", VolumeUnit::Litres}};
        const auto chosen =
            std::find_if(std::begin(kUnits), std::end(kUnits), [&](const auto &u) { return run.chosen(u.option); });
        // Nothing to write without a unit.
        if (chosen == std::end(kUnits))
            run.stopForChoice("Choose Barrels, Gallons or Liters, then press Enter again.", "no unit chosen");
        const CorrosionInhibitorAmount amount =
            CorrosionInhibitorAmountFor(rate.rounded, run.Read("txtqpt"), chosen->unit);
        run.Show("txtami", amount.amount);
        run.setText("txtqan", std::string(amount.unitText));
    });
}

FormResult Dmd2Injection(const FieldTexts &texts)
{
    return RunForm(kForm19, texts,
                   [](FormRun &run) { run.Show("txtdmd", DmdDoseForBarrels(run.Read("txtbbl")).shown); });
}

} // namespace dravex
