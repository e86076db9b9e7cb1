#include "store/TermCompletion.h"

#include "store/EditingState.h"

namespace orvelle {
namespace {

constexpr int kKeyEnter = 13, kKeySpace = 32, kKeyRight = 39, kKeyInsert = 45;
// Caret positions were 16-bit: further in, nothing is completed.
constexpr long kMaxCaret = 32767;

unsigned char Lower(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c == 0x8A || c == 0x8C || c == 0x8E) return static_cast<unsigned char>(c + 16); // Š Œ Ž
    if (c == 0x9F) return 0xFF;                                                          // Ÿ
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    return c;
}

unsigned char Upper(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
    if (c == 0x9A || c == 0x9C || c == 0x9E) return static_cast<unsigned char>(c - 16);
    if (c == 0xFF) return 0x9F;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
    return c;
}

bool IsWordBreak(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Keys whose release follows a typed character: the blank, digits, letters, the number pad and
// the punctuation keys.
bool TypesCharacter(int keyCode, int shift) {
    if (shift & 6) return false;
    return keyCode == kKeySpace || (keyCode >= '0' && keyCode <= '9') || (keyCode >= 'A' && keyCode <= 'Z') ||
           (keyCode >= 96 && keyCode <= 111) || (keyCode >= 186 && keyCode <= 192) ||
           (keyCode >= 219 && keyCode <= 222);
}

} // namespace

std::string LowerCase1252(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(Lower(static_cast<unsigned char>(c)));
    return out;
}

std::string UpperCase1252(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(Upper(static_cast<unsigned char>(c)));
    return out;
}

std::string ProperCase1252(std::string_view text) {
    std::string out(text);
    bool wordStart = true;
    for (char& c : out) {
        auto u = static_cast<unsigned char>(c);
        c = static_cast<char>(wordStart ? Upper(u) : Lower(u));
        wordStart = IsWordBreak(c);
    }
    return out;
}

TermMatch MatchTerm(const std::vector<std::string>& terms, std::string_view typed) {
    TermMatch m;
    if (typed.empty()) return m;
    const std::string typedUpper = UpperCase1252(typed);
    bool exact = false, any = false;
    for (const std::string& term : terms) {
        std::string_view head = std::string_view(term).substr(0, typed.size());
        if (head == typed) {
            exact = true;
        } else if (UpperCase1252(head) != typedUpper) {
            continue;
        }
        m.term = term;
        any = true;
        break;
    }
    if (!any) return m;
    if (exact) {
        m.written = m.term;
    } else if (typed == LowerCase1252(typed)) {
        m.written = LowerCase1252(m.term);
    } else if (typed == ProperCase1252(typed)) {
        m.written = ProperCase1252(m.term);
    } else if (typed == typedUpper) {
        m.written = UpperCase1252(m.term);
    } else {
        return {}; // mixed case that only matches ignoring case
    }
    m.found = true;
    return m;
}

CompletionOffer CompleteOnKeyUp(CompletionWord& word, const CompletionRules& rules,
                                const std::vector<std::string>& terms, std::string_view text, long caret, int keyCode,
                                int shift) {
    CompletionOffer offer;
    if (!rules.on || !TypesCharacter(keyCode, shift)) return offer;
    const long length = static_cast<long>(text.size());
    const long c = caret;
    if (c < 0 || c > length || c > kMaxCaret) return offer;

    // A word is recognised when its first character has just been typed.
    if (c == 1) {
        word.active = true;
        word.start = 0;
    } else if (c >= 2 && (text[c - 2] == ' ' || (rules.notesBox && text[c - 2] == '\n'))) {
        word.active = true;
        word.start = c - 1;
    }
    // Nothing is completed inside a word.
    if (c < length && !IsWordBreak(text[c])) {
        word.active = false;
        return offer;
    }
    if (!word.active) return offer;
    const long typedLength = c - word.start;
    if (typedLength < 1 || word.start < 0) return offer;
    if (typedLength <= rules.startKeys) return offer;

    TermMatch m = MatchTerm(terms, text.substr(word.start, typedLength));
    if (!m.found) return offer;
    offer.shown = true;
    offer.wordStart = word.start;
    offer.caret = c;
    offer.term = m.term;
    offer.replacement = m.written;
    offer.selStart = c;
    offer.selLength = static_cast<long>(m.written.size()) - typedLength;
    offer.completionCaret = offer.selStart + offer.selLength - 1;
    return offer;
}

long AcceptCompletionKey(EditingState& ed, bool autoCompleteOn, bool hasSelection, int& keyCode, int shift) {
    if (ed.gCompletionShown && !hasSelection) ed.gCompletionShown = false;
    if (!autoCompleteOn || !ed.gCompletionShown) return -1;
    if (shift == 1 && keyCode == kKeySpace) {
        ed.gCompletionCaret += 2;
    } else if (shift == 1 && keyCode == kKeyRight) {
    } else if (shift == 0 && keyCode == kKeyEnter) {
        keyCode = kKeyRight;
    } else if (!(shift == 0 && (keyCode == kKeyRight || keyCode == kKeyInsert))) {
        return -1;
    }
    ed.gCompletionShown = false;
    ed.gCompletionTerm.clear();
    ed.gPlannerCaretPos = static_cast<int>(ed.gCompletionCaret);
    return ed.gCompletionCaret;
}

std::string TextWithDroppedTerm(std::string_view text, std::string_view term, bool notesBox) {
    std::string out(text);
    bool noBlank = text.empty() || (notesBox && text.back() == '\n');
    if (!noBlank) out += ' ';
    out += term;
    return out;
}

std::string TextWithKeyedTerm(std::string_view text, std::string_view term, bool notesBox) {
    std::string out(text);
    bool noBlank = text.empty() || text.back() == ' ' || (notesBox && text.back() == '\n');
    if (!noBlank) out += ' ';
    out += term;
    out += ' ';
    return out;
}

} // namespace orvelle
