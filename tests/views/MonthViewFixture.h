#pragma once
// The real main window on a fresh data folder with the shipped category colours and a small
// icon palette of its own: slot k shows picture k, pictures 7 (green) and 9 (blue) exist as
// files, every other picture is missing.
#include "mainwindow/frmMain.h"
#include "platform/PictureBox.h"
#include "views/CalendarViews.h"
#include "store/IconFiles.h"
#include "store/MarkerCategories.h"
#include "store/StoreTestFolder.h"
#include "views/frmMonth.h"

#include <QApplication>
#include <QImage>
#include <QImageWriter>
#include <QLabel>

#include <filesystem>
#include <memory>

namespace orvelle {

constexpr VbColor kGreenIcon = 0x00C000;
constexpr VbColor kBlueIcon = 0xC00000;

class MonthViewTest : public StoreTestFolder {
protected:
    void SetUp() override {
        StoreTestFolder::SetUp();
        Write("Marker Colors.dat", ReadWholeFile(std::string(ORVELLE_DEFAULTS) + "/Marker Colors.dat").value());
        std::string tags;
        for (int k = 0; k < kIconPaletteSlots; ++k) tags += FormatIconTagLine(k, "Icon " + std::to_string(k)) + "\r\n";
        Write("Icon Tags.dat", tags);
        std::filesystem::create_directories(dir + "Images");
        WriteIcon(7, kGreenIcon);
        WriteIcon(9, kBlueIcon);
        ReadMarkerColors(*s);
        s->view.gToday = Clock::Today();
        m = std::make_unique<frmMain>(*s);
        // The drawing switches these; items with no command behind them never enable.
        for (const char* item : {"mnuFileSaveTemplate", "mnuFileSaveCalendar", "mnuOptDateRemoveAll"})
            if (!m->Menu(item)->property("wired").toBool()) m->Wire(item, [] {});
        m->show();
        QApplication::processEvents();
    }
    void TearDown() override {
        m.reset();
        StoreTestFolder::TearDown();
    }

    void WriteIcon(int picture, VbColor colour) {
        QImage img(32, 32, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        for (int y = 4; y < 28; ++y)
            for (int x = 4; x < 28; ++x) img.setPixelColor(x, y, ColorFromVb(colour));
        QImageWriter writer(QString::fromStdString(dir + "Images/" + std::to_string(picture) + ".ico"), "ico");
        ASSERT_TRUE(writer.write(img)) << writer.errorString().toStdString();
    }

    // Draws the one-month view of `d` (the template while templateMode is set).
    frmMonth& Show(Date d, bool templateMode = false) {
        s->dates.gSelectedDate = d;
        SetDateVariables(*s);
        s->flags.gTemplateMode = templateMode;
        if (templateMode) SetTemplateDate(*s, YearOf(d));
        Show1MonthCalendar(*s, *m);
        QApplication::processEvents();
        return *m->monthView();
    }

    PictureBox& Box() const { return *m->monthView()->picMonth; }
    PictureBox* Icon(int k) const { return m->monthView()->findChild<PictureBox*>(QString("picIcon_%1").arg(k)); }
    QString TemplateLabel() const { return m->lblTemplate->text(); }

    // Whether the inside of cell (column, row), clear of the rules, has a pixel of the colour.
    bool CellHas(int column, int row, VbColor colour) const {
        for (double x = column + 0.08; x < column + 0.92; x += 0.01)
            for (double y = row + 0.8; y < row + 1.7; y += 0.01)
                if (Box().Point(x, y) == colour) return true;
        return false;
    }
    bool CellHas(Date d, VbColor colour) const {
        Cell c = CellOf(d);
        return CellHas(c.column, c.row, colour);
    }
    static bool ImageHas(const QImage& img, VbColor colour) {
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (VbFromColor(img.pixelColor(x, y)) == colour) return true;
        return false;
    }

    std::unique_ptr<frmMain> m;
};

} // namespace orvelle
