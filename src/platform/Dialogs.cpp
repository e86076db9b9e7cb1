#include "platform/Dialogs.h"

#include "platform/Cp1252.h"
#include "platform/FileCharacters.h"
#include "platform/WindowRegistry.h"
#include "store/Store.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace orvelle {
namespace {

QString BoxText(const std::string& text) {
    QString t = FromCp1252(text);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QChar('\r'), QChar('\n'));
    return t;
}

// Texts come with their own line breaks. The box would wrap each line again at its own, narrower
// width and leave ragged half lines, so its label is made as wide as the longest line. The box
// grows no wider than a limit of its own (a thousand pixels at most, less on a narrow screen),
// and a label wider than that would be cut: a longer line wraps within what the box can show.
void KeepTheTextsLines(QMessageBox& box, const QString& text) {
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!label) return;
    int widest = 0;
    for (const QString& line : text.split(QChar('\n')))
        widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
    widest += 2 * label->margin() + 1;
    QScreen* screen = box.screen() ? box.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const int screenWidth = screen->availableGeometry().width();
    int boxLimit = screenWidth <= 1024 ? screenWidth : std::min(screenWidth - 480, 1000);
    // What the box puts beside the label: its margins, the icon and the gaps.
    int beside = 0;
    if (QLayout* layout = box.layout()) {
        const QMargins m = layout->contentsMargins();
        beside += m.left() + m.right() + 2 * std::max(layout->spacing(), 0);
    }
    if (auto* icon = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label")); icon && !icon->pixmap().isNull())
        beside += icon->sizeHint().width();
    const int room = std::max(boxLimit - beside - 2 * label->fontMetrics().averageCharWidth(), 0);
    label->setMinimumWidth(std::min(widest, room));
}

QString BoxTitle(const std::string& title) { return title.empty() ? QString(kAppTitle) : FromCp1252(title); }

// Without a display nobody can answer a modal box, and it would wait forever; a headless run
// (the GUI tests) must install a scripted prompter instead.
bool& BoxesWithoutDisplay() {
    static bool on = false;
    return on;
}

bool Headless() {
    if (BoxesWithoutDisplay()) return false;
    const QString p = QGuiApplication::platformName();
    return p == QLatin1String("offscreen") || p == QLatin1String("minimal");
}

void ReportHeadless(const char* kind, const std::string& title, const std::string& text) {
    std::fprintf(stderr, "unanswerable %s without a display: [%s] %s\n", kind, title.c_str(), text.c_str());
}

// The window a box belongs to is the one the user was in when it asked (a dialog that is up asks
// over itself), so that the desktop keeps that window in front and gives it the keyboard back.
// Between two boxes in a row no window is active yet: the next one belongs where the last did.
QWidget* AskingWindow(QWidget* fallback) {
    static QPointer<QWidget> last;
    QWidget* w = QApplication::activeModalWidget();
    if (!w) w = QApplication::activeWindow();
    if (!w || !w->isVisible()) w = last;
    if (!w || !w->isVisible()) w = fallback;
    last = w;
    return w;
}

// Shows a box over the window that asked, above any window kept on top, and hands that window
// the keyboard again once the box is answered. The box lives on the heap: should the asking
// window go while it is up, the box goes with it and counts as dismissed.
template <class Box>
class BoxOverAsker {
public:
    explicit BoxOverAsker(QWidget* fallback) : asker_(AskingWindow(fallback)), box_(new Box(asker_)) {}
    ~BoxOverAsker() { delete box_.data(); }
    BoxOverAsker(const BoxOverAsker&) = delete;
    BoxOverAsker& operator=(const BoxOverAsker&) = delete;

    Box& operator*() const { return *box_; }
    Box* operator->() const { return box_.data(); }
    // The box's result; nullopt when it went without one.
    std::optional<int> Run() {
        OpenAboveWindowsKeptOnTop(box_);
        int result = box_->exec();
        if (asker_ && asker_->isVisible()) {
            asker_->raise();
            asker_->activateWindow();
        }
        if (!box_) return std::nullopt;
        return result;
    }

private:
    QPointer<QWidget> asker_;
    QPointer<Box> box_;
};

SilentPrompter& Silent() {
    static SilentPrompter silent;
    return silent;
}

Prompter*& Current() {
    static Prompter* current = nullptr;
    return current;
}

} // namespace

MsgAnswer DismissAnswer(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::OK: return MsgAnswer::OK;
    case MsgButtons::YesNo: return MsgAnswer::No;
    case MsgButtons::OKCancel:
    case MsgButtons::YesNoCancel: break;
    }
    return MsgAnswer::Cancel;
}

MsgAnswer QtPrompter::MsgBox(const std::string& text, MsgButtons buttons, const std::string& title, MsgIcon icon) {
    if (Headless()) {
        ReportHeadless("message box", title, text);
        return DismissAnswer(buttons);
    }
    return Show(BoxText(text), buttons, title, icon);
}

MsgAnswer QtPrompter::MsgBoxUtf8(const std::string& text, MsgButtons buttons, const std::string& title) {
    if (Headless()) {
        ReportHeadless("message box", title, text);
        return DismissAnswer(buttons);
    }
    return Show(QString::fromStdString(text), buttons, title, MsgIcon::None);
}

MsgAnswer QtPrompter::Show(const QString& text, MsgButtons buttons, const std::string& title, MsgIcon icon) {
    BoxOverAsker<QMessageBox> box(parent_);
    box->setWindowTitle(BoxTitle(title));
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    switch (icon) {
    case MsgIcon::Information: box->setIcon(QMessageBox::Information); break;
    case MsgIcon::Question: box->setIcon(QMessageBox::Question); break;
    case MsgIcon::Exclamation: box->setIcon(QMessageBox::Warning); break;
    case MsgIcon::Critical: box->setIcon(QMessageBox::Critical); break;
    case MsgIcon::None: break;
    }
    switch (buttons) {
    case MsgButtons::OK: box->setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::OKCancel: box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MsgButtons::YesNo: box->setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MsgButtons::YesNoCancel:
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    KeepTheTextsLines(*box, box->text());
    switch (box.Run().value_or(-1)) {
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Ok: return MsgAnswer::OK;
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    default: return DismissAnswer(buttons);
    }
}

std::string QtPrompter::InputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) {
    if (Headless()) {
        ReportHeadless("input box", title, prompt);
        return {};
    }
    BoxOverAsker<QInputDialog> box(parent_);
    box->setWindowTitle(BoxTitle(title));
    box->setLabelText(BoxText(prompt));
    box->setInputMode(QInputDialog::TextInput);
    box->setTextValue(FromCp1252(defaultText));
    // Every answer is kept in a file or becomes a file name.
    KeepFileCharactersOnly(box->findChild<QLineEdit*>());
    return box.Run() == QDialog::Accepted ? ToCp1252(box->textValue()) : std::string();
}

void QtPrompter::ShowBoxesWithoutDisplay(bool on) { BoxesWithoutDisplay() = on; }

Prompter& AppPrompter() { return Current() ? *Current() : Silent(); }

void SetAppPrompter(Prompter* prompter) { Current() = prompter; }

ScopedPrompter::ScopedPrompter(Store& store, Prompter& prompter)
    : store_(store), oldStoreUi_(store.ui), oldApp_(Current()) {
    store_.ui = &prompter;
    Current() = &prompter;
}

ScopedPrompter::~ScopedPrompter() {
    store_.ui = oldStoreUi_;
    Current() = oldApp_;
}

} // namespace orvelle
