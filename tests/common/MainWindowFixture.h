#pragma once
// The real main window on a fresh data folder seeded with the shipped defaults, a scripted
// prompter and a pinned clock (Thursday 5 March 2009, 2:05:09 PM). Every test must answer
// exactly the dialogs it expects.
#include "mainwindow/ImageButton.h"
#include "mainwindow/PlannerLauncher.h"
#include "mainwindow/frmMain.h"
#include "platform/DataFolder.h"
#include "platform/Dialogs.h"
#include "platform/PictureBox.h"
#include "platform/Twips.h"
#include "store/Clock.h"
#include "store/ScriptedPrompter.h"
#include "store/Store.h"
#include "store/TextFile.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace orvelle {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string t = (std::filesystem::temp_directory_path() / "orvelle-main-XXXXXX").string();
        dir = std::string(mkdtemp(t.data())) + "/";
        SeedDataFolder(dir, std::string(ORVELLE_DEFAULTS) + "/");
        s = std::make_unique<Store>(dir);
        scoped = std::make_unique<ScopedPrompter>(*s, prompter);
        Clock::Set({DateSerial(2009, 3, 5), 14 * 3600 + 5 * 60 + 9});
        SetScreenPixelsForTests(QSize(1280, 1024));
    }

    void TearDown() override {
        if (w) {
            // Leave without questions: nothing is changed any more.
            s->flags.gMonthIconsChanged = s->flags.gPlannerChanged = s->flags.gNotesChanged = false;
            s->flags.gPlannerOpen = s->flags.gExpenseReportOpen = s->flags.gMileageReportOpen = false;
            delete w;
            Settle();
        }
        SetScreenPixelsForTests(std::nullopt);
        Clock::Reset();
        EXPECT_TRUE(prompter.Finished()) << (prompter.Failures().empty() ? "answers left over"
                                                                         : prompter.Failures().front());
        scoped.reset();
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }

    // Starts the program's main window as main() does; with the planner, as main() wires it.
    frmMain& Start(bool withPlanner = false) {
        w = new frmMain(*s);
        if (withPlanner) InstallPlannerWindow(*w);
        w->MDIForm_Load();
        w->show();
        Settle();
        return *w;
    }
    frmMain& StartWithPlanner() { return Start(true); }

    // Lets deferred deletes and posted events run.
    static void Settle() {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }

    void SetPicker(const QString& month, const QString& day, const QString& year) {
        w->cmbMonth->setEditText(month);
        w->cmbDay->setEditText(day);
        w->cmbYear->setEditText(year);
    }
    QString Picker() const {
        return w->cmbMonth->currentText() + " " + w->cmbDay->currentText() + ", " + w->cmbYear->currentText();
    }

    // A press, click or double-click at (x, y) in a month box's grid units.
    static QPoint At(PictureBox* box, double x, double y) {
        return (box->ToPixels(x, y) + QPointF(box->contentsRect().topLeft())).toPoint();
    }
    static void Click(PictureBox* box, double x, double y, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseClick(box, b, {}, At(box, x, y));
    }
    static void DoubleClick(PictureBox* box, double x, double y) {
        QTest::mouseClick(box, Qt::LeftButton, {}, At(box, x, y));
        QTest::mouseDClick(box, Qt::LeftButton, {}, At(box, x, y));
    }
    // The centre of cell (column, row) of a month box.
    static void ClickCell(PictureBox* box, int column, int row, Qt::MouseButton b = Qt::LeftButton) {
        Click(box, column + 0.5, row + 1.25, b);
    }
    // A pointer move to (x, y) in the box's grid units, as the platform delivers it.
    static void Hover(PictureBox* box, double x, double y) {
        QPointF p = box->ToPixels(x, y) + QPointF(box->contentsRect().topLeft());
        QMouseEvent e(QEvent::MouseMove, p, box->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(box, &e);
    }
    // Over the top of a date's cell, clear of its number.
    static void HoverDate(PictureBox* box, Date d) {
        Cell c = CellOf(d);
        Hover(box, c.column + 0.5, c.row + 0.92);
    }

    // Opens the picked date's note and closes it again: the note's date stays selected while
    // the view still shows what it showed.
    void OpenAndCloseNote(const QString& month, const QString& day, const QString& year) {
        SetPicker(month, day, year);
        w->Menu("mnuOptDateOpenNotes")->trigger();
        Settle();
        auto* notes = w->findChild<QWidget*>("frmNotes");
        ASSERT_NE(notes, nullptr);
        notes->parentWidget()->close(); // its sub-window
        Settle();
    }

    std::string dir;
    ScriptedPrompter prompter;
    std::unique_ptr<Store> s;
    std::unique_ptr<ScopedPrompter> scoped;
    frmMain* w = nullptr;
};

} // namespace orvelle
