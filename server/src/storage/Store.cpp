#include "Store.h"

#include "CharacterRows.h"
#include "Escape.h"
#include "Protocol.h"
#include "Text.h"
#include "TreeCache.h"

#include <algorithm>
#include <unordered_map>

const std::vector<SheetField> kSheetFields = [] {
    std::vector<SheetField> fields;
    for (zorv::RecordField field : zorv::kSaveOrder) {
        const zorv::RecordFieldInfo& info = zorv::FieldInfo(field);
        fields.push_back({info.szSaveKey, ColumnOf(field)->szName, info.kind, info.nMaxLength,
                          info.szCaption, info.nLow, info.nHigh});
    }
    return fields;
}();

const SheetField* SheetFieldIn(const std::string& strColumn) {
    for (const SheetField& field : kSheetFields)
        if (strColumn == field.szColumn)
            return &field;
    return nullptr;
}

Database OpenGuildDatabase(const std::string& strPath, bool bCreate) {
    Database db(strPath, bCreate ? Database::Mode::Create : Database::Mode::OpenExisting);
    db.Exec("PRAGMA journal_mode = WAL");
    // FULL: an acknowledged change survives a crash of the machine, not only of the process.
    db.Exec("PRAGMA synchronous = FULL");
    Store::PrepareSchema(db);
    return db;
}

namespace {

// The schema up to version 2; an empty file gets it and the tables of each later version.
const char kSchema[] = R"sql(
CREATE TABLE IF NOT EXISTS settings (
    key TEXT PRIMARY KEY,
    value TEXT NOT NULL
);
CREATE TABLE IF NOT EXISTS characters (
    id INTEGER PRIMARY KEY CHECK (id BETWEEN 1 AND 32767),
    name TEXT NOT NULL,
    name_key TEXT NOT NULL UNIQUE,
    patron_id INTEGER NOT NULL DEFAULT -1,
    join_seq INTEGER NOT NULL,
    password_hash TEXT,
    security_level INTEGER NOT NULL DEFAULT 1,
    level INTEGER NOT NULL DEFAULT 0,
    class TEXT NOT NULL DEFAULT '',
    race INTEGER NOT NULL DEFAULT 0,
    rank INTEGER NOT NULL DEFAULT 0,
    sex INTEGER NOT NULL DEFAULT 0,
    is_mule INTEGER NOT NULL DEFAULT 0,
    mule_for TEXT NOT NULL DEFAULT '',
    lifestone TEXT NOT NULL DEFAULT '',
    tied_to TEXT NOT NULL DEFAULT '',
    bio TEXT NOT NULL DEFAULT '',
    num_followers INTEGER NOT NULL DEFAULT 0,
    skills TEXT NOT NULL DEFAULT '',
    real_name TEXT NOT NULL DEFAULT '',
    city_state TEXT NOT NULL DEFAULT '',
    misc_info TEXT NOT NULL DEFAULT '',
    email TEXT NOT NULL DEFAULT '',
    icq TEXT NOT NULL DEFAULT '',
    is_pk INTEGER NOT NULL DEFAULT 0,
    is_rescue INTEGER NOT NULL DEFAULT 0,
    is_private INTEGER NOT NULL DEFAULT 0,
    can_summon INTEGER NOT NULL DEFAULT 0,
    main_char TEXT NOT NULL DEFAULT '',
    awards TEXT NOT NULL DEFAULT '',
    modified_at TEXT NOT NULL DEFAULT '',
    modified_by INTEGER NOT NULL DEFAULT 0,
    revision INTEGER NOT NULL DEFAULT 1
);
CREATE INDEX IF NOT EXISTS characters_by_patron ON characters(patron_id, join_seq);
CREATE TABLE IF NOT EXISTS login_failures (
    subject TEXT NOT NULL,
    at REAL NOT NULL
);
CREATE INDEX IF NOT EXISTS login_failures_by_subject ON login_failures(subject, at);
)sql";

// Version 3: ids are handed out above the highest one ever used, then the one freed longest ago.
// An older file gets the highest id it holds as that mark, and its gaps as freed long ago.
const char kVersion3Tables[] = R"sql(
CREATE TABLE IF NOT EXISTS server_state (
    key TEXT PRIMARY KEY,
    value INTEGER NOT NULL
);
CREATE TABLE IF NOT EXISTS freed_ids (
    id INTEGER PRIMARY KEY,
    freed_seq INTEGER NOT NULL
);
CREATE INDEX IF NOT EXISTS freed_ids_by_age ON freed_ids(freed_seq, id);
)sql";

// Version 4: the record of verified logins that the CGI program and the standalone server
// share (CredentialCache): digests keyed with a secret kept outside this file.
const char kVersion4Tables[] = R"sql(
CREATE TABLE IF NOT EXISTS verified_logins (
    digest TEXT PRIMARY KEY,
    expires REAL NOT NULL
);
)sql";

// Version 5: the cached tree payload, and the count of changes to what it shows, raised by the
// file itself whoever writes it. The count starts at a random value, so that a new file at the
// same path never meets a payload remembered for the old one.
const char kVersion5Tables[] = R"sql(
CREATE TABLE IF NOT EXISTS tree_cache (
    slot INTEGER PRIMARY KEY CHECK (slot = 1),
    generation INTEGER NOT NULL,
    payload TEXT NOT NULL
);
INSERT OR IGNORE INTO server_state(key, value)
    VALUES ('tree_generation', abs(random() % 1000000000000));
CREATE TRIGGER IF NOT EXISTS tree_changed_by_insert AFTER INSERT ON characters BEGIN
    UPDATE server_state SET value = value + 1 WHERE key = 'tree_generation';
END;
CREATE TRIGGER IF NOT EXISTS tree_changed_by_delete AFTER DELETE ON characters BEGIN
    UPDATE server_state SET value = value + 1 WHERE key = 'tree_generation';
END;
CREATE TRIGGER IF NOT EXISTS tree_changed_by_update AFTER UPDATE ON characters
WHEN OLD.id IS NOT NEW.id OR OLD.name IS NOT NEW.name OR OLD.level IS NOT NEW.level
    OR OLD.rank IS NOT NEW.rank OR OLD.patron_id IS NOT NEW.patron_id
    OR OLD.join_seq IS NOT NEW.join_seq OR OLD.is_mule IS NOT NEW.is_mule
    OR OLD.is_pk IS NOT NEW.is_pk OR OLD.is_rescue IS NOT NEW.is_rescue
BEGIN
    UPDATE server_state SET value = value + 1 WHERE key = 'tree_generation';
END;
)sql";

// Version 6: the change history (HistoryStore.h): an entry per change, and the values it changed.
const char kVersion6Tables[] = R"sql(
CREATE TABLE IF NOT EXISTS history (
    seq INTEGER PRIMARY KEY,
    at TEXT NOT NULL,
    at_epoch INTEGER NOT NULL,
    kind TEXT NOT NULL,
    actor_id INTEGER NOT NULL,
    actor_name TEXT NOT NULL,
    character_id INTEGER NOT NULL,
    character_name TEXT NOT NULL,
    undoes INTEGER NOT NULL DEFAULT 0,
    undone_by INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX IF NOT EXISTS history_by_character ON history(character_id, seq);
CREATE INDEX IF NOT EXISTS history_by_age ON history(at_epoch);
CREATE TABLE IF NOT EXISTS history_values (
    entry INTEGER NOT NULL,
    ord INTEGER NOT NULL,
    field TEXT NOT NULL,
    old TEXT NOT NULL,
    new TEXT NOT NULL,
    PRIMARY KEY (entry, ord)
) WITHOUT ROWID;
)sql";

// The ids of a guild file whose members came in wholesale (a restore, or a file from before ids
// were kept track of): the mark is never lowered, and it covers every id the history names (a
// removed member, at the top of its branch or below it), so that a save meant for someone removed
// finds no one rather than a newcomer who was given the id. The ids below the mark that nobody
// holds are freed, each as old as the last entry that names it.
const char kFreedIds[] = R"sql(
INSERT OR REPLACE INTO server_state(key, value) SELECT 'id_high_water', min(32767, max(
    coalesce((SELECT value FROM server_state WHERE key = 'id_high_water'), 0),
    coalesce((SELECT max(id) FROM characters), 0),
    coalesce((SELECT max(character_id) FROM history), 0),
    coalesce((SELECT max(CAST(substr(v, 1, instr(v, '|') - 1) AS INTEGER)) FROM (
        SELECT old AS v FROM history_values WHERE field = 'member' AND old <> ''
        UNION ALL SELECT new FROM history_values WHERE field = 'member' AND new <> '')), 0)));
DELETE FROM freed_ids;
WITH RECURSIVE n(i) AS (
    SELECT 1 WHERE (SELECT value FROM server_state WHERE key = 'id_high_water') > 0
    UNION ALL SELECT i + 1 FROM n
        WHERE i < (SELECT value FROM server_state WHERE key = 'id_high_water'))
INSERT INTO freed_ids(id, freed_seq)
    SELECT i, coalesce((SELECT max(seq) FROM history WHERE character_id = i), 0) FROM n
        WHERE NOT EXISTS (SELECT 1 FROM characters WHERE id = i);
)sql";

// Version 7: the change feed (TreeFeed.h). `feed_generation` counts what the feed reports: every
// change of the tree (as `tree_generation` does) and every save of a character (its revision
// moves), so that a client showing a sheet hears of another's save of it. For each count the
// record of changes holds the ids whose records it touched: the character, and, when it joins,
// leaves or moves, the patrons whose vassal lists changed. The record is complete for every count
// above `tree_changes_from`; it keeps about the last 100 000 rows, the oldest counts going whole,
// so that trimming it only ever makes an answer "too old", never a wrong one. Which changes of a
// row change the tree is the tree record's table (TreeColumnsDiffer).
const char kVersion7Tables[] = R"sql(
CREATE TABLE IF NOT EXISTS tree_changes (
    seq INTEGER PRIMARY KEY,
    generation INTEGER NOT NULL,
    id INTEGER NOT NULL
);
CREATE INDEX IF NOT EXISTS tree_changes_by_generation ON tree_changes(generation);
INSERT OR IGNORE INTO server_state(key, value)
    SELECT 'feed_generation', value FROM server_state WHERE key = 'tree_generation';
INSERT OR IGNORE INTO server_state(key, value)
    SELECT 'tree_changes_from', value FROM server_state WHERE key = 'feed_generation';
DROP TRIGGER IF EXISTS tree_changed_by_insert;
DROP TRIGGER IF EXISTS tree_changed_by_delete;
DROP TRIGGER IF EXISTS tree_changed_by_update;
CREATE TRIGGER tree_changed_by_insert AFTER INSERT ON characters BEGIN
    UPDATE server_state SET value = value + 1
        WHERE key IN ('tree_generation', 'feed_generation');
    INSERT INTO tree_changes(generation, id)
        SELECT (SELECT value FROM server_state WHERE key = 'feed_generation'), x
        FROM (SELECT NEW.id AS x UNION SELECT NEW.patron_id) WHERE x <> -1;
END;
CREATE TRIGGER tree_changed_by_delete AFTER DELETE ON characters BEGIN
    UPDATE server_state SET value = value + 1
        WHERE key IN ('tree_generation', 'feed_generation');
    INSERT INTO tree_changes(generation, id)
        SELECT (SELECT value FROM server_state WHERE key = 'feed_generation'), x
        FROM (SELECT OLD.id AS x UNION SELECT OLD.patron_id) WHERE x <> -1;
END;
CREATE TRIGGER tree_changed_by_update AFTER UPDATE ON characters
WHEN @TREE_CHANGED@
BEGIN
    UPDATE server_state SET value = value + 1
        WHERE key IN ('tree_generation', 'feed_generation');
    INSERT INTO tree_changes(generation, id)
        SELECT (SELECT value FROM server_state WHERE key = 'feed_generation'), x
        FROM (SELECT NEW.id AS x UNION SELECT OLD.id
              UNION SELECT OLD.patron_id WHERE OLD.patron_id IS NOT NEW.patron_id
                  OR OLD.join_seq IS NOT NEW.join_seq OR OLD.id IS NOT NEW.id
              UNION SELECT NEW.patron_id WHERE OLD.patron_id IS NOT NEW.patron_id
                  OR OLD.join_seq IS NOT NEW.join_seq OR OLD.id IS NOT NEW.id)
        WHERE x <> -1;
END;
CREATE TRIGGER IF NOT EXISTS sheet_saved AFTER UPDATE OF revision ON characters
WHEN OLD.revision IS NOT NEW.revision AND @TREE_SAME@
BEGIN
    UPDATE server_state SET value = value + 1 WHERE key = 'feed_generation';
    INSERT INTO tree_changes(generation, id)
        SELECT value, NEW.id FROM server_state WHERE key = 'feed_generation';
END;
CREATE TRIGGER IF NOT EXISTS tree_changes_bounded AFTER INSERT ON tree_changes
WHEN NEW.seq % 1000 = 0 AND EXISTS (SELECT 1 FROM tree_changes WHERE seq <= NEW.seq - 100000)
BEGIN
    UPDATE server_state SET value = max(value,
        (SELECT max(generation) FROM tree_changes WHERE seq <= NEW.seq - 100000))
        WHERE key = 'tree_changes_from';
    DELETE FROM tree_changes
        WHERE generation <= (SELECT value FROM server_state WHERE key = 'tree_changes_from');
END;
)sql";

// Version 8: when each character last logged in (operation 104), "YYYY-MM-DD HH:MM" UTC, empty
// for no login since the upgrade. Not part of the record: no trigger watches it, and neither the
// dump nor the history carries it.
const char kVersion8Column[] =
    "ALTER TABLE characters ADD COLUMN last_login_at TEXT NOT NULL DEFAULT ''";

// Version 9: the chat notifications (NotifyStore.h). A target is where the changes of the kinds it
// names are sent; it is a secret (its URL carries the webhook's key), kept out of the dump and the
// web roster. The outbox holds each message until its target answered 2xx: its id, never handed
// out twice, is the delivery id a receiver drops repeats by. The file keeps each target's count of
// queued messages, which notify::Enqueue holds to notify::kMaxQueued.
const char kVersion9Tables[] = R"sql(
CREATE TABLE IF NOT EXISTS notify_targets (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    url TEXT NOT NULL,
    format TEXT NOT NULL CHECK (format IN ('discord', 'slack', 'json')),
    kinds TEXT NOT NULL,
    created TEXT NOT NULL,
    failing_since INTEGER NOT NULL DEFAULT 0,
    last_result TEXT NOT NULL DEFAULT '',
    last_delivered_at INTEGER NOT NULL DEFAULT 0,
    queued INTEGER NOT NULL DEFAULT 0,
    dropped INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE IF NOT EXISTS notify_outbox (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    target_id INTEGER NOT NULL,
    body TEXT NOT NULL,
    created_at INTEGER NOT NULL,
    attempts INTEGER NOT NULL DEFAULT 0,
    next_attempt_at INTEGER NOT NULL
);
CREATE INDEX IF NOT EXISTS notify_outbox_by_target ON notify_outbox(target_id, id);
CREATE TRIGGER IF NOT EXISTS notify_queued AFTER INSERT ON notify_outbox BEGIN
    UPDATE notify_targets SET queued = queued + 1 WHERE id = NEW.target_id;
END;
CREATE TRIGGER IF NOT EXISTS notify_unqueued AFTER DELETE ON notify_outbox BEGIN
    UPDATE notify_targets SET queued = queued - 1 WHERE id = OLD.target_id;
END;
)sql";

// Version 10: the language a chat target's messages are written in (Languages.h); a target kept
// from before languages goes on in English.
const char kVersion10Column[] =
    "ALTER TABLE notify_targets ADD COLUMN language TEXT NOT NULL DEFAULT 'en'";

int SchemaVersion(Database& db) {
    Statement version(db, "PRAGMA user_version");
    version.Step();
    int iVersion = static_cast<int>(version.Int(0));
    version.Reset();
    return iVersion;
}

bool HasColumn(Database& db, const char* szTable, const char* szColumn) {
    Statement column(db, "SELECT count(*) FROM pragma_table_info(?1) WHERE name = ?2");
    column.Bind(1, std::string(szTable)).Bind(2, std::string(szColumn)).Step();
    bool bFound = column.Int(0) > 0;
    column.Reset();
    return bFound;
}

} // namespace

int Store::FileSchemaVersion(Database& db) {
    return SchemaVersion(db);
}

void Store::PrepareSchema(Database& db) {
    int iVersion = SchemaVersion(db);
    if (iVersion == kSchemaVersion)
        return;
    if (iVersion > kSchemaVersion)
        throw DbError("the guild file has schema version " + std::to_string(iVersion) +
                      "; this zorv-server knows up to " + std::to_string(kSchemaVersion));
    Transaction tx(db, Transaction::Kind::Write);
    iVersion = SchemaVersion(db); // another process may have prepared it meanwhile
    if (iVersion == 0)
        db.Exec(kSchema);
    if (iVersion == 1 && !HasColumn(db, "characters", "revision"))
        db.Exec("ALTER TABLE characters ADD COLUMN revision INTEGER NOT NULL DEFAULT 1");
    if (iVersion < 3)
        db.Exec(kVersion3Tables);
    if (iVersion < 4)
        db.Exec(kVersion4Tables);
    if (iVersion < 5)
        db.Exec(kVersion5Tables);
    if (iVersion < 6)
        db.Exec(kVersion6Tables);
    if (iVersion < 7)
        db.Exec(zorv::ReplaceAll(
            zorv::ReplaceAll(kVersion7Tables, "@TREE_CHANGED@", TreeColumnsDiffer(false)),
            "@TREE_SAME@", TreeColumnsDiffer(true)));
    if (iVersion < 8 && !HasColumn(db, "characters", "last_login_at"))
        db.Exec(kVersion8Column);
    if (iVersion < 9)
        db.Exec(kVersion9Tables);
    if (iVersion < 10 && !HasColumn(db, "notify_targets", "language"))
        db.Exec(kVersion10Column);
    // An older file gets the highest id it holds as the mark, and its gaps as freed long ago.
    if (iVersion < 3)
        RebuildFreedIds(db);
    db.Exec("PRAGMA user_version = " + std::to_string(kSchemaVersion));
    tx.Commit();
}

std::optional<std::string> Store::Setting(const std::string& strKey) {
    Statement query(m_db, "SELECT value FROM settings WHERE key = ?1");
    query.Bind(1, strKey);
    if (!query.Step())
        return std::nullopt;
    std::string strValue = query.Text(0);
    query.Reset();
    return strValue;
}

void Store::SetSetting(const std::string& strKey, const std::string& strValue) {
    Statement upsert(m_db, "INSERT INTO settings(key, value) VALUES (?1, ?2) "
                           "ON CONFLICT(key) DO UPDATE SET value = excluded.value");
    upsert.Bind(1, strKey).Bind(2, strValue).Run();
}

bool Store::IsSetUp() {
    return Setting("guild_name").has_value();
}

int Store::MaxVassals() {
    std::optional<std::string> strMax = Setting("max_vassals");
    int iMax = strMax ? std::atoi(strMax->c_str()) : kDefaultMaxVassals;
    return iMax > 0 ? iMax : kDefaultMaxVassals;
}

std::string Store::DefaultHash() {
    return Setting("default_password_hash").value_or("");
}

namespace {

const char kMemberColumns[] = "SELECT id, name, patron_id, password_hash, security_level "
                              "FROM characters ";

Member ReadMember(const Statement& row) {
    Member member;
    member.id = static_cast<int>(row.Int(0));
    member.strName = row.Text(1);
    member.iPatron = static_cast<int>(row.Int(2));
    if (!row.IsNull(3))
        member.strOwnHash = row.Text(3);
    member.iSecurity = static_cast<int>(row.Int(4));
    return member;
}

} // namespace

std::optional<Member> Store::FindByName(const std::string& strName) {
    Statement query(m_db, (std::string(kMemberColumns) + "WHERE name_key = ?1").c_str());
    query.Bind(1, NameKey(Trim(strName)));
    if (!query.Step())
        return std::nullopt;
    Member member = ReadMember(query);
    query.Reset();
    return member;
}

std::optional<Member> Store::FindById(int id) {
    Statement query(m_db, (std::string(kMemberColumns) + "WHERE id = ?1").c_str());
    query.Bind(1, id);
    if (!query.Step())
        return std::nullopt;
    Member member = ReadMember(query);
    query.Reset();
    return member;
}

std::string Store::HashOf(const Member& member) {
    return member.strOwnHash ? *member.strOwnHash : DefaultHash();
}

std::vector<int> Store::VassalIds(int id) {
    Statement query(m_db, "SELECT id FROM characters WHERE patron_id = ?1 ORDER BY join_seq");
    query.Bind(1, id);
    std::vector<int> ids;
    while (query.Step())
        ids.push_back(static_cast<int>(query.Int(0)));
    return ids;
}

std::string Store::VassalList(int id) {
    std::string strList;
    for (int iVassal : VassalIds(id)) {
        if (!strList.empty())
            strList += ',';
        strList += std::to_string(iVassal);
    }
    return strList;
}

std::vector<int> Store::Ancestors(int id) {
    Statement query(m_db, "SELECT patron_id FROM characters WHERE id = ?1");
    std::vector<int> chain;
    int iCurrent = id;
    for (int nSteps = 0; nSteps <= zorv::kMaxCharacters; ++nSteps) {
        query.Bind(1, iCurrent);
        if (!query.Step())
            break;
        int iPatron = static_cast<int>(query.Int(0));
        query.Reset();
        if (iPatron == zorv::kNoCharacter || iPatron == id)
            break;
        chain.push_back(iPatron);
        iCurrent = iPatron;
    }
    return chain;
}

bool Store::IsAbove(int iAncestor, int id) {
    std::vector<int> chain = Ancestors(id);
    return std::find(chain.begin(), chain.end(), iAncestor) != chain.end();
}

std::vector<int> Store::Branch(int id) {
    // One pass over the patron links instead of a query per level.
    Statement query(m_db, "SELECT id, patron_id FROM characters");
    std::unordered_multimap<int, int> vassalsOf;
    while (query.Step())
        vassalsOf.emplace(static_cast<int>(query.Int(1)), static_cast<int>(query.Int(0)));
    std::vector<int> branch{id};
    for (std::size_t i = 0; i < branch.size() && branch.size() <= zorv::kMaxCharacters; ++i) {
        auto range = vassalsOf.equal_range(branch[i]);
        for (auto it = range.first; it != range.second; ++it)
            branch.push_back(it->second);
    }
    return branch;
}

int Store::CountCharacters() {
    Statement query(m_db, "SELECT count(*) FROM characters");
    query.Step();
    int n = static_cast<int>(query.Int(0));
    query.Reset();
    return n;
}

int Store::CountAdministrators() {
    Statement query(m_db, "SELECT count(*) FROM characters WHERE security_level = 3");
    query.Step();
    int n = static_cast<int>(query.Int(0));
    query.Reset();
    return n;
}

std::int64_t Store::NextJoinSeq() {
    Statement query(m_db, "SELECT coalesce(max(join_seq), 0) + 1 FROM characters");
    query.Step();
    std::int64_t lSeq = query.Int(0);
    query.Reset();
    return lSeq;
}

int Store::HighWater() {
    Statement query(m_db, "SELECT max(coalesce((SELECT value FROM server_state "
                          "WHERE key = 'id_high_water'), 0), "
                          "coalesce((SELECT max(id) FROM characters), 0))");
    query.Step();
    int iHigh = static_cast<int>(query.Int(0));
    query.Reset();
    return iHigh;
}

void Store::RaiseHighWater(int id) {
    Statement raise(m_db, "INSERT INTO server_state(key, value) VALUES ('id_high_water', ?1) "
                          "ON CONFLICT(key) DO UPDATE SET value = max(value, excluded.value)");
    raise.Bind(1, id).Run();
}

int Store::FreeId() {
    int iHigh = HighWater();
    if (iHigh < zorv::kMaxCharacters)
        return iHigh + 1;
    Statement oldest(m_db, "SELECT id FROM freed_ids f WHERE NOT EXISTS "
                           "(SELECT 1 FROM characters c WHERE c.id = f.id) "
                           "ORDER BY freed_seq, id LIMIT 1");
    int id = oldest.Step() ? static_cast<int>(oldest.Int(0)) : 0;
    oldest.Reset();
    return id;
}

void Store::ReleaseIds(const std::vector<int>& ids) {
    if (ids.empty())
        return;
    // The mark covers the released ids even where they were never handed out by FreeId (a
    // generated or restored guild), so that the highest of them is not handed out again next.
    RaiseHighWater(*std::max_element(ids.begin(), ids.end()));
    Statement next(m_db, "SELECT coalesce(max(freed_seq), 0) + 1 FROM freed_ids");
    next.Step();
    std::int64_t lSeq = next.Int(0);
    next.Reset();
    Statement release(m_db, "INSERT OR REPLACE INTO freed_ids(id, freed_seq) VALUES (?1, ?2)");
    for (int id : ids)
        release.Bind(1, id).Bind(2, lSeq).Run();
}

void Store::RebuildFreedIds(Database& db) {
    db.Exec(kFreedIds);
}

int Store::AddCharacter(int id, const std::string& strName, int iPatron, int iSecurity,
                        int iEditor) {
    Statement insert(m_db, "INSERT INTO characters(id, name, name_key, patron_id, join_seq, "
                           "security_level, modified_at, modified_by) "
                           "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
    insert.Bind(1, id)
        .Bind(2, strName)
        .Bind(3, NameKey(strName))
        .Bind(4, iPatron)
        .Bind(5, NextJoinSeq())
        .Bind(6, iSecurity)
        .Bind(7, NowStamp())
        .Bind(8, iEditor == 0 ? id : iEditor)
        .Run();
    RaiseHighWater(id);
    Statement taken(m_db, "DELETE FROM freed_ids WHERE id = ?1");
    taken.Bind(1, id).Run();
    return id;
}
