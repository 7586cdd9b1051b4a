// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PendingChangesRetry.h"

#include "settings/PendingRegistryBackend.h"
#include "ui/Main.h"

#include <QLabel>

namespace quillon {

PendingChangesRetry::PendingChangesRetry(PendingRegistryBackend& pending, Main& window)
    : pending_(pending), window_(window) {
    timer_.setInterval(kInterval);
    connect(&timer_, &QTimer::timeout, this, &PendingChangesRetry::Retry);
    pending_.SetPendingHandler([this] { PendingChanged(); });
}

PendingChangesRetry::~PendingChangesRetry() { pending_.SetPendingHandler(nullptr); }

void PendingChangesRetry::Retry() {
    if (pending_.HasPending()) pending_.WritePending(false);
}

void PendingChangesRetry::StoreNow() {
    timer_.stop();
    if (pending_.HasPending()) pending_.WritePending(true);
}

QString PendingChangesRetry::Unstored() {
    timer_.stop();
    if (!pending_.HasPending() || pending_.WritePending(false)) return {};
    return tr("Your last changes to the options could not be stored: %1.").arg(Cause());
}

// Said when it changes, not at every try: a screen reader says each change
// of the status line.
void PendingChangesRetry::PendingChanged() {
    if (pending_.HasPending()) {
        shown_ = tr("Your change is not stored yet: %1. It is kept, and stored as soon as it can be.")
                     .arg(Cause());
        window_.SetStatusText(shown_);
        timer_.start();
        return;
    }
    timer_.stop();
    // What the status line said since then (a scan's words) stays.
    if (window_.StatusLabel()->text() == shown_) window_.SetStatusText(tr("Your changes are stored now."));
    shown_.clear();
}

QString PendingChangesRetry::Cause() const {
    const StoreTrouble trouble = pending_.Trouble();
    switch (trouble.kind) {
        case StoreTrouble::Kind::Busy:
            return tr("another program holds the settings file %1").arg(trouble.path);
        case StoreTrouble::Kind::AnotherUsersFile:
            return tr("%1 belongs to another user").arg(trouble.path);
        case StoreTrouble::Kind::Unknown:
            break;
    }
    if (trouble.path.isEmpty()) return tr("the settings file could not be written");
    return tr("the settings file %1 could not be written").arg(trouble.path);
}

}  // namespace quillon
