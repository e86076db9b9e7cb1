#include "planner/frmPlanner.h"

#include "planner/PlannerLineBox.h"
#include "planner/PlannerLineEditing.h"
#include "planner/PlannerExchange.h"
#include "planner/PlannerMerge.h"
#include "planner/PlannerPageView.h"
#include "planner/PlannerTerms.h"
#include "planner/PlannerClipboard.h"
#include "planner/PlannerPrinting.h"
#include "planner/PlannerSideCommands.h"
#include "planner/PlannerTimeLabels.h"
#include "platform/CaptionFit.h"
#include "platform/CloseQuestions.h"
#include "platform/Cp1252.h"
#include "platform/MdiChildren.h"
#include "platform/Twips.h"
#include "platform/WindowRegistry.h"
#include "store/PlannerStore.h"

#include <QFocusEvent>
#include "store/SaveChangesPrompt.h"
#include "store/Store.h"
#include "store/TermLists.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace orvelle {
namespace {

// Room kept between a search hit's line and the edge of the page's view.
constexpr double kHitMarginTwips = 300;

} // namespace

frmPlanner::frmPlanner(Store& store, QWidget* parent) : QWidget(parent), s_(store), model_(store) {
    setObjectName("frmPlanner");
    setWindowTitle("Monthly Planner");
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    s_.flags.gPlannerOpen = true;
    // A new window starts at its first line, not at the line an earlier one was left in.
    s_.editing.gCurrentPlannerLine = 0;

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName("mnuPlanner");
    layout->setMenuBar(menuBar_);
    BuildMenus();
    // Inside the main window the frame shows these menus while the planner is active.
    SetMdiChildMenuBar(this, menuBar_);

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName("scrPage");
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    page_ = new PlannerPageView;
    scroll_->setWidget(page_);
    layout->addWidget(scroll_);
    scroll_->viewport()->installEventFilter(this);
    // Once the user scrolls, the page stays where it was put.
    connect(scroll_->verticalScrollBar(), &QAbstractSlider::actionTriggered, this, [this] { hitShown_ = -1; });
    ConnectPage();
    // The boxes scroll the page through the window's own page keys.
    auto pageKey = [this](int keyCode) { Form_KeyDown(keyCode == 33 ? Qt::Key_PageUp : Qt::Key_PageDown); };
    editing_ = new PlannerLineEditing(s_, model_, *page_, scroll_, pageKey, this);
    connect(editing_, &PlannerLineEditing::lineEntered, this, [this] { hitShown_ = -1; });
    timeLabels_ = new PlannerTimeLabels(s_, model_, *page_, menuBar_, *editing_, this);
    timeLabels_->txtTime()->installEventFilter(this);
    ConnectPlannerExchange(*this, s_);
    terms_ = new PlannerTerms(s_, *page_, *editing_, this);
    ConnectPlannerPrinting(*this, s_);
    ConnectPlannerClipboard(*this);
    ConnectPlannerSideCommands(*this, s_);

    int width = page_->width() + scroll_->verticalScrollBar()->sizeHint().width() + 2;
    resize(width, std::min(page_->height(), TwipsToPixelsY(10500)));

    page_->SetDateCaption(QString::fromStdString(FormatLongDate(s_.dates.gSelectedDate)));
    model_.InitializePage();
    RefreshPage();

    s_.hooks.ShowPlannerPage = [this] { ShowPlannerPage(); };
    s_.hooks.SavePlanner = [this] { return SavePlanner(); };
    // A page whose edits were not settled before asks the close question as it closes.
    s_.hooks.UnloadPlannerWindow = [this] {
        if (QMdiSubWindow* sub = MdiSubWindowOf(this)) sub->close();
        else close();
    };
    s_.hooks.QueryUnloadPlanner = [this] { return AskToClose(); };
    RegisterWindow(this);
    SetCloseQuestion(this, [this] { return AskToClose(); }, [this](bool changed) { s_.flags.gPlannerChanged = changed; });
    ShowTermsWithTypingWindow(s_);
    KeepCaptionsWhole(this);
}

frmPlanner::~frmPlanner() {
    if (!unloaded_) Form_Unload();
}

QAction* frmPlanner::AddItem(QMenu* menu, const char* name, const QString& caption, bool enabled) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    a->setEnabled(enabled);
    return a;
}

void frmPlanner::BuildMenus() {
    // Items whose commands are not part of the planner yet stay visible but disabled.
    QMenu* file = menuBar_->addMenu("&File");
    file->setObjectName("mnuFile");
    connect(AddItem(file, "mnuFileSave", "Save Planner", true), &QAction::triggered, this, [this] { mnuFileSave_Click(); });
    AddItem(file, "mnuFileCopyPlanner", "Copy Planner to Memory (to paste in another app)", false);
    AddItem(file, "mnuFileExport", "Export this Planner to Share Folder", false);
    AddItem(file, "mnuFileExportPlannerAndAssign", "Export this Planner and Assign to...", false);
    AddItem(file, "mnuFileMerge", "Merge this Planner into My Planner Records", false);
    AddItem(file, "mnuFileImport", "Import Planner File", false);
    file->addSeparator();
    AddItem(file, "mnuFilePreview", "Print Preview", false);
    AddItem(file, "mnuFilePrint", "&Print", false);
    file->addSeparator();
    connect(AddItem(file, "mnuFileExit", "Exit Planner (Go &Back to Calendar)", true), &QAction::triggered, this,
            [this] { mnuFileExit_Click(); });
    connect(AddItem(file, "mnuFileQuit", "E&xit the Program", true), &QAction::triggered, this,
            [this] { mnuFileQuit_Click(); });

    QMenu* edit = menuBar_->addMenu("&Edit");
    edit->setObjectName("mnuEdit");
    AddItem(edit, "mnuEditTime", "Change Time", false);
    AddItem(edit, "mnuEditDelete", "Delete Time", false);
    AddItem(edit, "mnuEditSearchAgain", "Search A&gain", false);

    QMenu* opt = menuBar_->addMenu("&Options");
    opt->setObjectName("mnuOpt");
    AddItem(opt, "mnuOptShowCursPos", "Show Cursor Position", false);
    AddItem(opt, "mnuOptNetworkShare", "Change Network Share Drive", false);
    QAction* showMain = AddItem(opt, "mnuOptShowMainLabel", "Show Main Label (Date)", true);
    showMain->setCheckable(true);
    showMain->setChecked(true);
    // A click has already turned the check mark over; the label follows it.
    connect(showMain, &QAction::triggered, this, [this](bool checked) { page_->lblMain()->setVisible(checked); });

    QMenu* pref = menuBar_->addMenu("&Preferences");
    pref->setObjectName("mnuPref");
    QAction* prefFut = AddItem(pref, "mnuPrefFut", "Adjust &FUT Preferences", bool(s_.hooks.ShowTermPreferences));
    connect(prefFut, &QAction::triggered, this, [this] {
        if (s_.hooks.ShowTermPreferences) s_.hooks.ShowTermPreferences();
    });

    QMenu* todo = menuBar_->addMenu("&To Do List");
    todo->setObjectName("mnuToDo");
    AddItem(todo, "mnuToDoImport", "&Import Default To Do List", false);
    connect(AddItem(todo, "mnuToDoEdit", "&Edit Default To Do List", true), &QAction::triggered, this,
            [this] {
                if (s_.hooks.ShowToDoWindow) s_.hooks.ShowToDoWindow();
            });
    AddItem(todo, "mnuToDoClear", "&Clear This To Do List", false);

    menuBar_->addMenu("&Help")->setObjectName("mnuHelp");
}

void frmPlanner::ConnectPage() {
    for (int i = 0; i < PlannerLayout::kBoxes; ++i) {
        QLineEdit* box = page_->txt(i);
        box->installEventFilter(this);
        connect(box, &QLineEdit::textChanged, this, [this, i] { txt_Change(i); });
    }
    for (int k = 0; k < 2; ++k) connect(page_->cmdDay(k), &QPushButton::clicked, this, [this, k] { cmdDay_Click(k); });
}

void frmPlanner::txt_Change(int index) {
    if (refreshing_) return;
    model_.TextChanged(index, ToCp1252(page_->txt(index)->text()));
    editing_->txt_Change(index);
}

void frmPlanner::RefreshBox(int i) {
    QLineEdit* box = page_->txt(i);
    QString text = FromCp1252(model_.BoxText(i));
    if (box->text() != text) {
        box->setText(text);
        box->setCursorPosition(0);
    }
    box->setProperty("Tag", QString::fromStdString(model_.LineTag(i)));
}

void frmPlanner::RefreshPage() {
    refreshing_ = true;
    for (int i = 0; i < PlannerLayout::kBoxes; ++i) RefreshBox(i);
    for (int i = 0; i < PlannerLayout::kTimeLabels; ++i)
        page_->SetTimeLabel(i, FromCp1252(model_.TimeCaption(i)), model_.TimeBold(i));
    // The pictures always follow the done flags, the one record of what is done.
    for (int k = 0; k < PlannerLayout::kCheckImages; ++k) page_->SetDoneMark(k, model_.IsDone(k));
    refreshing_ = false;
}

Date frmPlanner::PageDate() const {
    return s_.planner.gPlannerPageDate ? s_.planner.gPlannerPageDate : s_.dates.gSelectedDate;
}

void frmPlanner::ShowDateCaption(bool hasRecord) {
    Date d = PageDate();
    std::string caption = hasRecord ? FormatLongDate(d) : PlannerDateCaption(d);
    page_->SetDateCaption(QString::fromStdString(caption));
}

void frmPlanner::InitializePlannerForm() {
    // An edit of a time left open belongs to the date being left.
    timeLabels_->CloseTimeEditor();
    model_.InitializePage();
    RefreshPage();
    window()->setWindowTitle("Orvelle: Daily Planner");
}

void frmPlanner::ShowPlannerPage() {
    pageShown_ = true;
    // The page brought up is where the user works now, also before its window has the keyboard.
    s_.terms.typingIn = TypingBox::PlannerLine;
    model_.LoadFromPage();
    RefreshPage();
    ShowDateCaption(s_.planner.gThisYearsPlannerIndex >= 0);
    scroll_->verticalScrollBar()->setValue(0);
    hitShown_ = -1;
    SelectSearchHit();
    emit pageShown();
}

void frmPlanner::SelectSearchHit() {
    PlannerPageModel::SearchHit hit = model_.FindSearchHit();
    if (hit.line < 0) return;
    QLineEdit* box = page_->txt(hit.line);
    // The hit's line is the one current line: cyan, where the keyboard goes (the terms window
    // gives it back there too) and the one the time commands act on.
    editing_->MakeCurrentLine(hit.line);
    box->setSelection(hit.start, hit.length);
    hitShown_ = hit.line;
    ShowHitWithHeading();
}

void frmPlanner::ShowHitWithHeading() {
    QLineEdit* box = hitShown_ >= 0 ? page_->txt(hitShown_) : nullptr;
    if (!box) return;
    // The least scroll that shows the line keeps the date heading above it in sight whenever
    // both fit. The window may still be taking its size: this runs again as the page's view
    // resizes, until the user scrolls.
    const int margin = TwipsToPixelsY(kHitMarginTwips);
    const int below = box->geometry().bottom() + margin - scroll_->viewport()->height();
    const int above = box->y() - margin;
    scroll_->verticalScrollBar()->setValue(std::max(0, std::min(below, above)));
}

void frmPlanner::OpenPlannerFor(Date date) {
    SelectDate(s_, date);
    InitializePlannerForm();
    pageShown_ = false;
    OpenThePlanner(s_);
    // The store shows the page through the hook; should another window have taken the hook
    // over, the page is still shown.
    if (!pageShown_) ShowPlannerPage();
    show();
}

bool frmPlanner::SavePlanner() {
    // A time still in the open editor is saved with the page, never dropped behind it.
    if (!timeLabels_->ApplyTypedTime()) return false;
    if (s_.planner.gExternalPlanner) {
        Date target = model_.gExternalFileDate ? model_.gExternalFileDate : PageDate();
        if (!MergePlannerPage(s_, target)) return false;
        model_.gExternalFileDate = 0;
        ShowDateCaption(true);
        emit selectedDateChanged(target);
        return true;
    }
    bool nextYear = s_.flags.gSpansNextYear && YearOf(PageDate()) == s_.flags.gSpannedYear;
    if (!SavePlannerPageToYear(s_)) return false;
    if (!nextYear) {
        if (QMdiSubWindow* sub = MdiSubWindowOf(this)) sub->raise();
        else raise();
    }
    return true;
}

void frmPlanner::mnuFileSave_Click() { SavePlanner(); }

void frmPlanner::cmdDay_Click(int index) {
    EditsToDrop drop;
    if (!AskAboutUnsavedChanges(s_, drop)) {
        s_.flags.gNavigationCancelled = false;
        return;
    }
    // The window stays for the next day: the page's dropped edits are only forgotten.
    if (std::exchange(drop.planner, false)) s_.flags.gPlannerChanged = false;
    DropEdits(s_, drop);
    // The day next to the page on show, whatever date was selected meanwhile.
    Date date = PageDate() + (index == 0 ? -1 : 1);
    OpenPlannerFor(date);
    emit selectedDateChanged(date);
}

CloseAnswer frmPlanner::AskToClose() {
    return AskToSaveBeforeClosing(s_, s_.flags.gPlannerChanged,
                                  "Planner has been changed. Do you want to save the changes?",
                                  "Planner Has Been Changed.", [this] { return SavePlanner(); });
}

bool frmPlanner::Form_QueryUnload() {
    CloseAnswer a = AskToClose();
    if (a == CloseAnswer::DropEdits) s_.flags.gPlannerChanged = false;
    return a != CloseAnswer::Cancel;
}

void frmPlanner::Form_Unload() {
    unloaded_ = true;
    s_.flags.gPlannerOpen = false;
    s_.planner.gExternalPlanner = false;
    s_.planner.gExportingPlanner = false;
    s_.exchange.gPlannerExportFileName.clear();
    s_.exchange.gPlannerExportFolder.clear();
    s_.search.gSearchLine = 0;
    s_.hooks.ShowPlannerPage = nullptr;
    s_.hooks.SavePlanner = nullptr;
    s_.hooks.UnloadPlannerWindow = nullptr;
    s_.hooks.QueryUnloadPlanner = nullptr;
    terms_->Detach();
    if (s_.terms.gFUTWindowLoaded && s_.hooks.UnloadTermsWindow) s_.hooks.UnloadTermsWindow();
}

void frmPlanner::closeEvent(QCloseEvent* event) {
    if (!unloaded_ && !Form_QueryUnload()) {
        event->ignore();
        return;
    }
    if (!unloaded_) Form_Unload();
    event->accept();
}

QLineEdit* frmPlanner::TypingControl() const {
    if (inTimeEditor_ && timeLabels_->EditorOpen()) return timeLabels_->txtTime();
    return page_->txt(std::clamp(s_.editing.gCurrentPlannerLine, 0, PlannerLayout::kBoxes - 1));
}

void frmPlanner::focusInEvent(QFocusEvent* event) {
    // The window itself takes the keyboard when it is opened or activated with nothing of its own
    // in focus, and when a click lands between the page's boxes (the date heading, a time label,
    // the margins). Typing belongs where the user was, or in the print preview while that covers
    // the page.
    QWidget::focusInEvent(event);
    if (PlannerPreviewOverlay* preview = PreviewOverlay(*this)) {
        preview->setFocus(event->reason());
        return;
    }
    QLineEdit* to = TypingControl();
    if (to->isVisible()) to->setFocus(Qt::OtherFocusReason);
}

void frmPlanner::showEvent(QShowEvent* event) {
    // On its own (not inside the main window) the window shows its menus itself.
    if (!MdiSubWindowOf(this)) menuBar_->show();
    QWidget::showEvent(event);
}

void frmPlanner::mnuFileExit_Click() {
    QWidget* target = MdiSubWindowOf(this);
    if (!target) target = this;
    // The year view that follows closes a notes window open over the page too: the page's and
    // the note's questions both come first, and Cancel at either keeps both and draws nothing.
    if (!QueryUnloadPlannerAndNotes(s_)) return;
    if (target->close()) emit exitedToCalendar();
}

void frmPlanner::mnuFileQuit_Click() {
    // The page's and the note's questions come first, then those of the other windows, last
    // loaded first, all before any window closes: Cancel at any of them keeps every window as
    // it was, the terms window too, and the edits answered No.
    EditsToDrop drop;
    if (!QueryUnloadPlannerAndNotes(s_, drop)) return;
    ForgetDroppedEdits(s_, drop);
    if (!UnloadAllFormsAndEnd()) KeepDroppedEdits(s_, drop);
}

void frmPlanner::mnuOptShowMainLabel_Click() {
    QAction* item = menuBar_->findChild<QAction*>("mnuOptShowMainLabel");
    item->setChecked(!item->isChecked());
    page_->lblMain()->setVisible(item->isChecked());
}

bool frmPlanner::Form_KeyDown(int key) {
    switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: ScrollOnPageKey(key); return true;
    case Qt::Key_Escape: mnuFileExit_Click(); return true;
    case Qt::Key_F2:
    case Qt::Key_F3: return TermListKey(s_, key == Qt::Key_F2);
    default: return false;
    }
}

void frmPlanner::ScrollOnPageKey(int key) {
    // One window height per key; the last step stops where the page's bottom meets the window's.
    QScrollBar* bar = scroll_->verticalScrollBar();
    bar->triggerAction(key == Qt::Key_PageUp ? QAbstractSlider::SliderPageStepSub : QAbstractSlider::SliderPageStepAdd);
}

bool frmPlanner::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && watched == scroll_->viewport()) ShowHitWithHeading();
    const bool timeEditor = timeLabels_ && watched == timeLabels_->txtTime();
    if (event->type() == QEvent::FocusIn) inTimeEditor_ = timeEditor;
    // The editor's own keys (Esc backs out of it) are its own.
    if (timeEditor) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier && Form_KeyDown(key->key())) return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmPlanner::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier && Form_KeyDown(event->key())) return;
    QWidget::keyPressEvent(event);
}

} // namespace orvelle
