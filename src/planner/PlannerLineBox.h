#pragma once
// A planner text box whose keyboard and focus events come in the order the page's editing
// rules are written for: key down (the handler may rewrite the key code, e.g. Enter into
// Right, or set it to 0 to swallow the key), key press for a typed character (0 discards it),
// the box's own editing, the change (textChanged), then key up. Tab and Enter reach the
// handlers like any key and never move the focus or insert anything by themselves.
// Auto-complete attaches to onKeyUp.
#include <QLineEdit>

#include <functional>

namespace orvelle {

class PlannerLineBox : public QLineEdit {
    Q_OBJECT
public:
    // `index` is the box's place in the page (txt(0..59)); other boxes use -1.
    explicit PlannerLineBox(int index, QWidget* parent = nullptr);

    int Index() const { return index_; }
    // The caret, or the start of the selection.
    int SelStart() const;
    int SelLength() const;
    // The selection start at the moment the box last lost the focus.
    int CaretAtLeave() const { return caretAtLeave_; }

    std::function<void(int index, int& keyCode, int shift)> onKeyDown;
    std::function<void(int index, int& keyAscii)> onKeyPress;
    std::function<void(int index, int keyCode, int shift)> onKeyUp;
    std::function<void(int index)> onGotFocus;
    std::function<void(int index)> onLostFocus;
    // Button 1 left, 2 right, 4 middle; after the box has placed its caret.
    std::function<void(int index, int button, int shift)> onMouseDown;

    // The character code a key event types (Enter 13, Tab 9, Backspace 8, Ctrl+C 3), or 0 (also
    // for a character with no Windows-1252 form).
    static int KeyAsciiOf(const QKeyEvent& event);

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    int index_;
    int caretAtLeave_ = 0;
};

} // namespace orvelle
