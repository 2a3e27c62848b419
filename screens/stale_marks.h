// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/procedure.h"

#include <QObject>
#include <QString>

#include <set>

class QLineEdit;
class QWidget;

namespace dravex {

// Results shown that do not come from the fields of a window as they are now: after a
// calculation, an edited input or another choice marks them stale (greyed, with a
// description for screen readers) until a calculation completes. A field the
// calculations read is an input; one they wrote and never read, a result.
class StaleMarks : public QObject
{
    Q_OBJECT

public:
    explicit StaleMarks(QWidget *window);

    // Starts watching the window's fields, option buttons and lists (once; ignored is a
    // checkable control that is no input, such as the working toggle).
    void watch(const QObject *ignored);
    // Takes in what a calculation read and wrote; where it stopped, results of earlier
    // entries that it did not write are marked.
    void calculated(const FormResult &result);
    // Clears every result field that is not among kept: nothing of another calculation
    // stays beside the inputs put back.
    void clearResultsExcept(const std::set<QString> &kept);
    // Whether a result shown is stale.
    bool anyStale() const;

    static bool isStale(const QLineEdit *field);

signals:
    // A mark was set or taken off, or typing replaced a result.
    void changed();

private:
    QWidget *m_window;
    std::set<QString> m_results;
    std::set<QString> m_inputs;
    bool m_watching = false;

    QLineEdit *fieldNamed(const QString &name) const;
    void inputChanged(QObject *control);
    void markResultsStale(const QString &except);
    static void setStale(QLineEdit *field, bool stale);
};

} // namespace dravex
