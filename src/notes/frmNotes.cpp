#include "notes/frmNotes.h"

#include "notes/BoxText.h"
#include "notes/NotePrintLayout.h"
#include "notes/NotesExchange.h"
#include "notes/NotesTerms.h"
#include "notes/frmPref.h"
#include "platform/CaptionFit.h"
#include "platform/CloseQuestions.h"
#include "platform/Cp1252.h"
#include "platform/FileCharacters.h"
#include "platform/Fonts.h"
#include "platform/MdiChildren.h"
#include "platform/Printer.h"
#include "platform/Twips.h"
#include "store/ErrorLog.h"
#include "store/Exchange.h"
#include "store/NotesStore.h"
#include "store/PlannerStore.h"
#include "store/SaveChangesPrompt.h"
#include "store/Store.h"
#include "store/TermLists.h"

#include <QAbstractTextDocumentLayout>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QTextBlock>
#include <QTextLayout>

#include <exception>
#include <memory>

namespace orvelle {
namespace {

// Design geometry, twips.
constexpr double kBoxLeft = 105, kBoxTop = 525;
constexpr double kButtonTop = 60, kButtonWidth = 2895, kButtonHeight = 405;
constexpr double kPrintBoxWidth = 11160;   // a box this wide prints within the paper
constexpr double kWideWindow = 11520;
constexpr double kClientWidth = 11700, kClientHeight = 8100;
constexpr double kLargeScreenWidth = 15360, kLargeScreenHeight = 11520;

} // namespace

frmNotes::frmNotes(Store& store, QWidget* parent) : QWidget(parent), store_(store) {
    setObjectName("frmNotes");
    setWindowTitle("Notes");
    setAttribute(Qt::WA_DeleteOnClose);

    txtNotes_ = new FileTextEdit(this);
    txtNotes_->setObjectName("txtNotes");
    txtNotes_->setFont(MakeFont("Arial", 10));
    txtNotes_->installEventFilter(this);
    // A bar that comes and goes would narrow the box, and a long note would be laid out twice.
    txtNotes_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    KeepLayoutInProportion(txtNotes_);
    connect(txtNotes_, &QPlainTextEdit::textChanged, this, &frmNotes::txtNotes_Change);
    terms_ = new NotesTermBox(store, txtNotes_, this);

    cmdPlanner_ = new QPushButton("Exit Notes and Open Planner", this);
    cmdPlanner_->setObjectName("cmdPlanner");
    connect(cmdPlanner_, &QPushButton::clicked, this, &frmNotes::cmdPlanner_Click);

    BuildMenus();
    resize(TwipsToPixelsX(kClientWidth), TwipsToPixelsY(kClientHeight));

    // Form_Load
    store_.flags.gNotesOpen = true;
    mnuEdit_->setEnabled(store_.search.gSearchActive);
    Preferences& p = store_.prefs;
    if (!p.gLoadFUTPosition) {
        p.gFUTLeft = ScreenWidthTwips() < kLargeScreenWidth ? 8925 : 11820;
        p.gFUTTop = 3045;
        p.gFUTWidth = 2805;
        p.gFUTHeight = 6345;
    }
    SetCloseQuestion(this, [this] { return AskToClose(); }, [this](bool changed) { store_.flags.gNotesChanged = changed; });
    KeepCaptionsWhole(this);
}

void frmNotes::BuildMenus() {
    auto* bar = new QMenuBar(this);
    auto add = [this](QMenu* menu, const char* name, const QString& caption, auto slot) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        if constexpr (!std::is_same_v<decltype(slot), std::nullptr_t>) {
            connect(a, &QAction::triggered, this, slot);
        } else {
            a->setEnabled(false); // exchange and term preferences come with their own windows
        }
        return a;
    };
    QMenu* mnuFile = bar->addMenu("&File");
    mnuFile->setObjectName("mnuFile");
    QAction* save = add(mnuFile, "mnuFileSave", "&Save", [this] { mnuFileSave_Click(); });
    save->setShortcut(QKeySequence::Save);
    QAction* print = add(mnuFile, "mnuFilePrint", "&Print", &frmNotes::mnuFilePrint_Click);
    print->setShortcut(QKeySequence::Print);
    add(mnuFile, "mnuFileExport", "Export these Notes", nullptr);
    add(mnuFile, "mnuFileExportNotesAndAssign", "Export these Notes and Assign to...", nullptr);
    add(mnuFile, "mnuFileImport", "Import External Notes", nullptr);
    for (QAction* a : {save, print}) {
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(a);
    }

    mnuEdit_ = bar->addMenu("&Edit");
    mnuEdit_->setObjectName("mnuEdit");
    mnuEditSearchAgain_ = add(mnuEdit_, "mnuEditSearchAgain", "Search A&gain", &frmNotes::mnuEditSearchAgain_Click);

    QMenu* mnuPref = bar->addMenu("&Preferences");
    mnuPref->setObjectName("mnuPref");
    add(mnuPref, "mnuPrefFut", "Adjust &FUT Preferences", [this] { frmPref::ShowDialog(store_); });

    OfferClosingAlone(this);

    SetMdiChildMenuBar(this, bar);
    ConnectNotesExchange(*this, store_);
}

frmNotes* frmNotes::Find(QMdiArea* area) {
    if (!area) return nullptr;
    for (QMdiSubWindow* sub : area->subWindowList()) {
        if (auto* w = qobject_cast<frmNotes*>(sub->widget())) return w;
    }
    return nullptr;
}

frmNotes* frmNotes::ShowPreparedNote(Store& store, QMdiArea* area) {
    frmNotes* w = Find(area);
    QMdiSubWindow* sub = nullptr;
    if (w) {
        sub = MdiSubWindowOf(w);
    } else {
        w = new frmNotes(store);
        sub = AddMdiChild(area, w, kClientWidth, kClientHeight);
    }
    if (ScreenWidthTwips() >= kLargeScreenWidth && ScreenHeightTwips() >= kLargeScreenHeight) {
        // Maximised as the calendar views are, its caption in the main window's title.
        FillTheArea(sub);
    } else if (!w->isVisible()) {
        // On a smaller screen the window is taller than the main window's child area.
        KeepWithinTheArea(sub);
    }
    sub->show();
    area->setActiveSubWindow(sub);
    w->Form_Resize();
    // The note goes into the box at its final width: a long note is laid out once.
    w->LoadPreparedNote();
    w->txtNotes_->setFocus();
    // The note brought up is where the user works now, also before its window has the keyboard.
    store.terms.typingIn = TypingBox::NotesBox;
    ShowTermsWithTypingWindow(store);
    return w;
}

void frmNotes::LoadPreparedNote() {
    NotesStore& n = store_.notes;
    setWindowTitle(FromCp1252(n.gNotesCaption));
    {
        // Filling the box is no edit.
        bool wasLoading = store_.flags.gNotesLoading;
        store_.flags.gNotesLoading = true;
        txtNotes_->setPlainText(ToBoxText(n.gLoadedNoteText));
        store_.flags.gNotesLoading = wasLoading;
    }
    mnuEdit_->setEnabled(store_.search.gSearchActive);
    // Opened from a search hit: the first occurrence of the phrase is selected.
    if (store_.search.gSearchActive) SelectSearchHit(0);
}

void frmNotes::Form_Resize() {
    QSize inner = size();
    int boxWidth = std::max(0, inner.width() - TwipsToPixelsX(225));
    int boxHeight = std::max(0, inner.height() - TwipsToPixelsY(645));
    QWidget* outer = MdiSubWindowOf(this) ? static_cast<QWidget*>(MdiSubWindowOf(this)) : this;
    if (store_.flags.gPrinterPresent && PixelsToTwipsX(outer->width()) > kWideWindow)
        boxWidth = TwipsToPixelsX(kPrintBoxWidth);
    txtNotes_->setGeometry(TwipsToPixelsX(kBoxLeft), TwipsToPixelsY(kBoxTop), boxWidth, boxHeight);
    int buttonWidth = TwipsToPixelsX(kButtonWidth);
    cmdPlanner_->setGeometry(txtNotes_->x() + txtNotes_->width() - buttonWidth, TwipsToPixelsY(kButtonTop),
                             buttonWidth, TwipsToPixelsY(kButtonHeight));
}

void frmNotes::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Form_Resize();
}

bool frmNotes::Form_KeyDown(int key) {
    if (key == Qt::Key_F2 || key == Qt::Key_F3) return TermListKey(store_, key == Qt::Key_F2);
    if (key != Qt::Key_Escape) return false;
    auto showYear = showYearView_;
    // The twelve-month view that follows closes a planner page under the note too: the page's
    // and the note's questions both come first, and Cancel at either keeps both.
    if (showYear && !QueryUnloadPlannerAndNotes(store_)) return true;
    // The twelve-month view comes back only when the window really closed.
    if (CloseWindow() && showYear) showYear();
    return true;
}

void frmNotes::keyPressEvent(QKeyEvent* e) {
    if (!Form_KeyDown(e->key())) QWidget::keyPressEvent(e);
}

bool frmNotes::eventFilter(QObject* watched, QEvent* e) {
    if (watched == txtNotes_ && e->type() == QEvent::KeyPress) {
        if (Form_KeyDown(static_cast<QKeyEvent*>(e)->key())) return true;
    }
    return QWidget::eventFilter(watched, e);
}

bool frmNotes::CloseWindow() {
    if (QMdiSubWindow* sub = MdiSubWindowOf(this)) return sub->close();
    return close();
}

CloseAnswer frmNotes::AskToClose() {
    return AskToSaveBeforeClosing(store_, store_.flags.gNotesChanged,
                                  "Text has been changed. Do you want to save the changes?",
                                  "Text Has Been Changed.", [this] { return mnuFileSave_Click(); });
}

bool frmNotes::Form_QueryUnload() {
    CloseAnswer a = AskToClose();
    if (a == CloseAnswer::DropEdits) store_.flags.gNotesChanged = false;
    return a != CloseAnswer::Cancel;
}

void frmNotes::Form_Unload() {
    NotesStore& n = store_.notes;
    store_.flags.gNotesOpen = false;
    n.gExternalNotes = false;
    n.gExportingNotes = false;
    n.gExportFileName.clear();
    n.gExportFolder.clear();
    terms_->Detach();
    // Going over to the planner keeps the terms window for it.
    if (!mOpeningPlanner_ && store_.terms.gFUTWindowLoaded && store_.hooks.UnloadTermsWindow)
        store_.hooks.UnloadTermsWindow();
}

void frmNotes::closeEvent(QCloseEvent* e) {
    if (!Form_QueryUnload()) {
        e->ignore();
        return;
    }
    Form_Unload();
    e->accept();
}

void frmNotes::txtNotes_Change() {
    if (store_.flags.gNotesLoading) return;
    QString text = BoxTextOf(txtNotes_);
    store_.notes.gNotesBoxText = FromBoxText(text);
    // Never cleared here: typing the loaded text back still counts as a change, so once set
    // there is nothing more to compare.
    if (!store_.flags.gNotesChanged && text != ToBoxText(store_.notes.gLoadedNoteText))
        store_.flags.gNotesChanged = true;
}

bool frmNotes::mnuFileSave_Click() {
    Store& s = store_;
    s.notes.gNotesBoxText = FromBoxText(BoxTextOf(txtNotes_));
    // An imported note goes back to its own file, never into the year's notes.
    if (s.notes.gExternalNotes) return SaveExternalNotes(s);
    bool saved = false;
    try {
        saved = SaveNoteToYear(s);
    } catch (const std::exception& ex) {
        LogError(s, "mnuFileSaveNotes", kErrWriteFailed, ex.what());
        saved = false;
    }
    // What is stored is now the reference: going back to the old text later is an edit too.
    if (saved) s.notes.gLoadedNoteText = s.notes.gNotesBoxText;
    return saved;
}

void frmNotes::cmdPlanner_Click() {
    Store& s = store_;
    QPointer<frmNotes> self(this);
    // No at the notes question closes this window before the planner opens; the terms window
    // stays for the planner all the same.
    mOpeningPlanner_ = true;
    if (!ChangesSettled(s)) {
        if (self) mOpeningPlanner_ = false;
        return;
    }
    // The planner opens on the note's own date, whatever date was selected meanwhile.
    if (s.notes.gLoadedNoteDate != 0 && s.notes.gLoadedNoteDate != s.dates.gSelectedDate) {
        SelectDate(s, s.notes.gLoadedNoteDate);
    }
    if (s.hooks.ShowSelectedDateInPicker) s.hooks.ShowSelectedDateInPicker();
    // The planner window is loaded (when it is not) with a fresh page; without one the store's
    // page is reset and shown by whatever planner answers the hooks.
    if (s.hooks.InitializePlannerForm) s.hooks.InitializePlannerForm();
    else s.page.Reset();
    OpenThePlanner(s);
    if (!self) return;
    if (!CloseWindow()) mOpeningPlanner_ = false;
}

bool frmNotes::SelectSearchHit(int from) {
    QString phrase = FromCp1252(store_.search.gSearchText);
    if (phrase.isEmpty()) return false;
    int k = BoxTextOf(txtNotes_).indexOf(phrase, from, Qt::CaseInsensitive);
    if (k < 0) return false;
    QTextCursor c = txtNotes_->textCursor();
    c.setPosition(k);
    c.setPosition(k + static_cast<int>(phrase.size()), QTextCursor::KeepAnchor);
    txtNotes_->setTextCursor(c);
    txtNotes_->ensureCursorVisible();
    return true;
}

void frmNotes::SearchStateChanged() { mnuEdit_->setEnabled(store_.search.gSearchActive); }

void frmNotes::mnuEditSearchAgain_Click() {
    if (!store_.search.gSearchActive) return;
    if (SelectSearchHit(txtNotes_->textCursor().selectionEnd())) return;
    store_.ui->MsgBox("No more occurences.", MsgButtons::OK, "");
    // The next Search Again starts from the top.
    QTextCursor c = txtNotes_->textCursor();
    c.setPosition(0);
    txtNotes_->setTextCursor(c);
}

QStringList frmNotes::DisplayLines() const {
    QStringList lines;
    QTextDocument* doc = txtNotes_->document();
    QAbstractTextDocumentLayout* layout = doc->documentLayout();
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        layout->blockBoundingRect(b); // lays out blocks the box has not shown yet
        QTextLayout* tl = b.layout();
        const QString text = b.text();
        if (!tl || tl->lineCount() == 0) {
            lines << text;
            continue;
        }
        for (int i = 0; i < tl->lineCount(); ++i) {
            QTextLine line = tl->lineAt(i);
            lines << text.mid(line.textStart(), line.textLength());
        }
    }
    return lines;
}

bool frmNotes::PrintNote(QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    QFont font = txtNotes_->font();
    painter.setFont(font);
    const double dpiX = painter.device()->logicalDpiX(), dpiY = painter.device()->logicalDpiY();
    QFontMetricsF fm(font, painter.device());
    const double lineHeight = fm.height() * kTwipsPerInch / dpiY;
    const double pageHeight = painter.device()->height() * kTwipsPerInch / dpiY;

    // The heading names the note's own date, not whatever date was selected since.
    Date noteDate = store_.notes.gLoadedNoteDate ? store_.notes.gLoadedNoteDate : store_.dates.gSelectedDate;
    Ymd d = SplitDate(noteDate);
    QString heading = QString("Notes for %1 %2, %3")
                          .arg(FromCp1252(MonthAbbrev(d.month)), FromCp1252(TwoDigits(d.day)))
                          .arg(d.year);
    int page = 0;
    for (const PrintedLine& item : LayoutNotePrint(heading, DisplayLines(), lineHeight, pageHeight)) {
        while (page < item.page) {
            printer.newPage();
            ++page;
        }
        QPointF at(item.x * dpiX / kTwipsPerInch, item.y * dpiY / kTwipsPerInch + fm.ascent());
        painter.drawText(at, item.text);
    }
    return painter.end();
}

void frmNotes::mnuFilePrint_Click() {
    if (!store_.flags.gPrinterPresent) {
        store_.ui->MsgBox("Could not find Printer.", MsgButtons::OK, "");
        return;
    }
    std::unique_ptr<QPrinter> printer = MakePrinter();
    if (!PrintNote(*printer)) store_.ui->MsgBox("Could not find Printer.", MsgButtons::OK, "");
}

} // namespace orvelle
