#include "notes/frmToDo.h"

#include "platform/CaptionFit.h"
#include "platform/CheckBoxPicture.h"
#include "platform/CloseQuestions.h"
#include "platform/Cp1252.h"
#include "platform/FileCharacters.h"
#include "platform/Fonts.h"
#include "platform/PrinterCanvas.h"
#include "platform/Twips.h"
#include "platform/WindowRegistry.h"
#include "store/Clock.h"
#include "store/SaveChangesPrompt.h"
#include "store/Store.h"
#include "store/ToDoList.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvelle {
namespace {

const QColor kFocusColor(0, 255, 255);
const QColor kTooLongColor(255, 0, 0);
const QColor kNormalColor(255, 255, 255);

QRect Twips(double left, double top, double width, double height) {
    return {TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(width), TwipsToPixelsY(height)};
}

} // namespace

frmToDo::frmToDo(Store& store, QWidget* parent) : QWidget(parent, Qt::Window), store_(store) {
    setObjectName("frmToDo");
    setWindowTitle("To Do List");
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(DefaultWindowFont());

    auto* bar = new QMenuBar(this);
    QMenu* mnuFile = bar->addMenu("&File");
    mnuFile->setObjectName("mnuFile");
    QAction* save = mnuFile->addAction("Save", this, [this] { mnuFileSave_Click(); });
    save->setObjectName("mnuFileSave");
    save->setShortcut(QKeySequence("Ctrl+S"));
    QAction* print = mnuFile->addAction("&Print", this, [this] { mnuFilePrint_Click(); });
    print->setObjectName("mnuFilePrint");
    print->setShortcut(QKeySequence("Ctrl+P"));
    QMenu* mnuOpt = bar->addMenu("Options");
    mnuOpt->setObjectName("mnuOpt");
    QAction* up = mnuOpt->addAction("Move Contents Up One Line", this, [this] { mnuOptMoveUp_Click(); });
    up->setObjectName("mnuOptMoveUp");
    up->setShortcut(QKeySequence("Ctrl+U"));
    QAction* down = mnuOpt->addAction("Move Contents Down One Line", this, [this] { mnuOptMoveDown_Click(); });
    down->setObjectName("mnuOptMoveDown");
    down->setShortcut(QKeySequence("Ctrl+D"));
    for (QAction* a : {save, print, up, down}) {
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
    }

    auto* client = new QWidget(this);
    client->setObjectName("client");
    client->setFixedSize(TwipsToPixelsX(kToDoClientWidth), TwipsToPixelsY(kToDoClientHeight));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(bar);
    layout->addWidget(client);

    lblTop_ = new QLabel("Enter To Do information in the boxes provided below. Mark items as done in the boxes on the "
                         "left or Remove them altogether with the option on the right hand side.",
                         client);
    lblTop_->setObjectName("lblTop");
    lblTop_->setProperty("Tag", "Hide");
    lblTop_->setWordWrap(true);
    lblTop_->setFont(MakeFont("MS Sans Serif", 8));
    lblTop_->setGeometry(Twips(180, 60, 6120, 435));

    QFont font = MakeFont("MS Sans Serif", 8);
    for (int i = 0; i < ToDoRows::kRows; ++i) {
        ToDoWindowRow p = ToDoWindowRowPlacement(i);
        imgChkBox_[i] = new QLabel(client);
        imgChkBox_[i]->setObjectName(QString("imgChkBox_%1").arg(i));
        imgChkBox_[i]->setGeometry(Twips(p.checkLeft, p.checkTop, p.checkSize, p.checkSize));
        imgChkBox_[i]->setScaledContents(true);
        imgChkBox_[i]->installEventFilter(this);
        lbl_[i] = new QLabel(QString::number(i + 1), client);
        lbl_[i]->setObjectName(QString("lbl_%1").arg(i));
        lbl_[i]->setGeometry(Twips(p.numberLeft - 60, p.numberTop, 240, 195));
        txt_[i] = new QLineEdit(client);
        txt_[i]->setObjectName(QString("txt_%1").arg(i));
        txt_[i]->setFont(font);
        txt_[i]->setGeometry(Twips(p.textLeft, p.textTop, p.textWidth, p.textHeight));
        txt_[i]->installEventFilter(this);
        KeepFileTextWithin(txt_[i], LongestToDoItem(store_));
        connect(txt_[i], &QLineEdit::textChanged, this, [this, i] { txt_Change(i); });
        cmdDelete_[i] = new QPushButton("Remove", client);
        cmdDelete_[i]->setObjectName(QString("cmdDelete_%1").arg(i));
        cmdDelete_[i]->setGeometry(Twips(p.buttonLeft, p.textTop, p.buttonWidth, p.textHeight));
        cmdDelete_[i]->setFocusPolicy(Qt::NoFocus);
        connect(cmdDelete_[i], &QPushButton::clicked, this, [this, i] { cmdDelete_Click(i); });
    }
    adjustSize();
    RegisterWindow(this);
    // The end of the program asks about the list before any window closes.
    SetCloseQuestion(this, [this] { return AskToClose(); }, [this](bool changed) { store_.todo.gToDoChanged = changed; });
    KeepCaptionsWhole(this);
}

frmToDo* frmToDo::Open(Store& store, QWidget* parent) {
    static QPointer<frmToDo> orphan;
    frmToDo* w = parent ? parent->findChild<frmToDo*>("frmToDo", Qt::FindDirectChildrenOnly) : orphan.data();
    if (!w) {
        store.todo.gShowToDoWindow = true;
        ReadToDoList(store);
        w = new frmToDo(store, parent);
        if (!parent) orphan = w;
        w->FillFromStore();
        CenterForm(w);
    }
    ShowInFront(w);
    return w;
}

void frmToDo::FillFromStore() {
    ToDoList& t = store_.todo;
    for (int i = 0; i < ToDoRows::kRows; ++i) {
        rows_.texts[i] = FromCp1252(t.gToDoTexts[i]);
        rows_.done[i] = t.gToDoChecks[i];
    }
    t.gShowToDoWindow = false;
    ShowRows();
}

void frmToDo::ShowRows() {
    loading_ = true;
    for (int i = 0; i < ToDoRows::kRows; ++i) {
        if (txt_[i]->text() != rows_.texts[i]) txt_[i]->setText(rows_.texts[i]);
        ShowMark(i);
    }
    loading_ = false;
}

void frmToDo::ShowMark(int index) {
    imgChkBox_[index]->setPixmap(CheckBoxPicture(rows_.done[index]));
    imgChkBox_[index]->setProperty("checked", rows_.done[index]);
}

void frmToDo::imgChkBox_Click(int index) {
    rows_.done[index] = !rows_.done[index];
    ShowMark(index);
    // A changed mark is an edit like any other: closing asks before it is lost.
    store_.todo.gToDoChanged = true;
}

void frmToDo::cmdDelete_Click(int index) { txt_[index]->setText(""); }

void frmToDo::txt_Change(int index) {
    if (loading_) return;
    rows_.texts[index] = txt_[index]->text();
    store_.todo.gToDoTexts[index] = ToCp1252(rows_.texts[index]);
    store_.todo.gToDoChanged = true;
}

void frmToDo::SetBackColor(int index, const QColor& color) {
    QPalette pal = txt_[index]->palette();
    pal.setColor(QPalette::Base, color);
    txt_[index]->setPalette(pal);
}

void frmToDo::txt_GotFocus(int index) { SetBackColor(index, kFocusColor); }

void frmToDo::txt_LostFocus(int index) {
    bool tooLong = static_cast<int>(ToCp1252(txt_[index]->text()).size()) > kToDoLineWidth;
    SetBackColor(index, tooLong ? kTooLongColor : kNormalColor);
}

bool frmToDo::txt_KeyDown(int index, int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Down) {
        if (index < ToDoRows::kRows - 1) txt_[index + 1]->setFocus();
        return true;
    }
    if (key == Qt::Key_Up) {
        if (index > 0) txt_[index - 1]->setFocus();
        return true;
    }
    return false;
}

bool frmToDo::IsWindowShortcut(const QKeyEvent& e) const {
    const QKeySequence pressed(e.keyCombination());
    for (const QAction* a : actions())
        if (!a->shortcut().isEmpty() && a->shortcut() == pressed) return true;
    return false;
}

bool frmToDo::eventFilter(QObject* watched, QEvent* e) {
    for (int i = 0; i < ToDoRows::kRows; ++i) {
        if (watched == imgChkBox_[i] && e->type() == QEvent::MouseButtonPress) {
            imgChkBox_Click(i);
            return true;
        }
        if (watched != txt_[i]) continue;
        switch (e->type()) {
        case QEvent::FocusIn: txt_GotFocus(i); break;
        case QEvent::FocusOut: txt_LostFocus(i); break;
        case QEvent::ShortcutOverride:
            // The window's own keys win over a line's key binding: the X11 key scheme takes
            // Ctrl+U to clear the line, which would wipe an item instead of moving the list up.
            if (IsWindowShortcut(*static_cast<QKeyEvent*>(e))) {
                e->ignore();
                return true;
            }
            break;
        case QEvent::KeyPress:
            if (txt_KeyDown(i, static_cast<QKeyEvent*>(e)->key())) return true;
            break;
        default: break;
        }
    }
    return QWidget::eventFilter(watched, e);
}

bool frmToDo::mnuFileSave_Click() {
    ToDoList& t = store_.todo;
    auto checksBefore = t.gToDoChecks;
    for (int i = 0; i < ToDoRows::kRows; ++i) {
        t.gToDoTexts[i] = ToCp1252(rows_.texts[i]);
        t.gToDoChecks[i] = rows_.done[i];
    }
    std::string fileName;
    if (!SaveToDoList(store_, fileName)) {
        // The marks stay the window's own until they are really saved.
        t.gToDoChecks = checksBefore;
        return false;
    }
    // Refilled from the file just written, as the window shows what is stored; the calendar's
    // To Do pane follows.
    t.gShowToDoWindow = true;
    ReadToDoList(store_);
    FillFromStore();
    return true;
}

void frmToDo::mnuFilePrint_Click() {
    // Without a usable printer the command says so, as the calendar's print does.
    const char* noPrinter = "Printer could not be found";
    std::unique_ptr<PrinterCanvas> job = StartPrintJob(store_, noPrinter);
    if (!job) return;
    PrinterCanvas& canvas = *job;
    Date today = Clock::Today();
    Ymd d = SplitDate(today);
    QString heading = FromCp1252(MonthAbbrev(d.month) + " " + TwoDigits(d.day) + ", " + std::to_string(d.year)) +
                      " To Do List";
    DrawToDoPage(canvas, heading, rows_);
    if (!canvas.EndDoc()) store_.ui->MsgBox(noPrinter, MsgButtons::OK, "");
}

void frmToDo::mnuOptMoveDown_Click() {
    ToDoRows before = rows_;
    if (!rows_.MoveDown()) return;
    ShowRows();
    for (int i = 0; i < ToDoRows::kRows; ++i) store_.todo.gToDoTexts[i] = ToCp1252(rows_.texts[i]);
    if (rows_.texts != before.texts || rows_.done != before.done) store_.todo.gToDoChanged = true;
}

void frmToDo::mnuOptMoveUp_Click() {
    ToDoRows before = rows_;
    if (!rows_.MoveUp()) return;
    ShowRows();
    for (int i = 0; i < ToDoRows::kRows; ++i) store_.todo.gToDoTexts[i] = ToCp1252(rows_.texts[i]);
    if (rows_.texts != before.texts || rows_.done != before.done) store_.todo.gToDoChanged = true;
}

CloseAnswer frmToDo::AskToClose() {
    return AskToSaveBeforeClosing(store_, store_.todo.gToDoChanged,
                                  "To Do List has been changed. Do you want to save the changes?",
                                  "To Do List Changed", [this] { return mnuFileSave_Click(); });
}

bool frmToDo::Form_QueryUnload() {
    CloseAnswer a = AskToClose();
    if (a == CloseAnswer::DropEdits) store_.todo.gToDoChanged = false;
    return a != CloseAnswer::Cancel;
}

void frmToDo::Form_Unload() {
    ToDoList& t = store_.todo;
    for (auto& text : t.gToDoTexts) text.clear();
    t.gToDoChanged = false;
}

void frmToDo::closeEvent(QCloseEvent* e) {
    if (!Form_QueryUnload()) {
        e->ignore();
        return;
    }
    Form_Unload();
    e->accept();
}

} // namespace orvelle
