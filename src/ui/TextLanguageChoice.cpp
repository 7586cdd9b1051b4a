// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TextLanguageChoice.h"

#include "settings/RegistryStore.h"
#include "settings/SettingsCatalogue.h"
#include "support/Translations.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStandardItemModel>

namespace quillon {

namespace {

// "German"; a code the locale data does not know stays a code. Where the
// window speaks another language than English, each language is named in
// its own ("Deutsch", "English", "français"), as language lists do: the
// locale data has no other names for them.
QString LanguageName(const QString& code) {
    const QLocale::Language language =
        QLocale::codeToLanguage(code.section(QLatin1Char('_'), 0, 0), QLocale::ISO639Part2);
    if (language == QLocale::AnyLanguage) return code;
    if (TranslatedLanguage().isEmpty()) return QLocale::languageToString(language);
    // As spoken anywhere: "English", not "American English".
    const QString native = QLocale(language, QLocale::World).nativeLanguageName();
    return native.isEmpty() ? QLocale::languageToString(language) : native;
}

// "German (deu)", as one language is listed and shown.
QString LanguageLabel(const QString& code) {
    const QString name = LanguageName(code);
    return name == code ? code : name + QStringLiteral(" (") + code + QLatin1Char(')');
}

}  // namespace

TextLanguageChoice::TextLanguageChoice(QWidget* window, const RegistryStore& store)
    : QObject(window), store_(store), label_(new QLabel(tr("Text Language"), window)),
      list_(new QComboBox(window)) {
    label_->setObjectName(QStringLiteral("Label8"));
    label_->setToolTip(tr("The languages the text of a Searchable PDF is read in. "
                          "Check several for pages in more than one."));
    label_->setBuddy(list_);
    list_->setObjectName(QStringLiteral("TxtOcrLanguage"));
    list_->setAccessibleName(label_->text());
    list_->setAccessibleDescription(label_->toolTip());
    list_->view()->setAccessibleName(tr("%1 choices", "a list's open items, named by its label").arg(label_->text()));
    list_->view()->viewport()->installEventFilter(this);
    connect(list_, &QComboBox::activated, this, &TextLanguageChoice::OnActivated);
}

void TextLanguageChoice::Load() {
    const QSignalBlocker quiet(list_);
    list_->clear();
    list_->addItem(tr("Automatic"), QString());
    for (const QString& code : installed_) list_->addItem(LanguageLabel(code), code);
    QString stored = store_.Get(kOcrLanguageValueName).trimmed();
    if (stored == kNotFound) stored.clear();
    const QStringList codes = stored.split(QLatin1Char('+'), Qt::SkipEmptyParts);
    // A choice made elsewhere (a language not installed now) is shown as it
    // stands; the scan says what is missing.
    for (const QString& code : codes)
        if (list_->findData(code) < 0) list_->addItem(LanguageLabel(code), code);
    auto* model = static_cast<QStandardItemModel*>(list_->model());
    for (int row = 1; row < list_->count(); ++row) {
        QStandardItem* item = model->item(row);
        item->setCheckable(true);
        item->setCheckState(codes.contains(list_->itemData(row).toString()) ? Qt::Checked : Qt::Unchecked);
    }
    Show(codes);
}

void TextLanguageChoice::SetOffered(bool offered) {
    label_->setVisible(offered);
    list_->setVisible(offered);
}

bool TextLanguageChoice::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_->view()->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const QModelIndex index = list_->view()->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (index.isValid() && index.row() > 0) {
            Toggle(index.row());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

// "Automatic" unchecks every language; a language chosen from the keyboard
// is checked or unchecked as a click would.
void TextLanguageChoice::OnActivated(int index) {
    if (index < 0) return;
    if (index > 0) return Toggle(index);
    auto* model = static_cast<QStandardItemModel*>(list_->model());
    for (int row = 1; row < list_->count(); ++row) model->item(row)->setCheckState(Qt::Unchecked);
    Chosen();
}

void TextLanguageChoice::Toggle(int index) {
    QStandardItem* item = static_cast<QStandardItemModel*>(list_->model())->item(index);
    item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    Chosen();
}

void TextLanguageChoice::Chosen() {
    const QStringList codes = Checked();
    store_.Set(kOcrLanguageValueName, codes.join(QLatin1Char('+')));
    Show(codes);
}

QStringList TextLanguageChoice::Checked() const {
    QStringList codes;
    const auto* model = static_cast<const QStandardItemModel*>(list_->model());
    for (int row = 1; row < list_->count(); ++row)
        if (model->item(row)->checkState() == Qt::Checked) codes.append(list_->itemData(row).toString());
    return codes;
}

// None: "Automatic"; one: its item; several: their names ("German + English").
void TextLanguageChoice::Show(const QStringList& codes) {
    const QSignalBlocker quiet(list_);
    if (codes.size() <= 1) {
        list_->setCurrentIndex(codes.isEmpty() ? 0 : std::max(0, list_->findData(codes.front())));
        return;
    }
    QStringList names;
    for (const QString& code : codes) names.append(LanguageName(code));
    list_->setPlaceholderText(names.join(QStringLiteral(" + ")));
    list_->setCurrentIndex(-1);
}

}  // namespace quillon
