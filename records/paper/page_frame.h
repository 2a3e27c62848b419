// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

class QFont;
class QLocale;
class QPaintDevice;
class QPainter;
class QPdfWriter;

namespace dravex {

// The paper of every printout: Letter where the locale's country uses it (the United
// States, Canada, Mexico and their neighbours that follow them), A4 everywhere else.
QPageSize LocalePageSize(const QLocale &locale);
// The same for the system's locale.
QPageSize LocalePageSize();

// The same details on every PDF the program writes: the title given, and the program and
// its version as creator.
void SetPdfDetails(QPdfWriter &pdf, const QString &title);

// What every page of a printout carries around its body. At the head: the program and its
// version with the date and time of printing, the job's title, the reference line when
// one is given, and a rule under them; at the foot "page n of m". Whoever lays out the
// body keeps to body() and has the frame paint each page; the frame keeps the texts it
// painted, page by page.
class PageFrame
{
    Q_DECLARE_TR_FUNCTIONS(dravex::PageFrame)

public:
    PageFrame(const QString &title, const QString &reference, const QDateTime &printed = QDateTime::currentDateTime());

    const QString &title() const { return m_title; }
    const QString &reference() const { return m_reference; }

    // The texts at the head of every page, in the order drawn.
    QStringList headTexts() const;
    // "page 2 of 5".
    static QString footText(int page, int pages);

    // Where the body of every page goes on device, in its units.
    QRectF body(const QPaintDevice &device) const;
    // The head and foot of page n of m; the painter paints on the page as a whole.
    void paint(QPainter &painter, int page, int pages);
    // Every page painted so far: the texts of its head and foot.
    const std::vector<QStringList> &painted() const { return m_painted; }

private:
    QString m_title;
    QString m_reference;
    QDateTime m_printed;
    std::vector<QStringList> m_painted;

    static QFont font(bool bold);
    qreal headHeight(const QPaintDevice &device) const;
    static qreal footHeight(const QPaintDevice &device);
};

} // namespace dravex
