// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quillon {

// The scanner library's log: one line per operation with its result, in
// $XDG_STATE_HOME/Quillon/scanner.log. When the file passes its size bound it
// is moved to scanner.log.1 (replacing the older one) and begun again.
class ScannerLog {
public:
    explicit ScannerLog(QString path = DefaultPath(), qint64 maxBytes = 1024 * 1024);
    static QString DefaultPath();

    void SetEnabled(bool on) { enabled_ = on; }
    bool enabled() const { return enabled_; }
    void Write(const QString& line);
    const QString& path() const { return path_; }

private:
    QString path_;
    qint64 maxBytes_;
    bool enabled_ = false;
};

}  // namespace quillon
