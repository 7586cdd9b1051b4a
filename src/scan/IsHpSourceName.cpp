// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/RunScan.h"

#include <QRegularExpression>

#include <array>

namespace quillon {

namespace {

// Name patterns of HP devices, matched against the upper-cased source name;
// "*" stands for any run of characters.
constexpr std::array<const char*, 4> kHpPatterns{"*HP *", "* HP *", "*HEWLETT PACKARD*", "*HEWLETT-PACKARD*"};

bool MatchesPattern(const QString& text, const char* pattern) {
    const QRegularExpression expression(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(QString::fromLatin1(pattern)).replace(QStringLiteral("\\*"), QStringLiteral(".*"))),
        QRegularExpression::DotMatchesEverythingOption);
    return expression.match(text).hasMatch();
}

}  // namespace

bool IsHpSourceName(const QString& sourceName) {
    const QString upper = sourceName.toUpper();
    for (const char* pattern : kHpPatterns)
        if (MatchesPattern(upper, pattern)) return true;
    return false;
}

}  // namespace quillon
