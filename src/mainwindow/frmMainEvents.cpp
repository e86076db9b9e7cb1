// frmMain's event procedures: start-up, close, the date picker, view switching and the menu
// commands that belong to the main window itself.
#include "mainwindow/ExchangeMenus.h"
#include "mainwindow/IconMenus.h"
#include "mainwindow/DateFunctionMenus.h"
#include "mainwindow/ImageButton.h"
#include "mainwindow/MainMenuCommands.h"
#include "mainwindow/NoteListMenus.h"
#include "mainwindow/MarkCommands.h"
#include "mainwindow/MarkerMenus.h"
#include "mainwindow/MainWindowTexts.h"
#include "mainwindow/PickerDate.h"
#include "mainwindow/PlannerLauncher.h"
#include "mainwindow/ReportMenus.h"
#include "mainwindow/ReminderMenus.h"
#include "mainwindow/TermMenus.h"
#include "mainwindow/frmMain.h"
#include "platform/Cp1252.h"
#include "platform/DataFolder.h"
#include "platform/MdiChildren.h"
#include "platform/Printer.h"
#include "platform/ShownEntry.h"
#include "platform/Twips.h"
#include "platform/WindowRegistry.h"
#include "notes/HelpPanel.h"
#include "notes/NotesHooks.h"
#include "views/CalendarViews.h"
#include "views/DateSelection.h"
#include "store/Alerts.h"
#include "store/Birthdays.h"
#include "store/Clock.h"
#include "store/HelpTopics.h"
#include "store/MarkerCategories.h"
#include "store/NotesStore.h"
#include "store/PlannerStore.h"
#include "store/Preferences.h"
#include "store/SaveChangesPrompt.h"
#include "store/Store.h"
#include "views/ViewNavigation.h"
#include "views/frmYear.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

namespace orvelle {
namespace {

QString Q(const std::string& s) { return FromCp1252(s); }

// The six items that work only in the one-month view.
const char* const kOneMonthOnlyItems[] = {"mnuFilePrintCalendar", "mnuFilePrintBirthdays", "mnuOptDateRemoveIcon",
                                          "mnuOptDateShowIcons",  "mnuOptDateClearMark",   "mnuOptDateRemoveAll"};

// The commands of the calendar views that the planner page leaves without a calendar.
const char* const kDisabledForPlanner[] = {"mnuFileSaveTemplate", "mnuFileSaveCalendar", "mnuFilePrintCalendar",
                                           "mnuFilePrintBirthdays", "mnuOptDateRemoveIcon", "mnuOptDateShowIcons",
                                           "mnuOptCal", "mnuOptDateRemoveAll"};

} // namespace

void frmMain::ConnectCommands() {
    for (int i = 0; i < 3; ++i) {
        connect(imgCal[i], &ImageButton::MouseDown, this, [this, i](Qt::MouseButton b) { imgCal_MouseDown(i, b); });
        connect(imgCal[i], &ImageButton::MouseMoved, this, [this, i] { imgCal_MouseMove(i); });
        connect(imgOpt[i], &ImageButton::Clicked, this, [this, i] { imgOpt_Click(i); });
        connect(imgOpt[i], &ImageButton::MouseMoved, this, [this, i] { imgOpt_MouseMove(i); });
        SetCalLook(i, ButtonLook::NoFocus);
        SetOptLook(i, ButtonLook::NoFocus);
    }
    connect(txtDate, &QLineEdit::textChanged, this, &frmMain::txtDate_Change);
    ConnectToolButtons();

    Wire("mnuCalOneMonth", [this] { mnuCalOneMonth_Click(); });
    Wire("mnuCalSixMonths", [this] { mnuCalSixMonths_Click(); });
    Wire("mnuCalOneYear", [this] { mnuCalOneYear_Click(); });
    Wire("mnuOptDateOpenNotes", [this] { mnuOptDateOpenNotes_Click(); });
    Wire("mnuOptDateOpenPlanner", [this] { mnuOptDateOpenPlanner_Click(); });
    Wire("mnuOptCalNumbersOffset", [this] { mnuOptCalNumbersOffset_Click(); });
    Wire("mnuHelpSoftwareVersion", [this] { mnuHelpSoftwareVersion_Click(); });
    Wire("mnuHelpContents", [this] { OpenHelpWindow(store_, this); });
    ConnectMarkMenus(*this);
    ConnectMainMenuCommands(*this);
    ConnectReminderMenus(*this);
    ConnectMarkerMenus(*this);
    ConnectNoteListMenus(*this);
    ConnectExchangeMenus(*this);
    ConnectIconMenus(*this);
    ConnectTermMenus(*this);
    ConnectDateFunctionMenus(*this);
    ConnectReportMenus(*this);

    // Commands whose windows are not part of the program yet stay disabled.
    for (QAction* a : menuBar()->findChildren<QAction*>()) {
        if (!a->menu() && !a->isSeparator() && !a->property("wired").toBool()) a->setEnabled(false);
    }

    Store& s = store_;
    s.hooks.RefreshIndicators = [this] { RefreshIndicators(); };
    // A manager's redraw closes the notes and planner windows too: their edits come first.
    s.hooks.RedrawCurrentView = [this] {
        if (store_.flags.gCalendarView != 0 && QueryUnloadPlannerAndNotes(store_)) RedrawCurrentView(store_, *this);
    };
    s.hooks.ReplaceViewWithPlanner = [this] { ReplaceViewWithPlanner(); };
    s.hooks.ShowSelectedDateInPicker = [this] { ShowSelectedDateInPicker(); };
    // However the selected date moves, the date menu's mark items offer what its cell allows.
    s.hooks.SelectedDateChanged = [this] { FollowSelectedDateInMarkMenus(store_, *this); };
    s.hooks.TemplateSaved = [this] { ShowYearViewAlone(*this); };
    InstallNotesHooks(s, mdi_, [this] { ShowYearViewAlone(*this); });
}

void frmMain::CloseCalendarViewsBut(int index) {
    Store& s = store_;
    if (index != 0 && monthView_) { s.flags.gClosingMonthView = true; UnloadMonthView(); }
    if (index != 1 && sixMonthView_) { s.flags.gClosingSixMonthView = true; UnloadSixMonthView(); }
    if (index != 2 && yearView_) { s.flags.gClosingYearView = true; UnloadYearView(); }
}

void frmMain::ReplaceViewWithPlanner() {
    Store& s = store_;
    CloseCalendarViewsBut(-1);
    s.flags.gCalendarView = 0;
    for (const char* item : kDisabledForPlanner) SetMenuEnabled(item, false);
    RestViewButtons();
    // The notes and planner buttons tell whether the date has a note and a page, from this
    // year's grids as they stand before the planner file is read again.
    Date d = s.dates.gSelectedDate;
    int m = s.dates.gCurrentCellMonth, c = static_cast<int>(s.dates.gCurrentCellColumn),
        r = static_cast<int>(s.dates.gCurrentCellRow);
    bool inGrid = m >= 0 && m < 12 && c >= 0 && c < 7 && r >= 0 && r < 6;
    bool note = inGrid && s.notes.thisYearsNotesYear == YearOf(d) && s.notes.gThisYearsNoteFlags[m][c][r] != 0;
    bool page = inGrid && s.planner.thisYearsPlannerYear == YearOf(d) && s.planner.gThisYearsPlannerFlags[m][c][r] != 0;
    SetOptLook(1, note ? ButtonLook::Exists : ButtonLook::NoFocus);
    SetOptLook(2, page ? ButtonLook::Exists : ButtonLook::NoFocus);
}

// --- Start-up and close -------------------------------------------------------------------

void frmMain::MDIForm_Load() {
    Store& s = store_;
    s.flags.gMainWindowLoading = true;
    if (StartMaximised(ScreenWidthTwips(), ScreenHeightTwips())) {
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        resize(TwipsToPixelsX(12000), TwipsToPixelsY(9000));
    }
    picTop->setFixedHeight(TwipsToPixelsY(495));
    for (int i = 0; i < 3; ++i) SetOptLook(i, ButtonLook::NoFocus);
    for (int i = 0; i < 3; ++i) SetCalLook(i, ButtonLook::NoFocus);
    s.view.gDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    s.view.gTwipsPerPixelX = static_cast<float>(TwipsPerPixelX());
    s.view.gTwipsPerPixelY = static_cast<float>(TwipsPerPixelY());
    GetUserPreferences(s);
    // Asking the system for its printer loads the print service (milliseconds); only the print
    // commands read the answer, so it is fetched once the window has been painted. A first
    // start's pictures are copied then too, for the same reason.
    QTimer::singleShot(200, this, [this] {
        CheckForPrinter(store_);
        FinishSeeding(store_);
    });
    s.flags.gHighlightToday = true;
    s.view.gToday = Clock::Today();
    SelectDate(s, s.view.gToday);
    s.flags.gViewYear = YearOf(s.view.gToday);
    s.notes.gThisYearsNoteIndex = s.notes.gNextYearsNoteIndex = -1;
    s.planner.gThisYearsPlannerIndex = s.planner.gNextYearsPlannerIndex = -1;
    s.icons.gIconControlsInUse[0] = -1;
    LoadComboBoxes();
    ReadMarkerColors(s);
    ApplyMarkerCaptions();
    ReadAlerts(s);
    ReadBirthdays(s);
    RefreshIndicators();
    Show1YearCalendar(s, *this);
    // The drawing has filled this year's date grid; today's cell is found in it.
    LocateCurrentDateCell(s);
    const std::string& cell =
        s.dates.gThisYearsDateHolders[s.dates.gCurrentCellMonth][s.dates.gCurrentCellColumn][s.dates.gCurrentCellRow];
    s.view.gCurrentCellDD = IsBlankDateCell(cell) ? std::string() : cell.substr(3, 2);
    LoadHelpTopics(s, this);
    lblDate->setText(Q(TodayLabelText(s.view.gToday)));
    for (const char* item : kOneMonthOnlyItems) SetMenuEnabled(item, false);
    // Today's own mark is offered to clear from the start.
    FollowSelectedDateInMarkMenus(s, *this);
    lblTemplate->hide();
    s.flags.gMainWindowLoading = false;
}

bool frmMain::MDIForm_QueryUnload() {
    Store& s = store_;
    s.flags.gMainWindowClosing = true;
    // Edits answered No are dropped only when the program really closes: a Cancel at a later
    // question, or No at the confirmation, keeps them, still changed.
    EditsToDrop drop;
    if (!AskAboutUnsavedChanges(s, drop)) {
        // Cancel at a save question keeps the program open with the edits in place.
        s.flags.gNavigationCancelled = false;
        s.flags.gMainWindowClosing = false;
        return true;
    }
    // A page whose edits were answered No goes with them, as if closed already.
    bool plannerStays = s.flags.gPlannerOpen && !drop.planner;
    MsgAnswer a = MsgAnswer::Yes;
    if (plannerStays || s.flags.gExpenseReportOpen || s.flags.gMileageReportOpen)
        a = s.ui->MsgBox("Are you sure you want to close the program? Click Cancel to\r\n"
                         "return to main window. Click No to keep this Window Open.",
                         MsgButtons::YesNoCancel, "Preparing to Close the Application");
    if (a == MsgAnswer::Yes) {
        ForgetDroppedEdits(s, drop);
        droppedOnClose_ = drop;
        return false;
    }
    s.flags.gMainWindowClosing = false;
    if (a == MsgAnswer::Cancel) {
        if (plannerStays) {
            CloseChildNamed("frmPlanner", s.hooks.UnloadPlannerWindow);
        } else if (s.flags.gExpenseReportOpen) {
            CloseChildNamed("frmExpenses", {});
        } else if (s.flags.gMileageReportOpen) {
            CloseChildNamed("frmMileage", {});
        }
        // The year view closes the page and the note too: those answered No go as No said,
        // without their own question a second time.
        DropEdits(s, drop);
        Show1YearCalendar(s, *this);
    }
    return true;
}

void frmMain::CloseChildNamed(const QString& name, const std::function<void()>& hook) {
    if (hook) {
        hook();
        return;
    }
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        if (sub->widget() && sub->widget()->objectName() == name) sub->close();
    }
}

void frmMain::MDIForm_Unload() {
    // Every window goes, the last loaded first; one that refuses keeps the program running, and
    // the windows still open keep the edits answered No.
    if (!UnloadAllFormsAndEnd()) {
        refusedByChild_ = true;
        KeepDroppedEdits(store_, droppedOnClose_);
    }
    droppedOnClose_ = {};
}

void frmMain::closeEvent(QCloseEvent* e) {
    if (closeApproved_) {
        e->accept();
        return;
    }
    if (MDIForm_QueryUnload()) {
        e->ignore();
        return;
    }
    closeApproved_ = true;
    refusedByChild_ = false;
    MDIForm_Unload();
    if (refusedByChild_) {
        closeApproved_ = false;
        store_.flags.gMainWindowClosing = false;
        e->ignore();
        return;
    }
    e->accept();
}

void frmMain::RefreshIndicators() {
    const AlertIndicator& a = store_.alerts.indicator;
    cmdAlert->setText(Q(a.caption));
    cmdAlert->setToolTip(Q(a.toolTip));
    cmdAlert->setStyleSheet(a.highlighted ? "background-color: #ffff00" : "");
    imgAlert->setPixmap(ToolButtonArt::AlertPicture(a.picture == IndicatorPicture::Pending));
    imgAlert->setToolTip(Q(a.imageToolTip));
    const BirthdayIndicator& b = store_.birthdays.indicator;
    imgBDay->setPixmap(ToolButtonArt::BirthdayPicture(b.picture == IndicatorPicture::Pending));
    imgBDay->setToolTip(Q(b.toolTip));
}

void frmMain::ApplyMarkerCaptions() {
    const MarkerCategories& m = store_.markers;
    for (int i = 0; i < kMarkerCount; ++i) {
        if (QAction* a = Menu(QString("mnuEditMark_%1").arg(i))) {
            a->setText(Q(m.gMarkerCaptions[i]));
            a->setChecked(m.gMarkerMenuChecked[i]);
        }
    }
    for (int i = 0; i < kMarkAsItemCount; ++i) {
        if (QAction* a = Menu(QString("mnuOptDateMarkAs_%1").arg(i)))
            a->setText(Q(m.gMarkerCaptions[MarkAsItemCategory(i)]));
    }
}

// --- Date picker --------------------------------------------------------------------------

void frmMain::LoadComboBoxes() {
    int year = Clock::CurrentYear();
    // Each list goes in at once: item by item, every entry is a change of its own to the box.
    auto texts = [](const std::vector<std::string>& entries) {
        QStringList out;
        for (const auto& t : entries) out << Q(t);
        return out;
    };
    cmbMonth->addItems(texts(PickerMonthNames()));
    cmbDay->addItems(texts(PickerDays()));
    cmbYear->addItems(texts(PickerYears(year)));
    Date today = Clock::Today();
    ShowEntryText(cmbMonth, Q(MonthName(MonthOf(today))));
    ShowEntryText(cmbDay, QString::number(DayOf(today)));
    ShowEntryText(cmbYear, QString::number(YearOf(today)));
}

std::optional<Date> frmMain::ReadPickerOrRefuse(int view) {
    std::string m = ToCp1252(cmbMonth->currentText()), d = ToCp1252(cmbDay->currentText()),
                y = ToCp1252(cmbYear->currentText());
    auto date = ReadPickerDate(m, d, y, Clock::CurrentYear());
    // The selected date and the view stay as they were.
    if (!date) {
        store_.ui->MsgBox(InvalidPickerDateMessage(m, d, y), MsgButtons::OK, "Orvelle", MsgIcon::Exclamation);
        return std::nullopt;
    }
    if (!ViewFitsCalendar(view, *date)) {
        store_.ui->MsgBox("The 6 month calendar cannot show months past December 9999. Please choose July 9999 or an "
                          "earlier month.",
                          MsgButtons::OK, "Orvelle", MsgIcon::Exclamation);
        return std::nullopt;
    }
    return date;
}

void frmMain::ShowSelectedDateInPicker() {
    DateComboTexts t = SetDateCombos(store_);
    ShowEntryText(cmbMonth, Q(t.month));
    ShowEntryText(cmbDay, Q(t.day));
    ShowEntryText(cmbYear, Q(t.year));
}

void frmMain::ClearSelectionOfPicker() {
    for (QComboBox* c : {cmbMonth, cmbDay, cmbYear}) c->lineEdit()->deselect();
}

void frmMain::cmbYear_LostFocus() {
    std::string t = ToCp1252(cmbYear->currentText());
    std::string tidy = TidyYearText(t, Clock::CurrentYear());
    if (tidy != t) ShowEntryText(cmbYear, Q(tidy));
}

void frmMain::txtDate_Change(const QString& text) {
    const Store& s = store_;
    int context = s.view.gThisYear ? s.view.gThisYear : Clock::CurrentYear();
    std::string typed = ToCp1252(text);
    auto d = ParseMmDdYy(typed, context);
    // A two-digit year takes the century of the period on show: across 2099/2100 the six-month
    // view's "01/05/00" is 2100.
    if (d && s.flags.gSpansNextYear && YearOf(*d) % 100 == s.flags.gSpannedYear % 100)
        d = ParseMmDdYy(typed, s.flags.gSpannedYear);
    if (d) store_.view.gHoverDate = *d;
}

// --- View switching and the action buttons ------------------------------------------------

bool frmMain::LeaveForPickerDate(int view) {
    // A pick that names no date is refused before any question: an answer of No would already
    // have closed the page or note the command then does not replace.
    auto date = ReadPickerOrRefuse(view);
    if (!date || !ChangesSettled(store_)) return false;
    SelectDate(store_, *date);
    return true;
}

void frmMain::SwitchView(int index) {
    Store& s = store_;
    if (!LeaveForPickerDate(index == 0 ? 1 : index == 1 ? 6 : 12)) return;
    ClearSelectionOfPicker();
    CloseCalendarViewsBut(index);
    if (index == 0) Show1MonthCalendar(s, *this);
    else if (index == 1) Show6MonthCalendar(s, *this);
    else Show1YearCalendar(s, *this);
}

void frmMain::imgCal_MouseDown(int index, Qt::MouseButton) { SwitchView(index); }

void frmMain::imgOpt_Click(int index) {
    Store& s = store_;
    if (!LeaveForPickerDate(index == 0 ? s.flags.gCalendarView : 0)) return;
    ClearSelectionOfPicker();
    if (index == 0) {
        switch (s.flags.gCalendarView) {
        // A fresh page first: a date without a page must not show (and save) the one before.
        case 0: OpenPlannerForSelectedDate(); break;
        case 1: Show1MonthCalendar(s, *this); break;
        case 6: Show6MonthCalendar(s, *this); break;
        case 12: Show1YearCalendar(s, *this); break;
        default: break;
        }
    } else if (index == 1) {
        DisplayThisNote(s);
    } else {
        OpenPlannerForSelectedDate(true);
    }
}

void frmMain::OpenPlannerForSelectedDate(bool takeKeyboard) {
    // Until the planner window is there the command has nothing to open.
    if (!initializePlannerForm_) return;
    initializePlannerForm_();
    OpenThePlanner(store_);
    if (!takeKeyboard) return;
    // Also a page that was open already, while the keyboard stayed in the bar that ran this.
    QMdiSubWindow* front = mdi_->activeSubWindow();
    if (QWidget* line = front ? PlannerCurrentLine(front->widget()) : nullptr) FocusWithItsWindow(line);
}

// --- Menu commands ------------------------------------------------------------------------

void frmMain::Wire(const QString& name, std::function<void()> handler) {
    QAction* a = Menu(name);
    if (!a) return;
    a->disconnect(this);
    connect(a, &QAction::triggered, this, [h = std::move(handler)] { h(); });
    a->setProperty("wired", true);
    a->setEnabled(true);
}

// Both ask about unsaved notes and planner pages first, as the tool buttons do, so that the
// page they replace is never dropped without a word.
void frmMain::mnuOptDateOpenNotes_Click() {
    if (LeaveForPickerDate()) DisplayThisNote(store_);
}

void frmMain::mnuOptDateOpenPlanner_Click() {
    if (LeaveForPickerDate()) OpenPlannerForSelectedDate(true);
}

void frmMain::mnuOptCalNumbersOffset_Click() {
    QAction* a = Menu("mnuOptCalNumbersOffset");
    bool redraws = store_.flags.gCalendarView == 1 || store_.flags.gCalendarView == 6;
    if (redraws && !QueryUnloadPlannerAndNotes(store_)) {
        a->setChecked(!a->isChecked()); // cancelled: the tick goes back
        return;
    }
    store_.view.gShowNumbersOffset = a->isChecked();
    // The numbers move; the period on show stays.
    if (redraws) RedrawCurrentView(store_, *this);
}

void frmMain::mnuHelpSoftwareVersion_Click() {
    store_.ui->MsgBox(SoftwareVersionText(), MsgButtons::OK, "Orvelle");
}

} // namespace orvelle
