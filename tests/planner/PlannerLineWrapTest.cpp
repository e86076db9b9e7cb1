// Word wrap of "Push" lines into their continuance lines, and the leave-box checks, measured
// with characters of 100 twips: a box of 1000 twips overflows at 11 characters, and a kept
// line may fill less than 970 twips, that is 9 characters.
#include "FakeTextMeasurer.h"
#include "planner/PlannerLineChecks.h"
#include "planner/PlannerLineWrap.h"

#include <gtest/gtest.h>

namespace orvelle {
namespace {

class LineWrapTest : public ::testing::Test {
protected:
    FakeTextMeasurer measurer{100};
    WrapMetrics metrics{measurer, TextFont{"Arial", 9, false}, 1000, 970};
    std::array<std::string, kAppointmentLines> lines;
    std::array<bool, kAppointmentLines> push{};

    WrapResult Wrap(int index, const std::string& text, int caretBefore, bool atEnd) {
        lines[index] = text;
        WrapFlags flags;
        CheckWrapPosition(text, caretBefore, text[caretBefore], flags);
        EXPECT_TRUE(flags.gWrapNeeded);
        EXPECT_EQ(flags.gWrapAtEnd, atEnd);
        return WrapPlannerLine(index, lines, push, caretBefore, flags, metrics);
    }
    using Lines = std::vector<std::pair<int, std::string>>;
};

TEST_F(LineWrapTest, OnlyABlankJustTypedCallsForAWrap) {
    WrapFlags f;
    CheckWrapPosition("abc def", 6, 'F', f);  // a letter at the end
    EXPECT_TRUE(f.gWrapAtEnd);
    EXPECT_FALSE(f.gWrapNeeded);
    CheckWrapPosition("abc def ", 7, ' ', f);  // a blank at the end
    EXPECT_TRUE(f.gWrapAtEnd);
    EXPECT_FALSE(f.gWrapMidLine);
    EXPECT_TRUE(f.gWrapNeeded);
    CheckWrapPosition("abc def", 3, ' ', f);  // a blank inside
    EXPECT_FALSE(f.gWrapAtEnd);
    EXPECT_TRUE(f.gWrapMidLine);
    EXPECT_TRUE(f.gWrapNeeded);
    CheckWrapPosition("abcx def", 3, 'X', f);  // a letter inside
    EXPECT_FALSE(f.gWrapNeeded);
    EXPECT_FALSE(f.gWrapMidLine);

    WrapFlags kept{true, false, true};
    CheckWrapPosition("abc", 9, ' ', kept);  // caret past the text: nothing is decided
    EXPECT_TRUE(kept.gWrapNeeded);
    EXPECT_TRUE(kept.gWrapMidLine);
}

TEST_F(LineWrapTest, BlankAtTheEndMovesTheLastWordAndTheCaretFollows) {
    push[3] = true;
    lines[4] = "lunch";
    WrapResult r = Wrap(3, "aaaa bbbbb ", 10, true);
    EXPECT_EQ(r.lines, (Lines{{3, "aaaa "}, {4, "bbbbb lunch"}}));
    EXPECT_EQ(r.caretLine, 4);
    EXPECT_EQ(r.caretPos, 6);  // right behind the moved word and its blank
}

TEST_F(LineWrapTest, OneWordWiderThanTheLineMovesWhole) {
    push[0] = true;
    WrapResult r = Wrap(0, "abcdefghijkl ", 12, true);
    EXPECT_EQ(r.lines, (Lines{{0, ""}, {1, "abcdefghijkl "}}));
    EXPECT_EQ(r.caretLine, 1);
    EXPECT_EQ(r.caretPos, 13);
}

TEST_F(LineWrapTest, BlankTypedInsideMovesTheLastTwoWordsWhenEveryBlankFits) {
    push[5] = true;
    lines[6] = "note";
    // "aa bbb" then a blank typed at 6 before "cccccc": every prefix ending at a blank fits,
    // so the last two words move; the caret goes with the blank just typed.
    WrapResult r = Wrap(5, "aa bbb cccccc", 6, false);
    EXPECT_EQ(r.lines, (Lines{{5, "aa "}, {6, "bbb cccccc note"}}));
    EXPECT_EQ(r.caretLine, 6);
    EXPECT_EQ(r.caretPos, 4);
}

TEST_F(LineWrapTest, BlankTypedInsideTheOnlyTwoWordsMovesBoth) {
    push[5] = true;
    lines[6] = "later";
    // The two last words are the whole line here: all of it moves, glued to nothing.
    WrapResult r = Wrap(5, "Meeting abcdefghij", 7, false);
    EXPECT_EQ(r.lines, (Lines{{5, ""}, {6, "Meeting abcdefghij later"}}));
    EXPECT_EQ(r.caretLine, 6);
    EXPECT_EQ(r.caretPos, 8);
}

TEST_F(LineWrapTest, CaretFollowsABlankThatMovedWithTheText) {
    push[2] = true;
    WrapResult r = Wrap(2, "aaaaaaaa bbb bbb", 12, false);
    EXPECT_EQ(r.lines, (Lines{{2, "aaaaaaaa "}, {3, "bbb bbb"}}));
    EXPECT_EQ(r.caretLine, 3);
    EXPECT_EQ(r.caretPos, 4);
}

TEST_F(LineWrapTest, OverflowRunsOnThroughPushLinesAndStopsAtAStopLine) {
    push[0] = push[1] = true;  // lines 1 and 2 continue line 0; line 2 has a time below it
    lines[1] = "cc dd ee";
    lines[2] = "ffff gggg hhhh";
    WrapResult r = Wrap(0, "aaaa bbbb ", 9, true);
    // Line 1 becomes "bbbb cc dd ee" (13), keeps "bbbb cc " and passes "dd ee" on; line 2
    // takes it in front and, being a "Stop" line, keeps all of it.
    EXPECT_EQ(r.lines, (Lines{{0, "aaaa "}, {1, "bbbb cc "}, {2, "dd ee ffff gggg hhhh"}}));
    EXPECT_EQ(r.caretLine, 1);
    EXPECT_EQ(r.caretPos, 5);
}

TEST_F(LineWrapTest, MovedTextIsJoinedWithOneBlankAtMost) {
    EXPECT_EQ(JoinMovedText("bbb ", "ccc"), "bbb ccc");
    EXPECT_EQ(JoinMovedText("bbb", "ccc"), "bbb ccc");
    EXPECT_EQ(JoinMovedText("bbb", " ccc"), "bbb ccc");
    EXPECT_EQ(JoinMovedText("bbb", ""), "bbb");
    EXPECT_EQ(JoinMovedText("", "ccc"), "ccc");
}

TEST_F(LineWrapTest, LastLineHasNoLineToWrapInto) {
    lines[15] = "aaaa bbbbbbb ";
    EXPECT_TRUE(WrapPlannerLine(15, lines, push, 12, WrapFlags{true, true, false}, metrics).lines.empty());
}

TEST_F(LineWrapTest, WrapCutFollowsTheBlanksThatFit) {
    EXPECT_EQ(WrapCut("aaa bbb ccc ddd", metrics), 8);  // "aaa bbb " is 800, "aaa bbb ccc " 1200
    EXPECT_EQ(WrapCut("aaaaaaaa bbbb", metrics), 0);    // every blank fits: the last two words move
    EXPECT_EQ(WrapCut("aa bbb cccccc", metrics), 3);
    EXPECT_EQ(WrapCut("aaaa bbbbb ", metrics), 5);      // "aaaa bbbbb " is 1100
    EXPECT_EQ(WrapCut("aaaaaaaaaaaa", metrics), 0);     // no blank at all
    EXPECT_EQ(WrapCut("aaaaaaaaaaaa b", metrics), 0);   // the first word does not fit
}

TEST(PlannerLineChecks, WidthAndLengthOnLeaving) {
    FakeTextMeasurer m(100);
    TextFont f{"Arial", 9, false};
    // A to-do line of 61 characters in a wide box: too long, naming its maximum of 60.
    LineCheck todo = CheckLineOnLeave(std::string(61, 'x'), 100000, 60, m, f);
    EXPECT_TRUE(todo.tooLong);
    EXPECT_FALSE(todo.tooWide);
    EXPECT_EQ(todo.backColor, kFailedBackColor);
    EXPECT_EQ(todo.toolTip, "There are too many characters on this line (more than 60). "
                            "The excess text will be truncated if saved to a file.");
    EXPECT_FALSE(CheckLineOnLeave(std::string(60, 'x'), 100000, 60, m, f).tooLong);

    // Wider than the box less its 30-twip margin: 970 fits a 1000 box, 980 does not.
    LineCheck fits = CheckLineOnLeave("abcdefghi", 1000, 150, m, f);
    EXPECT_FALSE(fits.tooWide);
    EXPECT_EQ(fits.toolTip, "");
    EXPECT_EQ(fits.backColor, kPlainBackColor);
    EXPECT_FALSE(CheckLineOnLeave("abcdefghi", 930, 150, m, f).tooWide);   // 900 = 930 - 30
    LineCheck wide = CheckLineOnLeave("abcdefghi", 929, 150, m, f);
    EXPECT_TRUE(wide.tooWide);
    EXPECT_EQ(wide.toolTip, "The length of the text exceeds the width of the box "
                            "and will not allow the page to print correctly.");

    // Both: the length message is the one that stays.
    LineCheck both = CheckLineOnLeave(std::string(11, 'x'), 500, 10, m, f);
    EXPECT_TRUE(both.tooWide);
    EXPECT_TRUE(both.tooLong);
    EXPECT_EQ(both.toolTip, TooLongMessage(10));
    EXPECT_NE(TooLongMessage(10).find("(more than 10). "), std::string::npos);
}

} // namespace
} // namespace orvelle
