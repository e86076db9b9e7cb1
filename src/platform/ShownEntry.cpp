#include "platform/ShownEntry.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace orvelle {
namespace {

bool AllDigits(const QString& s) {
    if (s.isEmpty()) return false;
    for (QChar c : s)
        if (!c.isDigit()) return false;
    return true;
}

// Makes the shown entry current without touching the text, its selection or the box's signals.
void MatchShownEntry(QComboBox* box) {
    int i = EntryNamedBy(box, box->currentText());
    if (i < 0 || i == box->currentIndex()) return;
    QLineEdit* edit = box->lineEdit();
    QString text = box->currentText();
    int cursor = edit ? edit->cursorPosition() : 0;
    int selStart = edit ? edit->selectionStart() : -1;
    int selLength = edit ? edit->selectedText().size() : 0;
    QSignalBlocker block(box);
    box->setCurrentIndex(i);
    if (!edit) return;
    edit->setText(text);
    if (selStart >= 0) edit->setSelection(selStart, selLength);
    else edit->setCursorPosition(cursor);
}

// A text that names no entry (a year outside the list): a step would start from whichever entry
// was current last, far from what is shown.
bool ShowsNoEntry(const QComboBox* box) {
    return !box->currentText().trimmed().isEmpty() && EntryNamedBy(box, box->currentText()) < 0;
}

class ShownEntryFilter : public QObject {
public:
    explicit ShownEntryFilter(QComboBox* box) : QObject(box), box_(box) {}

    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched != box_) return false;
        switch (e->type()) {
        case QEvent::KeyPress: {
            auto* k = static_cast<QKeyEvent*>(e);
            switch (k->key()) {
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
                // Alt+Down opens the list and Ctrl+arrows complete; the plain steps stay put.
                if (!(k->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) && ShowsNoEntry(box_)) return true;
                MatchShownEntry(box_);
                break;
            case Qt::Key_Home:
            case Qt::Key_End:
            case Qt::Key_F4:
                MatchShownEntry(box_);
                break;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                // With its text selected the box's completion would put its first entry back.
                if (box_->lineEdit()) box_->lineEdit()->deselect();
                ChooseNamedEntry();
                break;
            default:
                break;
            }
            break;
        }
        case QEvent::Wheel:
            if (ShowsNoEntry(box_)) return true;
            MatchShownEntry(box_);
            break;
        case QEvent::MouseButtonPress:
            MatchShownEntry(box_);
            break;
        default:
            break;
        }
        return false;
    }

private:
    // Return chooses the entry the text names, as the box itself does for the entry's own text:
    // "05" is taken as the 5th, as "5" is, and stays as typed.
    void ChooseNamedEntry() {
        const QString text = box_->currentText();
        int i = EntryNamedBy(box_, text);
        if (i < 0 || box_->findText(text, Qt::MatchFixedString) >= 0) return; // the box's own
        MatchShownEntry(box_);
        emit box_->activated(i);
        emit box_->textActivated(box_->itemText(i));
    }

    QComboBox* box_;
};

} // namespace

int EntryNamedBy(const QComboBox* box, const QString& text) {
    QString t = text.trimmed();
    if (t.isEmpty()) return -1;
    int exact = box->findText(t, Qt::MatchFixedString);
    if (exact >= 0) return exact;
    if (!AllDigits(t)) return -1;
    bool ok = false;
    qlonglong n = t.toLongLong(&ok);
    if (!ok) return -1;
    for (int i = 0; i < box->count(); ++i) {
        QString item = box->itemText(i);
        if (AllDigits(item) && item.toLongLong() == n) return i;
    }
    return -1;
}

void ShowEntryText(QComboBox* box, const QString& text) {
    box->setEditText(text);
    MatchShownEntry(box);
}

void FollowShownEntry(QComboBox* box) {
    box->setInsertPolicy(QComboBox::NoInsert);
    // A window that fills its boxes again asks again; one filter is enough.
    if (box->property("followsShownEntry").toBool()) return;
    box->setProperty("followsShownEntry", true);
    box->installEventFilter(new ShownEntryFilter(box));
}

} // namespace orvelle
