#pragma once
// The platform drag of an icon picture (from the palette or from a placed icon) and the drop
// on the month box. The store keeps what is dragged (store/IconPlacing.h); the drag itself only
// carries the picture, so a test, which has no mouse to drag with, runs its own drop instead.
#include <QImage>

#include <functional>

class QWidget;

namespace orvelle {

constexpr const char* kIconMimeType = "application/x-orvelle-icon";

using IconDragRunner = std::function<void(QWidget* source, const QImage& picture)>;

// Runs the drag and returns when it has ended, dropped or not.
void RunIconDrag(QWidget* source, const QImage& picture);
// Replaces the platform drag; an empty runner restores it.
void SetIconDragRunner(IconDragRunner runner);

// Makes `box` take icon drops, calling `drop(x, y)` with the point in the box's user units.
class PictureBox;
void AcceptIconDrops(PictureBox* box, std::function<void(double x, double y)> drop);

} // namespace orvelle
