// SPDX-License-Identifier: GPL-3.0-or-later
// The window and dravex-calc on the same inputs: the worked examples and faults of every
// window, typed into the window and run through the command line's operation, compared
// field by field (texts written, texts kept, notice, out-of-range window).
#include "test_support.h"

#include "cli/operations.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>

using namespace dravex;
using namespace dravex::test;

using Inputs = std::vector<std::pair<std::string, std::string>>;
Q_DECLARE_METATYPE(Inputs)

class CliAgreementTest : public QObject
{
    Q_OBJECT

private slots:
    void window_and_command_agree_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<Inputs>("inputs");
        const auto row = [](const char *name, const char *operation, Inputs inputs) {
            QTest::newRow(name) << QString::fromLatin1(operation) << inputs;
        };
        row("6A example", "table6a", {{"api", "30"}, {"temp", "80"}, {"gross", "10000"}});
        row("6A bad gross keeps the factor", "table6a", {{"api", "30"}, {"temp", "80"}, {"gross", "abc"}});
        row("6B example", "table6b", {{"api", "50"}, {"temp", "80"}, {"gross", "10000"}});
        row("6B no product group", "table6b", {{"api", "0"}, {"temp", "80"}, {"gross", "1"}});
        row("6B bad gross", "table6b", {{"api", "50"}, {"temp", "80"}, {"gross", ""}});
        row("54A example", "table54a", {{"density", "850"}, {"temp", "25"}, {"gross", "10000"}});
        row("54A zero density", "table54a", {{"density", "0"}, {"temp", "25"}, {"gross", "10000"}});
        row("54B example", "table54b", {{"density", "780"}, {"temp", "25"}, {"gross", "10000"}});
        row("54B above 1074", "table54b", {{"density", "1080"}, {"temp", "25"}, {"gross", "10000"}});
        row("5A example", "table5a", {{"api", "35"}, {"temp", "77.5"}});
        row("5A bad temperature", "table5a", {{"api", "35"}, {"temp", "x"}});
        row("5B example", "table5b", {{"api", "35"}, {"temp", "80"}});
        row("53A example", "table53a", {{"density", "850.0"}, {"temp", "30"}});
        row("53B example", "table53b", {{"density", "750.0"}, {"temp", "40"}});
        row("53B out of range", "table53b", {{"density", "1080.0"}, {"temp", "40"}});
        row("53B zero density", "table53b", {{"density", "0"}, {"temp", "40"}});
        row("Celsius", "temperature", {{"celsius", "37"}});
        row("Fahrenheit", "temperature", {{"fahrenheit", "100"}});
        row("Celsius not a number", "temperature", {{"celsius", "abc"}});
        row("API", "gravity", {{"api", "30"}});
        row("density", "gravity", {{"density", "850"}});
        row("specific gravity", "gravity", {{"sg", "0.85"}});
        row("zero density", "gravity", {{"density", "0"}});
        const Inputs wedge = {{"units", "english"}, {"vessel-length", "600"},    {"tank-length", "40"},
                              {"tank-width", "30"}, {"hatch-to-bulkhead", "10"}, {"forward-draft", "20"},
                              {"aft-draft", "26"},  {"tank-depth", "50"}};
        Inputs wedgeExample = wedge;
        wedgeExample.push_back({"innage", "3"});
        row("wedge English", "wedge", wedgeExample);
        Inputs wedgeDeep = wedge;
        wedgeDeep.push_back({"innage", "6"});
        row("wedge beyond the wedge", "wedge", wedgeDeep);
        row("wedge metric", "wedge",
            {{"units", "metric"},
             {"vessel-length", "200"},
             {"tank-length", "12"},
             {"tank-width", "10"},
             {"hatch-to-bulkhead", "2"},
             {"forward-draft", "8"},
             {"aft-draft", "10"},
             {"tank-depth", "20"},
             {"innage", "50"}});
        row("wedge even keel", "wedge",
            {{"units", "metric"},
             {"vessel-length", "200"},
             {"tank-length", "12"},
             {"tank-width", "10"},
             {"hatch-to-bulkhead", "2"},
             {"forward-draft", "10"},
             {"aft-draft", "10"},
             {"tank-depth", "20"},
             {"innage", "50"}});
        row("stop gauge 6A", "stop-gauge",
            {{"table", "6a"}, {"net", "10000"}, {"opening", "50000"}, {"temp", "80"}, {"api", "35"}});
        row("stop gauge 6B", "stop-gauge",
            {{"table", "6b"}, {"net", "10000"}, {"opening", "5000"}, {"temp", "80"}, {"api", "35"}});
        row("stop gauge bad net", "stop-gauge",
            {{"table", "6a"}, {"net", "x"}, {"opening", "50000"}, {"temp", "80"}, {"api", "35"}});
        row("average gravity", "average-gravity",
            {{"gravity1", "35.2"},
             {"volume1", "10000"},
             {"gravity2", "36.8"},
             {"volume2", "5000"},
             {"gravity3", "34.1"},
             {"volume3", "2500"},
             {"gravity4", "40.0"},
             {"volume4", "2500"}});
        row("average gravity no volume", "average-gravity",
            {{"gravity1", "30"},
             {"volume1", "0"},
             {"gravity2", "40"},
             {"volume2", "0"},
             {"gravity3", "0"},
             {"volume3", "0"},
             {"gravity4", "0"},
             {"volume4", "0"}});
        row("theoretical density", "theoretical-density",
            {{"tank-density", "815.3"},
             {"open-volume", "2500"},
             {"vessel-density", "842.7"},
             {"closing-volume", "10000"}});
        row("theoretical density zero closing", "theoretical-density",
            {{"tank-density", "815.3"}, {"open-volume", "2500"}, {"vessel-density", "842.7"}, {"closing-volume", "0"}});
        row("FSII barrels", "fsii-barrels", {{"desired", ".12"}, {"quantity", "1234.56"}, {"lab", ".09"}});
        row("FSII barrels no quantity", "fsii-barrels", {{"desired", ".12"}, {"quantity", ""}, {"lab", ".09"}});
        row("FSII gallons", "fsii-gallons", {{"desired", ".12"}, {"quantity", "1234.56"}, {"lab", ".09"}});
        row("SDA barrels", "sda-barrels", {{"quantity", "1000"}, {"lab", "50"}, {"desired", "250"}});
        row("SDA gallons", "sda-gallons", {{"quantity", "1000"}, {"lab", "50"}, {"desired", "250"}});
        row("SDA gallons bad lab", "sda-gallons", {{"quantity", "1000"}, {"lab", "x"}, {"desired", "250"}});
        row("CI barrels", "corrosion-inhibitor",
            {{"product", "DUPONT DCI-4A"}, {"quantity", "10000"}, {"unit", "barrels"}, {"sg", "0.95"}});
        row("CI litres", "corrosion-inhibitor",
            {{"product", "TOLAD 245"}, {"quantity", "10000"}, {"unit", "litres"}, {"sg", "0.95"}});
        row("CI zero gravity", "corrosion-inhibitor",
            {{"product", "HITEC 580"}, {"quantity", "10000"}, {"unit", "gallons"}, {"sg", "0"}});
        row("DMD-2", "dmd2", {{"quantity", "12345"}});
        row("DMD-2 not a number", "dmd2", {{"quantity", "abc"}});
        row("2004 RD at base", "vcf2004",
            {{"group", "products"}, {"rd", "0.7943"}, {"temp", "85.0"}, {"pressure", "247.3"}, {"gross", "10000"}});
        row("2004 observed in C and bar to 15 C", "vcf2004",
            {{"group", "crude"},
             {"api", "40"},
             {"observed", "yes"},
             {"base", "15C"},
             {"temp", "30"},
             {"temp-unit", "C"},
             {"pressure", "10"},
             {"pressure-unit", "bar"}});
        row("2004 above the temperature limit", "vcf2004",
            {{"group", "crude"}, {"kgm3", "850"}, {"temp", "302.8"}, {"gross", "1"}});
    }

    void window_and_command_agree()
    {
        QFETCH(QString, operation);
        QFETCH(Inputs, inputs);
        const Operation *op = findOperation(operation.toStdString());
        QVERIFY(op);
        if (!isAvailable(*op))
            QSKIP("the window's calculation is not registered in this build");

        InputValues values(op->inputs.size());
        for (const auto &[option, value] : inputs) {
            const OperationInput *input = op->input(option);
            QVERIFY2(input, option.c_str());
            values[static_cast<std::size_t>(input - op->inputs.data())] = value;
        }
        const PreparedRun prepared = prepareRun(*op, values, "--");
        QVERIFY2(prepared.calculation, prepared.problem.c_str());
        const FormResult command = prepared.calculation->run(prepared.texts);

        // The window is given the texts the command line gives its procedure: typed into
        // its fields, chosen in its option buttons and lists. Every choice is set, the
        // command line's defaults included, whatever the window starts with.
        Program program;
        QWidget *w = program.show(QString::fromLatin1(op->form.data(), static_cast<int>(op->form.size())));
        for (const auto &[field, value] : prepared.texts) {
            const QString name = QString::fromStdString(field);
            if (auto *list = w->findChild<QListWidget *>(name)) {
                const auto items = list->findItems(QString::fromStdString(value), Qt::MatchExactly);
                QCOMPARE(items.size(), 1);
                list->setCurrentItem(items.front());
            } else if (auto *button = w->findChild<QAbstractButton *>(name)) {
                QVERIFY2(value == kChosen, field.c_str());
                button->setChecked(true);
            } else {
                type(w, field.c_str(), QString::fromStdString(value));
            }
        }
        // What each output field shows before the calculation: a field the calculation
        // does not write keeps it.
        std::vector<QString> before;
        for (const OperationOutput &output : op->outputs)
            before.push_back(text(w, std::string(output.field).c_str()));

        QWidget *trigger = control<QWidget>(w, std::string(prepared.calculation->trigger).c_str());
        trigger->setFocus();
        QTest::keyClick(trigger, Qt::Key_Return);

        const auto written = outputTexts(*op, command);
        for (std::size_t i = 0; i < op->outputs.size(); ++i) {
            const std::string field(op->outputs[i].field);
            const QString expected = written[i] ? QString::fromStdString(*written[i]) : before[i];
            QCOMPARE(text(w, field.c_str()), expected);
        }
        QCOMPARE(w->findChild<QLabel *>("notice")->text(), QString::fromStdString(command.notice));
        QCOMPARE(program.registry.window("Form15") != nullptr, command.outOfRange);
    }
};

QTEST_MAIN(CliAgreementTest)
#include "cli_agreement_test.moc"
