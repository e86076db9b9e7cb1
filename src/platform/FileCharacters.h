#pragma once
// Text boxes whose text is kept in a data file, which holds only Windows-1252 characters. Such a
// box refuses what is typed, pasted or dropped into it when that holds a character the file
// cannot keep (a paste is taken whole or not at all, so its meaning never changes), and one
// message names the characters. Text that reaches the box another way (an assistive tool) loses
// those characters, with the same message. A decomposed accent ("o" and a combining acute) is
// taken in its composed form when that form can be kept.
#include <QPlainTextEdit>
#include <QString>

#include <cstddef>

class QComboBox;
class QLineEdit;
class QMimeData;

namespace orvelle {

// The characters of `text` that Windows-1252 cannot hold, each once, in their order.
QString CharactersNotKept(const QString& text);

// Says once which characters were not put in (through AppPrompter, after the event that refused
// them; refusals before the message shows are named together).
void TellCharactersNotKept(const QString& characters);

// A one-line box, or an editable combo box, keeps only what its file can. A box with a validator
// of its own (digits only) already refuses more and is left alone.
void KeepFileCharactersOnly(QLineEdit* box);
void KeepFileCharactersOnly(QComboBox* box);

// Such a box whose text is a field of one line of its file takes at most `most` characters, what
// the line keeps around the rest of it: typing past that, and a paste or drop that would not fit,
// are refused whole, told once (std::string::npos: no limit). May be called again as the room
// changes.
void KeepFileTextWithin(QLineEdit* box, size_t most);

// A multi-line box that keeps only what its file can.
class FileTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit FileTextEdit(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Removes what came in past the checks above.
    void DropCharactersNotKept();
    bool checkQueued_ = false;
};

} // namespace orvelle
