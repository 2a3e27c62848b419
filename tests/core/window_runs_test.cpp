// SPDX-License-Identifier: GPL-3.0-or-later
// What a run of a window's calculation reads and writes, in order, and where a stop or a
// fault leaves it: what a window shows only in part (a field written twice shows its last
// text, a stop reads nothing more, the out-of-range window survives a later fault).
#include "core/additives.h"
#include "core/calculations.h"
#include "core/gauging.h"
#include "core/gravity_correction.h"
#include "core/volume_correction.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dravex {
namespace {

// One run on one line: how it ended, whether the out-of-range window is due, the fields
// read, the texts written and the notice.
std::string ranAs(const FormResult &r)
{
    static const char *const kOutcomes[] = {"completed", "fault", "stopped"};
    std::string reads, writes;
    for (const FieldText &read : r.reads)
        reads += (reads.empty() ? "" : " ") + read.field;
    for (const FieldText &write : r.writes)
        writes += (writes.empty() ? "" : " ") + write.field + "=" + write.text;
    return std::string(kOutcomes[int(r.outcome)]) + (r.outOfRange ? " out-of-range" : "") + " | " + reads + " | " +
           writes + " | " + r.notice;
}

FieldTexts with(FieldTexts texts, const FieldTexts &changes)
{
    for (const auto &[field, text] : changes)
        texts[field] = text;
    return texts;
}

struct RunCase
{
    const char *name;
    FormResult (*procedure)(const FieldTexts &);
    FieldTexts texts;
    std::string expected;
};

void expectRuns(const std::vector<RunCase> &cases)
{
    for (const RunCase &c : cases)
        EXPECT_EQ(ranAs(c.procedure(c.texts)), c.expected) << c.name;
}

// The notice line says what is out of range, naming the input, its value and the limit;
// beyond the printed table the figures come all the same, with an advisory.
TEST(WindowRuns, NoticesNameTheInputItsValueAndTheLimit)
{
    struct Case
    {
        const char *name;
        FormResult (*procedure)(const FieldTexts &);
        FieldTexts texts;
        FormOutcome outcome;
        bool outOfRange;
        std::string notice;
    };
    const auto volume = [](const char *api, const char *t) {
        return FieldTexts{{"txtapi", api}, {"txtem", t}, {"txtgv", "10000"}};
    };
    const auto observed = [](const char *value, const char *t) { return FieldTexts{{"txtobg", value}, {"txtobt", t}}; };
    const Case cases[] = {
        {"6A inside, at the top of both ranges", Table6ANetVolume, volume("100", "200"), FormOutcome::Completed, false,
         ""},
        {"6A absurd gravity", Table6ANetVolume, volume("-1e6", "80"), FormOutcome::Completed, false,
         "API gravity -1000000 API is beyond the printed Table 6A (0 to 100 API): the results are an extrapolation"},
        {"6B light oil, hot: the band's own limit", Table6BNetVolume, volume("60", "220"), FormOutcome::Completed,
         false, "Temperature 220 F is beyond the printed Table 6B (0 to 200 F): the results are an extrapolation"},
        {"6B no product group", Table6BNetVolume, volume("0", "80"), FormOutcome::Stopped, true,
         "API gravity 0 is a density of 1074.98 kg/m3, above 1074: no product group; nothing was computed"},
        {"54B above 1074", Table54BNetVolume, volume("1100", "25"), FormOutcome::Stopped, true,
         "Density 1100 kg/m3 is above 1074: no product group or gallons factor; nothing was computed"},
        {"54A both beyond, in reading order", Table54ANetVolume, volume("600", "160"), FormOutcome::Completed, false,
         "Density 600 kg/m3 is beyond the printed Table 54A (610.5 to 1075 kg/m3): the results are an "
         "extrapolation\nTemperature 160 C is beyond the printed Table 54A (-18 to 150 C): the results are an "
         "extrapolation"},
        {"53B outside its bands warns once", Table53BDensity, observed("1080", "40"), FormOutcome::Completed, true,
         "Observed density 1080 kg/m3 is above 1075, outside the Table 53B product groups: the density shown is "
         "corrected for the hydrometer glass alone"},
        {"5B negative gravity", Table5BGravity, observed("-5", "80"), FormOutcome::Completed, false,
         "Observed API gravity -5 API is beyond the printed Table 5B (0 to 85 API): the results are an "
         "extrapolation"},
        {"a fault says only the fault", Table6ANetVolume, volume("-1e6", "x"), FormOutcome::Fault, false,
         "Temperature to 0.5 Degrees F: 'x' is not a number"},
    };
    for (const Case &c : cases) {
        const FormResult r = c.procedure(c.texts);
        EXPECT_EQ(r.outcome, c.outcome) << c.name;
        EXPECT_EQ(r.outOfRange, c.outOfRange) << c.name;
        EXPECT_EQ(r.notice, c.notice) << c.name;
    }
    // Said, and computed exactly as before: a factor of 0 and no net barrels.
    const FormResult absurd = Table6ANetVolume(volume("-1e6", "80"));
    EXPECT_EQ(*absurd.written("txtvcf"), "0");
    EXPECT_EQ(*absurd.written("txtbbl"), "0");

    // Why a run stopped is data, not only its notice: beyond the tables, or a choice not made.
    EXPECT_EQ(Table6BNetVolume(volume("0", "80")).stop, StopReason::OutOfRange);
    EXPECT_EQ(WedgeQuantityRemaining(FieldTexts{{"txtinn", "6"}}).stop, StopReason::MissingChoice);
    EXPECT_EQ(Table6ANetVolume(volume("30", "x")).stop, std::nullopt);
}

// A batch runs a calculation over its fields in fixed places, one set of places for every
// row: each run there must end and write exactly as the window's run over named texts, and
// must leave nothing of the row before it.
TEST(WindowRuns, OverSlotsAsOverNamedTexts)
{
    const auto volume = [](const char *api, const char *t, const char *gross) {
        return FieldTexts{{"txtapi", api}, {"txtem", t}, {"txtgv", gross}};
    };
    const auto observed = [](const char *value, const char *t) { return FieldTexts{{"txtobg", value}, {"txtobt", t}}; };
    // Rows in the order a batch meets them: figures, a bad number, a stop, figures again.
    const std::vector<FieldTexts> volumeRows = {volume("50", "80", "10000"),   volume("35", "60", "x"),
                                                volume("0", "80", "10000"),    volume("1100", "25", "1,000"),
                                                volume("780", "25", "-10000"), volume("-1e6", "", "5")};
    const std::vector<FieldTexts> observedRows = {observed("35", "85.5"), observed("850", "30"), observed("1080", "40"),
                                                  observed("abc", "60"), observed("-5", "80")};
    int checked = 0;
    for (const Calculation &calculation : AllCalculations()) {
        if (!calculation.steps)
            continue;
        FieldSlots slots(*calculation.form);
        const bool byVolume = slots.place("txtgv") != FieldSlots::npos;
        for (const FieldTexts &texts : byVolume ? volumeRows : observedRows) {
            const std::string row = std::string(calculation.form->name) + " " + texts.begin()->second;
            for (const auto &[field, text] : texts)
                slots.given(slots.place(field)) = text;
            const FormResult named = calculation.run(texts);
            const FormResult slotted = RunForm(slots, calculation.steps);
            EXPECT_EQ(slotted.outcome, named.outcome) << row;
            EXPECT_EQ(slotted.outOfRange, named.outOfRange) << row;
            EXPECT_EQ(slotted.stop, named.stop) << row;
            EXPECT_EQ(slotted.notice, named.notice) << row;
            EXPECT_TRUE(slotted.writes.empty()) << row;
            for (std::size_t place = 0; place < calculation.form->fields.size(); ++place) {
                const std::string *was = named.written(calculation.form->fields[place].name);
                const std::string *is = slots.written(place);
                EXPECT_EQ(is ? *is : "(none)", was ? *was : "(none)")
                    << row << " " << calculation.form->fields[place].name;
            }
        }
        ++checked;
    }
    EXPECT_EQ(checked, 8);

    // The window's own example: API 50, 80 F, 10000 bbl on Table 6B.
    FieldSlots slots(kForm21);
    for (const auto &[field, text] : volume("50", "80", "10000"))
        slots.given(slots.place(field)) = text;
    EXPECT_TRUE(RunForm(slots, Table6BNetVolumeSteps).completed());
    std::string shown;
    for (const char *field : {"txtvcf", "txtbbl", "txtgal", "txtlf", "txtltn"})
        shown += *slots.written(slots.place(field)) + " ";
    EXPECT_EQ(shown, "0.9882 9882 415044 0.12169 1202.54 ");
}

TEST(WindowRuns, Gauging)
{
    const FieldTexts englishTank{{"txtvl", "600"}, {"txttl", "40"},  {"txttw", "30"},  {"txtbhd", "10"},
                                 {"txtfdt", "20"}, {"txtadt", "26"}, {"txttdp", "50"}, {"txtinn", "6"}};
    const FieldTexts stopGauge{{"txtbm", "10000"}, {"txtgv", "50000"}, {"txtapi", "35"}, {"txtem", "80"}};
    expectRuns({
        {"wedge beyond the limit still writes", WedgeQuantityRemaining, with(englishTank, {{"Option1", "1"}}),
         "completed out-of-range | txtadt txtfdt txtinn txttl txtbhd txtvl txttdp txttw | txtrob=94.58 "
         "txtmes=BBLS. | Innage 6 in is 0.5 ft, above the wedge's limit of 0.3 ft: the liquid reaches the far "
         "bulkhead; the quantity shown is the wedge formula's"},
        {"wedge: the window stays due after a later fault", WedgeQuantityRemaining,
         with(englishTank, {{"Option1", "1"}, {"txttw", ""}}),
         "fault out-of-range | txtadt txtfdt txtinn txttl txtbhd txtvl txttdp txttw |  | Tank Width: no number "
         "entered"},
        {"wedge without units reads nothing", WedgeQuantityRemaining, with(englishTank, {{"txtadt", "x"}}),
         "stopped |  |  | Choose English or Metric units, then press Enter in Innage again."},
        {"stop gauge 6A", StopGaugeTable6A, stopGauge, "completed | txtapi txtem txtbm txtgv | txtstp=39904.09 | "},
        {"stop gauge 6B above 1074 stops before the quantities", StopGaugeTable6B,
         with(stopGauge, {{"txtapi", "0.1"}, {"txtbm", "x"}}),
         "stopped out-of-range | txtapi txtem |  | API gravity 0.1 is a density of 1074.17 kg/m3, above 1074: no "
         "product group; nothing was computed"},
        {"average gravity reads the volumes first",
         ReceivingTankGravity,
         {{"txtt1", "30"},
          {"txtt2", "40"},
          {"txtt3", "0"},
          {"txtt4", "0"},
          {"txtv1", "1000"},
          {"txtv2", "3000"},
          {"txtv3", "0"},
          {"txtv4", "0"}},
         "completed | txtv1 txtv2 txtv3 txtv4 txtt1 txtt2 txtt3 txtt4 | txtt5=37.5 | "},
        {"theoretical density",
         ShoreTankDensity,
         {{"txtd1", "820.0"}, {"txtv1", "1000"}, {"txtd2", "840.0"}, {"txtv2", "5000"}},
         "completed | txtd1 txtv1 txtv2 txtd2 | txtd3=836 | "},
    });
    EXPECT_EQ(StopGaugeTable6B(with(stopGauge, {{"txtapi", "0.1"}})).working,
              std::vector<std::string>{"Stopped: density 1074.17 kg/m3 is above 1074: no product group"});
}

TEST(WindowRuns, Additives)
{
    const FieldTexts inhibitor{{"List1", "DUPONT DCI-4A"}, {"txtqpt", "10000"}, {"txtscg", ".95"}, {"Option1", "1"}};
    expectRuns({
        {"FSII barrels: per 1000 from the gallons as shown",
         FsiiInjectionBarrels,
         {{"txterd", ".12"}, {"txtqtb", "1234.56"}, {"txtflt", ".09"}},
         "completed | txtflt txterd txtqtb txtfis | txtfis=15.555456 txtgfs=12.6 | "},
        {"FSII gallons",
         FsiiInjectionGallons,
         {{"txterd", ".12"}, {"txtqfi", "1234.56"}, {"txtpir", ".09"}},
         "completed | txtpir txterd txtqfi | txtfsi=0.370368 | "},
        {"SDA barrels: fuel from the SDA as shown",
         SdaInjectionBarrels,
         {{"txtqti", "1000"}, {"txtilr", "50"}, {"txterw", "250"}},
         "completed | txtilr txterw txtqti txtmix | txtmix=1.82 txtprd=16.38 | "},
        {"SDA gallons: the minimum over the rounded fuel",
         SdaInjectionGallons,
         {{"txtqti", "1000"}, {"txtilr", "50"}, {"txterw", "250"}},
         "completed | txtilr txterw txtqti txtprd | txtmix=16.3 txtprd=0.4 txtprd=1 | "},
        {"CI barrels", CorrosionInhibitorMix, inhibitor, "completed | txtscg txtqpt | txtami=4 txtqan=GALs | "},
        {"CI without a product reads nothing", CorrosionInhibitorMix, with(inhibitor, {{"List1", ""}, {"txtscg", "x"}}),
         "stopped |  |  | Select your CI Type in the list first."},
        {"CI without a unit writes nothing", CorrosionInhibitorMix, with(inhibitor, {{"Option1", ""}}),
         "stopped | txtscg |  | Choose Barrels, Gallons or Liters, then press Enter again."},
        {"CI: a zero gravity faults before the unit is asked for", CorrosionInhibitorMix,
         with(inhibitor, {{"Option1", ""}, {"txtscg", "0"}}), "fault | txtscg |  | Division by zero"},
        {"DMD-2", Dmd2Injection, {{"txtbbl", "12345"}}, "completed | txtbbl | txtdmd=4.93 | "},
    });
}

} // namespace
} // namespace dravex
