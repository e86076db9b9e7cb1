#include "notes/frmFUT.h"

#include "notes/TermDialogs.h"
#include "platform/CaptionFit.h"
#include "platform/Cp1252.h"
#include "platform/Fonts.h"
#include "platform/MdiChildren.h"
#include "platform/Twips.h"
#include "platform/WindowRegistry.h"
#include "store/Store.h"
#include "store/TermLists.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDrag>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace orvelle {
namespace {

QPointer<frmFUT> gLoadedWindow;

// Design geometry, twips.
constexpr double kListMargin = 60;
constexpr double kPanelWidth = 2535, kButtonHeight = 300;
constexpr double kMinInnerHeight = 2000, kBelowLists = 1755, kPanelGap = 210;
const char* const kDesignCaption = "Frequent Terms";
const char* const kDisableCaption = "Disable Auto Complete";
const char* const kEnableCaption = "Enable Auto Complete";

// A command button that knows whether the click running it came from the mouse (the window
// manager then gave this window the keyboard) or from a key (the user was working here).
class CommandButton : public QPushButton {
public:
    using QPushButton::QPushButton;
    bool ClickedByMouse() const { return byMouse_; }

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        QPointer<CommandButton> self(this);
        byMouse_ = true;
        QPushButton::mouseReleaseEvent(e);
        if (self) byMouse_ = false;
    }

private:
    bool byMouse_ = false;
};

} // namespace

frmFUT::frmFUT(Store& store) : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint), store_(store) {
    setObjectName("frmFUT");
    setWindowTitle(kDesignCaption);
    setAttribute(Qt::WA_DeleteOnClose);
    // It comes up beside the window being typed in without taking the focus from it.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFont(DefaultWindowFont());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* bar = new QMenuBar(this);
    bar->setNativeMenuBar(false);
    layout->setMenuBar(bar);
    client_ = new QWidget(this);
    layout->addWidget(client_);

    lstFUT_ = new QListWidget(client_);
    lstFUT_->setObjectName("lstFUT");
    lstFUT_->installEventFilter(this);
    listViewport_ = lstFUT_->viewport();
    listViewport_->installEventFilter(this);
    // The edit dialog shows the term of the highlighted row, however the highlight moved.
    connect(lstFUT_, &QListWidget::itemSelectionChanged, this, [this] {
        int row = CurrentRow();
        frmEditFUT* edit = frmEditFUT::Find();
        if (edit && row >= 0) edit->txtEditFUT()->setText(lstFUT_->item(row)->text());
    });
    lstMoreFUT_ = new QListWidget(client_);
    lstMoreFUT_->setObjectName("lstMoreFUT");
    lstMoreFUT_->hide();
    lstMoreFUT_->installEventFilter(this);
    connect(lstMoreFUT_, &QListWidget::itemClicked, this, [this] { lstMoreFUT_Click(); });

    picOpt_ = new QWidget(client_);
    picOpt_->setObjectName("picOpt");
    ResizeTwips(picOpt_, kPanelWidth, 5 * kButtonHeight);
    const char* captions[4] = {kDisableCaption, "Add New Term to List", "Edit Selected Term", "Remove Selected Term"};
    for (int i = 0; i < 4; ++i) {
        auto* button = new CommandButton(captions[i], picOpt_);
        cmdOpt_[i] = button;
        cmdOpt_[i]->setObjectName(QString("cmdOpt_%1").arg(i));
        // Tab reaches the buttons; a click leaves the keyboard where it is typing.
        cmdOpt_[i]->setFocusPolicy(Qt::TabFocus);
        SetGeometryTwips(cmdOpt_[i], 0, i * kButtonHeight, kPanelWidth, kButtonHeight);
        connect(button, &QPushButton::clicked, this,
                [this, i, button] { RunCommand(button->ClickedByMouse(), [this, i] { cmdOpt_Click(i); }); });
    }
    const char* cases[3] = {"abc", "Abc", "ABC"};
    for (int i = 0; i < 3; ++i) {
        auto* button = new CommandButton(cases[i], picOpt_);
        cmdCase_[i] = button;
        cmdCase_[i]->setObjectName(QString("cmdCase_%1").arg(i));
        cmdCase_[i]->setFocusPolicy(Qt::TabFocus);
        SetGeometryTwips(cmdCase_[i], i * kPanelWidth / 3, 4 * kButtonHeight, kPanelWidth / 3, kButtonHeight);
        connect(button, &QPushButton::clicked, this,
                [this, i, button] { RunCommand(button->ClickedByMouse(), [this, i] { cmdCase_Click(i); }); });
    }
    BuildMenus();
    // Narrower, the buttons would not fit below the lists.
    setMinimumWidth(TwipsToPixelsX(kPanelWidth + 150));
    KeepCaptionsWhole(this);
}

frmFUT::~frmFUT() {
    if (!unloaded_) Form_Unload();
}

void frmFUT::BuildMenus() {
    auto* bar = static_cast<QMenuBar*>(layout()->menuBar());
    auto add = [this](QMenu* menu, const char* name, const char* caption, auto slot) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, [this, slot] { RunCommand(menuByMouse_, slot); });
        return a;
    };
    Store& s = store_;
    mnuFile_ = bar->addMenu("&File");
    mnuFile_->setObjectName("mnuFile");
    add(mnuFile_, "mnuFileShowAll", "Show All Frequent Terms Files", [&s] { mnuFileShowAll(s); });
    mnuFileOpenFUT_ = add(mnuFile_, "mnuFileOpenFUT", "&Open Another Frequent Terms File", [this] {
        if (!store_.hooks.ShowFileDialogForTerms) return;
        openedWindow_ = true;
        store_.hooks.ShowFileDialogForTerms();
    });
    add(mnuFile_, "mnuFileNewFUT", "Create &New Frequent Terms File", [this] { mnuFileNewFUT_Click(); });
    mnuFileDelete_ = add(mnuFile_, "mnuFileDelete", "Delete this Frequent Terms List", [&s] { DeleteCurrentFUTFile(s); });
    add(mnuFile_, "mnuFileDefaultFUT", "Make this the Default Frequent Terms List", [&s] { MakeDefaultFUTFile(s); });
    // The open-file dialog is a window of its own; without it the command is off.
    connect(mnuFile_, &QMenu::aboutToShow, this,
            [this] { mnuFileOpenFUT_->setEnabled(static_cast<bool>(store_.hooks.ShowFileDialogForTerms)); });
    mnuFileOpenFUT_->setEnabled(static_cast<bool>(store_.hooks.ShowFileDialogForTerms));

    QMenu* edit = bar->addMenu("&Edit");
    edit->setObjectName("mnuEdit");
    add(edit, "mnuEditClear", "Delete all Items in this List", [&s] { ClearFUTList(s); });
    QMenu* window = bar->addMenu("&Window");
    window->setObjectName("mnuWindow");
    add(window, "mnuWindowSavePosition", "Save Window Position and Size", [this] { mnuWindowSavePosition_Click(); });
    // A menu's command is chosen by a mouse release or by a key in the open menu.
    for (QMenu* menu : {mnuFile_, edit, window}) menu->installEventFilter(this);
}

void frmFUT::RunCommand(bool byMouse, const std::function<void()>& command) {
    QPointer<frmFUT> self(this);
    openedWindow_ = false;
    openedDialog_ = nullptr;
    command();
    if (!self || !byMouse || unloaded_) return;
    // A click took the keyboard from the box being typed in: it goes back there, unless the
    // command opened a window the user goes on in (the open-file dialog, the list of lists).
    // A term dialog has the keyboard until it closes, and then gives it back there.
    Store& s = store_;
    if (openedDialog_) {
        connect(openedDialog_, &QDialog::finished, openedDialog_, [&s] { FocusTypingBox(s); },
                Qt::SingleShotConnection);
        return;
    }
    if (openedWindow_ || s.terms.gShowingMoreFUT) return;
    FocusTypingBox(s);
}

frmFUT* frmFUT::Find() {
    // A closed window waiting to be deleted is no longer loaded.
    return gLoadedWindow && !gLoadedWindow->unloaded_ ? gLoadedWindow.data() : nullptr;
}

frmFUT* frmFUT::ShowWindow(Store& store, bool minimized) {
    frmFUT* w = Find();
    if (w) {
        if (w->isMinimized() && !minimized) w->showNormal();
        w->raise();
        return w;
    }
    w = new frmFUT(store);
    gLoadedWindow = w;
    w->Form_Load();
    if (minimized) w->showMinimized();
    return w;
}

void frmFUT::Form_Load() {
    Store& s = store_;
    s.terms.gFUTWindowLoaded = true;
    s.hooks.RefreshTermsWindow = [this] { RefreshFromStore(); };
    RegisterWindow(this);
    ReadFrequentlyUsedTerms(s);
    RefreshFromStore();
    // Opened before any planner or notes window has set the place: their defaults.
    if (s.prefs.gFUTWidth <= 0 || s.prefs.gFUTHeight <= 0) SetDefaultFUTGeometry(s, ScreenWidthTwips());
    const Preferences& p = s.prefs;
    if (ScreenPixels().width() >= 1024) {
        // The kept numbers are the outer frame's: the frame goes there, the client fills the rest.
        placeOuter_ = QRect(TwipsToPixelsX(p.gFUTLeft), TwipsToPixelsY(p.gFUTTop), TwipsToPixelsX(p.gFUTWidth),
                            TwipsToPixelsY(p.gFUTHeight));
        resize(placeOuter_.size());
        move(placeOuter_.topLeft());
        MakeMeTopmost(this, true);
        FitOuterFrame();
        // A window manager may frame the window later; after that the place is the user's.
        QTimer::singleShot(2000, this, [this] { placeOuter_ = QRect(); });
    } else {
        ResizeTwips(this, p.gFUTWidth, p.gFUTHeight);
        CenterForm(this);
        show();
    }
}

void frmFUT::Form_Resize() {
    if (isMinimized()) return;
    const double innerWidth = PixelsToTwipsX(client_->width()), innerHeight = PixelsToTwipsY(client_->height());
    if (innerHeight >= kMinInnerHeight) {
        for (QListWidget* list : {lstFUT_, lstMoreFUT_})
            SetGeometryTwips(list, kListMargin, kListMargin, innerWidth - 150, innerHeight - kBelowLists);
        MoveTwips(picOpt_, innerWidth / 2 - kPanelWidth / 2, innerHeight - kBelowLists + kPanelGap);
    }
    // A resize by the user (its frame dragged) took the keyboard; the window coming up, framed or
    // placed never had it (it maps without asking for it), and is not raced for it.
    if (isVisible() && isActiveWindow()) FocusTypingBox(store_);
    KeepGeometry();
}

void frmFUT::FitOuterFrame() {
    if (placeOuter_.isNull() || isMinimized()) return;
    QRect frame = frameGeometry();
    int extraWidth = frame.width() - width(), extraHeight = frame.height() - height();
    if (extraWidth <= 0 && extraHeight <= 0) return;
    QRect outer = placeOuter_;
    placeOuter_ = QRect();
    resize(std::max(1, outer.width() - extraWidth), std::max(1, outer.height() - extraHeight));
    move(outer.topLeft());
}

void frmFUT::KeepGeometry() {
    if (isMinimized()) return;
    Preferences& p = store_.prefs;
    QRect outer = frameGeometry();
    p.gFUTLeft = PixelsToTwipsX(outer.x());
    p.gFUTTop = PixelsToTwipsY(outer.y());
    p.gFUTWidth = PixelsToTwipsX(outer.width());
    p.gFUTHeight = PixelsToTwipsY(outer.height());
}

void frmFUT::Form_Unload() {
    unloaded_ = true;
    store_.terms.gFUTWindowLoaded = false;
    store_.terms.gFUTWindowVisible = false;
    store_.hooks.RefreshTermsWindow = nullptr;
}

void frmFUT::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    FitOuterFrame();
    Form_Resize();
}

void frmFUT::moveEvent(QMoveEvent* e) {
    QWidget::moveEvent(e);
    FitOuterFrame();
    KeepGeometry();
}

void frmFUT::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    store_.terms.gFUTWindowVisible = true;
    Form_Resize();
}

void frmFUT::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    // Minimised is still shown; only a hidden window is not.
    if (!isMinimized()) store_.terms.gFUTWindowVisible = false;
}

void frmFUT::closeEvent(QCloseEvent* e) {
    if (!unloaded_) Form_Unload();
    e->accept();
}

void frmFUT::RefreshFromStore() {
    const TermLists& t = store_.terms;
    setWindowTitle(t.caption.empty() ? QString(kDesignCaption) : FromCp1252(t.caption));
    // A list is refilled only when its rows changed (a click on it may be what is running).
    auto fill = [](QListWidget* list, const std::vector<std::string>& items) {
        QStringList rows;
        for (const std::string& r : items) rows << FromCp1252(r);
        QStringList shown;
        for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
        if (rows == shown) return;
        list->clear();
        list->addItems(rows);
    };
    fill(lstFUT_, t.rows);
    fill(lstMoreFUT_, t.moreFiles);
    lstFUT_->setVisible(!t.gShowingMoreFUT);
    lstMoreFUT_->setVisible(t.gShowingMoreFUT);
    if (t.gShowingMoreFUT && !wasShowingMore_) {
        if (lstMoreFUT_->count() > 0) lstMoreFUT_->setCurrentRow(0);
        // The keyboard comes here once the command is done, unless it picked a list at once (F3)
        // and gave the keyboard back to the box being typed in.
        QTimer::singleShot(0, this, [this] {
            if (!store_.terms.gShowingMoreFUT || unloaded_) return;
            activateWindow();
            lstMoreFUT_->setFocus();
        });
    }
    wasShowingMore_ = t.gShowingMoreFUT;
    mnuFile_->menuAction()->setEnabled(t.mnuFileEnabled);
    mnuFileDelete_->setEnabled(t.mnuFileDeleteEnabled);
    cmdOpt_[0]->setText(store_.prefs.gAutoCompleteOn ? kDisableCaption : kEnableCaption);
}

int frmFUT::CurrentRow() const {
    QList<QListWidgetItem*> selected = lstFUT_->selectedItems();
    return selected.size() == 1 ? lstFUT_->row(selected.front()) : -1;
}

void frmFUT::cmdOpt_Click(int index) {
    Store& s = store_;
    switch (index) {
    case 0:
        // Switched for now; the preference stays as saved.
        s.prefs.gAutoCompleteOn = cmdOpt_[0]->text() != kDisableCaption;
        cmdOpt_[0]->setText(s.prefs.gAutoCompleteOn ? kDisableCaption : kEnableCaption);
        break;
    case 1: openedDialog_ = frmAddFUT::ShowDialog(s); break;
    case 2: {
        int row = CurrentRow();
        if (row < 0) {
            s.ui->MsgBox("Nothing selected to edit.", MsgButtons::OK, "");
            return;
        }
        openedDialog_ = frmEditFUT::ShowDialog(s, lstFUT_->item(row)->text());
        break;
    }
    case 3: RemoveFUTTerm(s, CurrentRow()); break;
    default: break;
    }
}

void frmFUT::cmdCase_Click(int index) { ChangeFUTCase(store_, index); }

void frmFUT::mnuFileNewFUT_Click() {
    CreateNewFUTFile(store_);
    if (!store_.terms.gFUTFileCreated) return;
    openedDialog_ = frmAddFUT::ShowDialog(store_);
    store_.terms.rows.clear();
    RefreshFromStore();
}

void frmFUT::mnuWindowSavePosition_Click() {
    QRect outer = frameGeometry();
    SaveFUTWindowPosition(store_, PixelsToTwipsX(outer.x()), PixelsToTwipsY(outer.y()), PixelsToTwipsX(outer.width()),
                          PixelsToTwipsY(outer.height()));
}

bool frmFUT::lstFUT_KeyDown(int keyCode) {
    if (keyCode == Qt::Key_Right) return true;
    if (keyCode != Qt::Key_Left && keyCode != Qt::Key_Insert) return false;
    int row = CurrentRow();
    if (row < 0) return true;
    Store& s = store_;
    std::string term = ToCp1252(lstFUT_->item(row)->text());
    // Into the box the keyboard goes back to, which it then has.
    switch (TypingWindow(s)) {
    case TypingBox::NotesBox:
        if (s.hooks.KeyTermIntoNotes) s.hooks.KeyTermIntoNotes(term);
        break;
    case TypingBox::PlannerLine:
        if (s.hooks.KeyTermIntoPlanner) s.hooks.KeyTermIntoPlanner(term);
        break;
    case TypingBox::None: break;
    }
    return true;
}

void frmFUT::lstMoreFUT_Click() { PickFUTFile(store_, lstMoreFUT_->currentRow()); }

bool frmFUT::lstMoreFUT_KeyDown(int keyCode) {
    if (keyCode != Qt::Key_Return && keyCode != Qt::Key_Enter) return false;
    lstMoreFUT_Click();
    return true;
}

void frmFUT::StartDrag() {
    int row = CurrentRow();
    if (row < 0) return;
    auto* data = new QMimeData;
    data->setData(kTermDragFormat, QByteArray::fromStdString(ToCp1252(lstFUT_->item(row)->text())));
    auto* drag = new QDrag(lstFUT_);
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction);
}

bool frmFUT::eventFilter(QObject* watched, QEvent* e) {
    if (qobject_cast<QMenu*>(watched)) {
        if (e->type() == QEvent::MouseButtonRelease) menuByMouse_ = true;
        else if (e->type() == QEvent::KeyPress) menuByMouse_ = false;
        return QWidget::eventFilter(watched, e);
    }
    if (e->type() == QEvent::KeyPress) {
        int key = static_cast<QKeyEvent*>(e)->key();
        if (watched == lstFUT_ && lstFUT_KeyDown(key)) return true;
        if (watched == lstMoreFUT_ && lstMoreFUT_KeyDown(key)) return true;
    }
    if (watched == listViewport_) {
        switch (e->type()) {
        case QEvent::MouseButtonPress: {
            auto* m = static_cast<QMouseEvent*>(e);
            dragArmed_ = m->button() == Qt::LeftButton;
            dragFrom_ = m->position().toPoint();
            break;
        }
        case QEvent::MouseMove: {
            auto* m = static_cast<QMouseEvent*>(e);
            if (dragArmed_ && (m->buttons() & Qt::LeftButton) &&
                (m->position().toPoint() - dragFrom_).manhattanLength() >= QApplication::startDragDistance()) {
                dragArmed_ = false;
                StartDrag();
                return true;
            }
            break;
        }
        case QEvent::MouseButtonRelease: dragArmed_ = false; break;
        default: break;
        }
    }
    return QWidget::eventFilter(watched, e);
}

} // namespace orvelle
