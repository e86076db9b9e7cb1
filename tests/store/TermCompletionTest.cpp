#include "store/EditingState.h"
#include "store/TermCompletion.h"

#include <gtest/gtest.h>

using namespace orvelle;

namespace {

// Types `text` key by key at the end of a box, as the boxes report each key release.
struct Typist {
    Typist(std::vector<std::string> t, CompletionRules r) : terms(std::move(t)), rules(r) {}

    std::vector<std::string> terms;
    CompletionRules rules;
    CompletionWord word;
    std::string box;
    CompletionOffer last;

    CompletionOffer Type(const std::string& text) {
        for (char c : text) {
            box += c;
            int key = c == ' ' ? 32 : (c >= 'a' && c <= 'z') ? c - 32 : (c & 0x80) ? 'E' : c;
            last = CompleteOnKeyUp(word, rules, terms, box, static_cast<long>(box.size()), key, c >= 'A' && c <= 'Z');
        }
        return last;
    }
    // The box as the window leaves it after an offer.
    std::string Shown() const {
        if (!last.shown) return box;
        return box.substr(0, last.wordStart) + last.replacement + box.substr(last.caret);
    }
};

TEST(TermCompletion, StartsAfterTheThresholdAndSelectsTheRest) {
    Typist t{{"Meeting"}, {true, 2, false}};
    EXPECT_FALSE(t.Type("Me").shown);
    CompletionOffer o = t.Type("e");
    ASSERT_TRUE(o.shown);
    EXPECT_EQ(t.Shown(), "Meeting");
    EXPECT_EQ(o.selStart, 3);
    EXPECT_EQ(o.selLength, 4); // "ting"
    EXPECT_EQ(o.completionCaret, 6);

    // Right accepts: the caret goes to one before the end, and the key itself moves it on to 7.
    EditingState ed;
    ed.gCompletionShown = true;
    ed.gCompletionCaret = o.completionCaret;
    int key = 39;
    EXPECT_EQ(AcceptCompletionKey(ed, true, true, key, 0), 6);
    EXPECT_FALSE(ed.gCompletionShown);
    // Enter becomes Right; Shift+Space goes two further (past the end: the end, then a blank).
    ed.gCompletionShown = true;
    ed.gCompletionCaret = 6;
    key = 13;
    EXPECT_EQ(AcceptCompletionKey(ed, true, true, key, 0), 6);
    EXPECT_EQ(key, 39);
    ed.gCompletionShown = true;
    ed.gCompletionCaret = 6;
    key = 32;
    EXPECT_EQ(AcceptCompletionKey(ed, true, true, key, 1), 8);
    // A key that finds the selection gone ends the offer; other keys are not accept keys.
    ed.gCompletionShown = true;
    key = 39;
    EXPECT_EQ(AcceptCompletionKey(ed, true, false, key, 0), -1);
    EXPECT_FALSE(ed.gCompletionShown);
    ed.gCompletionShown = true;
    key = 'X';
    EXPECT_EQ(AcceptCompletionKey(ed, true, true, key, 0), -1);
    EXPECT_TRUE(ed.gCompletionShown);
}

TEST(TermCompletion, WritesTheTermInTheTypedWordsCase) {
    auto shown = [](std::vector<std::string> terms, const std::string& typed, long threshold = 2) {
        Typist t{std::move(terms), {true, threshold, false}};
        t.Type(typed);
        return t.Shown();
    };
    EXPECT_EQ(shown({"Meeting"}, "mee"), "meeting");
    EXPECT_EQ(shown({"Meeting"}, "MEE"), "MEETING");
    EXPECT_EQ(shown({"Meeting"}, "Mee"), "Meeting");
    EXPECT_EQ(shown({"meeting room"}, "Mee"), "Meeting Room");
    EXPECT_EQ(shown({"Meeting"}, "mEe"), "mEe"); // mixed case completes nothing
    // The first term matching in either way wins, an exact match further down does not.
    EXPECT_EQ(shown({"Abc", "abd"}, "ab", 1), "abc");
    EXPECT_EQ(shown({"Apple", "apricot"}, "apr"), "apricot");
    EXPECT_EQ(shown({"Apple", "apricot"}, "APP"), "APPLE");
    // Windows-1252 letters change case too.
    EXPECT_EQ(shown({"\xC9t\xE9"}, "\xE9t", 1), "\xE9t\xE9");
}

TEST(TermCompletion, OnlyAWordBeingTypedCompletes) {
    std::vector<std::string> terms{"Lunch"};
    CompletionRules rules{true, 0, false};
    CompletionWord word;
    // In the middle of a word (a letter right of the caret) nothing is offered.
    EXPECT_FALSE(CompleteOnKeyUp(word, rules, terms, "Lxyz", 1, 'L', 1).shown);
    // After a blank a new word starts; in a planner line a line feed does not start one.
    word = {};
    EXPECT_TRUE(CompleteOnKeyUp(word, rules, terms, "at L", 4, 'L', 1).shown);
    word = {};
    EXPECT_FALSE(CompleteOnKeyUp(word, rules, terms, "at\nL", 4, 'L', 1).shown);
    CompletionRules notes{true, 0, true};
    word = {};
    CompletionOffer o = CompleteOnKeyUp(word, notes, terms, "at\nL", 4, 'L', 1);
    ASSERT_TRUE(o.shown);
    EXPECT_EQ(o.wordStart, 3);
    // Keys that type nothing (arrows, End, Ctrl shortcuts) and a switched-off completion offer nothing.
    word = {true, 0};
    EXPECT_FALSE(CompleteOnKeyUp(word, rules, terms, "L", 1, 35, 0).shown);
    EXPECT_FALSE(CompleteOnKeyUp(word, rules, terms, "L", 1, 'V', 2).shown);
    EXPECT_FALSE(CompleteOnKeyUp(word, {false, 0, false}, terms, "L", 1, 'L', 1).shown);
    // A caret beyond the text is no position to complete at.
    EXPECT_FALSE(CompleteOnKeyUp(word, rules, terms, "L", 5, 'L', 1).shown);
}

TEST(TermCompletion, DroppedAndKeyedTermsJoinTheText) {
    EXPECT_EQ(TextWithDroppedTerm("", "Call", false), "Call");
    EXPECT_EQ(TextWithDroppedTerm("Lunch", "Call", false), "Lunch Call");
    EXPECT_EQ(TextWithDroppedTerm("Lunch\n", "Call", true), "Lunch\nCall");
    EXPECT_EQ(TextWithKeyedTerm("", "Call", false), "Call ");
    EXPECT_EQ(TextWithKeyedTerm("Lunch ", "Call", false), "Lunch Call ");
    EXPECT_EQ(TextWithKeyedTerm("Lunch", "Call", false), "Lunch Call ");
    EXPECT_EQ(TextWithKeyedTerm("Lunch\n", "Call", true), "Lunch\nCall ");
    EXPECT_EQ(TextWithKeyedTerm("Lunch\n", "Call", false), "Lunch\n Call ");
}

} // namespace
