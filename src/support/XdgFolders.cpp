// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/XdgFolders.h"

#include <QDir>

namespace quillon {

QString QuillonFolder(XdgBase base) {
    const bool config = base == XdgBase::Config;
    QString folder = qEnvironmentVariable(config ? "XDG_CONFIG_HOME" : "XDG_STATE_HOME");
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder))
        folder = QDir::homePath() + (config ? QStringLiteral("/.config") : QStringLiteral("/.local/state"));
    return folder + QStringLiteral("/Quillon");
}

}  // namespace quillon
