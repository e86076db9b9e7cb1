#include "store/Numbers.h"

#include <clocale>
#include <gtest/gtest.h>

using namespace orvelle;

TEST(Numbers, FormatsRoundHalvesAwayFromZero) {
    EXPECT_EQ(FormatFixed(12.5, 2), "12.50");
    EXPECT_EQ(FormatFixed(2.675, 2), "2.68");
    EXPECT_EQ(FormatFixed(-2.5, 0), "-3");
    EXPECT_EQ(FormatFixed(-0.001, 2), "0.00");
    EXPECT_EQ(FormatGrouped(1234567, 0), "1,234,567");
    EXPECT_EQ(FormatGrouped(-1234.5, 2), "-1,234.50");
    EXPECT_EQ(PadNumber(7, 3), "007");
}

TEST(Numbers, ParsesPlainDecimalsOnly) {
    EXPECT_EQ(ParseNumber(" 4.25 "), 4.25);
    EXPECT_EQ(ParseNumber("-3.5"), -3.5);
    EXPECT_EQ(ParseNumber("+2"), 2);
    EXPECT_EQ(ParseNumber("1,5"), std::nullopt);
    EXPECT_EQ(ParseNumber("abc"), std::nullopt);
    EXPECT_EQ(ParseNumber(""), std::nullopt);
}

TEST(Numbers, IgnoreTheProcessLocale) {
    // A user locale with a decimal comma must never reach the files.
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = old ? old : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) GTEST_SKIP() << "no comma locale here: de_DE.UTF-8 is not generated (scripts/install-deps.sh makes it)";
    EXPECT_EQ(FormatFixed(12.5, 2), "12.50");
    EXPECT_EQ(ParseNumber("4.25"), 4.25);
    std::setlocale(LC_NUMERIC, saved.c_str());
}
