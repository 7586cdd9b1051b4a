// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/NumberedPath.h"

#include <QFileInfo>

namespace quillon {

QString NumberedPath(const QString& firstPath, int number) {
    const QFileInfo first(firstPath);
    const QString extension = first.suffix().isEmpty() ? QString() : QLatin1Char('.') + first.suffix();
    return first.path() + QLatin1Char('/') + first.completeBaseName() + QLatin1Char('-') + QString::number(number) +
           extension;
}

}  // namespace quillon
