// The error box on a screen of ordinary size: the box grows only so wide, and a long description
// must wrap within it rather than run past its edge or lose its last line.
#include "DesktopFixture.h"

#include "store/ErrorLog.h"

#include <QLabel>
#include <QScreen>

namespace orvelle {
namespace {
// A suite of its own: the fixture class is this file's.
class ErrorBoxOnADesktop : public WindowsOnADesktop {};
} // namespace

TEST_F(ErrorBoxOnADesktop, TheErrorBoxShowsAllOfALongDescription) {
    StartOnDesktop();
    std::string description;
    for (int i = 0; i < 12; ++i) description += "The line is longer than the box allows, shorten the text and save ";
    description += "again.";
    bool checked = false;
    Answer("An error occurred in SaveToDoList.", QMessageBox::Ok, [&](QWidget* box) {
        auto* label = box->findChild<QLabel*>("qt_msgbox_label");
        ASSERT_NE(label, nullptr);
        const QRect text = label->contentsRect();
        EXPECT_TRUE(box->screen()->availableGeometry().contains(box->frameGeometry()));
        EXPECT_TRUE(box->rect().contains(label->geometry())) << "the label runs past the box";
        EXPECT_GE(text.height(), label->heightForWidth(label->width()) - 2 * label->margin())
            << "the text's last lines are cut";
        EXPECT_TRUE(label->text().endsWith("again.\n\n"));
        checked = true;
    });
    LogError(*s, "SaveToDoList", kErrWriteFailed, description);
    EXPECT_TRUE(checked);
}

} // namespace orvelle
