// The note list and the contact list stay open for further openings: the main window that shows
// what they opened must not cover them.
#include "DesktopFixture.h"

#include "notes/frmEmailList.h"
#include "notes/frmNoteList.h"
#include "store/NotesStore.h"

namespace orvelle {

// A suite of its own: the fixture of the shared header is a class of each file that includes it.
struct ListWindowsOnADesktop : WindowsOnADesktop {};

TEST_F(ListWindowsOnADesktop, TheNoteListAndTheContactListStayAboveTheMainWindow) {
    ASSERT_TRUE(MakeFolder(dir + "2009"));
    ASSERT_TRUE(WriteFileAtomic(dir + "2009/Notes.dat", FormatMmDdYy(DateSerial(2009, 3, 9)) + ":" +
                                                            CellStampOf(DateSerial(2009, 3, 9)) + ":" +
                                                            EncodeNoteText("agenda") + "\r\n"));
    StartOnDesktop();
    w->Menu("mnuManageNotes")->trigger();
    auto* list = w->findChild<frmNoteList*>("frmNoteList");
    ASSERT_TRUE(list && Active(list));
    auto* rows = list->lst(0);
    ASSERT_EQ(rows->count(), 1);
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, rows->visualItemRect(rows->item(0)).center());
    list->findChild<QPushButton*>("cmdOpen_0")->click();
    // The window manager may keep the keyboard at the list for a click without a user time; the
    // user's next click goes to the main window, which must not cover the list.
    ASSERT_TRUE(Activate(w));
    ASSERT_NE(frmNotes::Find(w->mdiArea()), nullptr);
    EXPECT_TRUE(Above(list, w));

    w->Menu("mnuManageEmailList")->trigger();
    QWidget* contacts = nullptr;
    for (QWidget* t : QApplication::topLevelWidgets())
        if (auto* c = qobject_cast<frmEmailList*>(t); c && c->isVisible()) contacts = c;
    ASSERT_TRUE(Shown(contacts));
    ASSERT_TRUE(Activate(w));
    EXPECT_TRUE(Above(contacts, w));
    EXPECT_TRUE(Above(list, w));
    contacts->close();
    list->close();
}

} // namespace orvelle
