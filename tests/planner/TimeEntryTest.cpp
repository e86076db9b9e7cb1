// Times typed into the time labels' editor, read by our own rules whatever the locale.
#include "planner/TimeEntry.h"

#include <gtest/gtest.h>

namespace orvelle {
namespace {

std::string Caption(std::string_view typed) { return TimeCaptionFromEntry(typed).value_or("<refused>"); }

TEST(TimeEntry, TimesBecomeMediumTimeCaptions) {
    EXPECT_EQ(Caption("12:30"), "12:30 PM");
    EXPECT_EQ(Caption("8:45PM"), "08:45 PM");
    EXPECT_EQ(Caption("8:45pm"), "08:45 PM");
    EXPECT_EQ(Caption("8:45 PM"), "08:45 PM");
    EXPECT_EQ(Caption("08:45 PM"), "08:45 PM");  // the caption the editor opened with
    EXPECT_EQ(Caption("20:45"), "08:45 PM");
    EXPECT_EQ(Caption("8:45"), "08:45 AM");
    EXPECT_EQ(Caption("0:15"), "12:15 AM");
    EXPECT_EQ(Caption("23:59"), "11:59 PM");
    EXPECT_EQ(Caption("12AM"), "12:00 AM");
    EXPECT_EQ(Caption("12:05a"), "12:05 AM");
    EXPECT_EQ(Caption("12p"), "12:00 PM");
    EXPECT_EQ(Caption("7"), "07:00 AM");
    EXPECT_EQ(Caption("7P"), "07:00 PM");
}

TEST(TimeEntry, AnEmptyEditorMakesAContinuanceLine) {
    EXPECT_EQ(Caption(""), "");
    EXPECT_EQ(Caption("   "), "");
}

TEST(TimeEntry, NonTimesAreRefused) {
    for (const char* bad : {"25:00", "24:00", "8:60", "8:5", "8:555", "13PM", "0AM", "00:30 PM", "AM", ":30",
                            "8:", "8::45", "8:45X", "8:45 PMM", "8 45", "123", "8:45P M", "-1:00", "1.30"}) {
        EXPECT_EQ(TimeCaptionFromEntry(bad), std::nullopt) << bad;
    }
}

TEST(TimeEntry, EditorKeepsOnlyTheCharactersOfATime) {
    std::string kept;
    for (int c = 0; c < 256; ++c)
        if (TimeEditorAcceptsKey(c)) kept += static_cast<char>(c);
    EXPECT_EQ(kept, std::string("\b0123456789:AMPamp"));
    EXPECT_FALSE(TimeEditorAcceptsKey(' '));
    EXPECT_FALSE(TimeEditorAcceptsKey(13));
}

TEST(TimeEntry, MessageSpansTwoLines) {
    EXPECT_EQ(InvalidTimeMessage(), "Please enter a valid time using this sample format: \"8:45 PM\" or\r\n"
                                    "delete the contents of the box entirely to create a continuance line.");
}

} // namespace
} // namespace orvelle
