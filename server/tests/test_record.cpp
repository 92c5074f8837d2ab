// The character record written once: the characters table holds a column for every field of the
// column table, and every field the save carries comes back from the character payload at the
// position the record's table gives it, whatever the field's kind.
#include "CharacterRows.h"
#include "Harness.h"

#include <set>

namespace {

using S = Scene;

TEST(Record, TheTableHoldsAColumnForEveryColumnOfTheColumnTable) {
    TempDir dir;
    const std::string strDb = dir.File("guild.db");
    Scene::CreateEmpty(strDb);
    std::set<std::string> table;
    for (std::string strRest = SqlValue(strDb, "SELECT group_concat(name, ',') FROM "
                                               "pragma_table_info('characters')");
         !strRest.empty();) {
        std::size_t iComma = strRest.find(',');
        table.insert(strRest.substr(0, iComma));
        strRest = iComma == std::string::npos ? "" : strRest.substr(iComma + 1);
    }
    // The name's lookup key, kept beside it, and the last login, noted for the attention report
    // and no part of the record.
    std::set<std::string> columns = {"name_key", "last_login_at"};
    for (const CharacterColumn& column : CharacterColumns())
        columns.insert(column.szName);
    EXPECT_EQ(table, columns);
    for (const zorv::RecordFieldInfo& info : zorv::kRecordFields) {
        bool bComputed = info.kind == zorv::RecordKind::VassalIds ||
                         info.kind == zorv::RecordKind::Patron ||
                         info.kind == zorv::RecordKind::Path;
        EXPECT_EQ(ColumnOf(info.field) == nullptr, bComputed) << info.szCaption;
    }
}

TEST(Record, EverySavedFieldComesBackAtItsPayloadPosition) {
    ServedScene served;
    ServeTarget& target = served.target;
    Fields save = {{"charid", "1"}, {zorv::kSaveTarget, "4"}};
    std::map<int, std::string> expected; // payload position, value
    int iDistinct = 0;
    for (zorv::RecordField field : zorv::kSaveOrder) {
        const zorv::RecordFieldInfo& info = zorv::FieldInfo(field);
        std::string strValue;
        switch (info.kind) {
        case zorv::RecordKind::Name:
            strValue = "Renamed Self";
            break;
        case zorv::RecordKind::Skills:
            strValue = "1,2,10!19,1,150";
            break;
        case zorv::RecordKind::Race:
        case zorv::RecordKind::Sex:
        case zorv::RecordKind::Flag:
            strValue = "1";
            break;
        case zorv::RecordKind::Rank:
            strValue = "7";
            break;
        case zorv::RecordKind::Number:
            strValue = std::to_string(100 + ++iDistinct);
            break;
        default: // escapes and a line break come back as they went
            strValue = std::string("a|b&c!;d\r\n") + info.szSaveKey;
        }
        save.emplace_back(info.szSaveKey, strValue);
        expected[info.iPayload] = strValue;
    }
    ASSERT_EQ(As(target, S::Root, 106, save).iCode, 800);
    Answer info = As(target, S::Root, 107, {{"getcharid", "4"}});
    ASSERT_EQ(info.iCode, 800);
    zorv::Fields fields = zorv::UnescapedFields(info.strPayload);
    ASSERT_EQ(static_cast<int>(fields.size()), zorv::kCharacterPayloadFields);
    for (const auto& [iPosition, strValue] : expected)
        EXPECT_EQ(fields[iPosition], strValue) << zorv::kRecordFields[iPosition].szCaption;
    EXPECT_EQ(fields[static_cast<int>(zorv::RecordField::Revision)], "2");
    EXPECT_EQ(fields[static_cast<int>(zorv::RecordField::ModifiedBy)], "1");
    EXPECT_EQ(fields[static_cast<int>(zorv::RecordField::Path)],
              "Renamed Self > Patron > High > Root");
    EXPECT_EQ(fields[static_cast<int>(zorv::RecordField::PatronId)], "3");
    EXPECT_EQ(fields[static_cast<int>(zorv::RecordField::VassalIds)], "5");
    EXPECT_EQ(fields[static_cast<int>(zorv::RecordField::SecurityLevel)], "1");
    EXPECT_EQ(fields[static_cast<int>(zorv::RecordField::PatronName)], "Patron");
}

} // namespace
