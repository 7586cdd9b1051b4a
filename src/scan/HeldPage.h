// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

namespace quillon {

// What the scan made of a page held for review before its document is written.
enum class HeldPageKind {
    Kept,          // goes into the document
    LeftOutBlank,  // the blank test left it out; saved only if the user keeps it
    Separator,     // a separator sheet: a new document begins after it when splitting
};

// A page held for review: its kind and pictures of it, made as it was prepared.
struct HeldPage {
    HeldPageKind kind = HeldPageKind::Kept;
    QImage thumbnail;  // a few hundred pixels high
    QByteArray view;   // a larger picture (JPEG), for a closer look
};

}  // namespace quillon
