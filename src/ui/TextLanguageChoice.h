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
// while the format is Searchable PDF. The choice is stored at once under
// OcrLanguage; "Automatic" stores nothing (the user's own language when it is
// installed, else English), and a stored combination ("deu+eng") is shown as
// it stands.
class TextLanguageChoice : public QObject {
    Q_OBJECT
public:
    TextLanguageChoice(QWidget* window, const RegistryStore& store);

    // The installed languages' codes ("deu", "eng").
    void SetInstalled(const QStringList& codes) { installed_ = codes; }
    // Fills the list and selects the stored choice.
    void Load();
    void SetOffered(bool offered);

    QLabel* label() const { return label_; }
    QComboBox* list() const { return list_; }

private:
    void OnChosen(int index);

    const RegistryStore& store_;
    QStringList installed_;
    QLabel* label_;
    QComboBox* list_;
};

}  // namespace quillon
