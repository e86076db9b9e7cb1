// The page's keyboard tables, the number boxes' key filter and formats, and the key code table.
#include "platform/KeyCodeTable.h"
#include "planner/PlannerNavigation.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvelle {
namespace {

struct Row {
    int enter, down, up;
};

// The navigation table as the page is drawn: -1 = the focus stays.
Row Expected(int i) {
    if (i == 0) return {1, 1, -1};
    if (i <= 25) return {i + 1, i + 1, i - 1};
    if (i == 26) return {32, 28, 25};
    if (i == 27) return {33, 29, 36};
    if (i <= 31) return {i + 6, i + 2, i - 2};
    if (i <= 35) return {i - 5, i + 2, i - 2};
    if (i == 36) return {31, 27, 34};
    if (i == 37) return {39, 39, 35};
    if (i == 38) return {-1, -1, -1};
    if (i == 39) return {44, 40, 37};
    if (i <= 43) return {i + 5, i + 1, i - 1};
    if (i <= 48) return {i + 5, i + 1, i - 1};
    if (i <= 52) return {i - 9, i + 1, i - 1};
    if (i == 53) return {-1, -1, 52};
    if (i <= 58) return {-1, -1, i - 1};
    return {-1, -1, -1};
}

TEST(PlannerNavigation, EveryBoxMovesAsTheTableSays) {
    for (int i = 0; i < 60; ++i) {
        Row r = Expected(i);
        EXPECT_EQ(EnterTarget(i), r.enter) << "Enter in " << i;
        EXPECT_EQ(DownTarget(i), r.down) << "Down in " << i;
        EXPECT_EQ(UpTarget(i), r.up) << "Up in " << i;
    }
    for (int outside : {-1, 60, 1000}) {
        EXPECT_EQ(EnterTarget(outside), -1);
        EXPECT_EQ(DownTarget(outside), -1);
        EXPECT_EQ(UpTarget(outside), -1);
    }
}

std::vector<int> Walk(int from, int (*step)(int)) {
    std::vector<int> seen{from};
    for (int next = step(from); next >= 0 && seen.size() < 100; next = step(next)) seen.push_back(next);
    return seen;
}

std::vector<int> Range(int a, int b) {
    std::vector<int> v;
    for (int i = a; a <= b ? i <= b : i >= b; i += a <= b ? 1 : -1) v.push_back(i);
    return v;
}

std::vector<int> Join(std::vector<std::vector<int>> parts) {
    std::vector<int> all;
    for (auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

TEST(PlannerNavigation, EnterWalksTheRowsAndDownWalksTheColumns) {
    std::vector<int> reading = Join({Range(0, 25),
                                     {26, 32, 27, 33, 28, 34, 29, 35, 30, 36, 31, 37},
                                     {39, 44, 49, 40, 45, 50, 41, 46, 51, 42, 47, 52, 43, 48, 53}});
    EXPECT_EQ(Walk(0, EnterTarget), reading);

    std::vector<int> columns =
        Join({Range(0, 25), {26, 28, 30, 32, 34, 36, 27, 29, 31, 33, 35, 37}, Range(39, 53)});
    EXPECT_EQ(Walk(0, DownTarget), columns);

    std::vector<int> up = Join({Range(58, 39), {37, 35, 33, 31, 29, 27, 36, 34, 32, 30, 28, 26}, Range(25, 0)});
    EXPECT_EQ(Walk(58, UpTarget), up);
}

TEST(PlannerNavigation, NumberBoxesTakeDigitsPointAndBackspaceOnly) {
    for (int box = 0; box < 60; ++box) {
        bool filtered = (box >= 32 && box <= 37) || (box >= 44 && box <= 53);
        EXPECT_EQ(IsAmountBox(box), box >= 32 && box <= 37) << box;
        EXPECT_EQ(IsOdometerBox(box), box >= 44 && box <= 53) << box;
        for (int c = 0; c < 256; ++c) {
            bool digitish = (c >= '0' && c <= '9') || c == '.' || c == 8;
            ASSERT_EQ(AcceptsKeyAscii(box, c), !filtered || digitish) << "box " << box << " char " << c;
        }
    }
    // Ctrl+C, Ctrl+X, Ctrl+V arrive as 3, 24, 22: nothing in an amount box, copied elsewhere.
    for (int c : {3, 24, 22}) {
        EXPECT_FALSE(AcceptsKeyAscii(33, c));
        EXPECT_TRUE(AcceptsKeyAscii(0, c));
    }
}

TEST(PlannerNavigation, AmountAndOdometerFormats) {
    EXPECT_EQ(FormatAmountBox("5"), "5.00");
    EXPECT_EQ(FormatAmountBox("12.5"), "12.50");
    EXPECT_EQ(FormatAmountBox("1.2"), "1.20");
    EXPECT_EQ(FormatAmountBox("0"), ".00");
    EXPECT_EQ(FormatAmountBox("0.456"), ".46");
    EXPECT_EQ(FormatAmountBox("0012.345"), "12.35");
    EXPECT_EQ(FormatAmountBox("5.00"), "5.00");  // a second pass changes nothing
    EXPECT_EQ(FormatAmountBox(""), "");
    EXPECT_EQ(FormatAmountBox("1.2.3"), "1.2.3");
    EXPECT_EQ(FormatAmountBox("."), ".");

    EXPECT_EQ(FormatOdometerBox("1234.6"), "1235");
    EXPECT_EQ(FormatOdometerBox("1234.4"), "1234");
    EXPECT_EQ(FormatOdometerBox("1234.5"), "1235");
    EXPECT_EQ(FormatOdometerBox("012000"), "12000");
    EXPECT_EQ(FormatOdometerBox("0"), "");
    EXPECT_EQ(FormatOdometerBox("0.4"), "");
    EXPECT_EQ(FormatOdometerBox(""), "");
    EXPECT_EQ(FormatOdometerBox("12.3.4"), "12.3.4");
    EXPECT_EQ(FormatOdometerBox("9999999999"), "9999999999");

    EXPECT_EQ(FormatOnLeave(32, "7"), "7.00");
    EXPECT_EQ(FormatOnLeave(44, "7.7"), "8");
    EXPECT_EQ(FormatOnLeave(38, "7"), "7");   // the total is not reformatted when left
    EXPECT_EQ(FormatOnLeave(54, "7.7"), "7.7");
    EXPECT_EQ(FormatOnLeave(0, "7"), "7");
}

TEST(KeyCodeTable, QtKeysAndKeyCodes) {
    EXPECT_EQ(KeyCodeFromQtKey(Qt::Key_A), 65);
    EXPECT_EQ(KeyCodeFromQtKey(Qt::Key_Z), 90);
    EXPECT_EQ(KeyCodeFromQtKey(Qt::Key_5), 53);
    EXPECT_EQ(KeyCodeFromQtKey(Qt::Key_Return), 13);
    EXPECT_EQ(KeyCodeFromQtKey(Qt::Key_Enter), 13);
    EXPECT_EQ(KeyCodeFromQtKey(Qt::Key_Tab), 9);
    EXPECT_EQ(KeyCodeFromQtKey(Qt::Key_Backtab), 9);
    EXPECT_EQ(KeyCodeFromQtKey(Qt::Key_Space), 32);
    EXPECT_EQ(KeyCodeFromQtKey(Qt::Key_Up), 38);
    EXPECT_EQ(KeyCodeFromQtKey(Qt::Key_Right), 39);
    EXPECT_EQ(KeyCodeFromQtKey(Qt::Key_Down), 40);
    EXPECT_EQ(KeyCodeFromQtKey(Qt::Key_Insert), 45);
    EXPECT_EQ(KeyCodeFromQtKey(Qt::Key_Period), 190);
    EXPECT_EQ(KeyCodeFromQtKey(Qt::Key_Exclam), 49);  // Shift+1
    EXPECT_EQ(KeyCodeFromQtKey(Qt::Key_F3), 114);
    EXPECT_EQ(KeyCodeFromQtKey(Qt::Key_Launch0), 0);

    for (int code : {8, 9, 13, 27, 32, 33, 34, 37, 38, 39, 40, 45, 46, 65, 90, 48, 57, 112, 186, 190, 222})
        EXPECT_EQ(KeyCodeFromQtKey(QtKeyFromKeyCode(code)), code) << code;
    EXPECT_EQ(QtKeyFromKeyCode(39), Qt::Key_Right);
    EXPECT_EQ(QtKeyFromKeyCode(13), Qt::Key_Return);
    EXPECT_EQ(QtKeyFromKeyCode(7), Qt::Key_unknown);

    EXPECT_EQ(ShiftStateOf(Qt::NoModifier), 0);
    EXPECT_EQ(ShiftStateOf(Qt::ShiftModifier), 1);
    EXPECT_EQ(ShiftStateOf(Qt::ControlModifier | Qt::AltModifier), 6);
    EXPECT_EQ(ShiftStateOf(Qt::ShiftModifier | Qt::KeypadModifier), 1);
    for (int s = 0; s < 8; ++s) EXPECT_EQ(ShiftStateOf(ModifiersOf(s)), s);
}

} // namespace
} // namespace orvelle
