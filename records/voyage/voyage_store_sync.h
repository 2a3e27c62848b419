// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/vef.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <vector>

namespace dravex {

class StoreSession;

// A vessel's voyages shared through the company store, for the vessel experience factor.
// Each voyage is a row of its own, identified by what it holds: sending one twice keeps it
// once, and a corrected voyage is sent as a new row, which counts over the older one when
// read back. Nothing in the store is changed by an inspector.
class VoyageStoreSync
{
    Q_DECLARE_TR_FUNCTIONS(dravex::VoyageStoreSync)

public:
    // What a send or a fetch did, in words for the window; ok false when it failed.
    struct Outcome
    {
        bool ok = false;
        QString text;
        std::vector<VoyageEntry> voyages; // fetched
    };
    using Done = std::function<void(const Outcome &)>;

    // Sends the voyages (those with a problem are left out and counted).
    static void send(StoreSession &session, const std::vector<VoyageEntry> &voyages, const QString &vessel, Done done);
    // The store's voyages of the vessel, oldest first.
    static void fetch(StoreSession &session, const QString &vessel, Done done);

    // The document a voyage is kept as, and the id made from it.
    static QString document(const VoyageEntry &voyage);
    static QString id(const QString &document);
};

} // namespace dravex
