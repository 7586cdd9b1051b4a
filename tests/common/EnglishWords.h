// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>

namespace quillon::testing {

// The English words in a text that should be in another language: words
// common in the program's English and never German (so not "will", "was",
// "die", "Status", "Format", "Scanner"). Option names (--no-duplex) and the
// words a command line takes (feeder, grey, color, compact) are no sentence,
// and left out.
inline QStringList EnglishWordsIn(const QString& text) {
    static const QSet<QString> english{
        "the", "and", "of", "to", "is", "are", "with", "for", "from", "your", "you", "this", "that", "not", "only",
        "it", "its", "be", "been", "has", "have", "cannot", "could", "would", "should", "can", "may", "which", "when",
        "where", "there", "than", "then", "please", "none", "page", "pages", "scan", "scanned", "scanning", "file",
        "files", "select", "first", "sheet", "sheets", "settings", "default", "defaults", "size", "quality", "black",
        "white", "front", "back", "side", "sides", "language", "languages", "automatic", "automatically", "try",
        "allow", "multiple", "crop", "deskew", "type", "sets", "rejection", "paper", "choose", "found", "saved",
        "stored", "options", "error", "warning", "question", "successful", "cancel", "cancelled", "canceled", "left",
        "blank", "another", "again", "split", "separator", "choices", "progress", "last", "stopping", "waiting",
        "looking", "opening", "saving", "reading", "searchable", "poor", "low", "moderate", "good",
        "high", "highest", "smallest", "largest", "grayscale", "yes", "usage", "questions"};
    // Option names and the values a command line takes stay as they are.
    static const QRegularExpression options(QStringLiteral("--?[a-z][a-z-]*( [a-z0-9.|]+)?"));
    static const QRegularExpression words(QStringLiteral("[A-Za-z]+"));
    QString sentence = text;
    sentence.remove(options);
    QStringList found;
    for (auto it = words.globalMatch(sentence); it.hasNext();) {
        const QString word = it.next().captured().toLower();
        if (english.contains(word) && !found.contains(word)) found.append(word);
    }
    return found;
}

}  // namespace quillon::testing
