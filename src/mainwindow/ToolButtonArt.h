#pragma once
// The pictures of the main window's six tool buttons and its two indicators, drawn once in code
// on whole pixels so that they stay crisp: a not-focused, raised and pressed look for the view
// buttons and a not-focused, raised and "exists" look for the action buttons, each 20 x 20
// pixels; a no-pending and a pending picture for each indicator.
#include "views/MainShell.h"

#include <QPixmap>

namespace orvelle {

class ToolButtonArt {
public:
    static constexpr int kSize = 20;
    static constexpr int kIndicatorSize = 24;
    // index 0 one month, 1 six months, 2 twelve months
    static QPixmap CalendarButton(int index, ButtonLook look);
    // index 0 advance calendar, 1 notes, 2 planner
    static QPixmap OptionButton(int index, ButtonLook look);
    // The indicator pictures: no pending item / pending items.
    static QPixmap AlertPicture(bool pending);
    static QPixmap BirthdayPicture(bool pending);
};

} // namespace orvelle
