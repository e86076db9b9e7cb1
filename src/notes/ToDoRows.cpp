#include "notes/ToDoRows.h"

#include "platform/Canvas.h"

namespace orvelle {

bool ToDoRows::MoveDown() {
    if (!texts[kRows - 1].isEmpty()) return false;
    for (int i = kRows - 2; i >= 0; --i) {
        texts[i + 1] = texts[i];
        done[i + 1] = done[i];
    }
    texts[0].clear();
    done[0] = false;
    return true;
}

bool ToDoRows::MoveUp() {
    if (!texts[0].isEmpty()) return false;
    for (int i = 1; i < kRows; ++i) {
        texts[i - 1] = texts[i];
        done[i - 1] = done[i];
    }
    texts[kRows - 1].clear();
    done[kRows - 1] = false;
    return true;
}

ToDoWindowRow ToDoWindowRowPlacement(int row) {
    const double dy = 345.0 * row;
    return {120, 570 + dy, 255, 480, 600 + dy, 720, 540 + dy, 4695, 285, 5520, 795};
}

void DrawToDoPage(Canvas& c, const QString& heading, const ToDoRows& rows) {
    constexpr double kMargin = 720;
    c.SetScale(0, 0, 12240, 15840);
    c.SetFontName("Arial");
    c.SetFontSize(10);
    c.SetFontBold(false);
    c.SetForeColor(kVbBlack);
    c.SetCurrentX(kMargin);
    c.SetCurrentY(kMargin);
    c.Print(heading);
    for (int i = 0; i < ToDoRows::kRows; ++i) {
        ToDoWindowRow p = ToDoWindowRowPlacement(i);
        c.SetCurrentX(p.numberLeft + kMargin);
        c.SetCurrentY(p.numberTop + kMargin);
        c.Print(QString::number(i + 1));
        c.SetCurrentX(p.textLeft + kMargin);
        c.SetCurrentY(p.textTop + kMargin + 60);
        c.Print(rows.texts[i]);
        const double x1 = p.checkLeft + kMargin, y1 = p.checkTop + kMargin;
        const double x2 = x1 + p.checkSize, y2 = y1 + p.checkSize;
        c.Box(x1, y1, x2, y2, kVbBlack);
        if (rows.done[i]) {
            c.Line(x1, y1, x2, y2, kVbBlack);
            c.Line(x2, y1, x1, y2, kVbBlack);
        }
    }
}

} // namespace orvelle
