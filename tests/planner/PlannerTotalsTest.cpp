#include "planner/PlannerTotals.h"

#include <gtest/gtest.h>

#include <clocale>

namespace orvelle {
namespace {

TEST(PlannerTotals, TripMilesRoundHalvesToEvenAndDropShortTrips) {
    EXPECT_EQ(TripMilesText("12000", "12045.4"), "45");
    EXPECT_EQ(TripMilesText("12000", "12045.5"), "46");
    EXPECT_EQ(TripMilesText("12000", "12046.5"), "46");
    EXPECT_EQ(TripMilesText("100.5", "101"), "");
    // Binary noise must not push an exact half over.
    EXPECT_EQ(TripMilesText("99.8", "100.3"), "");
    EXPECT_EQ(TripMilesText("12000", "0"), "");
    EXPECT_EQ(TripMilesText("12000", "11990"), "");
    EXPECT_EQ(TripMilesText("12000", ""), "");
    EXPECT_EQ(TripMilesText("", "25"), "25");
}

TEST(PlannerTotals, LeadingNumberReadsUpToTheFirstStrayCharacter) {
    EXPECT_DOUBLE_EQ(LeadingNumber(" 12 34 "), 1234);
    EXPECT_DOUBLE_EQ(LeadingNumber("12a5"), 12);
    EXPECT_DOUBLE_EQ(LeadingNumber("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(LeadingNumber("-7"), -7);
    EXPECT_DOUBLE_EQ(LeadingNumber("abc"), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber(""), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber("."), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber("5,5"), 5);
}

TEST(PlannerTotals, TotalMileageAddsTheTripsAndEmptiesOnZero) {
    EXPECT_EQ(TotalMileageText({"45", "", "10", "x", "3"}), "58");
    EXPECT_EQ(TotalMileageText({"", "", "", "", ""}), "");
    EXPECT_EQ(TotalMileageText({"5", "-5", "", "", ""}), "");
    // A huge typed number is clamped, never overflowing.
    EXPECT_FALSE(TotalMileageText({std::string(150, '9'), "", "", "", ""}).empty());
}

TEST(PlannerTotals, ExpenseTotalTakesOnlyWholeNumbers) {
    EXPECT_EQ(ExpenseTotalText({"10", "", "2.5", "", "", ""}), "12.50");
    EXPECT_EQ(ExpenseTotalText({"12.5", "7.25", "", "", "", ""}), "19.75");
    EXPECT_EQ(ExpenseTotalText({"1.2.3", "4", "", "", "", ""}), "4.00");
    EXPECT_EQ(ExpenseTotalText({"0.1", "0.2", "", "", "", ""}), ".30");
    EXPECT_EQ(ExpenseTotalText({"", "", "", "", "", ""}), "");
    EXPECT_EQ(ExpenseTotalText({"0", ".00", "", "", "", ""}), "");
    EXPECT_EQ(ExpenseTotalText({"1,5", "", "", "", "", ""}), "");
}

// A German or French number locale must neither read nor write a decimal comma.
TEST(PlannerTotals, ArithmeticIgnoresTheLocale) {
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = old ? old : "C";
    bool switched = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") || std::setlocale(LC_NUMERIC, "fr_FR.UTF-8");
    EXPECT_EQ(ExpenseTotalText({"10", "", "2.5", "", "", ""}), "12.50");
    EXPECT_EQ(TripMilesText("12000", "12045.4"), "45");
    std::setlocale(LC_NUMERIC, saved.c_str());
    if (!switched) GTEST_SKIP() << "no comma locale here: de_DE.UTF-8 is not generated (scripts/install-deps.sh makes it)";
}

TEST(PlannerTotals, AmountFormatHasNoLeadingZero) {
    EXPECT_EQ(FormatAmountText(0.5), ".50");
    EXPECT_EQ(FormatAmountText(1234567.125), "1234567.13");
    EXPECT_EQ(FormatAmountText(12), "12.00");
}

} // namespace
} // namespace orvelle
