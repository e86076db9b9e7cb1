#pragma once
// The to-do window's ten rows without widgets: texts with their done marks, the moves of the
// whole list, the rows' places in twips (which the printout reuses) and the printed page.
#include <QString>

#include <array>

namespace orvelle {

class Canvas;

struct ToDoRows {
    static constexpr int kRows = 10;
    std::array<QString, kRows> texts;
    std::array<bool, kRows> done{};

    // Every line one place down (up) with its mark; the first (last) line comes out empty and
    // open. Refused, changing nothing, while the last (first) line holds any text.
    bool MoveDown();
    bool MoveUp();
};

// Design places, twips (client area 6435 x 4230); row i sits 345 below row i - 1.
struct ToDoWindowRow {
    double checkLeft, checkTop, checkSize;
    double numberLeft, numberTop;
    double textLeft, textTop, textWidth, textHeight;
    double buttonLeft, buttonWidth;
};
ToDoWindowRow ToDoWindowRowPlacement(int row);
inline constexpr double kToDoClientWidth = 6435, kToDoClientHeight = 4230;
// A planner to-do line holds this many characters; a longer item shows red.
inline constexpr int kToDoLineWidth = 60;

// The printed page on a canvas already open for it: the heading ("Dec 08, 2026 To Do List") at
// 720, 720 on a letter page of 12240 x 15840 units, then each row's number, text and check box
// (crossed when done) at its window place moved 720 right and down, the text 60 lower than a
// label. The instruction text and the buttons are not printed.
void DrawToDoPage(Canvas& c, const QString& heading, const ToDoRows& rows);

} // namespace orvelle
