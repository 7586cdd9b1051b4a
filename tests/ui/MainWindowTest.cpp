#include "settings/SqliteRegistryBackend.h"
#include "settings/RegistryStore.h"
#include "ui/Main.h"
#include "ui/MainLayout.h"
#include "ui/QtUserInterface.h"

#include "../common/ScriptedUserInterface.h"
#include "../common/TempDir.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>

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
    EXPECT_EQ(window.height(), TwipsToPixels(2955, dpi));
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
}

TEST_F(MainWindowTest, EveryControlHasItsCaptionPlaceAndTooltip) {
    const double dpi = window.logicalDpiX();
    for (const ControlLayout& layout : MainControls()) {
        SCOPED_TRACE(layout.name);
        auto* control = window.findChild<QWidget*>(QString::fromLatin1(layout.name));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(), QRect(TwipsToPixels(layout.left, dpi), TwipsToPixels(layout.top, dpi),
                                             TwipsToPixels(layout.width, dpi), TwipsToPixels(layout.height, dpi)));
        EXPECT_EQ(control->toolTip(), QString::fromUtf8(layout.toolTip));
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            EXPECT_EQ(button->text(), QString::fromUtf8(layout.caption));
        }
        if (layout.kind == ControlKind::Label && qstrcmp(layout.name, "LblText") != 0) {
            EXPECT_EQ(qobject_cast<QLabel*>(control)->text(), QString::fromUtf8(layout.caption));
        }
        const QFont font = control->font();
        EXPECT_EQ(font.family(), "Tahoma");
        const bool scan = qstrcmp(layout.name, "btnScan") == 0;
        const bool status = qstrcmp(layout.name, "LblText") == 0;
        EXPECT_DOUBLE_EQ(font.pointSizeF(), scan ? 14.25 : status ? 6.75 : 8.25);
        EXPECT_EQ(font.bold(), scan);
    }
    auto* dpiCaption = window.findChild<QLabel*>("Label1");
    EXPECT_EQ(dpiCaption->toolTip(), "Sets the Initial Scan Quality.");
    EXPECT_EQ(window.findChild<QLabel*>("Label3")->toolTip(), "Sets the Sides of the Paper Scaned.");
}

TEST_F(MainWindowTest, TabOrderFollowsTheTableAndScanHoldsTheFocus) {
    EXPECT_EQ(window.focusWidget(), window.ScanButton());
    const QStringList expected{"btnScan",     "ChkTryADFFirst", "ChkAllowMultiplePages", "TxtDPI",
                               "TxtScanType", "TxtDuplexSetting", "TxtPageRejectionCoverage", "ChkAutoCrop",
                               "ChkAutoDeskew", "TxtFormat",    "ChkWIA",  "btnDefaults",
                               "ChkAutoContrast", "TxtQuality", "TxtPaperSize"};
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

TEST_F(MainWindowTest, StatusLineIsEmptyAtStartAndTakesTwoLinesOfItsFont) {
    EXPECT_TRUE(window.StatusLabel()->text().isEmpty());
    window.SetStatusText("Warning: something");
    EXPECT_EQ(window.StatusLabel()->text(), "Warning: something");
    EXPECT_TRUE(window.StatusLabel()->wordWrap());
    EXPECT_GE(window.StatusLabel()->height(), 2 * QFontMetrics(window.StatusLabel()->font()).height());
}

TEST(QtUserInterfaceTest, DialogFilterBecomesQtNameFilters) {
    const QString filter = QStringLiteral(".pdf (*.pdf) ") + QChar(u'\0') + "*.pdf;*.pdf" + QChar(u'\0');
    EXPECT_EQ(QtNameFilters(filter), QStringList{".pdf (*.pdf) (*.pdf *.pdf)"});
    EXPECT_TRUE(QtNameFilters(QString()).isEmpty());
    EXPECT_EQ(QtMessageText("a\r\rb\rc"), "a\n\nb\nc");
}

}  // namespace
}  // namespace quillon
