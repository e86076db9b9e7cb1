#include "views/frmMonth.h"

#include "platform/Beep.h"
#include "platform/CaptionFit.h"
#include "platform/Cp1252.h"
#include "platform/Fonts.h"
#include "platform/MouseState.h"
#include "platform/PictureBox.h"
#include "platform/Twips.h"
#include "views/CalendarViews.h"
#include "store/IconFiles.h"
#include "store/SaveChangesPrompt.h"
#include "store/Store.h"
#include "views/DateSelection.h"
#include "views/GridHitTest.h"
#include "views/IconDrag.h"
#include "views/MonthLabels.h"
#include "views/ViewNavigation.h"

#include <QLabel>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace orvelle {
namespace {

// The message strip in twips: 36 messages 300 apart, a line of text, the label's inset, and how
// far the scroll bar moves the strip up.
constexpr int kMessagePitch = 300, kMessageStripHeight = 36 * kMessagePitch, kMessageLineHeight = 195;
constexpr int kMessageLeft = 60, kMessageScrollReach = 5400;

} // namespace

frmMonth::frmMonth(Store& s, MainShell& m)
    : CalendarViewWindow(s, m, HoverView::OneMonth, {"frmMonth", "1 Month View", 11805, 8970}) {
    picRight = MakeRightPanels("picRight", 7140, 120, 3495, 7815, 120, 3840);

    picLeft = new QWidget(this);
    picLeft->setObjectName("picLeft");
    SetGeometryTwips(picLeft, 120, 120, 3375, 2955);
    picTTT = new QWidget(picLeft);
    picTTT->setObjectName("picTTT");
    SetGeometryTwips(picTTT, 0, 0, 2415, 675);
    lblTTT[0] = new QLabel("0", picTTT);
    lblTTT[0]->setObjectName("lblTTT_0");
    SetGeometryTwips(lblTTT[0], 60, 60, 90, 195);
    VScroll1 = new QScrollBar(Qt::Vertical, picLeft);
    VScroll1->setObjectName("VScroll1");
    SetGeometryTwips(VScroll1, 3120, 0, 255, 2955);
    picLeft->hide();

    MakeToDoPane(7380);

    picMonth = new PictureBox(this);
    picMonth->setObjectName("picMonth");
    picMonth->SetCanvasFont(MakeFont("MS Sans Serif", 18, true));
    picMonth->SetBackColor(VbFromColor(palette().color(QPalette::Base)));
    SetGeometryTwips(picMonth, 840, 120, 9000, 7200);
    picMonth->SetScale(0, 0, 7, 6.75);
    picMonth->setFocusPolicy(Qt::StrongFocus);
    picMonth->onMouseDown = [this](int b, int sh, double x, double y) { picMonth_MouseDown(b, sh, x, y); };
    picMonth->onDblClick = [this](int, int, double, double) { picMonth_DblClick(); };
    picMonth->onMouseMove = [this](int b, int sh, double x, double y) { picMonth_MouseMove(b, sh, x, y); };

    MakeNavBar(picMonth, 7260, 6840);

    auto* icon = new PictureBox(picMonth);
    icon->setObjectName("picIcon_0");
    icon->SetBorderStyle(0);
    icon->hide();
    picIcon.push_back(icon);
    WireIconControl(icon, 0);
    AcceptIconDrops(picMonth, [this](double x, double y) { picMonth_DragDrop(x, y); });

    lblDay[0] = new QLabel("SUN", picMonth);
    lblDay[0]->setObjectName("lblDay_0");
    lblDay[0]->setFont(MakeFont("MS Sans Serif", 13.5, true));
    SetGeometryTwips(lblDay[0], 300, 180, 645, 360);
    lblDay[0]->hide();
}

void frmMonth::Form_Load() {
    s_.flags.gMonthViewOpen = true;
    for (int i = 1; i < 7; ++i) {
        lblDay[i] = new QLabel(lblDay[0]->text(), picMonth);
        lblDay[i]->setObjectName(QString("lblDay_%1").arg(i));
        lblDay[i]->setFont(lblDay[0]->font());
        lblDay[i]->setGeometry(lblDay[0]->geometry());
        lblDay[i]->hide();
    }
    for (int i = 1; i < kMaxIconPlacements; ++i) s_.icons.gIconControlsInUse[i] = 0;
    LeaveTextAsPlaced(lblTTT[0]);
    for (int i = 1; i < 36; ++i) {
        lblTTT[i] = new QLabel(lblTTT[0]->text(), picTTT);
        lblTTT[i]->setObjectName(QString("lblTTT_%1").arg(i));
        lblTTT[i]->setGeometry(lblTTT[0]->geometry());
        LeaveTextAsPlaced(lblTTT[i]);
        lblTTT[i]->hide();
    }
    WireKeysAndPanels({picMonth});
}

void frmMonth::Form_Resize() {
    if (ResizeHeld()) return;
    picMonth->SetScale(0, 0, 7, 6.75);
    ResizeTwips(picNav, 1695, 285);
    PlaceToDoPane(7440, 11580);
    if (!WideEnoughForRightPanels()) {
        picLeft->hide();
        s_.view.gMonthLeftPanelShown = false;
        HideRightPanels(picRight);
        picMonth->move(this->width() / 2 - picMonth->width() / 2, picMonth->y());
        return;
    }
    SetGeometryTwips(picLeft, 120, PixelsToTwipsY(picLeft->y()), 2460, PixelsToTwipsY(picMonth->height()));
    MoveTwips(picMonth, 2700, PixelsToTwipsY(picMonth->y()));
    VScroll1->setGeometry(picLeft->width() - VScroll1->width(), 0, VScroll1->width(), picLeft->height());
    VScroll1->setRange(0, kMessageScrollReach);
    VScroll1->setValue(0);
    VScroll1->setSingleStep(kMessagePitch);
    VScroll1->setPageStep(kMessageScrollReach);
    picTTT->setGeometry(picTTT->x(), picTTT->y(), VScroll1->x(), TwipsToPixelsY(kMessageStripHeight));
    PlaceMessageLabels();
    if (!s_.flags.gTemplateMode) {
        picLeft->show();
        s_.view.gMonthLeftPanelShown = true;
        // The strip shows what the view shows, not what a narrow drawing left on it. Listed once
        // the resize is over: the listing may have to say that not all messages fit.
        if (s_.view.gMonthMessagesStale) {
            QTimer::singleShot(0, this, [this] {
                if (s_.view.gMonthMessagesStale && s_.view.gMonthLeftPanelShown) DisplayTTTLabels(s_, main_);
            });
        }
    }
    ShowRightPanels(picRight, 2700 + PixelsToTwipsX(picMonth->width()) + 120, PixelsToTwipsX(picRight->width()));
}

void frmMonth::PlaceMessageLabels() {
    if (!lblTTT[0]) return;
    const int left = TwipsToPixelsX(kMessageLeft), pitch = TwipsToPixelsY(kMessagePitch);
    const int room = std::max(1, picTTT->width() - left - TwipsToPixelsX(kMessageLeft));
    // The space a one-line message leaves before the next, kept after a wrapped one too.
    const int gap = pitch - TwipsToPixelsY(kMessageLineHeight);
    int top = TwipsToPixelsY(kMessageLeft);
    for (QLabel* label : lblTTT) {
        if (!label) continue;
        label->setWordWrap(false);
        QSize size = label->sizeHint().expandedTo(QSize(0, TwipsToPixelsY(kMessageLineHeight)));
        if (size.width() > room) {
            label->setWordWrap(true);
            size = QSize(room, std::max(size.height(), label->heightForWidth(room)));
        }
        label->setGeometry(left, top, size.width(), size.height());
        top += std::max(pitch, size.height() + gap);
    }
    int height = std::max(TwipsToPixelsY(kMessageStripHeight), top);
    picTTT->resize(picTTT->width(), height);
    VScroll1->setMaximum(kMessageScrollReach + std::max(0, qRound(PixelsToTwipsY(height)) - kMessageStripHeight));
}

void frmMonth::UnloadSpecifics() {
    s_.icons.gIconControlCount = 0;
    // Its unsaved icons go with the view (every close asks first); the next month starts clean.
    s_.flags.gMonthIconsChanged = false;
    // Both icon saves need the view; the next month drawing enables them again.
    main_.SetMenuEnabled("mnuFileSaveTemplate", false);
    main_.SetMenuEnabled("mnuFileSaveCalendar", false);
}

void frmMonth::Step(int direction) {
    // The template steps from the selected date, which its save sets to today; saved from here,
    // it gives way to the month the step lands on rather than to the year view.
    bool fromTemplate = s_.flags.gTemplateMode;
    // A step past the years that dates can take is refused before anything is asked.
    if (!fromTemplate && !StepOneMonth(MonthViewShows(s_), direction)) {
        SystemBeep();
        return;
    }
    auto templateSaved = std::exchange(s_.hooks.TemplateSaved, nullptr);
    bool settled = ChangesSettled(s_);
    s_.hooks.TemplateSaved = std::move(templateSaved);
    if (!settled) return;
    // From the month on show: a note of another month may have moved the selected date meanwhile.
    Date from = fromTemplate ? s_.dates.gSelectedDate : MonthViewShows(s_);
    auto target = StepOneMonth(from, direction);
    if (!target) {
        SystemBeep();
        return;
    }
    SelectDate(s_, *target);
    main_.ShowSelectedDateInPicker();
    Show1MonthCalendar(s_, main_);
    // Out of template mode the month's left panel comes back as it was.
    if (fromTemplate && !s_.flags.gTemplateMode && s_.view.gMonthLeftPanelShown) picLeft->show();
    picMonth->setFocus();
}

bool frmMonth::Form_KeyDown(int keyCode, int) {
    if (keyCode == 27 && s_.flags.gMonthIconsChanged) {
        // Leaving the view would drop changed icons: ask first, and stay on Cancel. An open
        // note or planner page is asked about by its own window when the view unloads it.
        if (!ChangesSettled(s_)) return true;
    }
    return NavigationKey(keyCode, true);
}

void frmMonth::picMonth_MouseDown(int button, int, double x, double y) {
    Store& s = s_;
    // The cells are those of the month on show, whatever date a note has selected since.
    int month = MonthOf(MonthViewShows(s)) - 1;
    if (month < 0 || month > 11) return;
    GridHit hit = HitTestCell(static_cast<float>(x), static_cast<float>(y));
    s.dates.gCurrentCellMonth = month;
    s.dates.gCurrentCellColumn = hit.column;
    s.dates.gCurrentCellRow = hit.row;
    if (!hit.InGrid()) {
        SetCurrentCellStrings(s, {}, 0);
        return;
    }
    auto date = ReadPressedCell(s.dates.gThisYearsDateHolders, month, hit.column, hit.row, s.dates.thisYearsGridYear);
    if (!date) return;
    SelectDate(s, *date);
    main_.ShowSelectedDateInPicker();
    main_.SetHolidayText(FromCp1252(HolidayLabelText(s, month, hit.column, hit.row)));
    if (button == kRightButton) {
        // Only a right press on a placed icon offers to remove it.
        main_.SetMenuEnabled("mnuOptDateRemoveIcon", false);
        PopUpDateMenu(main_);
    }
}

void frmMonth::picMonth_DblClick() { OpenNoteOnDoubleClick(s_, main_); }

void frmMonth::picMonth_MouseMove(int, int, double x, double y) {
    hover_.MoveOverMonth(s_, main_, *picMonth, static_cast<float>(x), static_cast<float>(y));
}

} // namespace orvelle
