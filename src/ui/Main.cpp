// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Main.h"

#include "ui/OnWindowThread.h"

#include "settings/RegistryStore.h"
#include "support/UserInterface.h"
#include "ui/AccessibleLink.h"
#include "ui/AccessibleNamedList.h"
#include "ui/ClickableLabel.h"
#include "ui/MainLayout.h"
#include "ui/TextLanguageChoice.h"

#include <QAccessible>
#include <QCheckBox>
#include <QCloseEvent>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace quillon {

namespace {

// Debian ships a Tahoma-compatible face with Wine, outside fontconfig's folders.
void RegisterTahoma() {
    static const bool registered = [] {
        for (const char* file : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
            QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        return true;
    }();
    (void)registered;
}

QFont TahomaFont(double pointSize, bool bold = false) {
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

// The label shown before each list.
constexpr std::pair<const char*, const char*> kListLabels[] = {
    {"Label1", "TxtDPI"},     {"Label2", "TxtScanType"}, {"Label3", "TxtDuplexSetting"},
    {"Label4", "TxtPageRejectionCoverage"}, {"Label5", "TxtFormat"}, {"Label6", "TxtQuality"},
    {"Label7", "TxtPaperSize"},
};

std::optional<OptionId> OptionOfControl(const char* controlName) {
    for (const OptionSpec& option : AllOptions())
        if (qstrcmp(option.controlName, controlName) == 0) return option.id;
    return std::nullopt;
}

}  // namespace

Main::Main(const RegistryStore& store, UserInterface& ui, QWidget* parent) : QWidget(parent), store_(store), ui_(ui) {
    RegisterTahoma();
    InstallAccessibleLinks();
    InstallAccessibleNamedLists();
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("Quillon"));
    // A fixed single border: minimise and close, no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    const double dpi = logicalDpiX();
    setFixedSize(TwipsToPixels(kClientWidthTwips, dpi), TwipsToPixels(kClientHeightTwips, dpi));
    CreateControls();
    FitToTexts();
    ConnectOptionHandlers();
}

void Main::CreateControls() {
    const double dpi = logicalDpiX();
    QWidget* previous = nullptr;
    for (const ControlLayout& layout : MainControls()) {
        const QString caption = tr(layout.caption);
        QWidget* control = nullptr;
        switch (layout.kind) {
            case ControlKind::CommandButton: {
                auto* button = new QPushButton(caption, this);
                button->setAutoDefault(true);  // Enter clicks the focused button
                control = button;
                break;
            }
            case ControlKind::CheckBox: {
                auto* box = new QCheckBox(caption, this);
                box->setChecked(true);  // created checked; loading sets the stored state
                control = box;
                break;
            }
            case ControlKind::ComboBox: {
                auto* combo = new QComboBox(this);
                combo->setEditable(true);
                combo->setInsertPolicy(QComboBox::NoInsert);
                combo->setCompleter(nullptr);
                // Qt selects the item whose text was typed when editing ends
                // (Return, or leaving the list), which would run the option's
                // handler and store it. Only a choice from the list selects:
                // typed text is put back to the chosen item's when editing
                // ends, so the list always shows what is stored.
                QObject::disconnect(combo->lineEdit(), &QLineEdit::returnPressed, combo, nullptr);
                QObject::disconnect(combo->lineEdit(), &QLineEdit::editingFinished, combo, nullptr);
                connect(combo->lineEdit(), &QLineEdit::editingFinished, combo, [combo] { ShowSelectedItem(combo); });
                // After the list's own text for the item: the shown text fits.
                connect(combo, &QComboBox::currentIndexChanged, combo, [combo] { ShowSelectedItem(combo); });
                control = combo;
                break;
            }
            case ControlKind::Label: {
                auto* label = qstrcmp(layout.name, "LblCopyright") == 0 ? new ClickableLabel(caption, this)
                                                                         : new QLabel(caption, this);
                label->setWordWrap(true);
                label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
                label->setTextFormat(Qt::PlainText);
                control = label;
                break;
            }
        }
        control->setObjectName(QString::fromLatin1(layout.name));
        control->setGeometry(TwipsToPixels(layout.left, dpi), TwipsToPixels(layout.top, dpi),
                             TwipsToPixels(layout.width, dpi), TwipsToPixels(layout.height, dpi));
        control->setFont(TahomaFont(8.25));
        if (*layout.toolTip) control->setToolTip(tr(layout.toolTip));
        if (layout.kind != ControlKind::Label) {
            if (previous) QWidget::setTabOrder(previous, control);
            previous = control;
        }
        if (const auto option = OptionOfControl(layout.name))
            optionControls_[static_cast<std::size_t>(*option)] = control;
    }

    // For a screen reader: each list is named and labelled by the label
    // before it, and described by that label's tooltip; its parts are named
    // by it too.
    for (const auto& [labelName, listName] : kListLabels) {
        auto* label = findChild<QLabel*>(QString::fromLatin1(labelName));
        auto* list = findChild<QComboBox*>(QString::fromLatin1(listName));
        label->setBuddy(list);  // on Linux, the list's "labelled by" relation
        list->setAccessibleName(label->text());
        list->setAccessibleDescription(label->toolTip());
        list->lineEdit()->setAccessibleName(label->text());
        list->view()->setAccessibleName(tr("%1 choices", "a list's open items, named by its label").arg(label->text()));
    }

    // Beside the paper size, last in the tab order: the text's languages,
    // offered for a Searchable PDF.
    textLanguages_ = new TextLanguageChoice(this, store_);
    textLanguages_->label()->setGeometry(TwipsToPixels(3000, dpi), TwipsToPixels(1920, dpi), TwipsToPixels(1095, dpi),
                                         TwipsToPixels(255, dpi));
    textLanguages_->list()->setGeometry(TwipsToPixels(4200, dpi), TwipsToPixels(1920, dpi), TwipsToPixels(1935, dpi),
                                        TwipsToPixels(315, dpi));
    for (QWidget* part : {static_cast<QWidget*>(textLanguages_->label()), static_cast<QWidget*>(textLanguages_->list())})
        part->setFont(TahomaFont(8.25));
    if (previous) QWidget::setTabOrder(previous, textLanguages_->list());

    scanButton_ = findChild<QPushButton*>(QStringLiteral("btnScan"));
    scanButton_->setFont(TahomaFont(14.25, true));
    defaultsButton_ = findChild<QPushButton*>(QStringLiteral("btnDefaults"));
    statusLabel_ = findChild<QLabel*>(QStringLiteral("LblText"));
    statusLabel_->setFont(TahomaFont(6.75));
    statusLabel_->setAccessibleName(tr("Status"));
    noticeLabel_ = findChild<QLabel*>(QStringLiteral("LblCopyright"));
    QPalette palette = noticeLabel_->palette();
    palette.setColor(QPalette::WindowText, QColor(224, 224, 224));
    noticeLabel_->setPalette(palette);

    connect(scanButton_, &QPushButton::clicked, this, [this] {
        if (scanHandler_) scanHandler_();
    });
    connect(defaultsButton_, &QPushButton::clicked, this, &Main::OnDefaultsClicked);
    // The desktop's answer is ignored: without a browser nothing happens.
    connect(static_cast<ClickableLabel*>(noticeLabel_), &ClickableLabel::clicked, this,
            [this] { ui_.OpenWebAddress(kProductWebAddress); });
}

void Main::Load() {
    ReloadForm();
    scanButton_->setFocus(Qt::OtherFocusReason);
}

void Main::SetStatusText(const QString& text) {
    statusLabel_->setText(text);
    statusLabel_->repaint();
    // Said by a screen reader as it changes, as a sighted user sees it: the
    // line is named "Status", and what it says is its description.
    statusLabel_->setAccessibleDescription(text);
    QAccessibleEvent changed(statusLabel_, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void Main::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    setProperty(kWindowClosedProperty, true);
    if (closeHandler_) closeHandler_();
}

int Main::CheckState(OptionId id) const { return Check(id)->isChecked() ? 1 : 0; }

int Main::SelectedIndex(OptionId id) const { return List(id)->currentIndex(); }

QString Main::EditText(OptionId id) const { return List(id)->currentText(); }

namespace {

// The room a list's field gives its text.
int TextRoom(const QComboBox* list) {
    const QLineEdit* edit = list->lineEdit();
    const QMargins margins = edit->textMargins();
    return edit->contentsRect().width() - margins.left() - margins.right() - 4;
}

}  // namespace

// An item's words in brackets explain it in the open list ("Manual Duplex
// (turn the stack)"); the closed list leaves them out where the whole would
// not fit, so what it shows is never cut.
void Main::ShowSelectedItem(QComboBox* list) {
    QString text = list->currentIndex() >= 0 ? list->itemText(list->currentIndex()) : QString();
    const qsizetype explanation = text.indexOf(QStringLiteral(" ("));
    if (explanation > 0 && list->lineEdit()->fontMetrics().horizontalAdvance(text) > TextRoom(list))
        text.truncate(explanation);
    list->setEditText(text);
}

// A list grows to the right, as far as the next control along, until its
// longest item fits: its place stays, and nothing is covered.
void Main::WidenForLongestItem(QComboBox* list) {
    int longest = 0;
    for (int item = 0; item < list->count(); ++item)
        longest = std::max(longest, list->lineEdit()->fontMetrics().horizontalAdvance(list->itemText(item)));
    const int wanted = list->width() + longest - TextRoom(list);
    if (wanted <= list->width()) return;
    int limit = width() - 4;
    const QRect place = list->geometry();
    for (const QWidget* other : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QRect there = other->geometry();
        if (other == list || !other->isVisibleTo(this) || there.left() < place.right() || there.bottom() < place.top() ||
            there.top() > place.bottom())
            continue;
        limit = std::min(limit, there.left() - 4);
    }
    list->resize(std::clamp(wanted, place.width(), limit - place.left()), place.height());
}

// The width a control needs to show its text whole, on one line.
int Main::NeededWidth(QWidget* control) const {
    if (auto* list = qobject_cast<QComboBox*>(control)) {
        // The closed list may leave out an item's words in brackets (ShowSelectedItem).
        const std::optional<OptionId> option = OptionOfControl(list->objectName().toLatin1().constData());
        QStringList items = option ? OptionItems(*option) : QStringList{};
        for (int item = 0; item < list->count(); ++item) items.append(list->itemText(item));
        const QLineEdit* edit = list->lineEdit();  // none: a list to pick from only
        int longest = 0;
        for (const QString& item : items)
            longest = std::max(longest, list->fontMetrics().horizontalAdvance(item.section(QStringLiteral(" ("), 0, 0)));
        // The field's room as the style gives it (the window is not laid out yet), as TextRoom counts it.
        QStyleOptionComboBox look;
        look.initFrom(list);
        look.rect = QRect(QPoint(), list->size());
        look.editable = edit != nullptr;
        look.frame = list->hasFrame();
        const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &look, QStyle::SC_ComboBoxEditField, list);
        const QMargins margins = edit ? edit->textMargins() : QMargins();
        const int room = field.width() - margins.left() - margins.right() - 4;
        return list->width() + longest - room;
    }
    const QFontMetrics metrics = control->fontMetrics();
    if (auto* box = qobject_cast<QCheckBox*>(control))
        return style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
               style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box) +
               metrics.horizontalAdvance(box->text());
    if (auto* button = qobject_cast<QPushButton*>(control))
        return metrics.horizontalAdvance(button->text()) + 2 * style()->pixelMetric(QStyle::PM_ButtonMargin) + 4;
    if (auto* label = qobject_cast<QLabel*>(control)) return metrics.horizontalAdvance(label->text());
    return control->width();
}

void Main::FitToTexts() {
    QList<QWidget*> controls;
    for (QWidget* control : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (control != statusLabel_ && control != noticeLabel_) controls.append(control);
    std::stable_sort(controls.begin(), controls.end(), [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
    const int margin = width() - std::max(scanButton_->geometry().right(), statusLabel_->geometry().right());
    for (QWidget* control : controls) {
        const int needed = NeededWidth(control);
        // The room up to the next control along its row, or to the window's edge:
        // a caption's box may reach under the list beside it.
        const QRect place = control->geometry();
        int room = width() - margin - place.left();
        for (const QWidget* other : controls) {
            const QRect there = other->geometry();
            if (there.left() > place.left() && there.top() <= place.bottom() && there.bottom() >= place.top())
                room = std::min(room, there.left() - 4 - place.left());
        }
        if (needed <= std::min(place.width(), room)) continue;
        // A list takes the room itself (WidenForLongestItem); a caption grows into it.
        if (!qobject_cast<QComboBox*>(control) && needed > place.width()) control->resize(needed, control->height());
        // Room is made where the next control along the row begins, in every row.
        const int shift = needed - room;
        if (shift <= 0) continue;
        const int from = place.left() + room + 4;
        for (QWidget* other : controls)
            if (other != control && other->x() >= from) other->move(other->x() + shift, other->y());
    }
    int rightmost = 0;
    for (QWidget* control : controls) rightmost = std::max(rightmost, control->geometry().right());
    const int wider = std::max(width(), rightmost + margin + 1);
    if (wider == width()) return;
    // The status line spans the window; the notice keeps its place from the right.
    const int added = wider - width();
    statusLabel_->resize(statusLabel_->width() + added, statusLabel_->height());
    noticeLabel_->move(noticeLabel_->x() + added, noticeLabel_->y());
    setFixedSize(wider, height());
}

void Main::SetTextLanguages(const QStringList& installed) { textLanguages_->SetInstalled(installed); }

QComboBox* Main::TextLanguageList() const { return textLanguages_->list(); }

QComboBox* Main::List(OptionId id) const { return qobject_cast<QComboBox*>(OptionControl(id)); }

QCheckBox* Main::Check(OptionId id) const { return qobject_cast<QCheckBox*>(OptionControl(id)); }

}  // namespace quillon
