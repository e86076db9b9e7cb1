#pragma once
// The one way the program asks the user anything. The GUI installs a Qt implementation;
// tests install a scripted one that knows which dialogs to expect.
#include <string>

namespace orvelle {

enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Information, Question, Exclamation, Critical };
enum class MsgAnswer { OK, Cancel, Yes, No };

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual MsgAnswer MsgBox(const std::string& text, MsgButtons buttons, const std::string& title,
                             MsgIcon icon = MsgIcon::None) = 0;
    // The same for a text in UTF-8, for the one message that names characters Windows-1252 does
    // not have; a prompter that only records texts takes the bytes as they are.
    virtual MsgAnswer MsgBoxUtf8(const std::string& text, MsgButtons buttons, const std::string& title) {
        return MsgBox(text, buttons, title, MsgIcon::None);
    }
    // Cancel gives an empty text.
    virtual std::string InputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText = {}) = 0;
};

// Answers every box with its first button and every input box with its default, saying nothing.
// Used before a window is up and as the fallback when nothing else is installed.
class SilentPrompter : public Prompter {
public:
    MsgAnswer MsgBox(const std::string&, MsgButtons b, const std::string&, MsgIcon) override {
        return b == MsgButtons::OK || b == MsgButtons::OKCancel ? MsgAnswer::OK : MsgAnswer::Yes;
    }
    std::string InputBox(const std::string&, const std::string&, const std::string& d) override { return d; }
};

} // namespace orvelle
