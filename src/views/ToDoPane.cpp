#include "views/ToDoPane.h"

#include "platform/CaptionFit.h"
#include "platform/CheckBoxPicture.h"
#include "platform/Cp1252.h"
#include "platform/Twips.h"
#include "store/Store.h"
#include "store/ToDoList.h"

#include <QLabel>
#include <QPointer>

namespace orvelle {
namespace {

constexpr int kRows = ToDoList::kItems;
constexpr int kRowPitch = 345;
constexpr int kRightColumn = 5820;

QString Name(const char* base, int k) { return QString("%1_%2").arg(base).arg(k); }

QLabel* Child(QWidget* pane, const QString& name) { return pane->findChild<QLabel*>(name, Qt::FindDirectChildrenOnly); }

QLabel* MakeCheckImage(QWidget* pane, const QString& name, double left, double top, bool checked) {
    auto* img = new QLabel(pane);
    img->setObjectName(name);
    img->setPixmap(CheckBoxPicture(checked));
    img->setScaledContents(true);
    SetGeometryTwips(img, left, top, 255, 255);
    return img;
}

// A copy of element 0 of each row array, hidden, as the platform makes a new control-array member.
void MakeRow(QWidget* pane, int k) {
    QLabel* text0 = Child(pane, Name("lblToDo", 0));
    auto* text = new QLabel(pane);
    text->setObjectName(Name("lblToDo", k));
    text->setTextFormat(Qt::PlainText);
    text->setAutoFillBackground(true);
    text->setPalette(text0->palette());
    text->setGeometry(text0->geometry());
    LeaveTextAsPlaced(text);
    text->hide();

    QLabel* number0 = Child(pane, Name("lbl", 0));
    auto* number = new QLabel(number0->text(), pane);
    number->setObjectName(Name("lbl", k));
    number->setAlignment(number0->alignment());
    number->setGeometry(number0->geometry());
    number->hide();

    QLabel* check0 = Child(pane, Name("imgChkBox", 0));
    QLabel* check = MakeCheckImage(pane, Name("imgChkBox", k), 0, 0, false);
    check->setPixmap(check0->pixmap());
    check->setGeometry(check0->geometry());
    check->hide();
}

// The pane's design controls: the heading, element 0 of each row array and the two hidden
// source pictures.
void MakeDesignControls(QWidget* pane) {
    auto* top = new QLabel(kToDoHeading, pane);
    top->setObjectName("lblTop");
    top->setTextFormat(Qt::PlainText);
    SetGeometryTwips(top, 120, 60, 7230, 195);
    top->adjustSize();

    MakeCheckImage(pane, Name("imgChkBox", 0), 120, 480, false);

    auto* number = new QLabel("1", pane);
    number->setObjectName(Name("lbl", 0));
    number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetGeometryTwips(number, 480, 510, 90, 195);

    auto* text = new QLabel(pane);
    text->setObjectName(Name("lblToDo", 0));
    text->setTextFormat(Qt::PlainText);
    text->setAutoFillBackground(true);
    QPalette p = text->palette();
    p.setColor(QPalette::Window, p.color(QPalette::Base));
    p.setColor(QPalette::WindowText, p.color(QPalette::Text));
    text->setPalette(p);
    SetGeometryTwips(text, 720, 450, 4695, 285);
    // An item is the user's text: what does not fit its box is cut there, never painted over
    // the rows beside it.
    LeaveTextAsPlaced(text);

    MakeCheckImage(pane, "imgChkBoxChecked", 9720, 420, true)->hide();
    MakeCheckImage(pane, "imgChkBoxUnChecked", 9720, 60, false)->hide();
}

void SetNumber(QLabel* number, const std::string& text) {
    // Sized to its text, right-aligned at its left edge.
    number->setText(QString::fromStdString(text));
    number->resize(std::max(number->sizeHint().width(), TwipsToPixelsX(90)), number->height());
}

} // namespace

ToDoRowPlace ToDoRowPlacement(int k) {
    ToDoRowPlace p;
    int step = (k % 5) * kRowPitch;
    int x = k < 5 ? 0 : kRightColumn - 120;
    p.checkLeft = 120 + x;
    p.checkTop = 480 + step;
    p.numberLeft = 480 + x;
    p.numberTop = 510 + step;
    p.textLeft = 720 + x;
    p.textTop = 450 + step;
    p.number = std::to_string(k + 1);
    return p;
}

std::string ToDoPaneCaption(const std::string& itemText) {
    return itemText.find_first_not_of(' ') == std::string::npos ? std::string() : itemText;
}

void LoadToDo(Store& s, QWidget* pane, bool& rowsLoaded, bool sixMonthPlacement) {
    if (!pane) return;
    if (sixMonthPlacement) SetGeometryTwips(pane, 120, 7290, 11270, 2300);
    if (!Child(pane, "lblTop")) MakeDesignControls(pane);
    if (!rowsLoaded) {
        for (int k = 1; k < kRows; ++k) {
            if (!Child(pane, Name("lblToDo", k))) MakeRow(pane, k);
        }
        rowsLoaded = true;
    }
    for (int k = 0; k < kRows; ++k) {
        ToDoRowPlace at = ToDoRowPlacement(k);
        QLabel* check = Child(pane, Name("imgChkBox", k));
        QLabel* number = Child(pane, Name("lbl", k));
        QLabel* text = Child(pane, Name("lblToDo", k));
        MoveTwips(check, at.checkLeft, at.checkTop);
        MoveTwips(number, at.numberLeft, at.numberTop);
        SetNumber(number, at.number);
        MoveTwips(text, at.textLeft, at.textTop);
        text->clear();
        check->show();
        number->show();
        text->show();
    }

    ReadToDoList(s);
    FillToDoPane(s, pane);
    // Later reads of the list (the to-do window's save, the Manage menu) refill this pane while
    // it exists.
    s.hooks.RefreshToDoPane = [&s, target = QPointer<QWidget>(pane)] {
        if (target) FillToDoPane(s, target);
    };

    QLabel* top = Child(pane, "lblTop");
    float left = static_cast<float>(pane->contentsRect().width()) / 2.0f - static_cast<float>(top->width()) / 2.0f;
    top->move(static_cast<int>(left), top->y());
    // Made while the pane was already on show (the window grew past its threshold), the heading
    // would stay hidden like any new child of a visible widget.
    top->show();
    pane->show();
}

void FillToDoPane(const Store& s, QWidget* pane) {
    if (!pane) return;
    QLabel* checked = Child(pane, "imgChkBoxChecked");
    QLabel* unchecked = Child(pane, "imgChkBoxUnChecked");
    for (int k = 0; k < kRows; ++k) {
        QLabel* text = Child(pane, Name("lblToDo", k));
        QLabel* check = Child(pane, Name("imgChkBox", k));
        if (!text || !check) continue;
        text->setText(FromCp1252(ToDoPaneCaption(s.todo.gToDoPaneLines[static_cast<size_t>(k)])));
        QLabel* source = s.todo.gToDoChecks[static_cast<size_t>(k)] ? checked : unchecked;
        if (source) check->setPixmap(source->pixmap());
    }
}

} // namespace orvelle
