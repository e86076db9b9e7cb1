#include "platform/Cp1252.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace orvelle;

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    QString text = FromCp1252(all);
    ASSERT_EQ(text.size(), 256);
    // No two bytes read as the same character, so none is lost on the way back.
    QSet<char16_t> distinct;
    for (QChar c : text) distinct.insert(c.unicode());
    EXPECT_EQ(distinct.size(), 256);
    EXPECT_EQ(ToCp1252(text), all);
}

TEST(Cp1252, DefinedBytesReadAsTheirCharacters) {
    EXPECT_EQ(FromCp1252("\x80\x85\x93\x94\x99\x9F"), QString::fromUtf8("\u20ac\u2026\u201c\u201d\u2122\u0178"));
    // The file flags: to-do done and open marks, a note's stored CR and LF.
    EXPECT_EQ(FromCp1252("\xF3\xF5\xD5\xD2"), QString::fromUtf8("\u00f3\u00f5\u00d5\u00d2"));
    // The unassigned bytes keep their value as control characters, distinct from each other.
    QString c1 = FromCp1252("\x81\x8D\x8F\x90\x9D");
    EXPECT_EQ(c1, QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D"));
}

TEST(Cp1252, CharactersWithoutAByteBecomeOneQuestionMarkEach) {
    EXPECT_EQ(ToCp1252(QString::fromUtf8("a\u4e2db\u0100c")), "a?b?c");
    // A character beyond the 16-bit range is one character, so one "?".
    EXPECT_EQ(ToCp1252(QString::fromUtf8("x\U0001F600y")), "x?y");
    // C1 controls that Windows-1252 uses for printable characters have no byte of their own.
    EXPECT_EQ(ToCp1252(QString::fromUtf16(u"\u0080\u0093")), "??");
    // A lone surrogate is no character either.
    EXPECT_EQ(ToCp1252(QString(QChar(0xD800))), "?");
    EXPECT_EQ(ToCp1252(QString::fromUtf8("\u20ac\u017e")), "\x80\x9E");
}
