#pragma once
// The main window: an MDI frame holding the date picker, the tool buttons, the indicators and
// one calendar view (or the planner) at a time. Its event procedures keep their original names.
#include "mainwindow/ToolButtonArt.h"
#include "store/SaveChangesPrompt.h"
#include "views/MainShell.h"

#include <QMainWindow>

#include <array>
#include <functional>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPushButton;

namespace orvelle {

struct Store;
class ImageButton;
class frmYear;
class frm6Months;
class frmMonth;

class frmMain : public QMainWindow, public MainShell {
    Q_OBJECT
public:
    explicit frmMain(Store& store, QWidget* parent = nullptr);
    ~frmMain() override;

    Store& store() const override { return store_; }
    QMdiArea* mdiArea() const override { return mdi_; }
    QWidget* ShellWidget() override { return this; }

    // Tool bar strip and its controls.
    QWidget* picTop = nullptr;
    QLabel* lblSelect = nullptr;
    QComboBox* cmbMonth = nullptr;
    QComboBox* cmbDay = nullptr;
    QComboBox* cmbYear = nullptr;
    std::array<ImageButton*, 3> imgOpt{};
    QLabel* Label1 = nullptr;
    std::array<ImageButton*, 3> imgCal{};
    QLineEdit* txtDate = nullptr;
    QPushButton* cmdAlert = nullptr;
    ImageButton* imgAlert = nullptr; // the visible alert image, element 0
    ImageButton* imgBDay = nullptr;  // the visible birthday image, element 0
    // Status strip.
    QLabel* lblHoliday = nullptr;
    QLabel* lblTemplate = nullptr;
    QLabel* lblMonth = nullptr;
    QLabel* lblX = nullptr;
    QLabel* lblY = nullptr;
    QLabel* lblCurPos = nullptr;
    QLabel* lblDate = nullptr;
    // The date menu that the views pop up.
    QMenu* mnuDateOptions = nullptr;

    // A menu item or sub-menu by its control name ("mnuFilePrintCalendar", "mnuEditMark_3").
    QAction* Menu(const QString& name) const;
    void SetMenuEnabled(const QString& name, bool enabled) override;
    bool MenuEnabled(const QString& name) const;

    // Button pictures.
    void SetCalLook(int index, ButtonLook look);
    void SetOptLook(int index, ButtonLook look) override;
    // The rest looks of the view buttons for the shown view and template mode.
    void RestViewButtons() override;

    // The view windows: null while not loaded. Load... creates the window (running its
    // Form_Load) when needed; Unload... closes it, which runs its Form_Unload.
    frmYear* yearView() const override { return yearView_; }
    frm6Months* sixMonthView() const override { return sixMonthView_; }
    frmMonth* monthView() const override { return monthView_; }
    frmYear& LoadYearView() override;
    frm6Months& LoadSixMonthView() override;
    frmMonth& LoadMonthView() override;
    void UnloadYearView();
    void UnloadSixMonthView();
    void UnloadMonthView();
    // A view reports its Form_Unload here.
    void ViewUnloaded(QWidget* view) override;
    // Shows a child window filling the MDI area.
    void ShowChild(QWidget* child) override;

    // Start-up and close.
    void MDIForm_Load();
    // Returns true when the close is refused (the original's Cancel argument).
    bool MDIForm_QueryUnload();
    void MDIForm_Unload();

    // Date picker and view switching.
    void LoadComboBoxes();
    // Writes the selected date into the picker (month name, two-digit day, year).
    void ShowSelectedDateInPicker() override;
    void SwitchView(int index); // 0 one month, 1 six months, 2 twelve months
    void imgCal_MouseDown(int index, Qt::MouseButton button);
    void imgOpt_Click(int index);
    void cmbYear_LostFocus();
    void txtDate_Change(const QString& text);
    void mnuCalOneMonth_Click() { SwitchView(0); }
    void mnuCalSixMonths_Click() { SwitchView(1); }
    void mnuCalOneYear_Click() { SwitchView(2); }
    void mnuOptDateOpenNotes_Click();
    void mnuOptDateOpenPlanner_Click();
    void mnuOptCalNumbersOffset_Click();
    void mnuHelpSoftwareVersion_Click();

    // Tool buttons and indicators (ToolButtons.cpp).
    void imgCal_MouseMove(int index);
    void imgOpt_MouseMove(int index);
    void picTop_MouseMove();
    void cmdAlert_MouseDown(Qt::MouseButton button);
    void imgAlert_Click();
    void imgBDay_Click();
    void lblDate_MouseMove();
    // The alert and birthday managers open through these; while none is set the alert button's
    // left click and the two pictures do nothing.
    void SetAlertManagerOpener(std::function<void()> open);
    void SetBirthdayManagerOpener(std::function<void()> open);

    // Loads the planner window and clears its page; then OpenThePlanner shows the date's page.
    // `takeKeyboard`: the page then has the keyboard, in its current line, wherever it was.
    void OpenPlannerForSelectedDate(bool takeKeyboard = false);
    void SetInitializePlannerForm(std::function<void()> f) { initializePlannerForm_ = std::move(f); }

    // Connects a menu item to its command and enables it. Items nobody has wired stay disabled.
    void Wire(const QString& name, std::function<void()> handler);

    // Closes the calendar view for the planner page (OpenThePlanner).
    void ReplaceViewWithPlanner();

    // Indicators from the alert and birthday readers.
    void RefreshIndicators();
    // Menu captions and ticks from the mark categories.
    void ApplyMarkerCaptions();

    // The rest of what the views use (frmMainShell.cpp).
    std::optional<Date> PickerDate() const override;
    QString DateBoxText() const override;
    void SetDateBoxText(const QString& text) override;
    void ClearDateBox() override;
    void SetCellPositionTexts(int month, int column, int row) override;
    void SetHolidayText(const QString& text) override;
    void SetTemplateText(const QString& text) override;
    void ShowTemplateText(bool shown) override;
    void SetCursorPositionText(const QString& text) override;
    void SetCaption(const QString& text) override;
    QMenu* DateMenu() const override { return mnuDateOptions; }

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void BuildToolBar();
    void BuildStatusStrip();
    void ConnectCommands();
    void ConnectToolButtons();
    void ClearSelectionOfPicker();
    // The date the picker names, when the view of that code (1, 6, 12; 0 for none) can show it;
    // otherwise a message and nullopt.
    std::optional<Date> ReadPickerOrRefuse(int view);
    // Reads the picker, then asks about unsaved icons, notes and planner pages, and selects the
    // picked date: false when the picker names no date the view of that code can show or a
    // question was cancelled, and the command goes no further.
    bool LeaveForPickerDate(int view = 0);
    // Closes the calendar views other than the one of `index` (as SwitchView counts; -1 all).
    void CloseCalendarViewsBut(int index);
    void CloseChildNamed(const QString& name, const std::function<void()>& hook);

    Store& store_;
    QMdiArea* mdi_;
    frmYear* yearView_ = nullptr;
    frm6Months* sixMonthView_ = nullptr;
    frmMonth* monthView_ = nullptr;
    QObject* menuSwitcher_ = nullptr;
    QObject* captionFollower_ = nullptr;
    std::function<void()> initializePlannerForm_;
    std::function<void()> showAlertManager_;
    std::function<void()> showBirthdayManager_;
    bool closeApproved_ = false;
    bool refusedByChild_ = false;
    // The edits answered No at the close's questions, forgotten while the windows go.
    EditsToDrop droppedOnClose_;
};

} // namespace orvelle
