// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/vcf2004_window.h"

#include "core/vcf2004_form.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace dravex {

namespace {

const char *const kResults[] = {"txtdensitybase", "txtdensity60", "txtapi60", "txtrd60", "txtctl",
                                "txtfp",          "txtcpl",       "txtctpl",  "txtnet",  "txtgroupused"};

// The choices a new window starts with: the commonest case, an observed density of crude
// oil in API at the temperature in F and a gauge pressure in psig, to 60 F.
const char *const kDefaults[] = {"optCrude", "optApi", "optObserved", "optBase60F", "optF", "optPsig"};

// Each choice of the window, its caption and its option buttons, in the window's order.
struct Choice
{
    const char *caption;
    std::initializer_list<const char *> options;
};
const Choice kChoices[] = {
    {QT_TRANSLATE_NOOP("dravex::Vcf2004Window", "Commodity group"),
     {"optCrude", "optProducts", "optLubricants", "optSpecial"}},
    {QT_TRANSLATE_NOOP("dravex::Vcf2004Window", "Density kind"), {"optApi", "optRd", "optKgm3"}},
    {QT_TRANSLATE_NOOP("dravex::Vcf2004Window", "Density is"), {"optObserved", "optAtBase"}},
    {QT_TRANSLATE_NOOP("dravex::Vcf2004Window", "Base"), {"optBase60F", "optBase15C", "optBase20C"}},
    {QT_TRANSLATE_NOOP("dravex::Vcf2004Window", "Temperature unit"), {"optF", "optC"}},
    {QT_TRANSLATE_NOOP("dravex::Vcf2004Window", "Pressure unit"), {"optPsig", "optKpa", "optBar"}},
};

} // namespace

Vcf2004Window::Vcf2004Window(ScreenHost &host, QWidget *parent) : Screen(host, kVcf2004Form, parent)
{
    const TwoColumns columns = addTwoColumns();
    QFormLayout *in = columns.inputs;
    std::vector<QWidget *> chain;

    QWidget *groups = optionRow({"optCrude", "optProducts", "optLubricants", "optSpecial"}, chain, 2);
    in->addRow(labelFor("lblgroup", tr("Commodity group"), option("optCrude")), groups);
    QLineEdit *alpha = addField(in, "txtalpha");
    alpha->setPlaceholderText(tr("special applications only"));
    chain.push_back(alpha);
    fieldWithOptions(in, "txtdensity", {"optApi", "optRd", "optKgm3"}, chain);
    in->addRow(labelFor("lbldensityis", tr("Density is"), option("optObserved")),
               optionRow({"optObserved", "optAtBase"}, chain, 1));
    in->addRow(labelFor("lblbase", tr("Base"), option("optBase60F")),
               optionRow({"optBase60F", "optBase15C", "optBase20C"}, chain));
    fieldWithOptions(in, "txttemp", {"optF", "optC"}, chain);
    QLineEdit *pressure = fieldWithOptions(in, "txtpressure", {"optPsig", "optKpa", "optBar"}, chain);
    pressure->setPlaceholderText(tr("empty: 0"));
    QLineEdit *gross = addField(in, "txtgross");
    gross->setPlaceholderText(tr("optional"));
    chain.push_back(gross);

    for (const char *name : kResults) {
        QLineEdit *result = addField(columns.results, name);
        // Results are for reading and copying, never for typing.
        result->setReadOnly(true);
        chain.push_back(result);
    }
    markTextField(field("txtgroupused"));

    for (const char *name : kDefaults)
        option(name)->setChecked(true);
    alpha->setEnabled(false);
    connect(option("optSpecial"), &QRadioButton::toggled, this, &Vcf2004Window::optSpecial_Toggled);

    setTabChain(chain);
    addWorkingPanel();
    resize(sizeHint());

    // Enter in any entry or choice computes.
    for (QWidget *control : chain)
        if (!std::count(std::begin(kResults), std::end(kResults), control->objectName().toStdString()))
            onEnter(control, [this] { txtgross_KeyPress(); });
}

QRadioButton *Vcf2004Window::option(const char *name) const
{
    auto *found = findChild<QRadioButton *>(QString::fromLatin1(name));
    if (!found)
        qFatal("%s has no option %s", qPrintable(objectName()), name);
    return found;
}

QWidget *Vcf2004Window::optionRow(std::initializer_list<const char *> names, std::vector<QWidget *> &chain, int columns)
{
    auto *row = new QWidget(this);
    auto *grid = new QGridLayout(row);
    grid->setContentsMargins(0, 0, 0, 0);
    int i = 0;
    for (const char *name : names) {
        auto *button = new QRadioButton(captionOf(name), row);
        button->setObjectName(QString::fromLatin1(name));
        grid->addWidget(button, columns ? i / columns : 0, columns ? i % columns : i);
        chain.push_back(button);
        ++i;
    }
    grid->setColumnStretch(grid->columnCount(), 1);
    return row;
}

QLineEdit *Vcf2004Window::fieldWithOptions(QFormLayout *form, const char *name,
                                           std::initializer_list<const char *> options, std::vector<QWidget *> &chain)
{
    auto *row = new QWidget(this);
    auto *line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    QLineEdit *field = makeField(QString::fromLatin1(name), captionOf(name));
    chain.push_back(field);
    line->addWidget(field, 1);
    line->addWidget(optionRow(options, chain));
    form->addRow(labelFor("", captionOf(name), field), row);
    return field;
}

std::vector<ChosenOption> Vcf2004Window::chosenOptions() const
{
    // Asked after every Enter: the buttons are looked up once, not by name.
    const QList<QRadioButton *> buttons = findChildren<QRadioButton *>();
    std::vector<ChosenOption> chosen;
    for (const Choice &choice : kChoices)
        for (const char *name : choice.options)
            for (const QRadioButton *button : buttons)
                if (button->isChecked() && button->objectName() == QLatin1String(name))
                    chosen.push_back({button->objectName(), tr(choice.caption), button->text()});
    return chosen;
}

void Vcf2004Window::optSpecial_Toggled(bool checked)
{
    // Only special applications take an expansion coefficient of their own.
    field("txtalpha")->setEnabled(checked);
}

void Vcf2004Window::txtgross_KeyPress()
{
    run("txtgross");
}

QWidget *makeVcf2004(ScreenHost &host)
{
    return new Vcf2004Window(host);
}

} // namespace dravex
