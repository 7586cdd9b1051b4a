// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

class QComboBox;
class QLabel;
class QWidget;

namespace quillon {

class RegistryStore;

// The languages a Searchable PDF's text is read in, chosen in the window: a
// small list of the installed languages beside the paper size, offered only
// while the format is Searchable PDF. Several may be checked for pages in
// more than one language; the list then shows them as "German + English".
// The choice is stored at once under OcrLanguage, as the codes joined by
// "+" ("deu+eng") in the list's order; "Automatic" (none checked) stores
// nothing: the user's own language when it is installed, else English. A
// stored language not installed now is shown, checked, as its code.
class TextLanguageChoice : public QObject {
    Q_OBJECT
public:
    TextLanguageChoice(QWidget* window, const RegistryStore& store);

    // The installed languages' codes ("deu", "eng").
    void SetInstalled(const QStringList& codes) { installed_ = codes; }
    // Fills the list and checks the stored choice.
    void Load();
    void SetOffered(bool offered);

    QLabel* label() const { return label_; }
    QComboBox* list() const { return list_; }

protected:
    // A click on a language in the open list checks or unchecks it, and the
    // list stays open for the next.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnActivated(int index);
    void Toggle(int index);
    // Stores the checked languages and shows them.
    void Chosen();
    QStringList Checked() const;
    void Show(const QStringList& codes);

    const RegistryStore& store_;
    QStringList installed_;
    QLabel* label_;
    QComboBox* list_;
};

}  // namespace quillon
