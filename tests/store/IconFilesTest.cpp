#include "store/Clock.h"
#include "store/IconFiles.h"
#include "store/ScriptedPrompter.h"
#include "store/Store.h"
#include "store/TextFile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace orvelle;
namespace fs = std::filesystem;

namespace {

class IconFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string t = (fs::temp_directory_path() / "orvelle-icons-XXXXXX").string();
        dir = std::string(mkdtemp(t.data())) + "/";
        s = std::make_unique<Store>(dir);
        s->ui = &prompter;
        fs::create_directories(dir + "Images");
        std::vector<std::string> tags;
        for (int k = 0; k < kIconPaletteSlots; ++k) {
            tags.push_back(FormatIconTagLine(k + 10, "Caption " + std::to_string(k)));
            std::ofstream(dir + "Images/" + std::to_string(k + 10) + ".ico") << "x";
        }
        WriteFileAtomic(dir + "Icon Tags.dat", JoinCrLf(tags));
    }
    void TearDown() override {
        Clock::Reset();
        EXPECT_TRUE(prompter.Finished()) << (prompter.Failures().empty() ? "" : prompter.Failures()[0]);
        fs::remove_all(dir);
    }
    void Select(int year, int month, int day) {
        s->dates.gSelectedDate = DateSerial(year, month, day);
        s->dates.gYear = year;
        s->dates.gMonth = month;
        s->dates.gDay = day;
        SetMonthIconFile(*s, s->dates.gSelectedDate);
    }
    void WriteTemplate(const std::vector<std::string>& lines) {
        ASSERT_TRUE(WriteFileAtomic(dir + "Template.dat", JoinCrLf(lines)));
    }
    // Draws the month from the template as the month view does: fresh counts, then the reader.
    void ShowTemplateOn(int year, int month) {
        Select(year, month, 1);
        ClearPlacedIcons(*s);
        ReadTemplateTags(*s);
    }
    // Day of month the one placed icon of control k sits on.
    int PlacedDay(int k) {
        const PlacedIcon& p = s->icons.gPlacedIcons.at(k);
        EXPECT_TRUE(p.visible);
        MonthCells cells = IconMonthCells(*s);
        return std::stoi(cells[p.column][p.row].substr(3, 2));
    }
    std::string ErrorLog() { return ReadWholeFile(dir + "Error.log").value_or(""); }

    std::string dir;
    ScriptedPrompter prompter;
    std::unique_ptr<Store> s;
};

} // namespace

TEST(IconLines, PlacementLineRoundTripsAndRejectsOutOfRange) {
    EXPECT_EQ(FormatIconPlacement({4, 2, 7}), "04:02 Index:07");
    EXPECT_EQ(FormatIconPlacement({30, 3, 42}), "30:03 Index:42");
    auto p = ParseIconPlacement("30:03 Index:95");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->day, 30);
    EXPECT_EQ(p->position, 3);
    EXPECT_EQ(p->slot, 95);
    for (const char* bad : {"31:00 Index:01", "00:04 Index:01", "00:00 Index:96", "00:00 Index:", "0a:00 Index:01",
                            "", "00:00", "00-00 Index:01", "00:00 Index:1x"})
        EXPECT_FALSE(ParseIconPlacement(bad)) << bad;
}

TEST(IconLines, TagLineKeepsColonsInCaptionAndBoundsThePicture) {
    EXPECT_EQ(FormatIconTagLine(7, "Rent"), "007:Rent");
    EXPECT_EQ(FormatIconTagLine(143, ""), "143:");
    auto t = ParseIconTagLine("005:Bill: gas");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->picture, 5);
    EXPECT_EQ(t->caption, "Bill: gas");
    EXPECT_FALSE(ParseIconTagLine("144:Too far"));
    EXPECT_FALSE(ParseIconTagLine("7:Rent"));
    EXPECT_FALSE(ParseIconTagLine("abc:x"));
}

TEST(IconLines, TemplateDaysBeyondTheMonthGoToItsLastDay) {
    // 0-based days: 28 = the 29th, 29 = the 30th, 30 = the 31st.
    EXPECT_EQ(TemplateDayInMonth(28, 2009, 2), 27); // the 29th in a common February
    EXPECT_EQ(TemplateDayInMonth(29, 2009, 2), 27);
    EXPECT_EQ(TemplateDayInMonth(30, 2008, 2), 28);
    EXPECT_EQ(TemplateDayInMonth(28, 2008, 2), 28);
    EXPECT_EQ(TemplateDayInMonth(30, 2009, 4), 29);
    EXPECT_EQ(TemplateDayInMonth(29, 2009, 4), 29);
    EXPECT_EQ(TemplateDayInMonth(30, 2009, 5), 30);
    EXPECT_EQ(TemplateDayInMonth(0, 2009, 2), 0);
}

TEST(IconLines, MonthLayoutMatchesTheCalendar) {
    MonthCells feb = LayOutMonth(2009, 2); // starts on a Sunday, four full rows
    EXPECT_EQ(feb[0][0], "02/01/09");
    EXPECT_EQ(feb[6][3], "02/28/09");
    EXPECT_TRUE(IsBlankDateCell(feb[0][4]));
    MonthCells mar = LayOutMonth(2008, 3); // starts on a Saturday, six rows
    EXPECT_EQ(mar[6][0], "03/01/08");
    EXPECT_EQ(mar[1][5], "03/31/08");
}

TEST_F(IconFilesTest, PaletteReadsNumbersAndCaptionsAndSavesBackByteExact) {
    std::string before = *ReadWholeFile(dir + "Icon Tags.dat");
    ReadIconTags(*s);
    EXPECT_EQ(s->icons.gIconTagLast, 95);
    EXPECT_EQ(s->icons.gIconTagNumbers[0], "10");
    EXPECT_EQ(s->icons.gIconTagCaptions[95], "Caption 95");
    EXPECT_EQ(IconPicturePath(*s, "10"), dir + "Images/10.ico");

    s->icons.gIconTagLines[3] = FormatIconTagLine(143, "Doctor: Dr. Ames");
    ASSERT_TRUE(SaveIconTags(*s));
    std::string after = *ReadWholeFile(dir + "Icon Tags.dat");
    EXPECT_EQ(SplitLines(after).size(), 96u);
    EXPECT_EQ(SplitLines(after)[0], SplitLines(before)[0]);
    EXPECT_EQ(after.substr(after.size() - 2), "\r\n");
    ReadIconTags(*s);
    EXPECT_EQ(s->icons.gIconTagNumbers[3], "143");
    EXPECT_EQ(s->icons.gIconTagCaptions[3], "Doctor: Dr. Ames");
}

TEST_F(IconFilesTest, BadPaletteLinesAndMissingPicturesBlankOnlyTheirSlot) {
    auto lines = *ReadLines(dir + "Icon Tags.dat");
    lines[2] = "garbage";
    lines.push_back("050:line 97");
    WriteFileAtomic(dir + "Icon Tags.dat", JoinCrLf(lines));
    fs::remove(dir + "Images/15.ico"); // slot 5's picture
    ReadIconTags(*s);
    EXPECT_EQ(s->icons.gIconTagNumbers[2], "");
    EXPECT_EQ(s->icons.gIconTagLines[2], "garbage"); // written back unchanged on save
    EXPECT_EQ(s->icons.gIconTagNumbers[3], "13");
    EXPECT_EQ(s->icons.gIconTagNumbers[5], "15");
    EXPECT_EQ(s->icons.gIconTagNumbers[6], "16");
    std::string log = ErrorLog();
    EXPECT_NE(log.find("garbage"), std::string::npos);
    EXPECT_NE(log.find("line 97"), std::string::npos);
    EXPECT_NE(log.find("Images/15.ico"), std::string::npos);
}

TEST_F(IconFilesTest, MissingPaletteIsReportedAndItsSaverCreatesIt) {
    fs::remove(dir + "Icon Tags.dat");
    prompter.Expect(MsgAnswer::OK, "ReadIconTags");
    ReadIconTags(*s);
    EXPECT_EQ(s->icons.gIconTagLast, 95);
    EXPECT_EQ(s->icons.gIconTagNumbers[0], "");
    s->icons.gIconTagLines[0] = "007:Rent";
    ASSERT_TRUE(SaveIconTags(*s));
    auto lines = *ReadLines(dir + "Icon Tags.dat");
    EXPECT_EQ(lines.size(), 96u);
    EXPECT_EQ(lines[0], "007:Rent");
}

TEST_F(IconFilesTest, TemplateLaidOntoMonthsMovesMissingDaysToTheLastDay) {
    WriteTemplate({"29:01 Index:07", "28:00 Index:08", "30:00 Index:09", "04:02 Index:10"});
    ShowTemplateOn(2009, 2);
    ASSERT_EQ(s->icons.gIconControlCount, 4);
    EXPECT_EQ(PlacedDay(0), 28);
    EXPECT_EQ(PlacedDay(1), 28); // the 29th is not lost in a common year
    EXPECT_EQ(PlacedDay(2), 28);
    EXPECT_EQ(PlacedDay(3), 5);
    // Three icons on the 28th take three different positions.
    EXPECT_EQ(s->icons.gDayIconSlots[27][0], -1);
    EXPECT_EQ(s->icons.gDayIconSlots[27][1], -1);
    EXPECT_EQ(s->icons.gDayIconSlots[27][2], -1);
    EXPECT_EQ(s->icons.gDayIconSlots[4][2], -1);
    EXPECT_EQ(s->icons.gPlacedIcons[0].tag, "27:01 Index:07");
    EXPECT_DOUBLE_EQ(s->icons.gPlacedIcons[0].left, 6 + 0.28);
    EXPECT_DOUBLE_EQ(s->icons.gPlacedIcons[0].top, 3 + 1.45);
    EXPECT_EQ(s->icons.gPlacedIcons[0].pictureNumber, "17");
    EXPECT_EQ(s->icons.gPlacedIcons[0].caption, "Caption 7");
    // The template keeps its own lines; the month copy says where the icons went.
    EXPECT_EQ(s->icons.gTemplateIconLines[0], "29:01 Index:07");
    EXPECT_EQ(s->icons.gMonthIconLines[0], "27:01 Index:07");
    EXPECT_EQ(s->icons.gMonthIconLineCount, 4);

    ShowTemplateOn(2008, 2);
    EXPECT_EQ(PlacedDay(0), 29);
    ShowTemplateOn(2009, 4);
    EXPECT_EQ(PlacedDay(0), 30);
    EXPECT_EQ(PlacedDay(2), 30);
    ShowTemplateOn(2009, 5);
    EXPECT_EQ(PlacedDay(2), 31);
}

TEST_F(IconFilesTest, MonthShownFromTemplateSavesAsItsOwnFileAndReadsBackTheSame) {
    WriteTemplate({"30:00 Index:09", "00:00 Index:01"});
    ShowTemplateOn(2009, 2);
    prompter.Expect(MsgAnswer::OK, "Calendar Saved.");
    s->flags.gMonthIconsChanged = true;
    ASSERT_TRUE(Save1MonthIcons(*s)); // creates the year's folder
    EXPECT_FALSE(s->flags.gMonthIconsChanged);
    EXPECT_EQ(ReadWholeFile(dir + "2009/Feb_Icons.dat"), "27:00 Index:09\r\n00:00 Index:01\r\n");

    ClearPlacedIcons(*s);
    Read1MonthIcons(*s);
    EXPECT_EQ(s->icons.gIconControlCount, 2);
    EXPECT_EQ(PlacedDay(0), 28);
    EXPECT_EQ(PlacedDay(1), 1);
}

TEST_F(IconFilesTest, BadMonthLinesAreSkippedLoggedAndFreeTheirControl) {
    fs::create_directories(dir + "2009");
    WriteFileAtomic(dir + "2009/Apr_Icons.dat",
                    JoinCrLf({"00:00 Index:01", "31:00 Index:01", "29:00 Index:99", "30:00 Index:02", "00:00 Index:03",
                              "00:00 Index:04", "00:00 Index:05", "00:00 Index:06"}));
    Select(2009, 4, 10);
    ClearPlacedIcons(*s);
    Read1MonthIcons(*s);
    auto& ic = s->icons;
    ASSERT_EQ(ic.gIconControlCount, 8);
    EXPECT_TRUE(ic.gPlacedIcons[0].visible);
    for (int k : {1, 2, 3}) { // day 32, slot 99, and 31 April
        EXPECT_FALSE(ic.gPlacedIcons[k].visible) << k;
        EXPECT_EQ(ic.gIconPool[k].freeFlag, -1) << k;
        EXPECT_EQ(ic.gMonthIconLines[k], "") << k;
    }
    // Four icons fill the 1st; the fifth finds the day full.
    EXPECT_EQ(ic.gPlacedIcons[5].tag, "00:02 Index:04");
    EXPECT_EQ(ic.gMonthIconLines[5], "00:02 Index:04");
    EXPECT_FALSE(ic.gPlacedIcons[7].visible);
    std::string log = ErrorLog();
    for (const char* bad : {"31:00 Index:01", "29:00 Index:99", "30:00 Index:02", "00:00 Index:06"})
        EXPECT_NE(log.find(bad), std::string::npos) << bad;
}

TEST_F(IconFilesTest, MissingFilesReadAsEmptyAndTheTemplateIsCreated) {
    Select(2009, 6, 1);
    ClearPlacedIcons(*s);
    Read1MonthIcons(*s);
    EXPECT_EQ(s->icons.gIconControlCount, 0);
    EXPECT_EQ(s->icons.gIconPool.size(), 1u);
    ReadTemplateTags(*s);
    EXPECT_EQ(ReadWholeFile(dir + "Template.dat"), "");
    EXPECT_EQ(s->icons.gTemplateIconLineCount, 0);
}

TEST_F(IconFilesTest, TemplateModeUsesJanuaryAndSavingDropsEmptyLines) {
    Clock::Set({DateSerial(2011, 7, 4), 3600});
    WriteTemplate({"30:00 Index:05", "29:00 Index:06"});
    Select(2009, 2, 14);
    SetTemplateDate(*s, 2009);
    s->flags.gTemplateMode = true;
    ClearPlacedIcons(*s);
    ReadTemplateTags(*s);
    EXPECT_EQ(PlacedDay(0), 31); // January of the template, not the selected February
    EXPECT_EQ(PlacedDay(1), 30);
    EXPECT_EQ(IconMonthCells(*s)[4][0], "01/01/09");

    s->icons.gTemplateIconLines[0].clear();
    s->icons.gTemplateIconLines[7] = "03:00 Index:11";
    s->flags.gMonthIconsChanged = true;
    prompter.Expect(MsgAnswer::OK, "Template Saved.");
    ASSERT_TRUE(SaveTemplateIcons(*s));
    EXPECT_EQ(ReadWholeFile(dir + "Template.dat"), "29:00 Index:06\r\n03:00 Index:11\r\n");
    EXPECT_EQ(s->icons.gTemplateIconLineCount, 2);
    EXPECT_FALSE(s->flags.gMonthIconsChanged);
    EXPECT_FALSE(s->flags.gTemplateMode);
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2011, 7, 4)); // today, without the hour
}

TEST_F(IconFilesTest, EmptyMonthFileIsValidAndFailedSaveKeepsTheOldFile) {
    Select(2009, 12, 1);
    EXPECT_EQ(MonthIconFilePath(*s), dir + "2009/Dec_Icons.dat");
    prompter.Expect(MsgAnswer::OK, "Calendar Saved.");
    ASSERT_TRUE(Save1MonthIcons(*s));
    EXPECT_EQ(ReadWholeFile(dir + "2009/Dec_Icons.dat"), "");

    // A file where the year's folder should be: the save fails, says so and keeps the flag.
    Select(2010, 1, 1);
    WriteFileAtomic(dir + "2010", "not a folder");
    s->icons.gMonthIconLines[0] = "00:00 Index:01";
    s->flags.gMonthIconsChanged = true;
    prompter.Expect(MsgAnswer::OK, "Save1MonthIcons");
    EXPECT_FALSE(Save1MonthIcons(*s));
    EXPECT_TRUE(s->flags.gMonthIconsChanged);
    EXPECT_EQ(ReadWholeFile(dir + "2010"), "not a folder");
}
