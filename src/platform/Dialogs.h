#pragma once
// Message and input boxes on Qt, behind the store's Prompter.
#include "store/Prompter.h"

class QWidget;

namespace orvelle {

class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    MsgAnswer MsgBox(const std::string& text, MsgButtons buttons, const std::string& title, MsgIcon icon) override;
    std::string InputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) override;

private:
    QWidget* parent_;
};

} // namespace orvelle
