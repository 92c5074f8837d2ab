// The shared wire vocabulary and the server's text rules, without a server running.
#include "Escape.h"
#include "Latin1.h"
#include "Numbers.h"
#include "Records.h"
#include "Skills.h"
#include "Text.h"

#include <gtest/gtest.h>

TEST(Wire, EscapesRoundTripInTheirOrder) {
    EXPECT_EQ(zorv::EscapeValue("a|b&c!;d"), "a(pipe)b(amp)c(end)d");
    EXPECT_EQ(zorv::EscapeValue("x=y z"), "x=y z");
    // "!" and ";" apart are not a record end.
    EXPECT_EQ(zorv::EscapeValue("wow! ;"), "wow! ;");
    for (const char* sz : {"a|b&c!;d", "|||", "!;!;", "&amp;", "plain", ""})
        EXPECT_EQ(zorv::UnescapeValue(zorv::EscapeValue(sz)), sz) << sz;
}

TEST(Wire, LeadingNumbersRoundHalfToEven) {
    EXPECT_EQ(zorv::ReadInt16("50abc"), 50);
    EXPECT_EQ(zorv::ReadInt16("  -1"), -1);
    EXPECT_EQ(zorv::ReadInt16(""), 0);
    EXPECT_EQ(zorv::ReadInt16("abc"), 0);
    EXPECT_EQ(zorv::ReadInt16("1.5"), 2);
    EXPECT_EQ(zorv::ReadInt16("2.5"), 2);
    EXPECT_EQ(zorv::ReadInt16("-2.5"), -2);
    EXPECT_EQ(zorv::ReadInt16("0.30"), 0);
    EXPECT_EQ(zorv::ReadInt16("99999"), 32767);
    EXPECT_EQ(zorv::ReadInt16("-99999"), -32768);
    EXPECT_DOUBLE_EQ(*zorv::LeadingNumber("0.30"), 0.3);
    EXPECT_FALSE(zorv::ParseWholeNumber("12a").has_value());
    EXPECT_FALSE(zorv::ParseWholeNumber("").has_value());
    EXPECT_FALSE(zorv::ParseWholeNumber("-").has_value());
    EXPECT_FALSE(zorv::ParseWholeNumber("1234567890").has_value()); // no overflow
    EXPECT_EQ(*zorv::ParseWholeNumber("-17"), -17);
}

TEST(Wire, RecordsIgnoreTextAfterTheLastEnd) {
    auto records = zorv::SplitRecords("1|Ann!;2|Bo!;3|Cy");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1], (zorv::Fields{"2", "Bo"}));
    EXPECT_TRUE(zorv::SplitRecords("no end").empty());
    EXPECT_EQ(zorv::JoinRecord({"1", "a|b"}), "1|a(pipe)b!;");
    // Spaces around a record are not part of it; those inside a field and line breaks are.
    records = zorv::SplitRecords("  7| Ann Lee |50  !;\n8|Bo\n!;");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0], (zorv::Fields{"7", " Ann Lee ", "50"}));
    EXPECT_EQ(records[1], (zorv::Fields{"\n8", "Bo\n"}));
    EXPECT_EQ(zorv::SplitRecords("1||!;")[0], (zorv::Fields{"1", "", ""}));
}

TEST(Wire, SingleRecordPayloadsAreUnescaped) {
    // "&" comes back first, so "(amp)end)" is "&end)" and never "!;".
    EXPECT_EQ(zorv::UnescapedFields("0.3|A (pipe) B|(amp)end)|"),
              (zorv::Fields{"0.3", "A | B", "&end)", ""}));
    EXPECT_EQ(zorv::UnescapedFields(zorv::JoinFields({"x|y", "a!;b", "&amp;"})),
              (zorv::Fields{"x|y", "a!;b", "&amp;"}));
}

TEST(ServerText, NamesAndTheirKeys) {
    EXPECT_TRUE(IsValidName("Rowan O'Dell"));
    EXPECT_TRUE(IsValidName("Zara Mule-Wright"));
    // Inside the server names are UTF-8: Latin-1 letters count, characters past them do not, and
    // the limit is 24 characters, not bytes.
    EXPECT_TRUE(IsValidName("J\xC3\xB6rg \xC3\x98stergaard"));
    EXPECT_TRUE(IsValidName(std::string(12, 'a') + std::string(12, 'e').replace(0, 1, "\xC3\xA9")));
    EXPECT_FALSE(IsValidName("\xC3\xA9" + std::string(24, 'a')));
    EXPECT_FALSE(IsValidName("Euro \xE2\x82\xAC"));
    EXPECT_FALSE(IsValidName("Times \xC3\x97")); // U+00D7, the multiplication sign
    EXPECT_FALSE(IsValidName(""));
    EXPECT_FALSE(IsValidName("' -"));
    EXPECT_FALSE(IsValidName("Bob2"));
    EXPECT_FALSE(IsValidName("A|B"));
    EXPECT_FALSE(IsValidName(std::string(25, 'a')));
    EXPECT_TRUE(IsValidName(std::string(24, 'a')));
    EXPECT_EQ(NameKey("J\xC3\x96RG \xC3\x97 Smith \xC3\x9F"),
              "j\xC3\xB6rg \xC3\x97 smith \xC3\x9F");
    for (const char* sz : {"Unknown", "NONE", "none found!", "Blah"})
        EXPECT_TRUE(IsReservedName(sz)) << sz;
    EXPECT_FALSE(IsReservedName("Nonesuch"));
    EXPECT_EQ(Latin1ToUtf8("J\xF6rg"), "J\xC3\xB6rg");
    EXPECT_EQ(Utf8ToLatin1("J\xC3\xB6rg \xE2\x82\xAC \xC3"), "J\xF6rg ? ?");
    // A reply is sent as it is only when no byte of it, wherever it stands, is past ASCII.
    for (std::size_t i = 0; i < 200; ++i) {
        std::string strText(200, 'a');
        EXPECT_TRUE(IsAscii(strText.substr(0, i)));
        strText[i] = '\xC3';
        EXPECT_FALSE(IsAscii(strText)) << i;
    }
    // A cut never splits a character, so the wire never gets half of one.
    EXPECT_EQ(CutText("\xC3\xA9t\xC3\xA9", 2), "\xC3\xA9t");
    EXPECT_EQ(TextLength("\xC3\xA9t\xC3\xA9"), 3u);
    EXPECT_EQ(Quoted(std::string(39, 'a') + "\xC3\xA9\xC3\xA9"),
              std::string(39, 'a') + "\xC3\xA9...");
}

TEST(ServerText, SkillStrings) {
    auto skills = ParseSkillString("19,2,150!8,1,10");
    ASSERT_TRUE(skills);
    EXPECT_EQ(skills->at(19).lValue, 150);
    EXPECT_EQ(skills->at(8).iTraining, 1);
    EXPECT_TRUE(ParseSkillString("")->empty());
    for (const char* sz : {"36,2,1", "0,2,1", "1,4,1", "1,2,x", "1,2", "1,2,3!", "1,2,3!1,3,4"})
        EXPECT_FALSE(ParseSkillString(sz)) << sz;
}

TEST(ServerText, FormBodies) {
    auto form = ParseForm("charname=J\xF6rg&password=a=b&msgid=100&bio=x(amp)y(pipe)z(end)");
    EXPECT_EQ(form["charname"], "J\xC3\xB6rg"); // the wire's Latin-1, read into UTF-8
    EXPECT_EQ(form["password"], "a=b");
    EXPECT_EQ(form["bio"], "x&y|z!;");
    EXPECT_EQ(form.count("missing"), 0u);
}
