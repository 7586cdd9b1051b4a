// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/QtUserInterface.h"

#include "ui/OnWindowThread.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSpacerItem>
#include <QGridLayout>
#include <QStandardPaths>
#include <QUrl>

namespace quillon {

QStringList QtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QChar(u'\0'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty() && parts[i + 1].isEmpty()) break;
        // A description that already shows its patterns ("PDF document (*.pdf)") is Qt's own form.
        const QString description = parts[i].trimmed();
        if (description.endsWith(QLatin1Char(')')) && description.contains(QLatin1Char('('))) {
            filters.append(description);
            continue;
        }
        const QString patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        filters.append(description + QStringLiteral(" (") + patterns + QStringLiteral(")"));
    }
    return filters;
}

QString QtMessageText(const QString& text) {
    QString converted = text;
    converted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    converted.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return converted;
}

namespace {

// A short message makes a narrow box, and the desktop then cuts its title
// ("Quillon … ccessful"): the box is made as wide as the title wants, with
// room for the title bar's buttons.
void KeepTitleWhole(QMessageBox& box) {
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const int wanted = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + 120;
    auto* layout = qobject_cast<QGridLayout*>(box.layout());
    if (!layout) return;
    layout->addItem(new QSpacerItem(wanted, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), layout->rowCount(), 0, 1,
                    layout->columnCount());
}

}  // namespace

MessageAnswer QtUserInterface::ShowMessage(const QString& text, const QString& title, MessageIcon icon,
                                           MessageButtons buttons) {
    if (WindowClosed(owner_))
        return buttons == MessageButtons::Ok      ? MessageAnswer::Ok
               : buttons == MessageButtons::YesNo ? MessageAnswer::No
                                                  : MessageAnswer::Cancel;
    QMessageBox box(owner_);
    box.setWindowTitle(title.isEmpty() ? QStringLiteral("Quillon") : title);
    box.setText(QtMessageText(text));
    box.setTextFormat(Qt::PlainText);
    switch (icon) {
        case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
        case MessageIcon::Critical: box.setIcon(QMessageBox::Critical); break;
        case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
        case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    }
    switch (buttons) {
        case MessageButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case MessageButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        case MessageButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    KeepTitleWhole(box);
    switch (box.exec()) {
        case QMessageBox::Yes: return MessageAnswer::Yes;
        case QMessageBox::No: return MessageAnswer::No;
        case QMessageBox::Cancel: return MessageAnswer::Cancel;
        default: return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
}

FileDialogResult QtUserInterface::RunFileDialog(const FileDialogRequest& request) {
    if (WindowClosed(owner_)) return {};
    QFileDialog dialog(owner_, request.title);
    dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(request.open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // No question before replacing a file: the writer replaces it only once a scan is complete.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    // An initial "folder" that is a file opens its folder; none opens the home folder.
    QString folder = request.initialFolder;
    if (!folder.isEmpty() && !QFileInfo(folder).isDir()) folder = QFileInfo(folder).absolutePath();
    dialog.setDirectory(folder.isEmpty() ? QDir::homePath() : folder);
    const QStringList filters = QtNameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = request.filterIndex - 1;
        if (index >= 0 && index < filters.size()) dialog.selectNameFilter(filters[index]);
    }
    if (!request.defaultExtension.isEmpty()) dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.initialFileName.isEmpty()) dialog.selectFile(request.initialFileName);
    // Large enough that the name, size, type and date columns show whole.
    dialog.resize(dialog.sizeHint().expandedTo(QSize(880, 540)));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return {true, QDir::toNativeSeparators(dialog.selectedFiles().constFirst()), request.flags};
}

void QtUserInterface::OpenWebAddress(const QString& address) { QDesktopServices::openUrl(QUrl(address)); }

QString QtUserInterface::DesktopFolder() {
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return QFileInfo(desktop).isDir() ? desktop : QString();
}

}  // namespace quillon
