// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SqliteRegistryBackend.h"
#include "settings/RegistryStore.h"
#include "ui/Main.h"
#include "ui/MainLayout.h"
#include "ui/QtUserInterface.h"

#include "../common/ScriptedUserInterface.h"
#include "../common/TempDir.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <gtest/gtest.h>

namespace quillon {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() { window.Load(); }

    testing::TempDir temp;
    SqliteRegistryBackend backend{temp.File("registry.sqlite3")};
    RegistryStore store{backend};
    testing::ScriptedUserInterface ui;
    Main window{store, ui};
};

TEST(MainLayoutTest, TwipsConvertAtTheScreensResolution) {
    EXPECT_EQ(TwipsToPixels(9270, 96), 618);
    EXPECT_EQ(TwipsToPixels(2955, 96), 197);
    EXPECT_EQ(TwipsToPixels(15, 96), 1);
    EXPECT_EQ(TwipsToPixels(9270, 144), 927);
}

TEST_F(MainWindowTest, WindowIsFixedSizeWithoutMaximise) {
    const double dpi = window.logicalDpiX();
    EXPECT_EQ(window.windowTitle(), "Quillon");
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(window.width(), TwipsToPixels(9270, dpi));
    EXPECT_EQ(window.height(), TwipsToPixels(3275, dpi));
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
}

// What the window must show, written out here rather than taken from the
// table that builds it, so a slip in that table fails.
struct ShownControl {
    const char* name;
    const char* caption;  // null: the control has none (lists, the status line)
    const char* toolTip;
    QRect twips;
};
const ShownControl kShownControls[] = {
    {"btnScan", "SCAN", "", {6360, 240, 2535, 1575}},
    {"ChkTryADFFirst", "Try ADF First",
     "Will try to feed from the ADF (if available) first, otherwise it will then try the flatbed.", {240, 240, 1335, 255}},
    {"ChkAllowMultiplePages", "Allow Multiple Pages",
     "Controls whether the ADF will scan all available pages or whether the user will be prompted to add additional "
     "pages.",
     {1680, 240, 1815, 255}},
    {"TxtDPI", nullptr, "", {1080, 840, 1695, 315}},
    {"Label1", "DPI", "Sets the Initial Scan Quality.", {240, 840, 735, 255}},
    {"TxtScanType", nullptr, "", {4200, 840, 1935, 315}},
    {"Label2", "Scan Type", "Sets the Scan Color Settings.", {3000, 840, 1095, 255}},
    {"TxtDuplexSetting", nullptr, "", {1080, 1200, 1695, 315}},
    {"Label3", "Duplex", "Sets the Sides of the Paper Scaned.", {240, 1200, 735, 255}},
    {"TxtPageRejectionCoverage", nullptr, "", {4200, 1200, 1935, 315}},
    {"Label4", "Page Rejection", "Sets the percantage of ink coverage per page necessary to include the page.",
     {3000, 1200, 1095, 255}},
    {"LblText", nullptr, "", {120, 2600, 9015, 375}},
    {"LblCopyright", "Quillon document scanner \xC2\xB7 v 1.07", "", {3720, 3080, 5535, 255}},
    {"ChkAutoCrop", "Auto Crop", "Automatically crops the excess area from the scan. (Used for photos only)",
     {1680, 480, 1095, 315}},
    {"ChkAutoDeskew", "Auto Deskew", "Will automatically rotate pages that are not aligned correctly in the scanner.",
     {3600, 240, 1335, 255}},
    {"TxtFormat", nullptr, "", {1080, 1560, 1695, 315}},
    {"Label5", "Format", "Sets the resulting file format.", {240, 1560, 735, 255}},
    {"ChkWIA", "WIA",
     "Changes various internal settings to be work better with Windows Image Aquisition (WIA) scanners.",
     {3600, 480, 735, 315}},
    {"btnDefaults", "Defaults", "", {5040, 210, 855, 325}},
    {"ChkAutoContrast", "Auto Contrast", "Automatically adjusts contrast levels.", {240, 480, 1335, 315}},
    {"TxtQuality", nullptr, "", {4200, 1560, 1935, 315}},
    {"Label6", "Quality (Size)", "Sets the result file format compression.", {3000, 1560, 1095, 255}},
    {"TxtPaperSize", nullptr, "", {1080, 1920, 1695, 315}},
    {"Label7", "Paper Size", "", {240, 1920, 975, 255}},
    // Added below SCAN: one file per document of a batch.
    {"ChkSplitDocuments", "Split at Separator Sheets",
     "Starts a new file at each separator sheet in the stack: a printed Patch T sheet, or the sheet that "
     "quillon-scan --print-separator makes. The separator sheets themselves are not kept.",
     {6360, 1920, 2535, 315}},
    {"ChkReviewPages", "Review Pages Before Saving",
     "Shows the scanned pages before the file is written: turn, delete, reorder or keep pages the blank test left out, "
     "and scan more.",
     {6360, 2235, 2535, 315}},
    // Added beside the paper size: the languages of a Searchable PDF's text.
    {"TxtOcrLanguage", nullptr, "", {4200, 1920, 1935, 315}},
    {"Label8", "Text Language",
     "The languages the text of a Searchable PDF is read in. Check several for pages in more than one.",
     {3000, 1920, 1095, 255}},
};

TEST_F(MainWindowTest, EveryControlHasItsCaptionPlaceAndTooltip) {
    const double dpi = window.logicalDpiX();
    const auto pixels = [dpi](const QRect& twips) {
        return QRect(TwipsToPixels(twips.x(), dpi), TwipsToPixels(twips.y(), dpi), TwipsToPixels(twips.width(), dpi),
                     TwipsToPixels(twips.height(), dpi));
    };
    for (const ShownControl& shown : kShownControls) {
        SCOPED_TRACE(shown.name);
        auto* control = window.findChild<QWidget*>(QString::fromLatin1(shown.name));
        ASSERT_NE(control, nullptr);
        // A list keeps its place and may grow to the right for its longest item.
        if (qobject_cast<QComboBox*>(control)) {
            EXPECT_EQ(control->geometry().topLeft(), pixels(shown.twips).topLeft());
            EXPECT_EQ(control->height(), pixels(shown.twips).height());
            EXPECT_GE(control->width(), pixels(shown.twips).width());
        } else {
            EXPECT_EQ(control->geometry(), pixels(shown.twips));
        }
        EXPECT_EQ(control->toolTip(), QString::fromUtf8(shown.toolTip));
        QString caption;
        if (auto* button = qobject_cast<QAbstractButton*>(control)) caption = button->text();
        if (auto* label = qobject_cast<QLabel*>(control)) caption = label->text();
        EXPECT_EQ(caption, QString::fromUtf8(shown.caption ? shown.caption : ""));
        const QFont font = control->font();
        EXPECT_EQ(font.family(), "Tahoma");
        const bool scan = qstrcmp(shown.name, "btnScan") == 0;
        const bool status = qstrcmp(shown.name, "LblText") == 0;
        EXPECT_DOUBLE_EQ(font.pointSizeF(), scan ? 14.25 : status ? 6.75 : 8.25);
        EXPECT_EQ(font.bold(), scan);
    }
    EXPECT_EQ(window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(),
              static_cast<qsizetype>(std::size(kShownControls)));
}

// What a screen reader is told of each control: buttons, check boxes and
// labels by their captions and tooltips; each list is named and labelled by
// the label before it, with its chosen item as its value; the notice is a link.
TEST_F(MainWindowTest, AScreenReaderHearsEveryControlByItsCaption) {
    const std::map<QString, std::pair<QString, QString>> listLabels{
        {"TxtDPI", {"DPI", "Sets the Initial Scan Quality."}},
        {"TxtScanType", {"Scan Type", "Sets the Scan Color Settings."}},
        {"TxtDuplexSetting", {"Duplex", "Sets the Sides of the Paper Scaned."}},
        {"TxtPageRejectionCoverage",
         {"Page Rejection", "Sets the percantage of ink coverage per page necessary to include the page."}},
        {"TxtFormat", {"Format", "Sets the resulting file format."}},
        {"TxtQuality", {"Quality (Size)", "Sets the result file format compression."}},
        {"TxtPaperSize", {"Paper Size", ""}},
        {"TxtOcrLanguage",
         {"Text Language", "The languages the text of a Searchable PDF is read in. Check several for pages in more than one."}}};
    window.show();
    for (const ShownControl& shown : kShownControls) {
        SCOPED_TRACE(shown.name);
        QWidget* control = window.findChild<QWidget*>(QString::fromLatin1(shown.name));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(accessible, nullptr);
        QAccessible::Role role = QAccessible::StaticText;
        QString name = QString::fromUtf8(shown.caption ? shown.caption : ""), description = QString::fromUtf8(shown.toolTip);
        if (qstrcmp(shown.name, "LblText") == 0) name = "Status";  // what it says is its description
        if (qobject_cast<QPushButton*>(control)) role = QAccessible::Button;
        if (qobject_cast<QCheckBox*>(control)) role = QAccessible::CheckBox;
        if (auto* list = qobject_cast<QComboBox*>(control)) {
            role = QAccessible::ComboBox;
            QString label;
            std::tie(label, description) = listLabels.at(QString::fromLatin1(shown.name));
            name = label;
            const auto labelledBy = accessible->relations(QAccessible::Label);
            ASSERT_EQ(labelledBy.size(), 1);
            EXPECT_EQ(labelledBy.first().first->text(QAccessible::Name), label);
            EXPECT_EQ(accessible->text(QAccessible::Value), list->currentText());
            // Its parts: the items, then the edit field of an editable list, each named.
            ASSERT_EQ(accessible->childCount(), list->isEditable() ? 2 : 1);
            EXPECT_EQ(accessible->child(0)->text(QAccessible::Name), label + " choices");
            if (list->isEditable()) {
                EXPECT_EQ(accessible->child(1)->role(), QAccessible::EditableText);
                EXPECT_EQ(accessible->child(1)->text(QAccessible::Name), label);
                EXPECT_EQ(accessible->indexOfChild(accessible->child(1)), 1);
            }
        }
        if (qstrcmp(shown.name, "LblCopyright") == 0) role = QAccessible::Link;
        EXPECT_EQ(accessible->role(), role);
        EXPECT_EQ(accessible->text(QAccessible::Name), name);
        EXPECT_EQ(accessible->text(QAccessible::Description), description);
    }

    // The notice is followed as a link is.
    QAccessibleInterface* notice = QAccessible::queryAccessibleInterface(window.NoticeLabel());
    ASSERT_NE(notice->actionInterface(), nullptr);
    notice->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(ui.openedAddresses, QStringList{kProductWebAddress});
}

TEST_F(MainWindowTest, TabOrderFollowsTheTableAndScanHoldsTheFocus) {
    EXPECT_EQ(window.focusWidget(), window.ScanButton());
    const QStringList expected{"btnScan",     "ChkTryADFFirst", "ChkAllowMultiplePages", "TxtDPI",
                               "TxtScanType", "TxtDuplexSetting", "TxtPageRejectionCoverage", "ChkAutoCrop",
                               "ChkAutoDeskew", "TxtFormat",    "ChkWIA",  "btnDefaults",
                               "ChkAutoContrast", "TxtQuality", "TxtPaperSize", "ChkSplitDocuments", "ChkReviewPages", "TxtOcrLanguage"};
    QStringList order;
    QWidget* current = window.ScanButton();
    do {
        // Editable lists put their inner text field in the chain too; it has no name.
        if (expected.contains(current->objectName()) && !order.contains(current->objectName()))
            order.append(current->objectName());
        current = current->nextInFocusChain();
    } while (current != window.ScanButton() && order.size() <= expected.size());
    EXPECT_EQ(order, expected);
}

TEST_F(MainWindowTest, EnterAndSpaceOnTheFocusedScanButtonRunTheScan) {
    int scans = 0;
    window.SetScanHandler([&] { ++scans; });
    window.show();
    QTest::keyClick(window.ScanButton(), Qt::Key_Return);
    QTest::keyClick(window.ScanButton(), Qt::Key_Space);
    EXPECT_EQ(scans, 2);
}

TEST_F(MainWindowTest, NoticeIsLightGreyEndsWithTheVersionAndOpensTheProductPage) {
    QLabel* notice = window.NoticeLabel();
    EXPECT_TRUE(notice->text().endsWith("v 1.07"));
    EXPECT_EQ(notice->palette().color(QPalette::WindowText), QColor(224, 224, 224));
    window.show();
    QTest::mouseClick(notice, Qt::LeftButton);
    EXPECT_EQ(ui.openedAddresses, QStringList{kProductWebAddress});
    EXPECT_TRUE(window.isVisible());
}

// Each item a list shows when chosen is never cut: whole, or where it cannot
// be, without the words in brackets that explain it in the open list.
TEST_F(MainWindowTest, EveryListShowsEachOfItsItemsUncut) {
    window.SetTextLanguages({"deu", "eng"});
    window.Load();
    window.show();
    const QRect before = window.List(OptionId::DuplexSetting)->geometry();
    for (QComboBox* list : window.findChildren<QComboBox*>()) {
        QLineEdit* edit = list->lineEdit();
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.frame = true;
        const int room = edit ? edit->contentsRect().width() - 4
                              : list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width() - 4;
        for (int item = 0; item < list->count(); ++item) {
            const QString whole = list->itemText(item);
            list->setCurrentIndex(item);
            const QString shown = edit ? edit->text() : list->currentText();
            SCOPED_TRACE(list->objectName().toStdString() + ": " + whole.toStdString());
            EXPECT_TRUE(shown == whole || shown == whole.section(" (", 0, 0)) << shown.toStdString();
            EXPECT_LE(list->fontMetrics().horizontalAdvance(shown), room);
        }
    }
    EXPECT_EQ(window.List(OptionId::DuplexSetting)->geometry().topLeft(), before.topLeft());
}

TEST_F(MainWindowTest, StatusLineIsEmptyAtStartAndTakesTwoLinesOfItsFont) {
    EXPECT_TRUE(window.StatusLabel()->text().isEmpty());
    window.SetStatusText("Warning: something");
    EXPECT_EQ(window.StatusLabel()->text(), "Warning: something");
    EXPECT_TRUE(window.StatusLabel()->wordWrap());
    EXPECT_GE(window.StatusLabel()->height(), 2 * QFontMetrics(window.StatusLabel()->font()).height());
    QAccessibleInterface* status = QAccessible::queryAccessibleInterface(window.StatusLabel());
    EXPECT_EQ(status->text(QAccessible::Name), "Status");
    EXPECT_EQ(status->text(QAccessible::Description), "Warning: something");
}

TEST(QtUserInterfaceTest, DialogFilterBecomesQtNameFilters) {
    const QChar nul(u'\0');
    const QString filter = QStringLiteral("TIFF image (*.tif *.tiff)") + nul + "*.tif;*.tiff" + nul;
    EXPECT_EQ(QtNameFilters(filter), QStringList{"TIFF image (*.tif *.tiff)"});
    EXPECT_EQ(QtNameFilters(QStringLiteral("Pictures") + nul + "*.png;*.gif" + nul), QStringList{"Pictures (*.png *.gif)"});
    EXPECT_TRUE(QtNameFilters(QString()).isEmpty());
    EXPECT_EQ(QtMessageText("a\r\rb\rc"), "a\n\nb\nc");
}

}  // namespace
}  // namespace quillon
