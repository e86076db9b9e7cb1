#include "FileTestFolder.h"
#include "store/Contacts.h"

using namespace orvelle;

namespace {
class ContactsFile : public FileTestFolder {};
}

TEST_F(ContactsFile, ReadFillsBothListsAndSkipsBlankLines) {
    // A line without a comma is a name, one with a single comma a name and a phone; the address
    // keeps any further commas. The hidden list keeps the lines as stored.
    Put(kContactsFile, "Ann Lee,555-0100,ann@example.com,work\r\n\r\nBo\r\nCy,555-0101\r\nDi \xE9,,  \r\n");
    ReadEmployeeInfo(s());
    const Contacts& c = s().contacts;
    ASSERT_EQ(c.gContactCount, 4);
    EXPECT_EQ(c.lstAll, (std::vector<std::string>{"Ann Lee,555-0100,ann@example.com,work", "Bo", "Cy,555-0101",
                                                  "Di \xE9,,  "}));
    EXPECT_EQ(c.lstNames, (std::vector<std::string>{"Ann Lee:ann@example.com,work", "Bo", "Cy", "Di \xE9"}));
    EXPECT_EQ(c.gContacts[0].Email, "ann@example.com,work");
    EXPECT_EQ(c.gContacts[2].Phone, "555-0101");

    std::filesystem::remove(Path(kContactsFile));
    ReadEmployeeInfo(s());
    EXPECT_EQ(s().contacts.gContactCount, 0);
    EXPECT_TRUE(s().contacts.lstAll.empty());
    EXPECT_TRUE(s().contacts.lstNames.empty());
}

TEST_F(ContactsFile, SaveWritesTheListSilently) {
    ASSERT_TRUE(SaveEmployeeInfo(s(), {"Ann Lee,555-0100,ann@example.com", "", "Bo,,"}));
    EXPECT_EQ(Bytes(kContactsFile), "Ann Lee,555-0100,ann@example.com\r\nBo,,\r\n");
    EXPECT_EQ(s().contacts.gContactCount, 3);
    ReadEmployeeInfo(s());
    EXPECT_EQ(s().contacts.gContactCount, 2);

    ASSERT_TRUE(SaveEmployeeInfo(s(), {}));
    EXPECT_FALSE(Exists(kContactsFile));
    EXPECT_TRUE(ui.SeenDialogs().empty());
}
