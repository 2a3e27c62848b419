// SPDX-License-Identifier: GPL-3.0-or-later
// Every screen is usable by keyboard and screen reader: each field and list is named by
// its label, each button by its text, and Tab from the first focus reaches every control.
#include "test_support.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QLabel>
#include <QPainter>
#include <QSet>

#include <cmath>

#include "screens/notice_label.h"
#include "screens/svg_picture.h"

using namespace dravex;
using namespace dravex::test;

namespace {

QStringList calculatorScreens()
{
    QStringList names;
    for (const auto &[name, factory] : allScreens())
        names << name;
    return names;
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void every_control_has_a_name_and_is_reached_by_tab()
    {
        Program program;
        for (const QString &name : calculatorScreens() + QStringList{"TankTables", "TankTableImport", "VefLog"}) {
            QWidget *w = program.show(name);
            QVERIFY2(w, qPrintable(name));
            QList<QWidget *> focusable;
            for (QWidget *c : w->findChildren<QWidget *>()) {
                // A control disabled until a choice asks for it is out of the Tab chain.
                // The editor inside a control (a spin box's) is the control's.
                if (!c->isVisibleTo(w) || !c->isEnabled() || !(c->focusPolicy() & Qt::TabFocus) || c->focusProxy())
                    continue;
                focusable << c;
                const QString where = name + "." + c->objectName();
                if (auto *button = qobject_cast<QAbstractButton *>(c))
                    QVERIFY2(!button->text().isEmpty() || !button->accessibleName().isEmpty(), qPrintable(where));
                else
                    QVERIFY2(!c->accessibleName().isEmpty(), qPrintable(where));
            }
            if (focusable.isEmpty()) // a notice window: nothing to reach
                continue;
            QVERIFY2(w->focusWidget(), qPrintable(name + ": no first focus"));
            const QStringList visited = tabSequence(w, int(focusable.size()) + 1);
            for (QWidget *c : focusable) {
                // Option buttons of one group share a tab stop; one of them is enough.
                if (c->inherits("QRadioButton") && !c->inherits("dravex::TabStopRadioButton"))
                    continue;
                QVERIFY2(visited.contains(c->objectName()),
                         qPrintable(name + ": Tab never reaches " + c->objectName()));
            }
            w->close();
        }
    }

    void artwork_is_sharp_at_double_scale()
    {
        // Pictures are drawn from vectors at the device's scale, not scaled-up bitmaps: at
        // 200 % a picture has detail no 100 % bitmap could give it.
        Program program;
        int pictures = 0;
        QStringList windows = calculatorScreens();
        windows << "Form1"
                << "Form2";
        for (const QString &name : windows) {
            QWidget *w = program.show(name);
            for (SvgPicture *picture : w->findChildren<SvgPicture *>()) {
                const auto render = [picture](qreal ratio) {
                    QImage image(picture->size() * ratio, QImage::Format_ARGB32_Premultiplied);
                    image.setDevicePixelRatio(ratio);
                    image.fill(Qt::white);
                    picture->render(&image);
                    image.setDevicePixelRatio(1);
                    return image;
                };
                const QImage twice = render(2);
                const QImage enlarged = render(1).scaled(twice.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
                QVERIFY2(twice != enlarged, qPrintable(name + "." + picture->objectName()));
                ++pictures;
            }
            w->close();
        }
        QVERIFY(pictures >= 3);
    }

    // A notice reads on a light window and on a dark one: its red against the window's
    // background has the contrast of body text (4.5 to 1) either way.
    void notices_read_on_light_and_dark_windows()
    {
        const auto luminance = [](const QColor &c) {
            const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
            return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
        };
        for (const QColor background :
             {QColor(Qt::white), QColor(0xef, 0xef, 0xef), QColor(0x2b, 0x2b, 0x2b), QColor(Qt::black)}) {
            QPalette palette;
            palette.setColor(QPalette::Window, background);
            QWidget window;
            window.setPalette(palette);
            dravex::NoticeLabel notice(&window);
            const double a = luminance(notice.palette().color(QPalette::WindowText));
            const double b = luminance(background);
            const double contrast = (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
            QVERIFY2(contrast >= 4.5, qPrintable(background.name() + QStringLiteral(": %1").arg(contrast)));
        }
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
