#pragma once
// The guild's storage: the schema, the server's settings, and the queries over the allegiance
// tree that the operations share. Text is UTF-8, as the file holds it.
// Tree walks are iterative and bounded by the guild's size, so no shape can exhaust the stack.
#include "CharacterRecord.h"
#include "Database.h"
#include "Protocol.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One editable field of the character sheet: the form key the client saves it under, the
// column that stores it, what it may hold and how long it may be, and what a refused save calls
// it. Made from the record's table (CharacterRecord.h) and the characters table's columns.
struct SheetField {
    using Kind = zorv::RecordKind;
    const char* szKey;
    const char* szColumn;
    Kind kind;
    int nMaxLength;
    const char* szCaption;
    int nLow; // the record's range, for the numbers
    int nHigh;
};

// In the order the save carries them.
extern const std::vector<SheetField> kSheetFields;
// The sheet field stored in a column; null for a column the save does not write.
const SheetField* SheetFieldIn(const std::string& strColumn);

struct Member {
    int id = 0;
    std::string strName;
    int iPatron = zorv::kNoCharacter;
    std::optional<std::string> strOwnHash; // nullopt: still on the guild's default password
    int iSecurity = zorv::kSecurityNormal;
};

inline constexpr int kDefaultMaxVassals = 12;

// Opens an existing database (or creates one) with the pragmas every connection needs, at the
// current schema (Store::PrepareSchema).
Database OpenGuildDatabase(const std::string& strPath, bool bCreate);

class Store {
public:
    explicit Store(Database& db) : m_db(db) {}

    // The schema this server reads and writes, kept in the file's user_version. Version 2 added
    // each character's revision; version 3 the record of freed ids; version 4 the record of
    // verified logins; version 5 the cached tree payload; version 6 the change history; version
    // 7 the change feed; version 8 each character's last login; version 9 the chat
    // notifications' targets and outbox.
    static constexpr int kSchemaVersion = 10;
    // Gives an empty file the whole schema and upgrades a file of an earlier version in place.
    // It looks again once it holds the write lock, so that CGI processes opening an old file
    // together upgrade it once. A file of a later version is refused with DbError: this server
    // would write it without the rules its newer columns need.
    static void PrepareSchema(Database& db);
    // The schema version the file holds now (another process may have upgraded it).
    static int FileSchemaVersion(Database& db);

    std::optional<std::string> Setting(const std::string& strKey);
    void SetSetting(const std::string& strKey, const std::string& strValue);
    bool IsSetUp();
    int MaxVassals();
    std::string DefaultHash();

    std::optional<Member> FindByName(const std::string& strName);
    std::optional<Member> FindById(int id);
    // The stored hash that a member's password is checked against.
    std::string HashOf(const Member& member);

    std::vector<int> VassalIds(int id);
    std::string VassalList(int id); // "7,3", in the order the vassals joined
    // Patron, patron's patron, ... up to the monarch.
    std::vector<int> Ancestors(int id);
    bool IsAbove(int iAncestor, int id);
    // id itself and every follower below it.
    std::vector<int> Branch(int id);

    int CountCharacters();
    int CountAdministrators();
    std::int64_t NextJoinSeq();
    // The id for a new character, or 0 when the guild is full. An id is not handed out again
    // while an id that was never used remains; after that, the one freed longest ago comes
    // first. So a late request that names a removed member finds no one, for as long as
    // possible, instead of a newcomer.
    int FreeId();
    // Records the ids of removed characters as freed, in this order of age.
    void ReleaseIds(const std::vector<int>& ids);
    // After the characters and the history were replaced wholesale (a restore, an older file's
    // upgrade): the mark rises to the highest id present or named by the history, and every id
    // below it not present counts as freed.
    static void RebuildFreedIds(Database& db);

    // Inserts a character with an empty sheet on the default password.
    int AddCharacter(int id, const std::string& strName, int iPatron, int iSecurity, int iEditor);

private:
    // The highest id ever handed out or released.
    int HighWater();
    void RaiseHighWater(int id);

    Database& m_db;
};
