#include "mainwindow/frmMain.h"

#include "mainwindow/ImageButton.h"
#include "mainwindow/MainMenuBar.h"
#include "mainwindow/MainWindowTexts.h"
#include "mainwindow/PlannerLauncher.h"
#include "mainwindow/ToolBarFocus.h"
#include "platform/CaptionFit.h"
#include "platform/Fonts.h"
#include "platform/MdiCaption.h"
#include "platform/MdiChildren.h"
#include "platform/ShownEntry.h"
#include "platform/Twips.h"
#include "platform/WindowRegistry.h"
#include "store/Clock.h"
#include "store/Store.h"
#include "views/frm6Months.h"
#include "views/frmMonth.h"
#include "views/frmYear.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

namespace orvelle {
namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text = {}) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QComboBox* MakeCombo(QWidget* parent, const char* name, int widthTwips) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMaxVisibleItems(16);
    c->setFixedWidth(TwipsToPixelsX(widthTwips));
    return c;
}

// Whether `button` shows `look` already, drawn for this screen: the looks are set again at every
// drawing of a view and every mouse move over the bar, mostly to what they were.
bool Shows(const ImageButton* button, ButtonLook look) {
    QPixmap shown = button->pixmap();
    return button->Look() == look && !shown.isNull() && shown.devicePixelRatio() == qGuiApp->devicePixelRatio();
}

QFrame* Divider(QWidget* parent) {
    auto* f = new QFrame(parent);
    f->setFrameShape(QFrame::VLine);
    f->setFrameShadow(QFrame::Sunken);
    return f;
}

} // namespace

frmMain::frmMain(Store& store, QWidget* parent) : QMainWindow(parent), store_(store), mdi_(new QMdiArea(this)) {
    setObjectName("frmMain");
    RegisterWindow(this);
    setWindowTitle("Orvelle");
    setFont(DefaultWindowFont());
    mdi_->setObjectName("mdiArea");
    mdi_->setBackground(QColor(0xab, 0xab, 0xab));
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* central = new QWidget(this);
    auto* v = new QVBoxLayout(central);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    BuildToolBar();
    v->addWidget(picTop);
    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    body->addWidget(mdi_, 1);
    v->addLayout(body, 1);
    setCentralWidget(central);
    BuildStatusStrip();

    mnuDateOptions = MainMenuBar::Build(this);
    ConnectCommands();
    // A child with menus of its own (the planner) shows them while it is active.
    menuSwitcher_ = new MdiMenuSwitcher(this, mdi_);
    // A maximised child's caption, hidden with its title bar, shows in the frame's title.
    captionFollower_ = new MdiCaptionFollower(this, mdi_);
    mdi_->viewport()->installEventFilter(this);
    // Tab and F6 lead from the window in the child area into the picker and the bar's buttons
    // and back.
    new ToolBarFocus(
        this, mdi_,
        [this] {
            QList<QWidget*> bar{cmbMonth, cmbDay, cmbYear};
            for (ImageButton* b : imgOpt) bar << b;
            for (ImageButton* b : imgCal) bar << b;
            bar << cmdAlert;
            return bar;
        },
        [this](const QWidget* child) { return child == yearView_ || child == sixMonthView_ || child == monthView_; },
        [this](QWidget* child) { return PlannerCurrentLine(child); });
    resize(TwipsToPixelsX(12000), TwipsToPixelsY(9000));
    KeepCaptionsWhole(this);
}

frmMain::~frmMain() {
    // The children go after the frame's menu bar; nothing may switch menus by then.
    delete menuSwitcher_;
    delete captionFollower_;
    for (QMdiSubWindow* sub : mdi_->subWindowList()) sub->disconnect();
    mdi_->disconnect();
}

void frmMain::BuildToolBar() {
    picTop = new QFrame(this);
    picTop->setObjectName("picTop");
    picTop->setMouseTracking(true);
    picTop->installEventFilter(this);
    picTop->setAutoFillBackground(true);
    auto* h = new QHBoxLayout(picTop);
    h->setContentsMargins(6, 2, 6, 2);
    h->setSpacing(4);

    // Alt+S takes the keyboard to the picker from anywhere in the window.
    lblSelect = MakeLabel(picTop, "lblSelect", "&Select >");
    h->addWidget(lblSelect);
    cmbMonth = MakeCombo(picTop, "cmbMonth", 1560);
    cmbDay = MakeCombo(picTop, "cmbDay", 720);
    cmbYear = MakeCombo(picTop, "cmbYear", 960);
    for (QComboBox* c : {cmbMonth, cmbDay, cmbYear}) {
        h->addWidget(c);
        c->installEventFilter(this);
        c->lineEdit()->installEventFilter(this);
        FollowShownEntry(c);
    }
    lblSelect->setBuddy(cmbMonth);
    lblSelect->installEventFilter(this);
    static const char* optTips[] = {"Advance Calendar to Selected Date", "Open Notes for Selected Date",
                                    "Open Planner for Selected Date"};
    static const char* calTips[] = {"View 1 Month Calendar", "View 6 Month Calendar", "View Yearly Calendar"};
    h->addSpacing(4);
    for (int i = 0; i < 3; ++i) {
        imgOpt[i] = new ImageButton(picTop);
        imgOpt[i]->setObjectName(QString("imgOpt_%1").arg(i));
        imgOpt[i]->setToolTip(optTips[i]);
        imgOpt[i]->TakeKeyboard(optTips[i]);
        h->addWidget(imgOpt[i]);
    }
    h->addWidget(Divider(picTop));
    Label1 = MakeLabel(picTop, "Label1", "Months >");
    h->addWidget(Label1);
    for (int i = 0; i < 3; ++i) {
        imgCal[i] = new ImageButton(picTop);
        imgCal[i]->setObjectName(QString("imgCal_%1").arg(i));
        imgCal[i]->setToolTip(calTips[i]);
        imgCal[i]->TakeKeyboard(calTips[i]);
        h->addWidget(imgCal[i]);
    }
    h->addWidget(Divider(picTop));
    txtDate = new QLineEdit(picTop);
    txtDate->setObjectName("txtDate");
    txtDate->setFixedWidth(TwipsToPixelsX(1100));
    txtDate->setReadOnly(true);
    txtDate->setFocusPolicy(Qt::NoFocus);
    h->addWidget(txtDate);
    h->addStretch(1);

    cmdAlert = new QPushButton(picTop);
    cmdAlert->setObjectName("cmdAlert");
    cmdAlert->setMinimumWidth(TwipsToPixelsX(1800));
    h->addWidget(cmdAlert);
    imgAlert = new ImageButton(picTop, ToolButtonArt::kIndicatorSize);
    imgAlert->setObjectName("imgAlert_0");
    h->addWidget(imgAlert);
    imgBDay = new ImageButton(picTop, ToolButtonArt::kIndicatorSize);
    imgBDay->setObjectName("imgBDay_0");
    h->addWidget(imgBDay);
}

void frmMain::BuildStatusStrip() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("statusBar");
    bar->setSizeGripEnabled(false);
    // The left-hand labels share one row of their own, spaced as the bar spaces its items: the
    // bar lays itself out again for every widget added, and the labels would cost eight layouts.
    auto* left = new QWidget(bar);
    left->setObjectName("statusTexts");
    auto* row = new QHBoxLayout(left);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    lblHoliday = MakeLabel(left, "lblHoliday", "No Holiday Assigned");
    lblTemplate = MakeLabel(left, "lblTemplate");
    lblMonth = MakeLabel(left, "lblMonth");
    lblX = MakeLabel(left, "lblX");
    lblY = MakeLabel(left, "lblY");
    lblCurPos = MakeLabel(left, "lblCurPos");
    lblDate = MakeLabel(bar, "lblDate");
    lblDate->setMouseTracking(true);
    lblDate->installEventFilter(this);
    row->addWidget(lblHoliday, 1);
    row->addWidget(lblTemplate);
    // The cell position in grey; a palette rather than a style sheet, which would put the labels
    // under a style of their own.
    QPalette grey = lblMonth->palette();
    grey.setColor(QPalette::WindowText, QColor(0x70, 0x70, 0x70));
    for (QLabel* l : {lblMonth, lblX, lblY}) {
        l->setMinimumWidth(TwipsToPixelsX(300));
        l->setPalette(grey);
        row->addWidget(l);
    }
    row->addWidget(lblCurPos);
    bar->addWidget(left, 1);
    bar->addPermanentWidget(lblDate);
}

QAction* frmMain::Menu(const QString& name) const {
    auto find = [&name](const QObject* root) -> QAction* {
        if (auto* a = root->findChild<QAction*>(name)) return a;
        if (auto* m = root->findChild<QMenu*>(name)) return m->menuAction();
        return nullptr;
    };
    // The frame's own menus first: the planner and the managers name some of their items alike,
    // and the frame's items are what the main window's commands mean.
    if (QAction* a = find(menuBar())) return a;
    return find(this);
}

void frmMain::SetMenuEnabled(const QString& name, bool enabled) {
    QAction* a = Menu(name);
    if (!a) return;
    // An item with no command behind it yet is never offered.
    if (enabled && !a->menu() && !a->property("wired").toBool()) return;
    a->setEnabled(enabled);
}

bool frmMain::MenuEnabled(const QString& name) const {
    QAction* a = Menu(name);
    return a && a->isEnabled();
}

void frmMain::SetCalLook(int index, ButtonLook look) {
    if (Shows(imgCal[index], look)) return;
    imgCal[index]->SetLook(look, ToolButtonArt::CalendarButton(index, look));
}

void frmMain::SetOptLook(int index, ButtonLook look) {
    if (Shows(imgOpt[index], look)) return;
    imgOpt[index]->SetLook(look, ToolButtonArt::OptionButton(index, look));
}

frmYear& frmMain::LoadYearView() {
    if (!yearView_) {
        yearView_ = new frmYear(store_, *this);
        AddMdiChild(mdi_, yearView_);
        yearView_->Form_Load();
    }
    return *yearView_;
}

frm6Months& frmMain::LoadSixMonthView() {
    if (!sixMonthView_) {
        sixMonthView_ = new frm6Months(store_, *this);
        AddMdiChild(mdi_, sixMonthView_);
        sixMonthView_->Form_Load();
    }
    return *sixMonthView_;
}

frmMonth& frmMain::LoadMonthView() {
    if (!monthView_) {
        monthView_ = new frmMonth(store_, *this);
        AddMdiChild(mdi_, monthView_);
        monthView_->Form_Load();
    }
    return *monthView_;
}

// Closing a view runs its Form_Unload (from its close handler), which reports back here.
void frmMain::UnloadYearView() {
    if (yearView_) yearView_->close();
}

void frmMain::UnloadSixMonthView() {
    if (sixMonthView_) sixMonthView_->close();
}

void frmMain::UnloadMonthView() {
    if (monthView_) monthView_->close();
}

void frmMain::ViewUnloaded(QWidget* view) {
    if (view == yearView_) yearView_ = nullptr;
    if (view == sixMonthView_) sixMonthView_ = nullptr;
    if (view == monthView_) monthView_ = nullptr;
}

void frmMain::ShowChild(QWidget* child) {
    // A calendar view fills the child area without a frame of its own; a maximised sub-window
    // would put its window buttons into the menu bar.
    QMdiSubWindow* sub = MdiSubWindowOf(child);
    if (!sub) {
        child->show();
        return;
    }
    FillTheArea(sub);
    sub->show();
    mdi_->setActiveSubWindow(sub);
}

bool frmMain::eventFilter(QObject* watched, QEvent* e) {
    if (watched == mdi_->viewport() && e->type() == QEvent::Resize) {
        for (QMdiSubWindow* sub : mdi_->subWindowList()) {
            if (FillsTheArea(sub)) sub->setGeometry(mdi_->viewport()->rect());
        }
    } else if (watched == picTop && e->type() == QEvent::MouseMove) {
        // The bar outside the buttons restores the rest looks.
        picTop_MouseMove();
    } else if (watched == lblDate && e->type() == QEvent::MouseMove) {
        lblDate_MouseMove();
    } else if (watched == lblSelect && e->type() == QEvent::Shortcut) {
        // Alt+S selects the month as Tab does, also with the keyboard in the month box already,
        // so that a month typed next replaces it.
        cmbMonth->setFocus(Qt::ShortcutFocusReason);
        cmbMonth->lineEdit()->selectAll();
        return true;
    } else if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        bool picker = watched == cmbMonth || watched == cmbDay || watched == cmbYear ||
                      watched == cmbMonth->lineEdit() || watched == cmbDay->lineEdit() ||
                      watched == cmbYear->lineEdit();
        if (picker && (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)) {
            imgOpt_Click(0);
            return true;
        }
    } else if (e->type() == QEvent::FocusOut && (watched == cmbYear || watched == cmbYear->lineEdit())) {
        cmbYear_LostFocus();
    }
    return QMainWindow::eventFilter(watched, e);
}

} // namespace orvelle
