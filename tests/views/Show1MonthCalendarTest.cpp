// The one-month view as the real main window draws it: the month's rows, today's colour, the
// template's January and its day colours, the icons the month or the template places, and the
// template label.
#include "MonthViewFixture.h"

#include "render/MonthGridPainter.h"

#include <QAction>

#include <gtest/gtest.h>

namespace orvelle {
namespace {

TEST_F(MonthViewTest, MarchTwoThousandEightFillsSixRowsAndFebruaryTwoThousandNineFour) {
    Show(DateSerial(2008, 3, 20));
    EXPECT_TRUE(CellHas(DateSerial(2008, 3, 1), kVbBlack)); // Saturday, top right
    EXPECT_TRUE(CellHas(0, 5, kVbBlack));                   // the 30th
    EXPECT_TRUE(CellHas(1, 5, kVbBlack));                   // the 31st
    EXPECT_FALSE(CellHas(2, 5, kVbBlack));
    EXPECT_EQ(m->windowTitle(), "Orvelle: Mar 2008 Calendar");
    EXPECT_EQ(s->flags.gCalendarView, 1);

    Show(DateSerial(2009, 2, 10));
    EXPECT_TRUE(CellHas(0, 0, kVbBlack)); // Sunday the 1st
    EXPECT_TRUE(CellHas(6, 3, kVbBlack)); // Saturday the 28th
    for (int row = 4; row < 6; ++row)
        for (int col = 0; col < 7; ++col) EXPECT_FALSE(CellHas(col, row, kVbBlack)) << col << "," << row;
    EXPECT_EQ(m->windowTitle(), "Orvelle: Feb 2009 Calendar");
}

TEST_F(MonthViewTest, TodaysNumberTakesTheTodayColourOnlyInTodaysMonth) {
    VbColor today = s->markers.gMarkerColors[kTodayCategory];
    Show(DateSerial(2009, 3, 20));
    EXPECT_TRUE(CellHas(DateSerial(2009, 3, 5), today));
    EXPECT_FALSE(CellHas(DateSerial(2009, 3, 6), today));
    Show(DateSerial(2008, 3, 20));
    EXPECT_FALSE(CellHas(DateSerial(2008, 3, 5), today));
    s->flags.gHighlightToday = false;
    Show(DateSerial(2009, 3, 20));
    EXPECT_FALSE(CellHas(DateSerial(2009, 3, 5), today));
    EXPECT_TRUE(CellHas(DateSerial(2009, 3, 5), kVbBlack));
}

TEST_F(MonthViewTest, NumbersOffsetSitInTheTopLeftCornerOfTheirCells) {
    auto blackIn = [&](double x1, double y1, double x2, double y2) {
        for (double x = x1; x < x2; x += 0.01)
            for (double y = y1; y < y2; y += 0.01)
                if (Box().Point(x, y) == kVbBlack) return true;
        return false;
    };
    // The 20th of March 2009: column 5, row 2.
    Show(DateSerial(2009, 3, 20));
    EXPECT_TRUE(blackIn(5.3, 3.1, 5.7, 3.5));
    EXPECT_FALSE(blackIn(5.03, 2.77, 5.15, 2.95));
    s->view.gShowNumbersOffset = true;
    Show(DateSerial(2009, 3, 20));
    EXPECT_TRUE(blackIn(5.03, 2.77, 5.3, 3.05));
    EXPECT_FALSE(blackIn(5.3, 3.1, 5.7, 3.5));
}

TEST_F(MonthViewTest, TemplateShowsJanuaryInItsColoursAndLeavesTheSelectedMonthsGridAlone) {
    m->lblTemplate->setText("before");
    frmMonth& view = Show(DateSerial(2009, 5, 20), true);
    EXPECT_EQ(m->windowTitle(), "Orvelle - Modifying Template");
    // January 2009: the 28th to 31st stand in row 4, Wednesday to Saturday.
    EXPECT_TRUE(CellHas(3, 4, kVbBlack));
    EXPECT_FALSE(CellHas(3, 4, kTemplateDroppedDayColor));
    EXPECT_TRUE(CellHas(4, 4, kTemplateDroppedDayColor));
    EXPECT_TRUE(CellHas(5, 4, kTemplateDroppedDayColor));
    EXPECT_TRUE(CellHas(6, 4, kTemplateLastDayColor));
    EXPECT_FALSE(CellHas(6, 4, kVbBlack));
    EXPECT_TRUE(view.picNav->isHidden());
    EXPECT_EQ(m->lblTemplate->text(), "before");
    EXPECT_TRUE(m->MenuEnabled("mnuFileSaveTemplate"));
    EXPECT_FALSE(m->MenuEnabled("mnuFileSaveCalendar"));

    // The grid still holds 2009 as it is: May keeps its own dates, January's are not laid in.
    DateModel reference;
    FillYearGrid(reference.gThisYearsDateHolders, 2009, reference);
    EXPECT_TRUE(s->dates.gThisYearsDateHolders == reference.gThisYearsDateHolders);
    EXPECT_TRUE(IsBlankDateCell(s->dates.gThisYearsDateHolders[4][4][0]));

    Show(DateSerial(2009, 5, 20));
    EXPECT_FALSE(view.picNav->isHidden());
}

TEST_F(MonthViewTest, TemplateIconsOnTheirDaysAndNoneWhereTheMonthHasAnEmptyFile) {
    Write("Template.dat", "29:01 Index:07\r\n");
    struct Case {
        Date shown, day;
        const char* tag;
    };
    for (const Case& c : {Case{DateSerial(2009, 2, 3), DateSerial(2009, 2, 28), "27:01 Index:07"},
                          Case{DateSerial(2008, 2, 3), DateSerial(2008, 2, 29), "28:01 Index:07"},
                          Case{DateSerial(2009, 4, 3), DateSerial(2009, 4, 30), "29:01 Index:07"}}) {
        SCOPED_TRACE(FormatMmDdYy(c.day));
        Show(c.shown);
        EXPECT_EQ(TemplateLabel(), "Monthly View = Template");
        PictureBox* icon = Icon(0);
        ASSERT_TRUE(icon);
        EXPECT_TRUE(icon->isVisible());
        EXPECT_EQ(icon->Tag(), c.tag);
        EXPECT_EQ(icon->toolTip(), "Icon 7");
        Cell cell = CellOf(c.day);
        QPointF at = Box().ToPixels(cell.column + 0.28, cell.row + 1.45);
        EXPECT_NEAR(icon->x(), at.x(), 1);
        EXPECT_NEAR(icon->y(), at.y(), 1);
        EXPECT_TRUE(ImageHas(icon->Image(), kGreenIcon));
        EXPECT_TRUE(m->MenuEnabled("mnuOptDateRemoveAll"));
    }

    std::filesystem::create_directories(dir + "2009");
    Write("2009/Feb_Icons.dat", "");
    Show(DateSerial(2009, 2, 3));
    EXPECT_EQ(TemplateLabel(), "Monthly View = Marks Only");
    EXPECT_FALSE(Icon(0)->isVisible());
    EXPECT_TRUE(s->icons.gPlacedIcons.empty());
    EXPECT_FALSE(m->MenuEnabled("mnuOptDateRemoveAll"));
}

TEST_F(MonthViewTest, AMonthFileShowsItsOwnIconsAndAMissingPictureBlanksOnlyItsSlot) {
    std::filesystem::create_directories(dir + "2009");
    // Picture 8 has no file.
    Write("2009/Mar_Icons.dat", "04:00 Index:08\r\n04:01 Index:07\r\n05:00 Index:09\r\n");
    Write("Template.dat", "00:00 Index:07\r\n");
    Show(DateSerial(2009, 3, 10));
    EXPECT_EQ(TemplateLabel(), "Monthly View = Modified");
    ASSERT_TRUE(Icon(0) && Icon(1) && Icon(2));
    for (int k = 0; k < 3; ++k) EXPECT_TRUE(Icon(k)->isVisible()) << k;
    EXPECT_FALSE(ImageHas(Icon(0)->Image(), kGreenIcon) || ImageHas(Icon(0)->Image(), kBlueIcon));
    EXPECT_TRUE(ImageHas(Icon(1)->Image(), kGreenIcon));
    EXPECT_TRUE(ImageHas(Icon(2)->Image(), kBlueIcon));
    EXPECT_EQ(Icon(1)->toolTip(), "Icon 7");
    Cell fifth = CellOf(DateSerial(2009, 3, 5));
    EXPECT_NEAR(Icon(1)->x(), Box().ToPixels(fifth.column + 0.28, 0).x(), 1);

    // A month without icons of its own or a template: the controls of the last month go.
    std::filesystem::remove(dir + "Template.dat");
    Show(DateSerial(2009, 4, 10));
    EXPECT_EQ(TemplateLabel(), "Monthly View = Modified");
    EXPECT_FALSE(Icon(0)->isVisible());
    EXPECT_EQ(Icon(1), nullptr);
    EXPECT_EQ(Icon(2), nullptr);
    EXPECT_TRUE(m->MenuEnabled("mnuFileSaveCalendar"));
}

} // namespace
} // namespace orvelle

namespace orvelle {
namespace {

// The build's shipped palette and pictures, laid on a month. With ORVELLE_SCREENSHOT set the
// main window is saved there as a picture (run under a real display to look at it).
TEST_F(MonthViewTest, ShippedPicturesShowOnTheirDays) {
    std::filesystem::path defaults = std::filesystem::path(ORVELLE_BINARY).parent_path() / "defaults";
    if (!std::filesystem::is_directory(defaults / "Images")) GTEST_SKIP() << "no built pictures in " << defaults;
    std::filesystem::copy(defaults / "Images", dir + "Images",
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    std::filesystem::copy_file(defaults / "Icon Tags.dat", dir + "Icon Tags.dat",
                               std::filesystem::copy_options::overwrite_existing);
    std::filesystem::create_directories(dir + "2009");
    Write("2009/Mar_Icons.dat", "00:00 Index:00\r\n04:00 Index:12\r\n04:01 Index:25\r\n04:02 Index:40\r\n"
                                "04:03 Index:50\r\n16:00 Index:30\r\n30:03 Index:95\r\n");
    Show(DateSerial(2009, 3, 10));
    QImage blank(Icon(0)->Image().size(), QImage::Format_RGB32);
    blank.fill(ColorFromVb(Box().BackColor()));
    for (int k = 0; k < 7; ++k) {
        ASSERT_TRUE(Icon(k)) << k;
        EXPECT_TRUE(Icon(k)->isVisible()) << k;
        EXPECT_NE(Icon(k)->Image().convertToFormat(QImage::Format_RGB32), blank) << "icon " << k << " shows nothing";
    }
    if (const char* path = std::getenv("ORVELLE_SCREENSHOT")) {
        EXPECT_TRUE(m->grab().save(path));
    }
}

} // namespace
} // namespace orvelle
