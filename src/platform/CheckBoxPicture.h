#pragma once
// The 17 x 17 done-mark picture of a to-do row (the calendar views' pane and the to-do window):
// a black square outline on white, crossed when done.
#include <QPixmap>

namespace orvelle {

QPixmap CheckBoxPicture(bool checked);

} // namespace orvelle
