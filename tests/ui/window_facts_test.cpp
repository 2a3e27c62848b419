// SPDX-License-Identifier: GPL-3.0-or-later
// What every window shares, in one table: its objectName, caption, the control that has
// the focus when it opens and the order Tab visits its controls in.
#include "pseudo_translation.h"
#include "test_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>

#include <algorithm>

using namespace dravex::test;

namespace {

// A control as the table names it: its objectName, and for a control array (the
// calculator's keys) the index as well, "Number7".
QString controlName(const QWidget *c)
{
    const QVariant index = c->property("index");
    return index.isValid() ? c->objectName() + index.toString() : c->objectName();
}

// The editor inside a control (a spin box's line edit) hands its focus to the control and
// is no stop of its own, as Qt's own Tab skips it.
bool isInnerPart(const QWidget *w)
{
    return w->focusProxy() != nullptr;
}

// The controls Tab visits from the first focus until it comes back to it (the first is
// listed again), or nothing for a window without a first focus.
QStringList tabCycle(QWidget *window)
{
    QStringList names;
    QWidget *first = window->focusWidget();
    QWidget *w = first;
    while (w && names.size() < 40) {
        names << controlName(w);
        do
            w = w->nextInFocusChain();
        while (w != first && (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(window) || !w->isEnabled() ||
                              w->objectName().isEmpty() || isInnerPart(w)));
        if (w == first) {
            names << controlName(w);
            break;
        }
    }
    return names;
}

// Every window of the program by its registered name.
QStringList allWindowNames()
{
    QStringList names{"Form1", "Form2", "Form13", "Form15"};
    for (const dravex::ScreenEntry &entry : dravex::allScreens())
        names << QString::fromLatin1(entry.name);
    return names;
}

// What a window shows in words when it opens: its title, captions, button and menu texts,
// placeholders and tool tips, each with what shows it. Texts without a letter (digits)
// and the calculator's one-character keys (X for times) are no words to translate.
QList<std::pair<QString, QString>> shownTexts(QWidget *w)
{
    QList<std::pair<QString, QString>> texts{{QStringLiteral("title"), w->windowTitle()}};
    const auto add = [&texts](const QObject *o, const QString &text) { texts.push_back({o->objectName(), text}); };
    for (const QLabel *label : w->findChildren<QLabel *>())
        if (label->isVisibleTo(w) && label->objectName() != QLatin1String("notice"))
            add(label, label->text());
    for (const QAbstractButton *button : w->findChildren<QAbstractButton *>())
        if (button->isVisibleTo(w))
            add(button, button->text());
    for (const QGroupBox *box : w->findChildren<QGroupBox *>())
        add(box, box->title());
    for (const QAction *action : w->findChildren<QAction *>())
        if (!action->isSeparator())
            add(action, action->text());
    for (const QLineEdit *field : w->findChildren<QLineEdit *>())
        add(field, field->placeholderText());
    for (const QWidget *c : w->findChildren<QWidget *>())
        add(c, c->toolTip());
    QList<std::pair<QString, QString>> words;
    for (const auto &text : texts)
        if (text.second.size() > 1 &&
            std::any_of(text.second.begin(), text.second.end(), [](QChar c) { return c.isLetter(); }))
            words << text;
    return words;
}

} // namespace

class WindowFactsTest : public QObject
{
    Q_OBJECT

private slots:
    void caption_first_focus_and_tab_order_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("order"); // from the first focus back to it
        const auto row = [](const char *form, const char *caption, const QStringList &order) {
            QTest::newRow(form) << form << caption << order;
        };
        row("Form1", "DRAVEX", {});
        row("Form2", "Introduction", {"Command1", "Command1"});
        row("Form3", "Temperature Conversion", {"txtCels", "txtFah", "txtCels"});
        row("Form4", "GRAVITY CONVERSION", {"txtapi", "txtden", "txtspe", "working", "txtapi"});
        row("Form5", "VOLUME CORRECTION (TABLE 6a)",
            {"txtapi", "txtem", "txtgv", "txtvcf", "txtbbl", "txtgal", "txtltn", "txtlf", "working", "txtapi"});
        row("Form6", "VOLUME CORRECTION (TABLE 54b)",
            {"txtbbl", "txtapi", "txtem", "txtgv", "txtvcf", "txtlts", "txtgal", "txtltn", "txtlf", "txtcm", "working",
             "txtbbl"});
        row("Form7", "WEDGE CALCULATIONS",
            {"txtvl", "txttl", "txttw", "txtbhd", "txtfdt", "txtadt", "txttdp", "txtinn", "txtrob", "Option1",
             "Option2", "txtmes", "working", "txtvl"});
        row("Form8", "AVERAGE GRAVITY",
            {"txtt1", "txtt2", "txtt3", "txtt4", "txtt5", "txtv1", "txtv2", "txtv3", "txtv4", "txtt1"});
        row("Form9", "STOP GAUGE",
            {"Option1", "Option2", "txtbm", "txtgv", "txtapi", "txtem", "txtstp", "working", "Option1"});
        row("Form10", "FSII INJECTION CALCULATIONS",
            {"txtqtb", "txtflt", "txtfis", "txtgfs", "txterd", "Command1", "txtqtb"});
        row("Form11", "STATIC DISSIPATOR ADDITIVE (SDA)", {"txtqti", "txtilr", "txtmix", "txtprd", "txterw", "txtqti"});
        row("Form12", "CORROSION INHIBITOR (CI)",
            {"txtqpt", "txtscg", "txtami", "Option1", "Option2", "Option3", "List1", "txtqan", "txtqpt"});
        row("Form13", "HELP", {"helpText", "findText", "home", "helpText"});
        row("Form14", "CALCULATOR",
            {"Readout",   "Number7",   "Number8",   "Number9",   "Cancel",    "CancelEntry", "Number4",
             "Number5",   "Number6",   "Operator1", "Operator3", "Number1",   "Number2",     "Number3",
             "Operator2", "Operator0", "Number0",   "Decimal",   "Operator4", "Percent",     "Readout"});
        row("Form15", "ERROR", {});
        row("Form16", "FSII INJECTION CALCULATIONS", {"txterd", "Command1", "txtqfi", "txtpir", "txtfsi", "txterd"});
        row("Form17", "FSII HELP", {});
        row("Form18", "STATIC DISSAPATOR ADDITIVE (SDA)", {"txtqti", "txtilr", "txterw", "txtmix", "txtprd", "txtqti"});
        row("Form19", "METAL DEACTIVATOR (DMD-2)", {"txtbbl", "txtdmd", "txtbbl"});
        row("Form20", "THEORETICAL DENSITY", {"txtv1", "txtd3", "txtd1", "txtd2", "txtv2", "Command1", "txtv1"});
        row("Form21", "VOLUME CORRECTION (TABLE 6b)",
            {"txtlf", "txtltn", "txtgal", "txtbbl", "txtvcf", "txtgv", "txtem", "txtapi", "working", "txtlf"});
        row("Form22", "VOLUME CORRECTION (TABLE 54a)",
            {"txtlf", "txtltn", "txtgal", "txtlts", "txtvcf", "txtgv", "txtem", "txtapi", "txtbbl", "txtcm", "working",
             "txtlf"});
        row("Form23", "GRAVITY CORRECTION (TABLE 5a)", {"txtobg", "txtobt", "txtcg", "working", "txtobg"});
        row("Form24", "GRAVITY CORRECTION (TABLE 5b)", {"txtcg", "txtobt", "txtobg", "working", "txtcg"});
        row("Form25", "GRAVITY CORRECTION (TABLE 53a)", {"txtcg", "txtobt", "txtobg", "working", "txtcg"});
        row("Form26", "GRAVITY CORRECTION (TABLE 53b)", {"txtcg", "txtobt", "txtobg", "working", "txtcg"});
        row("Vcf2004", "VOLUME CORRECTION (2004 EDITION)",
            {"optCrude",       "optProducts",  "optLubricants", "optSpecial", "txtdensity", "optApi",     "optRd",
             "optKgm3",        "optObserved",  "optAtBase",     "optBase60F", "optBase15C", "optBase20C", "txttemp",
             "optF",           "optC",         "txtpressure",   "optPsig",    "optKpa",     "optBar",     "txtgross",
             "txtdensitybase", "txtdensity60", "txtapi60",      "txtrd60",    "txtctl",     "txtfp",      "txtcpl",
             "txtctpl",        "txtnet",       "txtgroupused",  "working",    "optCrude"});
        row("CargoReport", "Untitled[*] - Cargo Report",
            {"tanks",
             "totals",
             "onboard",
             "onboardfw",
             "onboardfromsurvey",
             "shoretcv",
             "vef",
             "tolerance",
             "comparisonfigures",
             "vessel",
             "voyage",
             "port",
             "units",
             "date",
             "surveyor",
             "operation",
             "survey",
             "edition",
             "vcfMethod",
             "remarks",
             "draftForward",
             "draftAft",
             "lbp",
             "list",
             "listSide",
             "tankTables",
             "tanks"});
        row("LogWindow", "Calculation Log",
            {"logTable", "logDetail", "logCopyButton", "logExportCsvButton", "logPrintButton", "logExportPdfButton",
             "logDeleteButton", "logOpenButton", "logWindowFilter", "logFromOn", "logToOn", "logSearch",
             "logVesselFilter", "logTable"});
        row("JobDialog", "Job",
            {"jobName", "jobVoyage", "jobPort", "jobOperation", "jobDate", "jobSet", "jobNone", "jobCancel", "jobSite",
             "jobName"});
        // Not connected: Disconnect is off, and no refused save to set aside.
        row("StoreConnection", "Company Store",
            {"storeService", "storeHost", "storePort", "storeDatabase", "storeUser", "storeSslmode", "storeCaFile",
             "storeBrowse", "storeTest", "storeConnect", "storeClose", "storeService"});
        // Not connected: nothing to search, open, compare or audit.
        row("StoreBrowser", "Store Browser",
            {"storeVessel", "storeVoyage", "storePort", "storeGrade", "storeFrom", "storeTo", "storeInspector",
             "storeReportStatus", "storeResults", "storeRevisions", "storeDetail", "qt_tabwidget_tabbar",
             "storeVessel"});
        // With no voyages kept: no vessel to add a voyage to, nothing to delete.
        row("VefLog", "Vessel Experience Factor",
            {"vessel", "currentvoyage", "addfromreport", "importcsv", "getfromstore", "entries", "voyages", "vessel"});
        // With no tables kept: nothing to show, rename or delete yet.
        row("TankTables", "Tank Tables", {"tables", "grid", "import1", "close1", "tables"});
        // A level-to-volume table of a ship's tank: no trim columns, no list columns yet (so
        // no list sign or target), no shell or roof; nothing to keep yet.
        row("TankTableImport", "Import Tank Table",
            {"source",          "delimiter",   "skiprows",     "decimalcomma",  "owner",           "ownerkind",
             "tankname",        "kind",        "levelkind",    "refheight",     "levelunit",       "volumeunit",
             "layout",          "levelcolumn", "volumecolumn", "listcolumns",   "listvalues",      "gaugeoffset",
             "gaugetransverse", "tanklength",  "tankwidth",    "tankdepth",     "hatchtobulkhead", "preview",
             "problems",        "cancel",      "fromfile",     "fromclipboard", "source"});
    }

    void caption_first_focus_and_tab_order()
    {
        QFETCH(QString, form);
        QFETCH(QString, caption);
        QFETCH(QStringList, order);
        Program program;
        QWidget *w = program.show(form);
        QVERIFY(w);
        QCOMPARE(w->objectName(), form);
        QCOMPARE(w->windowTitle(), caption);
        // The first in the table has the focus when the window opens.
        QCOMPARE(tabCycle(w), order);
        QVERIFY2(w->sizeHint().width() <= 1366 && w->sizeHint().height() <= 768,
                 qPrintable(QStringLiteral("%1x%2").arg(w->sizeHint().width()).arg(w->sizeHint().height())));
    }

    // Under a pseudo-translation every word a window shows comes out wrapped (so it went
    // through tr()), and a third longer, no caption or button is cut off.
    void every_text_is_translated_and_none_is_cut_off()
    {
        dravex::test::PseudoTranslator pseudo;
        QCoreApplication::installTranslator(&pseudo);
        QStringList faults;
        {
            Program program;
            for (const QString &name :
                 allWindowNames() + QStringList{"TankTables", "TankTableImport", "StoreConnection", "StoreBrowser"}) {
                QWidget *w = program.show(name);
                QVERIFY2(w, qPrintable(name));
                QApplication::processEvents();
                for (const auto &[control, text] : shownTexts(w))
                    if (!text.contains(dravex::test::PseudoTranslator::kStart))
                        faults << name + ' ' + control + " untranslated: " + text;
                for (const QLabel *label : w->findChildren<QLabel *>()) {
                    if (!label->isVisibleTo(w) || label->text().isEmpty() || !label->pixmap().isNull())
                        continue;
                    const bool cut = label->wordWrap() ? label->height() < label->heightForWidth(label->width())
                                                       : label->width() < label->minimumSizeHint().width();
                    if (cut)
                        faults << name + ' ' + label->objectName() + " cut off: " + label->text();
                }
                for (const QAbstractButton *button : w->findChildren<QAbstractButton *>())
                    if (button->isVisibleTo(w) && button->width() < button->minimumSizeHint().width())
                        faults << name + ' ' + button->objectName() + " cut off: " + button->text();
                w->close();
                QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
        }
        QCoreApplication::removeTranslator(&pseudo);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // A 1600 by 1000 screen at 200 % is 800 by 500 points, the size of the offscreen
    // screen: no window opens wider than it, nor needs to be.
    void no_window_is_wider_than_the_screen()
    {
        QStringList faults;
        Program program;
        for (const QString &name :
             allWindowNames() + QStringList{"LogWindow", "CargoReport", "VefLog", "StoreConnection", "StoreBrowser"}) {
            QWidget *w = program.show(name);
            QVERIFY2(w, qPrintable(name));
            QApplication::processEvents();
            const int screen = w->screen()->availableGeometry().width();
            const int least = std::max(w->minimumWidth(), w->minimumSizeHint().width());
            if (w->frameGeometry().width() > screen || least > screen)
                faults << QStringLiteral("%1: %2 points wide, at least %3, on a screen of %4")
                              .arg(name)
                              .arg(w->frameGeometry().width())
                              .arg(least)
                              .arg(screen);
            w->close();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // Each row above is a window of the program, and every window has a row.
    void covers_every_window()
    {
        QStringList names = allWindowNames();
        names.sort();
        QStringList expected;
        for (int i = 1; i <= 26; ++i)
            expected << QStringLiteral("Form%1").arg(i);
        expected << QStringLiteral("Vcf2004");
        expected.sort();
        QCOMPARE(names, expected);
    }
};

QTEST_MAIN(WindowFactsTest)
#include "window_facts_test.moc"
