#pragma once
// Auto-complete of the word being typed from the current term list, for the planner's lines and
// the notes box. Pure functions of the box's text, caret and key: the windows hand in what the
// box holds and apply what comes back. Texts are Windows-1252 bytes, one per character, with
// "\n" as the notes box's line break (CR LF exists only in the files).
#include <string>
#include <string_view>
#include <vector>

namespace orvelle {

struct EditingState;

// Windows-1252 letter case, as the terms window's case buttons and the completion use it.
std::string LowerCase1252(std::string_view text);
std::string UpperCase1252(std::string_view text);
// The first letter of each blank-separated word upper case, the rest lower case.
std::string ProperCase1252(std::string_view text);

// The word being typed: kept from key to key between calls.
struct CompletionWord {
    bool active = false;
    long start = 0; // characters before the word
};

struct CompletionRules {
    bool on = false;        // gAutoCompleteOn
    long startKeys = 0;     // a word completes once more than this many characters are typed
    bool notesBox = false;  // a line feed also starts a word
};

// What a key release puts into the box: the characters [wordStart, caret) become `replacement`
// (the term in the typed word's case style) and [selStart, selStart + selLength) is selected.
struct CompletionOffer {
    bool shown = false;
    long wordStart = 0;
    long caret = 0;
    std::string replacement;
    std::string term; // as stored
    long selStart = 0;
    long selLength = 0;
    // One before the end of the offered term: where the accept keys put the caret.
    long completionCaret = 0;
};

// The term the typed word completes to, in the form to write: the first term (in list order)
// whose start equals `typed` exactly or ignoring case; a case-ignoring match is written in the
// typed word's style (lower, proper or upper; mixed case completes nothing). Empty: no match.
struct TermMatch {
    bool found = false;
    std::string term;
    std::string written;
};
TermMatch MatchTerm(const std::vector<std::string>& terms, std::string_view typed);

// Key release `keyCode` (the line boxes' key codes) with modifier state `shift` (1 Shift,
// 2 Ctrl, 4 Alt) in a box holding `text` with the caret at `caret`. Only keys that type a
// character (without Ctrl or Alt) run the completion; moving through text never offers a term.
CompletionOffer CompleteOnKeyUp(CompletionWord& word, const CompletionRules& rules,
                                const std::vector<std::string>& terms, std::string_view text, long caret, int keyCode,
                                int shift);

// The accept keys while a completion is shown. `hasSelection`: the box still has a selection.
// Returns the caret to set (>= 0) when the key accepts; -1 otherwise. Enter is rewritten to
// Right. The key then takes its ordinary effect.
long AcceptCompletionKey(EditingState& ed, bool autoCompleteOn, bool hasSelection, int& keyCode, int shift);

// A term dropped on a planner line or the notes box: appended after a blank (none into an empty
// text, nor after a notes line break).
std::string TextWithDroppedTerm(std::string_view text, std::string_view term, bool notesBox);
// A term put in by Left or Insert in the terms list: followed by a blank, and preceded by one
// unless the text is empty or ends with a blank (or, in the notes box, a line break).
std::string TextWithKeyedTerm(std::string_view text, std::string_view term, bool notesBox);

} // namespace orvelle
