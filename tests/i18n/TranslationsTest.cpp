// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/ScannerDialogs.h"
#include "settings/RegistryStore.h"
#include "settings/SqliteRegistryBackend.h"
#include "support/Translations.h"
#include "ui/Main.h"
#include "ui/ProgressWindow.h"
#include "ui/QtScannerDialogs.h"
#include "ui/QtUserInterface.h"

#include "../common/EnglishWords.h"
#include "../common/NamedCases.h"
#include "../common/ScriptedUserInterface.h"
#include "../common/TempDir.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace quillon {
namespace {

struct LanguageCase {
    const char* name;
    QStringList userLanguages;
    QString chosen;
};

// The first of the user's languages that has a translation; English wherever
// the user puts it first, or where none has one.
TEST(TranslationTest, TheUsersFirstLanguageWithATranslationIsChosen) {
    const QStringList available{"de", "pt_BR", "zh_CN"};
    const LanguageCase cases[] = {
        {"GermanAsSpokenInGermany", {"de-DE"}, "de"},
        {"GermanAsSpokenInAustria", {"de-AT"}, "de"},
        {"FrenchHasNoneSoTheNext", {"fr-FR", "de"}, "de"},
        {"EnglishBeforeGerman", {"en-US", "de-DE"}, ""},
        {"CLocale", {"C"}, ""},
        {"CLocaleWithItsCharacterSet", {"C.UTF-8"}, ""},
        {"NoLanguage", {}, ""},
        {"OnlyLanguagesWithout", {"fr", "es"}, ""},
        {"BrazilianPortuguese", {"pt-BR"}, "pt_BR"},
        {"ChineseByScript", {"zh-Hans-CN"}, "zh_CN"},
    };
    for (const LanguageCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ChooseTranslation(c.userLanguages, available), c.chosen);
    }
}

// Every text a translated window, its message boxes and dialogs show, and
// the places they take.
class TranslatedWindowTest : public ::testing::Test {
protected:
    explicit TranslatedWindowTest(const char* language = "de") : language_(language) {
        EXPECT_EQ(InstallTranslation(language_), language_) << "no translation beside the tests";
    }
    ~TranslatedWindowTest() override { RemoveTranslations(); }
    const QString language_;

    // Every text a widget and its children show, each with where it is.
    static QStringList TextsOf(QWidget* top) {
        QStringList texts;
        QList<QWidget*> widgets = top->findChildren<QWidget*>();
        widgets.prepend(top);
        for (QWidget* widget : widgets) {
            const QString where = widget->objectName() + QLatin1String(": ");
            QStringList shown{widget->windowTitle(), widget->toolTip(), widget->accessibleName(),
                              widget->accessibleDescription()};
            if (auto* button = qobject_cast<QAbstractButton*>(widget)) shown << button->text();
            if (auto* label = qobject_cast<QLabel*>(widget)) shown << label->text();
            if (auto* list = qobject_cast<QComboBox*>(widget)) {
                shown << list->placeholderText();
                for (int item = 0; item < list->count(); ++item)
                    shown << list->itemText(item) << list->itemData(item, Qt::ToolTipRole).toString();
            }
            if (QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget))
                shown << accessible->text(QAccessible::Name) << accessible->text(QAccessible::Description);
            for (const QString& text : shown)
                if (!text.isEmpty()) texts.append(where + text);
        }
        return texts;
    }

    static void ExpectNoEnglish(const QStringList& texts) {
        for (const QString& text : texts)
            EXPECT_TRUE(testing::EnglishWordsIn(text).isEmpty())
                << text.toStdString() << " has " << testing::EnglishWordsIn(text).join(", ").toStdString();
    }

    testing::TempDir temp;
    SqliteRegistryBackend backend{temp.File("registry.sqlite3")};
    RegistryStore store{backend};
    testing::ScriptedUserInterface ui;
};

class GermanWindowTest : public TranslatedWindowTest {};

// Each language the window speaks. The list of English words is made to
// find English left in German, which shares few words with it; in the other
// languages it would find their own ("pages" in French), so there it is left out.
struct WindowLanguage {
    const char* language;
    bool englishWordsChecked;
};

class EveryLanguageWindowTest : public TranslatedWindowTest, public ::testing::WithParamInterface<WindowLanguage> {
protected:
    EveryLanguageWindowTest() : TranslatedWindowTest(GetParam().language) {}
};

TEST_P(EveryLanguageWindowTest, NoEnglishIsLeftAndEveryTextFitsInPlace) {
    // The same window in English, for the order of its controls.
    RemoveTranslations();
    Main english(store, ui);
    english.Load();
    InstallTranslation(language_);
    Main window(store, ui);
    window.SetTextLanguages({"deu", "eng"});
    window.Load();
    window.List(OptionId::Format)->setCurrentIndex(4);  // Searchable PDF: the text languages are shown
    window.show();

    if (GetParam().englishWordsChecked) ExpectNoEnglish(TextsOf(&window));
    EXPECT_NE(window.ScanButton()->text(), "SCAN");

    // Each caption on one line, each list's chosen item whole (or without
    // its words in brackets), nothing over another control that it is not
    // over in English (the rows of check boxes touch there).
    const QList<QWidget*> controls = window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* control : controls) {
        SCOPED_TRACE(control->objectName().toStdString());
        const QFontMetrics metrics = control->fontMetrics();
        if (auto* box = qobject_cast<QCheckBox*>(control))
            EXPECT_LE(metrics.horizontalAdvance(box->text()) +
                          box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box),
                      box->width());
        if (auto* label = qobject_cast<QLabel*>(control); label && label != window.StatusLabel())
            EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width());
        if (auto* button = qobject_cast<QPushButton*>(control))
            EXPECT_LE(metrics.horizontalAdvance(button->text()), button->width());
        if (auto* list = qobject_cast<QComboBox*>(control)) {
            QStyleOptionComboBox look;
            look.initFrom(list);
            const int room = list->lineEdit() ? list->lineEdit()->contentsRect().width()
                                              : list->style()->subControlRect(QStyle::CC_ComboBox, &look,
                                                                              QStyle::SC_ComboBoxEditField, list).width();
            for (int item = 0; item < list->count(); ++item) {
                list->setCurrentIndex(item);
                const QString whole = list->itemText(item);
                const QString shown = list->lineEdit() ? list->lineEdit()->text() : list->currentText();
                EXPECT_TRUE(shown == whole || shown == whole.section(" (", 0, 0)) << shown.toStdString();
                EXPECT_LE(list->fontMetrics().horizontalAdvance(shown), room) << shown.toStdString();
            }
        }
        EXPECT_LE(control->geometry().right(), window.width()) << "outside the window";
        // A caption ends before the next control along its row begins.
        int captionEnd = control->x();
        if (auto* box = qobject_cast<QCheckBox*>(control))
            captionEnd += box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) + metrics.horizontalAdvance(box->text());
        if (auto* label = qobject_cast<QLabel*>(control)) captionEnd += metrics.horizontalAdvance(label->text());
        for (QWidget* other : controls) {
            const int sharedHeight = std::min(control->geometry().bottom(), other->geometry().bottom()) -
                                     std::max(control->y(), other->y());
            if (other->isVisible() && other->x() > control->x() && sharedHeight > 2)
                EXPECT_LE(captionEnd, other->x()) << other->objectName().toStdString();
        }
        for (QWidget* other : controls)
            if (other != control && other->isVisible() && control->isVisible() &&
                !english.findChild<QWidget*>(control->objectName())
                     ->geometry()
                     .intersects(english.findChild<QWidget*>(other->objectName())->geometry()))
                EXPECT_FALSE(control->geometry().intersects(other->geometry())) << other->objectName().toStdString();
    }

    // The same controls in the same rows, the same order along each row, and
    // the same order of the tab key.
    for (QWidget* control : controls) {
        QWidget* same = english.findChild<QWidget*>(control->objectName());
        ASSERT_NE(same, nullptr);
        EXPECT_EQ(control->y(), same->y()) << control->objectName().toStdString();
        for (QWidget* other : controls) {
            QWidget* otherSame = english.findChild<QWidget*>(other->objectName());
            if (other->y() == control->y() && other->x() < control->x()) EXPECT_LT(otherSame->x(), same->x());
        }
    }
    QStringList tabs, englishTabs;
    for (QWidget* at = window.ScanButton()->nextInFocusChain(); at != window.ScanButton(); at = at->nextInFocusChain())
        tabs.append(at->objectName());
    for (QWidget* at = english.ScanButton()->nextInFocusChain(); at != english.ScanButton(); at = at->nextInFocusChain())
        englishTabs.append(at->objectName());
    EXPECT_EQ(tabs, englishTabs);
    EXPECT_GE(window.width(), english.width());
    EXPECT_EQ(window.height(), english.height());

    // The Auto-Crop notice, a box the window shows itself.
    window.Check(OptionId::AutoCrop)->setChecked(true);
    ASSERT_FALSE(ui.messages.empty());
    if (GetParam().englishWordsChecked) ExpectNoEnglish({ui.messages.back().text, ui.messages.back().title});
}

INSTANTIATE_TEST_SUITE_P(Languages, EveryLanguageWindowTest,
                         ::testing::Values(WindowLanguage{"de", true}, WindowLanguage{"fr", false},
                                           WindowLanguage{"es", false}, WindowLanguage{"it", false},
                                           WindowLanguage{"pt_BR", false}, WindowLanguage{"zh_CN", false}),
                         [](const ::testing::TestParamInfo<WindowLanguage>& info) {
                             return std::string(info.param.language);
                         });

// Message boxes with Qt's own buttons, Select Scanner, and the progress dialog.
TEST_F(GermanWindowTest, DialogsAndTheirButtonsAreGerman) {
    QWidget owner;
    QStringList shown;
    // Looked at once open, then closed: each runs its own event loop.
    const auto lookThenClose = [&shown] {
        QTimer::singleShot(0, [&shown] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            shown += TextsOf(dialog);
            dialog->close();
        });
    };
    QtUserInterface boxes;
    boxes.SetOwnerWindow(&owner);
    lookThenClose();
    boxes.ShowMessage(QCoreApplication::translate("RunScan", "Scan Another Page?"),
                      QCoreApplication::translate("RunScan", "Quillon Question"), MessageIcon::Question,
                      MessageButtons::YesNoCancel);
    QtScannerDialogs scanners;
    scanners.SetOwnerWindow(&owner);
    lookThenClose();
    scanners.ChooseScanner({{"test:0", "Noname frontend-tester"}}, 0);
    lookThenClose();
    scanners.ChooseScanner({}, -1);  // none found
    ProgressWindow progress(&owner);
    progress.SetSoFar({3, 2, {}});
    shown += TextsOf(&progress);

    ExpectNoEnglish(shown);
    for (const char* german : {"&Ja", "&Nein", "Abbrechen", "Scanner auswählen", "Auswählen", "3 Seiten, 2 leere Seiten weggelassen"})
        EXPECT_TRUE(shown.filter(QString::fromUtf8(german)).size() > 0) << german;
}

// What quillon-scan says, on both its outputs, with these variables set
// (and LC_ALL, LANGUAGE, LC_MESSAGES and LANG otherwise unset).
QString Said(const QStringList& arguments, const QStringList& variables) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LANGUAGE", "LC_MESSAGES", "LANG"}) environment.remove(name);
    for (const QString& variable : variables) environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUILLON_SCAN_PROGRAM), arguments);
    EXPECT_TRUE(program.waitForFinished(30000));
    return QString::fromUtf8(program.readAllStandardOutput() + program.readAllStandardError());
}

// The language comes from the environment as in every desktop program; a
// language without a translation is English, the same bytes as ever.
TEST(QuillonScanLanguageTest, HelpAndUsageErrorsAreInTheUsersLanguageOrEnglish) {
    const QStringList help{"--help"}, wrongMode{"--mode", "sepia", "out.pdf"}, unknown{"--sepia", "out.pdf"};
    const QString englishHelp = Said(help, {"LC_ALL=C.UTF-8"});
    ASSERT_TRUE(englishHelp.startsWith("Usage: quillon-scan [OPTIONS] OUTPUT\n"));
    for (const QStringList& variables : {QStringList{"LANGUAGE=de"}, QStringList{"LANG=de_DE.UTF-8"},
                                         QStringList{"LC_MESSAGES=de_AT.UTF-8", "LANG=C.UTF-8"},
                                         QStringList{"LANGUAGE=nl:de", "LANG=nl_NL.UTF-8"}}) {
        SCOPED_TRACE(variables.join(' ').toStdString());
        for (const QStringList& arguments : {help, wrongMode, unknown}) {
            const QString said = Said(arguments, variables);
            EXPECT_NE(said, Said(arguments, {"LC_ALL=C.UTF-8"}));
            EXPECT_TRUE(testing::EnglishWordsIn(said).isEmpty())
                << said.toStdString() << " has " << testing::EnglishWordsIn(said).join(", ").toStdString();
        }
    }
    EXPECT_TRUE(Said(help, {"LANGUAGE=de"}).startsWith("Aufruf: quillon-scan [OPTIONEN] AUSGABE\n"));
    EXPECT_TRUE(Said(wrongMode, {"LANGUAGE=de"}).contains("--mode nimmt bw, grey oder colour."));
    for (const QStringList& variables : {QStringList{"LANGUAGE=nl", "LANG=nl_NL.UTF-8"}, QStringList{"LANGUAGE=en:de"},
                                         QStringList{"LANG=en_GB.UTF-8"}, QStringList{}}) {
        SCOPED_TRACE(variables.join(' ').toStdString());
        EXPECT_EQ(Said(help, variables), englishHelp);
        EXPECT_EQ(Said(wrongMode, variables), Said(wrongMode, {"LC_ALL=C.UTF-8"}));
    }
}

}  // namespace
}  // namespace quillon
