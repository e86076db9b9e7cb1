#include "FileTestFolder.h"
#include "store/ToDoList.h"

using namespace orvelle;

namespace {
class ToDoFile : public FileTestFolder {};

const std::string kDone(1, kToDoDoneMark), kOpen(1, kToDoOpenMark);

std::string TenLines() {
    std::string f;
    for (int i = 0; i < 10; ++i) f += (i == 2 ? kDone + "Call bank" : kOpen + "item " + std::to_string(i)) + "\r\n";
    return f;
}
} // namespace

TEST_F(ToDoFile, ReadForTheWindowMarksAndTexts) {
    Put(kToDoFile, TenLines());
    s().todo.gShowToDoWindow = true;
    ReadToDoList(s());
    const ToDoList& t = s().todo;
    EXPECT_EQ(t.gToDoTexts[2], "Call bank");
    EXPECT_TRUE(t.gToDoChecks[2]);
    EXPECT_FALSE(t.gToDoChecks[3]);
    EXPECT_EQ(t.gToDoTexts[9], "item 9");
    EXPECT_EQ(t.gToDoPaneLines[2], "Call bank");
    EXPECT_TRUE(t.gShowToDoWindow); // the window takes the request when it shows itself
}

TEST_F(ToDoFile, TheMarkIsTakenOncePerRead) {
    Put(kToDoFile, kOpen + kDone + "starts with a mark\r\n" + kDone + "\r\n");
    s().todo.gShowToDoWindow = true;
    ReadToDoList(s());
    s().todo.gShowToDoWindow = false;
    ReadToDoList(s());
    ReadToDoList(s());
    const ToDoList& t = s().todo;
    EXPECT_EQ(t.gToDoLines[0], kDone + "starts with a mark");
    EXPECT_EQ(t.gToDoPaneLines[0], kDone + "starts with a mark");
    EXPECT_FALSE(t.gToDoChecks[0]);
    EXPECT_EQ(t.gToDoLines[1], ""); // only the mark: an empty item that is done
    EXPECT_TRUE(t.gToDoChecks[1]);
}

TEST_F(ToDoFile, LinesBeyondTenAreIgnoredAndMissingOnesAreEmpty) {
    s().todo.gToDoLines[5] = "stale";
    s().todo.gToDoChecks[5] = true;
    Put(kToDoFile, kDone + "one\r\n" + kOpen + "two\r\n");
    ReadToDoList(s());
    EXPECT_EQ(s().todo.gToDoLines[1], "two");
    EXPECT_EQ(s().todo.gToDoLines[5], "");
    EXPECT_FALSE(s().todo.gToDoChecks[5]);

    Put(kToDoFile, TenLines() + kDone + "eleven\r\n" + kDone + "twelve\r\n");
    ReadToDoList(s());
    EXPECT_EQ(s().todo.gToDoLines[9], "item 9");
    EXPECT_NE(ErrorLog().find("only the first 10 were read"), std::string::npos);

    std::filesystem::remove(Path(kToDoFile));
    ReadToDoList(s()); // a missing file leaves the list alone
    EXPECT_EQ(s().todo.gToDoLines[2], "Call bank");
}

TEST_F(ToDoFile, ImportIntoThePlannerKeepsItsLinesForBlankItems) {
    Put(kToDoFile, TenLines());
    s().flags.gPlannerOpen = true;
    s().page.SetLine(16 + 2, "planner's own");
    s().page.SetLine(16 + 4, "kept");
    s().page.gPlannerToDoChecks[4] = true;
    std::string f = TenLines();
    f.replace(f.find("item 4"), 6, "   "); // a blank item
    Put(kToDoFile, f);
    ReadToDoList(s()); // a plain read (a view's To Do pane) leaves the page alone
    EXPECT_EQ(s().page.gPlannerLines[18].substr(0, 13), "planner's own");
    EXPECT_FALSE(s().flags.gPlannerChanged);
    ImportToDoListIntoPlanner(s());
    EXPECT_EQ(s().page.gPlannerLines[18].substr(0, 10), "Call bank ");
    EXPECT_EQ(s().page.gPlannerLines[18].size(), 150u);
    EXPECT_TRUE(s().page.gPlannerToDoChecks[2]);
    EXPECT_EQ(s().page.gPlannerLines[20].substr(0, 5), "kept ");
    EXPECT_TRUE(s().page.gPlannerToDoChecks[4]); // its done mark stays with it
    EXPECT_TRUE(s().flags.gPlannerChanged);
    EXPECT_TRUE(s().todo.gToDoTexts[2].empty()); // the window's texts are not touched
}

TEST_F(ToDoFile, SaveWritesExactlyTenMarkedLines) {
    ToDoList& t = s().todo;
    t.gToDoTexts[0] = "Call bank";
    t.gToDoChecks[0] = true;
    t.gToDoTexts[3] = "Buy caf\xE9";
    t.gToDoChecks[9] = true;
    t.gToDoChanged = true;
    ui.Expect(MsgAnswer::OK, "To Do List Saved.");
    std::string name;
    ASSERT_TRUE(SaveToDoList(s(), name));
    EXPECT_EQ(name, "To Do.dat");
    EXPECT_EQ(Bytes(kToDoFile), "\xF3" "Call bank\r\n\xF5\r\n\xF5\r\n\xF5" "Buy caf\xE9\r\n\xF5\r\n\xF5\r\n\xF5\r\n\xF5\r\n"
                                "\xF5\r\n\xF3\r\n");
    EXPECT_FALSE(t.gToDoChanged);
    EXPECT_EQ(t.gToDoTexts[0], "Call bank");
    EXPECT_EQ(t.gToDoLines[3], "Buy caf\xE9");

    t.gShowToDoWindow = true;
    ReadToDoList(s());
    EXPECT_EQ(t.gToDoTexts[3], "Buy caf\xE9");
    EXPECT_TRUE(t.gToDoChecks[9]);
}

TEST_F(ToDoFile, AFailedSaveKeepsTheChangedFlag) {
    std::filesystem::create_directories(Path(kToDoFile));
    s().todo.gToDoChanged = true;
    ui.Expect(MsgAnswer::OK, "SaveToDoList");
    std::string name;
    EXPECT_FALSE(SaveToDoList(s(), name));
    EXPECT_TRUE(s().todo.gToDoChanged);
}
