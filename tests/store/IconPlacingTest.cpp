// The icon drop rules, driven without a mouse: pool, positions, moves, removal and templates.
#include "store/IconFiles.h"
#include "store/IconPlacing.h"
#include "store/ScriptedPrompter.h"
#include "store/Store.h"
#include "store/TextFile.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace orvelle;
namespace fs = std::filesystem;

namespace {

class IconPlacingTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string t = (fs::temp_directory_path() / "orvelle-placing-XXXXXX").string();
        dir = std::string(mkdtemp(t.data())) + "/";
        s = std::make_unique<Store>(dir);
        s->ui = &prompter;
        std::vector<std::string> tags;
        for (int k = 0; k < kIconPaletteSlots; ++k) tags.push_back(FormatIconTagLine(k, "Caption " + std::to_string(k)));
        WriteFileAtomic(dir + "Icon Tags.dat", JoinCrLf(tags));
        ReadIconTags(*s);
        ShowMonth(2009, 3); // March 2009 starts on a Sunday: day d sits at ((d-1) % 7, (d-1) / 7)
    }
    void TearDown() override {
        EXPECT_TRUE(prompter.Finished()) << (prompter.Failures().empty() ? "" : prompter.Failures()[0]);
        fs::remove_all(dir);
    }
    void ShowMonth(int year, int month) {
        s->dates.gSelectedDate = DateSerial(year, month, 1);
        s->dates.gYear = year;
        s->dates.gMonth = month;
        SetMonthIconFile(*s, s->dates.gSelectedDate);
        ClearPlacedIcons(*s);
        for (auto& l : s->icons.gMonthIconLines) l.clear();
        for (auto& l : s->icons.gTemplateIconLines) l.clear();
    }
    // Drops palette slot `slot` in the middle of cell (column, row).
    DropResult DropSlot(int slot, int column, int row) {
        BeginPaletteDrag(*s, slot);
        return IconDrop(*s, column + 0.5, row + 1.25);
    }
    DropResult Move(int control, int column, int row) {
        EXPECT_TRUE(BeginIconMove(*s, control));
        return IconDrop(*s, column + 0.5, row + 1.25);
    }
    const PlacedIcon& Placed(int k) { return s->icons.gPlacedIcons.at(k); }

    std::string dir;
    ScriptedPrompter prompter;
    std::unique_ptr<Store> s;
};

} // namespace

TEST_F(IconPlacingTest, FourDropsFillADayTheFifthIsFullAndUsesNoControl) {
    auto& ic = s->icons;
    for (int i = 0; i < 4; ++i) {
        DropResult r = DropSlot(7, 4, 0); // the 5th
        ASSERT_EQ(r.outcome, DropOutcome::Placed);
        EXPECT_EQ(r.control, i);
        EXPECT_DOUBLE_EQ(Placed(i).left, 4 + IconFiles::gIconSlotOffsetsX[i]);
        EXPECT_DOUBLE_EQ(Placed(i).top, 0 + 1.45);
    }
    EXPECT_EQ(Placed(2).tag, "04:02 Index:07");
    EXPECT_EQ(ic.gMonthIconLines[2], "04:02 Index:07");
    EXPECT_EQ(Placed(2).caption, "Caption 7");
    EXPECT_EQ(Placed(2).pictureNumber, "7");
    EXPECT_TRUE(s->flags.gMonthIconsChanged);
    EXPECT_TRUE(ic.drag.gDragKind.empty());

    prompter.Expect(MsgAnswer::OK, "Day Full");
    EXPECT_EQ(DropSlot(8, 4, 0).outcome, DropOutcome::DayFull);
    EXPECT_EQ(ic.gIconControlCount, 4);
    EXPECT_TRUE(ic.drag.gDragKind.empty());
    // The refused drop used up nothing: the next icon elsewhere takes member 4.
    EXPECT_EQ(DropSlot(5, 0, 0).control, 4);
    EXPECT_EQ(Placed(4).tag, "00:00 Index:05");
    EXPECT_EQ(DropSlot(42, 2, 4).control, 5); // the 31st
    EXPECT_EQ(Placed(5).tag, "30:00 Index:42");

    // After removing the icon in position 1, the next drop fills position 1 with member 1.
    ic.drag.gPressedIconIndex = 1;
    ASSERT_TRUE(RemoveSelectedIcon(*s));
    EXPECT_EQ(ic.gMonthIconLines[1], "");
    EXPECT_EQ(ic.gIconPool[1].freeFlag, -1);
    DropResult r = DropSlot(9, 4, 0);
    EXPECT_EQ(r.control, 1);
    EXPECT_EQ(Placed(1).tag, "04:01 Index:09");
    EXPECT_EQ(ic.gIconControlCount, 6);
}

TEST_F(IconPlacingTest, RemovingAnIconTwiceLeavesTheIconThatTookItsPlace) {
    DropSlot(1, 3, 1);
    DropSlot(1, 3, 1);
    s->icons.drag.gPressedIconIndex = 0;
    ASSERT_TRUE(RemoveSelectedIcon(*s));
    // Member 1, moved within its day, now has the position and the line of the removed one.
    Move(1, 3, 1);
    ASSERT_EQ(Placed(1).tag, "10:00 Index:01");
    s->icons.drag.gPressedIconIndex = 0;
    s->flags.gMonthIconsChanged = false;
    EXPECT_FALSE(RemoveSelectedIcon(*s));
    EXPECT_EQ(s->icons.gDayIconSlots[10][0], -1);
    EXPECT_EQ(s->icons.gMonthIconLines[1], "10:00 Index:01");
    EXPECT_FALSE(s->flags.gMonthIconsChanged);
}

TEST_F(IconPlacingTest, AMovedIconGoesBackWhenRefusedAndKeepsItsControlWhenPlaced) {
    auto& ic = s->icons;
    DropSlot(3, 0, 0); // member 0 on the 1st
    for (int i = 0; i < 4; ++i) DropSlot(4, 1, 0); // the 2nd full
    s->flags.gMonthIconsChanged = false;

    prompter.Expect(MsgAnswer::OK, "Day Full");
    EXPECT_EQ(Move(0, 1, 0).outcome, DropOutcome::DayFull);
    EXPECT_EQ(ic.gDayIconSlots[0][0], -1);
    EXPECT_EQ(Placed(0).tag, "00:00 Index:03");
    EXPECT_TRUE(ic.drag.gDragKind.empty());

    // The title band, a cell before the 1st, and a release with no drop at all.
    ASSERT_TRUE(BeginIconMove(*s, 0));
    EXPECT_EQ(ic.gDayIconSlots[0][0], 0);
    EXPECT_EQ(IconDrop(*s, 2.5, 0.4).outcome, DropOutcome::OffTheGrid);
    EXPECT_EQ(ic.gDayIconSlots[0][0], -1);
    EXPECT_EQ(Move(0, 6, 5).outcome, DropOutcome::OutsideMonth);
    EXPECT_EQ(ic.gDayIconSlots[0][0], -1);
    ASSERT_TRUE(BeginIconMove(*s, 0));
    EXPECT_EQ(IconDrop(*s, 7.6, 3.0).outcome, DropOutcome::OffTheGrid);
    ASSERT_TRUE(BeginIconMove(*s, 0));
    EndIconDrag(*s);
    EXPECT_EQ(ic.gDayIconSlots[0][0], -1);
    EXPECT_FALSE(s->flags.gMonthIconsChanged);

    DropResult r = Move(0, 2, 2); // the 17th
    EXPECT_EQ(r.control, 0);
    EXPECT_EQ(Placed(0).tag, "16:00 Index:03");
    EXPECT_EQ(ic.gMonthIconLines[0], "16:00 Index:03");
    EXPECT_EQ(ic.gDayIconSlots[0][0], 0);
    EXPECT_EQ(ic.gIconControlCount, 5);
    EXPECT_TRUE(s->flags.gMonthIconsChanged);
}

TEST_F(IconPlacingTest, DropPointsRoundHalvesToEvenAndBandDropsAreIgnored) {
    BeginPaletteDrag(*s, 1);
    EXPECT_EQ(IconDrop(*s, 1.0, 1.25).control, 0);
    EXPECT_EQ(Placed(0).column, 0); // 1.0 - 0.5 = 0.5 goes to 0
    BeginPaletteDrag(*s, 1);
    IconDrop(*s, 1.5, 1.25);
    EXPECT_EQ(Placed(1).column, 1);
    BeginPaletteDrag(*s, 1);
    EXPECT_EQ(IconDrop(*s, 3.2, 0.7).outcome, DropOutcome::OffTheGrid); // weekday heads
    BeginPaletteDrag(*s, 1);
    EXPECT_EQ(IconDrop(*s, 3.2, 6.9).outcome, DropOutcome::OffTheGrid); // below the sixth week
    EXPECT_EQ(IconDrop(*s, 3.2, 2.0).outcome, DropOutcome::NoDrag);     // nothing dragged
}

TEST_F(IconPlacingTest, RemoveAllAsksAndOnYesEmptiesEveryLine) {
    DropSlot(1, 0, 0);
    DropSlot(2, 3, 3);
    s->icons.gMonthIconLines[100] = "05:00 Index:01"; // whatever else the table holds goes too
    s->flags.gMonthIconsChanged = false;
    prompter.Expect(MsgAnswer::No, "remove all icons for the entire month");
    EXPECT_FALSE(RemoveAllIcons(*s));
    EXPECT_TRUE(Placed(0).visible);
    EXPECT_EQ(s->icons.gMonthIconLines[0], "00:00 Index:01");
    EXPECT_FALSE(s->flags.gMonthIconsChanged);
    EXPECT_EQ(prompter.SeenDialogs().back().title, "Preparing to remove all Icons");

    prompter.Expect(MsgAnswer::Yes);
    EXPECT_TRUE(RemoveAllIcons(*s));
    for (const auto& line : s->icons.gMonthIconLines) EXPECT_EQ(line, "");
    EXPECT_FALSE(Placed(0).visible);
    EXPECT_FALSE(Placed(1).visible);
    EXPECT_EQ(s->icons.gDayIconSlots[0][0], 0);
    EXPECT_EQ(s->icons.gMonthIconLineCount, 0);
    EXPECT_TRUE(s->flags.gMonthIconsChanged);
    EXPECT_EQ(DropSlot(3, 1, 1).control, 0);
}

TEST_F(IconPlacingTest, TemplateDropsUseJanuaryAndRefuseThe29thAnd30th) {
    // May 2009 is selected; the template shows January 2009 (the 1st on a Thursday).
    ShowMonth(2009, 5);
    SetTemplateDate(*s, 2009);
    s->flags.gTemplateMode = true;
    // Cell (6, 4) is 31 January (in May's grid it would be the 30th).
    DropResult r = DropSlot(11, 6, 4);
    ASSERT_EQ(r.outcome, DropOutcome::Placed);
    EXPECT_EQ(Placed(0).tag, "30:00 Index:11");
    EXPECT_EQ(s->icons.gTemplateIconLines[0], "30:00 Index:11");
    EXPECT_EQ(s->icons.gMonthIconLines[0], "");
    s->flags.gMonthIconsChanged = false;
    EXPECT_EQ(DropSlot(11, 4, 4).outcome, DropOutcome::TemplateDay); // 29 January
    EXPECT_EQ(DropSlot(11, 5, 4).outcome, DropOutcome::TemplateDay); // 30 January
    EXPECT_TRUE(s->icons.drag.gDragKind.empty());
    EXPECT_FALSE(s->flags.gMonthIconsChanged);
    // A moved icon refused on the 29th keeps its place.
    EXPECT_EQ(Move(0, 4, 4).outcome, DropOutcome::TemplateDay);
    EXPECT_EQ(s->icons.gDayIconSlots[30][0], -1);
    EXPECT_TRUE(s->icons.drag.gDragKind.empty());
}
