#include "CharacterRows.h"

#include "Passwords.h"
#include "Protocol.h"
#include "Skills.h"
#include "Text.h"

namespace {

using F = zorv::RecordField;
using C = ColumnCheck;
constexpr long long kMaxSequence = 999999999999LL;

// A member's values of a field, as the record's table gives them.
constexpr long long Low(zorv::RecordField field) {
    return zorv::FieldInfo(field).nLow;
}
constexpr long long High(zorv::RecordField field) {
    return zorv::FieldInfo(field).nHigh;
}

// The texts' lengths are the record's. A function's own, so that tables of other units made
// from it at start-up find it made.
const std::vector<CharacterColumn>& Columns() {
    static const std::vector<CharacterColumn> columns = {
        {"id", F::Id, C::Whole, 1, zorv::kMaxCharacters},
        {"name", F::Name, C::Name},
        {"patron_id", F::PatronId, C::Whole, zorv::kNoCharacter, zorv::kMaxCharacters},
        {"join_seq", F::Count, C::Whole, 0, kMaxSequence},
        {"password_hash", F::Count, C::Hash},
        {"security_level", F::SecurityLevel, C::Security},
        {"level", F::Level, C::Whole, Low(F::Level), High(F::Level)},
        {"class", F::Class, C::Text},
        {"race", F::Race, C::Whole, Low(F::Race), High(F::Race)},
        {"rank", F::Rank, C::Whole, Low(F::Rank), High(F::Rank)},
        {"sex", F::Sex, C::Whole, Low(F::Sex), High(F::Sex)},
        {"is_mule", F::IsMule, C::Whole, Low(F::IsMule), High(F::IsMule)},
        {"mule_for", F::MuleFor, C::Text},
        {"lifestone", F::Lifestone, C::Text},
        {"tied_to", F::TiedTo, C::Text},
        {"bio", F::Bio, C::Text},
        {"num_followers", F::NumFollowers, C::Whole, Low(F::NumFollowers), High(F::NumFollowers)},
        {"skills", F::Skills, C::Skills},
        {"real_name", F::RealName, C::Text},
        {"city_state", F::CityState, C::Text},
        {"misc_info", F::MiscInfo, C::Text},
        {"email", F::Email, C::Text},
        {"icq", F::ICQ, C::Text},
        {"is_pk", F::IsPK, C::Whole, Low(F::IsPK), High(F::IsPK)},
        {"is_rescue", F::IsRescue, C::Whole, Low(F::IsRescue), High(F::IsRescue)},
        {"is_private", F::IsPrivate, C::Whole, Low(F::IsPrivate), High(F::IsPrivate)},
        {"can_summon", F::CanSummon, C::Whole, Low(F::CanSummon), High(F::CanSummon)},
        {"main_char", F::MainChar, C::Text},
        {"awards", F::Awards, C::Text},
        {"modified_at", F::ModifiedAt, C::Text},
        {"modified_by", F::ModifiedBy, C::Whole, 0, zorv::kMaxCharacters},
        {"revision", F::Revision, C::Whole, 1, kMaxSequence},
    };
    return columns;
}

std::size_t TextLimit(const CharacterColumn& column) {
    return static_cast<std::size_t>(zorv::FieldInfo(column.field).nMaxLength);
}

// Column names in statements come from the table above, never from a request.
const std::string& Known(const std::string& strColumn) {
    if (!ColumnNamed(strColumn))
        throw DbError("no column " + strColumn);
    return strColumn;
}

// "SELECT a, b FROM characters" for the named columns.
std::string SelectColumns(const std::vector<std::string>& columns) {
    std::string strSql = "SELECT ";
    for (std::size_t i = 0; i < columns.size(); ++i)
        strSql += (i ? ", " : "") + Known(columns[i]);
    return strSql + " FROM characters";
}

} // namespace

const std::vector<CharacterColumn>& CharacterColumns() {
    return Columns();
}

const CharacterColumn* ColumnOf(zorv::RecordField field) {
    for (const CharacterColumn& column : Columns())
        if (column.field == field)
            return &column;
    return nullptr;
}

const CharacterColumn* ColumnNamed(const std::string& strName) {
    for (const CharacterColumn& column : Columns())
        if (strName == column.szName)
            return &column;
    return nullptr;
}

bool IsNumberColumn(const CharacterColumn& column) {
    return column.check == C::Whole || column.check == C::Security;
}

std::optional<long long> DumpNumber(const std::string& s) {
    std::size_t i = !s.empty() && s[0] == '-' ? 1 : 0;
    if (i == s.size() || s.size() - i > 12)
        return std::nullopt;
    long long llValue = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9')
            return std::nullopt;
        llValue = llValue * 10 + (s[i] - '0');
    }
    return s[0] == '-' ? -llValue : llValue;
}

std::string ColumnFault(const CharacterColumn& column, const std::string& strValue) {
    switch (column.check) {
    case C::Whole: {
        std::optional<long long> llValue = DumpNumber(strValue);
        if (!llValue || *llValue < column.llLow || *llValue > column.llHigh)
            return "a whole number from " + std::to_string(column.llLow) + " to " +
                   std::to_string(column.llHigh);
        return "";
    }
    case C::Security:
        return strValue == std::to_string(zorv::kSecurityNormal) ||
                       strValue == std::to_string(zorv::kSecurityAdministrator)
                   ? ""
                   : "1 (a member) or 3 (an administrator)";
    case C::Name:
        if (strValue != Trim(strValue) || !IsValidName(strValue) || IsReservedName(strValue))
            return "a valid name";
        return "";
    case C::Hash:
        return strValue == kNoHash || IsPasswordHash(strValue) ? "" : "\"-\" or an argon2id hash";
    case C::Text:
        if (TextLength(strValue) > TextLimit(column) || HoldsMarker(strValue))
            return "a text of up to " + std::to_string(TextLimit(column)) +
                   " bytes without a reply marker";
        return "";
    case C::Skills:
        if (TextLength(strValue) > TextLimit(column) || !ParseSkillString(strValue))
            return "a skill string";
        return "";
    }
    return "a known value";
}

std::string StoredValueFault(const std::string& strColumn, const std::string& strValue) {
    const CharacterColumn* pColumn = ColumnNamed(strColumn);
    if (!pColumn || pColumn->check == C::Hash)
        return "a value of a known column";
    return ColumnFault(*pColumn, strValue);
}

std::vector<std::string> ReadColumns(Database& db, int id,
                                     const std::vector<std::string>& columns) {
    Statement query(db, (SelectColumns(columns) + " WHERE id = ?1").c_str());
    query.Bind(1, id);
    std::vector<std::string> values;
    if (query.Step())
        for (std::size_t i = 0; i < columns.size(); ++i)
            values.push_back(query.Text(static_cast<int>(i)));
    query.Reset();
    return values;
}

std::string ReadColumn(Database& db, int id, const std::string& strColumn) {
    std::vector<std::string> values = ReadColumns(db, id, {strColumn});
    return values.empty() ? std::string() : values.front();
}

void WriteColumns(Database& db, int id, const std::vector<ColumnValue>& values,
                  std::optional<int> iEditor) {
    std::string strSql = "UPDATE characters SET ";
    const char* szSeparator = "";
    if (iEditor) {
        strSql += "modified_at = ?, modified_by = ?, revision = revision + 1";
        szSeparator = ", ";
    }
    for (const ColumnValue& value : values) {
        strSql += szSeparator + Known(value.strColumn) + " = ?";
        szSeparator = ", ";
        if (value.strColumn == "name")
            strSql += ", name_key = ?";
    }
    Statement update(db, (strSql + " WHERE id = ?").c_str());
    int iParam = 1;
    if (iEditor) {
        update.Bind(iParam++, NowStamp());
        update.Bind(iParam++, *iEditor);
    }
    for (const ColumnValue& value : values) {
        if (IsNumberColumn(*ColumnNamed(value.strColumn)))
            update.Bind(iParam++, std::int64_t(DumpNumber(value.strValue).value_or(0)));
        else
            update.Bind(iParam++, value.strValue);
        if (value.strColumn == "name")
            update.Bind(iParam++, NameKey(value.strValue));
    }
    update.Bind(iParam, id).Run();
}

std::vector<std::string> ReadRecord(Database& db, int id) {
    static const std::string strQuery = [] {
        std::string strColumns;
        for (const zorv::RecordFieldInfo& field : zorv::kRecordFields)
            if (const CharacterColumn* pColumn = ColumnOf(field.field))
                strColumns += (strColumns.empty() ? "" : ", ") + std::string(pColumn->szName);
        return "SELECT " + strColumns + " FROM characters WHERE id = ?1";
    }();
    Statement row(db, strQuery.c_str());
    row.Bind(1, id);
    std::vector<std::string> fields;
    if (!row.Step())
        return fields;
    int iColumn = 0;
    for (const zorv::RecordFieldInfo& field : zorv::kRecordFields) {
        const CharacterColumn* pColumn = ColumnOf(field.field);
        if (!pColumn)
            fields.emplace_back();
        else if (IsNumberColumn(*pColumn))
            fields.push_back(std::to_string(row.Int(iColumn++)));
        else
            fields.push_back(row.Text(iColumn++));
    }
    row.Reset();
    return fields;
}

void SetPasswordHash(Database& db, int id, const std::optional<std::string>& strHash) {
    Statement update(db, "UPDATE characters SET password_hash = ?1 WHERE id = ?2");
    if (strHash)
        update.Bind(1, *strHash);
    else
        update.BindNull(1);
    update.Bind(2, id).Run();
}

void KeepDefaultHash(Database& db, const std::string& strHash) {
    Statement keep(db, "UPDATE characters SET password_hash = ?1 WHERE password_hash IS NULL");
    keep.Bind(1, strHash).Run();
}

void SetSecurityLevel(Database& db, int id, int iLevel) {
    Statement update(db, "UPDATE characters SET security_level = ?1 WHERE id = ?2");
    update.Bind(1, iLevel).Bind(2, id).Run();
}

std::vector<int> OnDefaultPassword(Database& db) {
    Statement query(db, "SELECT id FROM characters WHERE password_hash IS NULL ORDER BY id");
    std::vector<int> ids;
    while (query.Step())
        ids.push_back(static_cast<int>(query.Int(0)));
    return ids;
}

std::vector<std::pair<int, std::string>> AdministratorLogins(Database& db) {
    Statement query(db, "SELECT id, last_login_at FROM characters WHERE security_level = ?1 "
                        "ORDER BY id");
    query.Bind(1, zorv::kSecurityAdministrator);
    std::vector<std::pair<int, std::string>> logins;
    while (query.Step())
        logins.emplace_back(static_cast<int>(query.Int(0)), query.Text(1));
    return logins;
}

void NoteLogin(Database& db, int id) {
    const std::string strNow = NowStamp();
    const std::string strToday = strNow.substr(0, 10);
    auto NotedToday = [&] {
        Statement query(db, "SELECT substr(last_login_at, 1, 10) = ?1 FROM characters "
                            "WHERE id = ?2");
        query.Bind(1, strToday).Bind(2, id);
        // A character that is gone needs no note.
        bool bNoted = !query.Step() || query.Int(0) == 1;
        query.Reset();
        return bNoted;
    };
    {
        Transaction read(db, Transaction::Kind::Read);
        if (NotedToday())
            return;
    }
    Transaction write(db, Transaction::Kind::Write);
    if (NotedToday()) // another login of the same character got there first
        return;
    Statement update(db, "UPDATE characters SET last_login_at = ?1 WHERE id = ?2");
    update.Bind(1, strNow).Bind(2, id).Run();
    write.Commit();
}

void MoveCharacter(Database& db, int id, int iPatron, std::int64_t lJoinSeq) {
    Statement move(db, "UPDATE characters SET patron_id = ?1, join_seq = ?2 WHERE id = ?3");
    move.Bind(1, iPatron).Bind(2, lJoinSeq).Bind(3, id).Run();
}

void RemoveCharacter(Database& db, int id) {
    Statement remove(db, "DELETE FROM characters WHERE id = ?1");
    remove.Bind(1, id).Run();
}

void ReclaimIds(Database& db, const std::vector<int>& ids) {
    Statement unfree(db, "DELETE FROM freed_ids WHERE id = ?1");
    for (int id : ids)
        unfree.Bind(1, id).Run();
}

void ForEachCharacter(Database& db, const std::vector<std::string>& columns,
                      const CharacterFilter& filter,
                      const std::function<void(const std::vector<std::string>&)>& onRow) {
    std::string strSql =
        SelectColumns(columns) + " WHERE (?1 = 0 OR race = ?1) AND (?2 = 0 OR rank = ?2)";
    if (filter.szFlag)
        strSql += " AND " + Known(filter.szFlag) + " = 1";
    if (filter.bWithSkills)
        strSql += " AND skills <> ''";
    if (filter.bPublic)
        strSql += " AND is_private <> 1";
    Statement query(db, (strSql + " ORDER BY name_key").c_str());
    query.Bind(1, std::int64_t(filter.lRace)).Bind(2, std::int64_t(filter.lRank));
    std::vector<bool> numbers;
    for (const std::string& strColumn : columns)
        numbers.push_back(IsNumberColumn(*ColumnNamed(strColumn)));
    std::vector<std::string> values(columns.size());
    while (query.Step()) {
        for (std::size_t i = 0; i < columns.size(); ++i) {
            int iColumn = static_cast<int>(i);
            values[i] = numbers[i] ? std::to_string(query.Int(iColumn)) : query.Text(iColumn);
        }
        onRow(values);
    }
}
