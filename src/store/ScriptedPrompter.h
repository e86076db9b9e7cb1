#pragma once
// A Prompter that plays back a queue of expected dialogs. Anything unexpected is recorded as
// a failure that the test checks with Failures() / Finished().
#include "store/Prompter.h"

#include <deque>
#include <string>
#include <vector>

namespace orvelle {

class ScriptedPrompter : public Prompter {
public:
    struct Seen {
        std::string text, title;
        bool input = false;
    };

    // Expect a message box whose text contains `textPart` (empty matches any) and answer it.
    ScriptedPrompter& Expect(MsgAnswer answer, std::string textPart = {}) {
        queue_.push_back({false, answer, {}, std::move(textPart)});
        return *this;
    }
    // Expect an input box and type `reply` (empty = Cancel).
    ScriptedPrompter& ExpectInput(std::string reply, std::string promptPart = {}) {
        queue_.push_back({true, MsgAnswer::OK, std::move(reply), std::move(promptPart)});
        return *this;
    }

    MsgAnswer MsgBox(const std::string& text, MsgButtons buttons, const std::string& title, MsgIcon) override {
        seen_.push_back({text, title, false});
        if (queue_.empty() || queue_.front().input || !Matches(text, queue_.front().part)) {
            failures_.push_back("unexpected message box: [" + title + "] " + text);
            return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel
                       ? (buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Cancel)
                       : (buttons == MsgButtons::OK ? MsgAnswer::OK : MsgAnswer::Cancel);
        }
        MsgAnswer a = queue_.front().answer;
        queue_.pop_front();
        return a;
    }

    std::string InputBox(const std::string& prompt, const std::string& title, const std::string&) override {
        seen_.push_back({prompt, title, true});
        if (queue_.empty() || !queue_.front().input || !Matches(prompt, queue_.front().part)) {
            failures_.push_back("unexpected input box: [" + title + "] " + prompt);
            return {};
        }
        std::string r = queue_.front().reply;
        queue_.pop_front();
        return r;
    }

    const std::vector<std::string>& Failures() const { return failures_; }
    const std::vector<Seen>& SeenDialogs() const { return seen_; }
    size_t Pending() const { return queue_.size(); }
    // True when every expected dialog came and nothing else did.
    bool Finished() const { return failures_.empty() && queue_.empty(); }

private:
    struct Step {
        bool input;
        MsgAnswer answer;
        std::string reply;
        std::string part;
    };
    static bool Matches(const std::string& text, const std::string& part) {
        return part.empty() || text.find(part) != std::string::npos;
    }
    std::deque<Step> queue_;
    std::vector<std::string> failures_;
    std::vector<Seen> seen_;
};

} // namespace orvelle
