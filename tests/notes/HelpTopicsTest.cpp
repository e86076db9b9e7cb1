#include "NotesTestSupport.h"

#include "store/HelpTopics.h"
#include "store/Store.h"
#include "store/TextFile.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>

using namespace orvelle;

namespace {
std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}
} // namespace

TEST(HelpTopicsParse, TopicsAfterThePrefaceWithTheBreakBeforeEachStarDropped) {
    HelpTopics h = ParseHelpTopics("Preface, never shown\r\n*Alpha:\r\none\r\n*Beta:\r\ntwo");
    ASSERT_EQ(h.gHelpCount, 2);
    EXPECT_EQ(h.gHelpTitles, (std::vector<std::string>{"Alpha", "Beta"}));
    EXPECT_EQ(h.gHelpTexts, (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(h.gHelpEntries[0], "Alpha:\r\none");

    // Inner line breaks stay; only the one before the next "*" goes; a final one stays.
    h = ParseHelpTopics("*A:\r\nline 1\r\n\r\nline 2\r\n*B:\r\nlast\r\n");
    ASSERT_EQ(h.gHelpCount, 2);
    EXPECT_EQ(h.gHelpTexts[0], "line 1\r\n\r\nline 2");
    EXPECT_EQ(h.gHelpTexts[1], "last\r\n");
    // Only the first ":" ends the title.
    h = ParseHelpTopics("*Time:\r\nat 10:30 AM");
    EXPECT_EQ(h.gHelpTexts[0], "at 10:30 AM");
}

TEST(HelpTopicsParse, OtherLineEndsDoNotEatText) {
    HelpTopics h = ParseHelpTopics("*Alpha:\none\n*Beta:\rtwo\r*Gamma:\r\nthree");
    EXPECT_EQ(h.gHelpTexts, (std::vector<std::string>{"one", "two", "three"}));
}

TEST(HelpTopicsParse, MalformedEntriesAreSkippedAndReported) {
    std::vector<std::string> skipped;
    HelpTopics h = ParseHelpTopics("*No colon here\r\n*:\r\nno title\r\n*Empty:\r\n*Blank:\r\n   \r\n"
                                   "*Good:\r\ntext\r\n**",
                                   &skipped);
    ASSERT_EQ(h.gHelpCount, 1);
    EXPECT_EQ(h.gHelpTitles[0], "Good");
    EXPECT_EQ(h.gHelpTexts[0], "text");
    EXPECT_EQ(skipped.size(), 6u); // four bad topics and the two empty ones of "**"
    EXPECT_NE(skipped[0].find("No colon here"), std::string::npos);

    EXPECT_EQ(ParseHelpTopics("").gHelpCount, 0);
    EXPECT_EQ(ParseHelpTopics("no topics at all\r\n").gHelpCount, 0);
    EXPECT_EQ(ParseHelpTopics("*").gHelpCount, 0);
    EXPECT_EQ(ParseHelpTopics("*Title:").gHelpCount, 0);
}

TEST(HelpTopicsRead, MissingFileGivesNoTopicsAndALogEntryAndRereadingDoesNotDuplicate) {
    Store s(test::TempFolder());
    ReadHelpTopics(s);
    EXPECT_EQ(s.help.gHelpCount, 0);
    EXPECT_TRUE(s.help.gHelpTitles.empty());
    auto log = ReadWholeFile(s.gAppPath + "Error.log");
    ASSERT_TRUE(log);
    EXPECT_NE(log->find("Help_Topics.txt"), std::string::npos);

    ASSERT_TRUE(WriteFileAtomic(s.gAppPath + "Help_Topics.txt", "*A:\r\none\r\n*B:\r\ntwo\r\n"));
    ReadHelpTopics(s);
    ReadHelpTopics(s);
    EXPECT_EQ(s.help.gHelpCount, 2);
    EXPECT_EQ(s.help.gHelpTitles.size(), 2u);
}

TEST(HelpTopicsShipped, EveryTopicParsesAndTitlesAscend) {
    auto content = ReadWholeFile(std::string(ORVELLE_DEFAULTS) + "/Help_Topics.txt");
    ASSERT_TRUE(content);
    std::vector<std::string> skipped;
    HelpTopics h = ParseHelpTopics(*content, &skipped);
    EXPECT_TRUE(skipped.empty()) << skipped.front();
    EXPECT_GE(h.gHelpCount, 19);
    for (int i = 1; i < h.gHelpCount; ++i)
        EXPECT_LT(Lower(h.gHelpTitles[i - 1]), Lower(h.gHelpTitles[i])) << h.gHelpTitles[i];
    // CR LF throughout, one byte per character.
    for (size_t i = 0; i < content->size(); ++i) {
        if ((*content)[i] == '\n') {
            ASSERT_GT(i, 0u);
            EXPECT_EQ((*content)[i - 1], '\r') << "bare LF at " << i;
        }
        if ((*content)[i] == '\r') {
            EXPECT_EQ(i + 1 < content->size() ? (*content)[i + 1] : 0, '\n');
        }
    }
    EXPECT_NE(content->find("ORVELLE_HOME"), std::string::npos);
    EXPECT_NE(content->find(".local/share/orvelle"), std::string::npos);
}
