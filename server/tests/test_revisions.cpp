// Two officers on one character sheet: the second save of the same revision is refused with who
// saved it and when, and an older client's save (without a revision) still overwrites.
// Standalone and under CGI.
#include "Harness.h"

namespace {

using S = Scene;

class Revisions : public SceneTest {
protected:
    // The character payload of id as iReader reads it, fields still escaped.
    zorv::Fields Read(int iReader, int id) {
        Answer answer = As(T(), iReader, 107, {{"getcharid", std::to_string(id)}});
        EXPECT_EQ(answer.iCode, 800) << answer.strRaw;
        return zorv::SplitFields(answer.strPayload);
    }
};

TEST_P(Revisions, SecondOfTwoOfficersGetsWhoSavedAndWhen) {
    // Patron and Keeper (an administrator) both open Self's sheet.
    zorv::Fields patronView = Read(S::Patron, S::Self);
    zorv::Fields keeperView = Read(S::Keeper, S::Self);
    ASSERT_EQ(patronView.size(), std::size_t(zorv::kCharacterPayloadFields));
    EXPECT_EQ(patronView[22], "1") << "a character starts at revision 1";
    EXPECT_EQ(keeperView, patronView);

    EXPECT_EQ(Save(S::Patron, S::Self, {{"revision", "1"}, {"BIO", "first"}}).iCode, 800);
    Answer stale = Save(S::Keeper, S::Self, {{"revision", "1"}, {"BIO", "second"}, {"LEVEL", "9"}});
    EXPECT_EQ(stale.iCode, 973);

    zorv::Fields now = Read(S::Keeper, S::Self);
    ASSERT_EQ(now.size(), std::size_t(zorv::kCharacterPayloadFields)) << "the field count stays";
    EXPECT_EQ(now[23].size(), 16u) << now[23];
    EXPECT_EQ(zorv::UnescapedFields(stale.strPayload), (zorv::Fields{"Patron", now[23]}))
        << "the last editor's name and the time as the sheet shows it";
    EXPECT_EQ(now[15], "first") << "the refused save changed nothing";
    EXPECT_EQ(now[2], "0");
    EXPECT_EQ(now[31], "3") << "nor took the last edit";
    EXPECT_EQ(now[22], "2");

    // Having read it again, the second officer saves.
    EXPECT_EQ(Save(S::Keeper, S::Self, {{"revision", now[22]}, {"BIO", "second"}}).iCode, 800);
    now = Read(S::Patron, S::Self);
    EXPECT_EQ(now[15], "second");
    EXPECT_EQ(now[22], "3");
    // A revision above the stored one is no conflict; the server counts on from its own.
    EXPECT_EQ(Save(S::Self, S::Self, {{"revision", " 7 "}}).iCode, 800);
    EXPECT_EQ(Read(S::Self, S::Self)[22], "4");

    // An older client sends no revision: its save overwrites as it always did, and counts.
    EXPECT_EQ(Save(S::Patron, S::Self, {{"BIO", "older client"}}).iCode, 800);
    now = Read(S::Self, S::Self);
    EXPECT_EQ(now[15], "older client");
    EXPECT_EQ(now[22], "5");
    EXPECT_EQ(Save(S::Self, S::Self, {{"revision", "4"}, {"BIO", "mine"}}).iCode, 973)
        << "a sheet read before the older client's save is stale";
    EXPECT_EQ(Read(S::Other, S::Vassal)[22], "1") << "only the saved character moves on";
}

TEST_P(Revisions, RefusalsAndTheirOrder) {
    ASSERT_EQ(Save(S::Patron, S::Self, {{"revision", "1"}, {"BIO", "kept"}}).iCode, 800);

    // Not a whole number: refused, nothing stored, nothing counted.
    for (const char* szRevision : {"", " ", "two", "1.5", "2x", "1 2", "1234567890"}) {
        Answer answer = Save(S::Self, S::Self, {{"revision", szRevision}, {"BIO", "lost"}});
        EXPECT_EQ(answer.iCode, 991) << "\"" << szRevision << "\"";
    }
    EXPECT_EQ(Column("bio", S::Self), "kept");
    EXPECT_EQ(Column("revision", S::Self), "2");

    // A caller who may not edit the character learns nothing of who did.
    Answer outsider = Save(S::Other, S::Self, {{"revision", "1"}});
    EXPECT_EQ(outsider.iCode, 988);
    EXPECT_EQ(outsider.strPayload, "");
    // A stale sheet is refused as stale before its values are looked at.
    EXPECT_EQ(Save(S::Self, S::Self, {{"revision", "1"}, {"LEVEL", "abc"}}).iCode, 973);
    EXPECT_EQ(Save(S::Self, S::Self, {{"revision", "2"}, {"LEVEL", "abc"}}).iCode, 991);
    // An administrator changes the awards; a member's sheet opened before that sends them back
    // as they were, which is a stale save and not an attempt to change the awards...
    ASSERT_EQ(Save(S::Keeper, S::Self, {{"revision", "2"}, {"ADMIN_ONLY", "Medal"}}).iCode, 800);
    Answer stale = Save(S::Self, S::Self, {{"revision", "2"}, {"ADMIN_ONLY", ""}});
    EXPECT_EQ(stale.iCode, 973);
    EXPECT_EQ(zorv::UnescapedFields(stale.strPayload)[0], "Keeper");
    // ...while the same sheet read again may still not change them.
    EXPECT_EQ(Save(S::Self, S::Self, {{"revision", "3"}, {"ADMIN_ONLY", ""}}).iCode, 972);
    EXPECT_EQ(Save(S::Self, S::Self, {{"revision", "3"}, {"ADMIN_ONLY", "Medal"}}).iCode, 800);

    // The last editor removed from the guild: the refusal names "Unknown".
    ASSERT_EQ(Save(S::Keeper, S::Self, {{"revision", "4"}, {"BIO", "by Keeper"}}).iCode, 800);
    std::string strWhen = Column("modified_at", S::Self);
    ASSERT_EQ(Remove(S::Root, S::Keeper).iCode, 800);
    stale = Save(S::Self, S::Self, {{"revision", "4"}});
    EXPECT_EQ(stale.iCode, 973);
    EXPECT_EQ(stale.strPayload, "Unknown|" + strWhen);
}

INSTANTIATE_TEST_SUITE_P(Server, Revisions, ::testing::Values("serve", "cgi"));

} // namespace
