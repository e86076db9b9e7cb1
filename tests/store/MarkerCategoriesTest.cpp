#include "StoreTestFolder.h"

#include "store/MarkerCategories.h"

#include <set>

using namespace orvelle;

namespace {

std::vector<std::string> FourteenLines() {
    return {"Appointment:255", "Meeting:16711680", "Deadline:128",    "Travel:32768",     "Birthday:16711935",
            "Vacation:65280",  "Personal:8388736", "Payday:8421376",  "Holiday:33023",    "Reminder:12632256",
            "Quick Mark:65535", "Today's Date:16776960", "Training:16512", "Other:8421504"};
}

class MarkerCategoriesTest : public StoreTestFolder {
protected:
    void WriteMarkers(const std::vector<std::string>& lines) { Write("Marker Colors.dat", JoinCrLf(lines)); }
    MarkerCategories& m() { return s->markers; }
};

} // namespace

TEST_F(MarkerCategoriesTest, StarHidesACategoryAndNeverUnhides) {
    auto lines = FourteenLines();
    lines[5] += "*";
    WriteMarkers(lines);
    m().gMarkerHidden[3] = -1; // hidden earlier in this run
    ReadMarkerColors(*s);
    EXPECT_TRUE(m().gMarkerColorsLoaded);
    EXPECT_EQ(m().gMarkerHidden[5], -1);
    EXPECT_FALSE(m().gMarkerMenuChecked[5]);
    EXPECT_EQ(m().gMarkerCaptions[5], "Vacation");
    EXPECT_EQ(m().gMarkerColors[5], 65280);
    EXPECT_EQ(m().gMarkerHidden[3], -1);
    EXPECT_TRUE(m().gMarkerMenuChecked[3]);
    EXPECT_EQ(m().gMarkerHidden[4], 0);
    EXPECT_EQ(m().gMarkerCaptions[13], "Other");
    EXPECT_EQ(m().gMarkerColorTexts[12], "16512");
    EXPECT_FALSE(std::filesystem::exists(dir + "Error.log"));
}

TEST_F(MarkerCategoriesTest, CaptionMayHoldAColon) {
    auto lines = FourteenLines();
    lines[0] = "Dentist: Dr. Lee:255*";
    WriteMarkers(lines);
    ReadMarkerColors(*s);
    EXPECT_EQ(m().gMarkerCaptions[0], "Dentist: Dr. Lee");
    EXPECT_EQ(m().gMarkerColors[0], 255);
    EXPECT_EQ(m().gMarkerHidden[0], -1);

    ASSERT_TRUE((prompter.Expect(MsgAnswer::OK, "Marker Colors Saved."), SaveMarkerColors(*s)));
    ReadMarkerColors(*s);
    EXPECT_EQ(m().gMarkerCaptions[0], "Dentist: Dr. Lee");
}

TEST_F(MarkerCategoriesTest, LinesPastFourteenAreIgnored) {
    auto lines = FourteenLines();
    lines.push_back("Extra:8421504*");
    WriteMarkers(lines);
    ReadMarkerColors(*s);
    EXPECT_TRUE(m().gMarkerColorsLoaded);
    EXPECT_EQ(m().gMarkerCaptions[13], "Other");
    EXPECT_EQ(m().gMarkerHidden[13], 0);
}

TEST_F(MarkerCategoriesTest, ShortOrBadLinesKeepTheirCategoriesAndAreLogged) {
    m().gMarkerCaptions[2] = "Before";
    m().gMarkerColors[2] = 128;
    m().gMarkerCaptions[13] = "Kept";
    auto lines = FourteenLines();
    lines[2] = "Deadline:red";
    lines.resize(13);
    WriteMarkers(lines);
    ReadMarkerColors(*s);
    EXPECT_TRUE(m().gMarkerColorsLoaded);
    EXPECT_EQ(m().gMarkerCaptions[2], "Before");
    EXPECT_EQ(m().gMarkerCaptions[3], "Travel");
    EXPECT_EQ(m().gMarkerCaptions[13], "Kept");
    std::string log = Read("Error.log");
    EXPECT_NE(log.find("Line 3 of Marker Colors.dat"), std::string::npos);
    EXPECT_NE(log.find("holds 13 of 14"), std::string::npos);
}

TEST_F(MarkerCategoriesTest, MissingFileIsReported) {
    prompter.Expect(MsgAnswer::OK, "An error occurred in ReadMarkerColors.");
    ReadMarkerColors(*s);
    EXPECT_FALSE(m().gMarkerColorsLoaded);
    EXPECT_FALSE(std::filesystem::exists(dir + "Marker Colors.dat"));
}

TEST_F(MarkerCategoriesTest, SaveWritesStarsOnlyWhenVisibilityIsStored) {
    WriteMarkers(FourteenLines());
    ReadMarkerColors(*s);
    m().gMarkerHidden[3] = -1;
    m().gMarkerHidden[11] = -1;

    // The colour dialog's save stores no display choices.
    prompter.Expect(MsgAnswer::OK, "Marker Colors Saved.");
    ASSERT_TRUE(SaveMarkerColors(*s));
    EXPECT_EQ(Read("Marker Colors.dat"), JoinCrLf(FourteenLines()));
    ReadMarkerColors(*s);
    EXPECT_EQ(m().gMarkerHidden[3], -1) << "memory keeps the flag until the next start";

    m().gSaveMarkerVisibility = true;
    prompter.Expect(MsgAnswer::OK, "Marker Colors Saved.");
    ASSERT_TRUE(SaveMarkerColors(*s));
    EXPECT_FALSE(m().gSaveMarkerVisibility);
    auto expected = FourteenLines();
    expected[3] += "*";
    expected[11] += "*";
    EXPECT_EQ(Read("Marker Colors.dat"), JoinCrLf(expected));
}

TEST_F(MarkerCategoriesTest, ASaveWithoutDisplayChoicesKeepsTheStoredStars) {
    auto lines = FourteenLines();
    lines[5] += "*";
    WriteMarkers(lines);
    ReadMarkerColors(*s);
    m().gMarkerHidden[5] = 0; // shown again for this session only
    m().gMarkerHidden[2] = -1; // hidden for this session only
    m().gMarkerCaptions[0] = "Doctor";
    prompter.Expect(MsgAnswer::OK, "Marker Colors Saved.");
    ASSERT_TRUE(SaveMarkerColors(*s));
    lines[0] = "Doctor:255";
    EXPECT_EQ(Read("Marker Colors.dat"), JoinCrLf(lines));

    // Storing the display choices replaces what was stored.
    m().gSaveMarkerVisibility = true;
    prompter.Expect(MsgAnswer::OK, "Marker Colors Saved.");
    ASSERT_TRUE(SaveMarkerColors(*s));
    m().gSaveMarkerVisibility = false;
    prompter.Expect(MsgAnswer::OK, "Marker Colors Saved.");
    ASSERT_TRUE(SaveMarkerColors(*s));
    lines[5] = "Vacation:65280";
    lines[2] += "*";
    EXPECT_EQ(Read("Marker Colors.dat"), JoinCrLf(lines));
}

TEST_F(MarkerCategoriesTest, FailedSaveIsReported) {
    WriteMarkers(FourteenLines());
    ReadMarkerColors(*s);
    // A folder in the file's place cannot be replaced, whoever runs the test.
    std::filesystem::remove(dir + "Marker Colors.dat");
    std::filesystem::create_directories(dir + "Marker Colors.dat/x");
    prompter.Expect(MsgAnswer::OK, "An error occurred in SaveMarkerColors.");
    EXPECT_FALSE(SaveMarkerColors(*s));
    EXPECT_TRUE(std::filesystem::is_directory(dir + "Marker Colors.dat/x"));
}

TEST_F(MarkerCategoriesTest, ContrastTablesDifferForBrownAndBlack) {
    EXPECT_EQ(DialogLabelTextColor(0x004080), 0x00FFFF);
    EXPECT_EQ(CalendarTextColor(0x004080), 0xFFFFCC);
    EXPECT_EQ(DialogLabelTextColor(0x000000), std::nullopt);
    EXPECT_EQ(CalendarTextColor(0x000000), 0xFFFFFF);
    EXPECT_EQ(CalendarTextColor(0x123456), std::nullopt);
    // Every colour the dialog offers has a readable text colour in both tables.
    const Color palette[] = {0x0000FF, 0x000080, 0x0080FF, 0x004080, 0x00FFFF, 0x008080, 0x00FF00, 0x008000,
                             0xFFFF00, 0x808000, 0xFF0000, 0x800000, 0xFF00FF, 0x800080, 0xC0C0C0, 0x808080};
    for (Color c : palette) {
        ASSERT_TRUE(DialogLabelTextColor(c).has_value()) << c;
        ASSERT_TRUE(CalendarTextColor(c).has_value()) << c;
        if (c != 0x004080) {
            EXPECT_EQ(DialogLabelTextColor(c), CalendarTextColor(c)) << c;
        }
    }
    EXPECT_EQ(CalendarTextColor(0xFFFF00), 0x000000);
    EXPECT_EQ(CalendarTextColor(0x800000), 0xFFFFFF);

    s->markers.gMarkTextColor = 0x111111;
    GetMarkTextColor(*s, 0x123456);
    EXPECT_EQ(s->markers.gMarkTextColor, 0x111111);
    GetMarkTextColor(*s, 0x004080);
    EXPECT_EQ(s->markers.gMarkTextColor, 0xFFFFCC);
}

TEST_F(MarkerCategoriesTest, DialogTextColourOfBlackStaysAsItWas) {
    auto lines = FourteenLines();
    lines[1] = "Meeting:0";
    lines[12] = "Training:16512";
    WriteMarkers(lines);
    m().gMarkerTextColors[1] = 0x0000FF;
    ReadMarkerColors(*s);
    EXPECT_EQ(m().gMarkerTextColors[1], 0x0000FF);
    EXPECT_EQ(m().gMarkerTextColors[12], 0x00FFFF);
    EXPECT_EQ(m().gMarkerTextColors[10], 0x000000);
}

TEST_F(MarkerCategoriesTest, MarkAsMenuSkipsQuickMarkAndToday) {
    std::vector<int> shown;
    for (int item = 0; item < kMarkAsItemCount; ++item) shown.push_back(MarkAsItemCategory(item));
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 13}));
    EXPECT_EQ(MarkAsItemCategory(12), -1);
    EXPECT_EQ(MarkAsItemCategory(-1), -1);
}

TEST_F(MarkerCategoriesTest, ShippedFileKeepsTheFixedRoles) {
    Write("Marker Colors.dat", ReadWholeFile(std::string(ORVELLE_DEFAULTS) + "/Marker Colors.dat").value_or(""));
    ReadMarkerColors(*s);
    ASSERT_TRUE(m().gMarkerColorsLoaded);
    EXPECT_FALSE(std::filesystem::exists(dir + "Error.log"));
    EXPECT_EQ(m().gMarkerCaptions[kHolidayCategory], "Holiday");
    EXPECT_EQ(m().gMarkerCaptions[kQuickMarkCategory], "Quick Mark");
    EXPECT_EQ(m().gMarkerCaptions[kTodayCategory], "Today's Date");
    EXPECT_EQ(m().gMarkerCaptions[kBirthdayCategory], "Birthday");
    std::set<Color> distinct(m().gMarkerColors.begin(), m().gMarkerColors.end());
    EXPECT_EQ(distinct.size(), 14u) << "the colour dialog refuses a colour used twice";
    for (Color c : m().gMarkerColors) EXPECT_TRUE(DialogLabelTextColor(c).has_value()) << c;
}
