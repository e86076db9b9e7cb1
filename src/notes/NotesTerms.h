#pragma once
// The notes box's part in the terms feature: completion of the word being typed, the accept
// keys, terms dropped from the terms window, and terms keyed in from it. Lives as long as the
// notes window's box and answers the store's notes-box hooks meanwhile.
#include <QObject>

class QKeyEvent;
class QPlainTextEdit;

namespace orvelle {

struct Store;

class NotesTermBox : public QObject {
    Q_OBJECT
public:
    NotesTermBox(Store& store, QPlainTextEdit* box, QObject* parent);
    ~NotesTermBox() override;
    // Gives the hooks up (the notes window unloads).
    void Detach();

    // Key down: the accept keys of a shown completion; true when the key was replaced.
    bool txtNotes_KeyDown(QKeyEvent* e);
    void txtNotes_KeyUp(int keyCode, int shift);
    void txtNotes_DragDrop(const std::string& term);
    void KeyTermIn(const std::string& term);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // The box's text as Windows-1252 bytes, one per character position of the box.
    std::string BoxBytes() const;
    void AppendAndFocus(const std::string& tail);

    Store& store_;
    QPlainTextEdit* box_;
    // Kept apart: events can still come while the box is being taken down.
    QObject* viewport_ = nullptr;
    bool attached_ = true;
};

} // namespace orvelle
