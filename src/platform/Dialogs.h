#pragma once
// Message and input boxes on Qt, behind the store's Prompter, and the one program-wide place
// where the current prompter is installed. Windows ask through their Store's `ui`; code without
// a Store (start-up, platform helpers) asks through AppPrompter(). Tests install a
// ScriptedPrompter into both with ScopedPrompter.
#include "store/Prompter.h"

#include <string>

class QString;
class QWidget;

namespace orvelle {

struct Store;

// The program's name, the title of every box that has none of its own.
inline constexpr const char* kAppTitle = "Orvelle";

class QtPrompter : public Prompter {
public:
    // A box opens over the window that asked (the active one); over `parent` only when no window
    // is active and the one the last box opened over has gone.
    explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    // Texts and titles are Windows-1252; CR LF inside a text is a line break. An empty title
    // shows the program's name. A box closed without a button answers Cancel (or No, OK for
    // the button sets without Cancel).
    MsgAnswer MsgBox(const std::string& text, MsgButtons buttons, const std::string& title, MsgIcon icon) override;
    MsgAnswer MsgBoxUtf8(const std::string& text, MsgButtons buttons, const std::string& title) override;
    // Cancel, or closing the box, gives an empty text.
    std::string InputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) override;

    // Without a display the boxes are not shown (nobody could answer them): a message box
    // gives DismissAnswer and an input box an empty text, and the box is reported on stderr.
    // The prompter's own tests turn real boxes on to drive them.
    static void ShowBoxesWithoutDisplay(bool on);

private:
    MsgAnswer Show(const QString& text, MsgButtons buttons, const std::string& title, MsgIcon icon);
    QWidget* parent_;
};

// The answer a box with these buttons gives when it is dismissed without a choice.
MsgAnswer DismissAnswer(MsgButtons buttons);

// The prompter of the program; a silent one until SetAppPrompter installs another.
Prompter& AppPrompter();
void SetAppPrompter(Prompter* prompter); // null returns to the silent one

// Installs `prompter` as the store's `ui` and as the program's prompter for its lifetime, and
// puts back what was there before.
class ScopedPrompter {
public:
    ScopedPrompter(Store& store, Prompter& prompter);
    ~ScopedPrompter();
    ScopedPrompter(const ScopedPrompter&) = delete;
    ScopedPrompter& operator=(const ScopedPrompter&) = delete;

private:
    Store& store_;
    Prompter* oldStoreUi_;
    Prompter* oldApp_;
};

} // namespace orvelle
