#include "views/ViewHover.h"

#include "views/MainShell.h"
#include "platform/Cp1252.h"
#include "platform/PictureBox.h"
#include "store/IconFiles.h"
#include "store/NotesStore.h"
#include "store/Store.h"
#include "views/DateSelection.h"


namespace orvelle {

bool ViewHover::Ignored(const Store& s, float x, float y) const {
    if (s.flags.gNotesOpen || s.flags.gPlannerOpen) return true;
    return x == mLastHoverX && y == mLastHoverY;
}

void ViewHover::MoveOverMonth(Store& s, MainShell& m, PictureBox& box, float x, float y) {
    if (Ignored(s, x, y)) return;
    int month = MonthOf(MonthViewShows(s)) - 1;
    if (month < 0 || month > 11) return;
    Handle(s, m, box, month, false, x, y);
}

void ViewHover::MoveOverSixMonthBox(Store& s, MainShell& m, PictureBox& box, const std::string& buttonCaption,
                                    float x, float y) {
    if (Ignored(s, x, y)) return;
    m.ClearDateBox();
    auto first = MonthCaptionDate(buttonCaption);
    if (!first) return; // a box the drawing has not named yet
    bool next = YearOf(*first) != s.flags.gViewYear;
    s.view.gSixMonthPanelIsNextYear = next ? 1 : 0;
    Handle(s, m, box, MonthOf(*first) - 1, next, x, y);
}

void ViewHover::MoveOverYearBox(Store& s, MainShell& m, PictureBox& box, int index, float x, float y) {
    if (Ignored(s, x, y)) return;
    if (index < 0 || index > 11) return;
    Handle(s, m, box, index, false, x, y);
}

void ViewHover::Handle(Store& s, MainShell& m, PictureBox& box, int month, bool nextYear, float x, float y) {
    // A note of another year, opened over the view, has left its year in the note lists.
    ReadNotesOfShownYears(s);
    HoverRequest r;
    r.view = view_;
    r.month = month;
    r.nextYear = nextYear;
    r.x = x;
    r.y = y;
    r.colourAt = [&box](double px, double py) { return box.Point(px, py); };
    HoverOutcome o = ComposeHover(s, r);

    s.view.gHoverCellMonth = month;
    s.view.gHoverCellColumn = o.hit.column;
    s.view.gHoverCellRow = o.hit.row;
    if (view_ != HoverView::OneMonth) {
        m.SetCellPositionTexts(month, o.hit.column, o.hit.row);
        for (int i = 0; i < 3; ++i) m.SetOptLook(i, ButtonLook::NoFocus);
    }
    m.SetMenuEnabled("mnuOptDateAttachHoverText", o.attachHoverNote);
    box.setToolTip(FromCp1252(o.toolTip));
    if (o.templateEnded) return;

    if (o.dateBox) {
        QString text = FromCp1252(*o.dateBox);
        if (m.DateBoxText() != text) m.SetDateBoxText(text);
    }
    if (o.dateMenuEnabled) m.SetMenuEnabled("mnuDateOptions", true);
    if (o.noteExists) m.SetOptLook(1, *o.noteExists ? ButtonLook::Exists : ButtonLook::NoFocus);
    if (o.plannerExists) m.SetOptLook(2, *o.plannerExists ? ButtonLook::Exists : ButtonLook::NoFocus);
    mLastHoverX = x;
    mLastHoverY = y;
}

} // namespace orvelle
