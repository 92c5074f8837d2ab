#include "Database.h"

#include <sqlite3.h>

Database::Database(const std::string& strPath, Mode mode) {
    int iFlags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
    if (mode == Mode::Create)
        iFlags |= SQLITE_OPEN_CREATE;
    if (sqlite3_open_v2(strPath.c_str(), &m_pDb, iFlags, nullptr) != SQLITE_OK) {
        std::string strError = m_pDb ? sqlite3_errmsg(m_pDb) : "out of memory";
        sqlite3_close(m_pDb);
        m_pDb = nullptr;
        throw DbError("cannot open " + strPath + ": " + strError);
    }
    sqlite3_busy_timeout(m_pDb, kBusyTimeoutMs);
    sqlite3_extended_result_codes(m_pDb, 1);
}

Database::~Database() {
    sqlite3_close_v2(m_pDb);
}

void Database::Exec(const std::string& strSql) {
    char* szError = nullptr;
    if (sqlite3_exec(m_pDb, strSql.c_str(), nullptr, nullptr, &szError) != SQLITE_OK) {
        std::string strError = szError ? szError : sqlite3_errmsg(m_pDb);
        sqlite3_free(szError);
        throw DbError(strError);
    }
}

std::int64_t Database::LastInsertId() const {
    return sqlite3_last_insert_rowid(m_pDb);
}
int Database::Changes() const {
    return sqlite3_changes(m_pDb);
}

Statement::Statement(Database& db, const char* szSql) : m_db(db) {
    if (sqlite3_prepare_v2(db.Handle(), szSql, -1, &m_pStmt, nullptr) != SQLITE_OK)
        throw DbError(std::string(sqlite3_errmsg(db.Handle())) + " in: " + szSql);
}

Statement::~Statement() {
    sqlite3_finalize(m_pStmt);
}

Statement& Statement::Bind(int iIndex, std::int64_t lValue) {
    if (sqlite3_bind_int64(m_pStmt, iIndex, lValue) != SQLITE_OK)
        throw DbError(sqlite3_errmsg(m_db.Handle()));
    return *this;
}

Statement& Statement::Bind(int iIndex, const std::string& strValue) {
    if (sqlite3_bind_text(m_pStmt, iIndex, strValue.data(), static_cast<int>(strValue.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK)
        throw DbError(sqlite3_errmsg(m_db.Handle()));
    return *this;
}

Statement& Statement::BindNull(int iIndex) {
    if (sqlite3_bind_null(m_pStmt, iIndex) != SQLITE_OK)
        throw DbError(sqlite3_errmsg(m_db.Handle()));
    return *this;
}

bool Statement::Step() {
    int iResult = sqlite3_step(m_pStmt);
    if (iResult == SQLITE_ROW)
        return true;
    sqlite3_reset(m_pStmt);
    if (iResult != SQLITE_DONE)
        throw DbError(sqlite3_errmsg(m_db.Handle()));
    return false;
}

void Statement::Run() {
    while (Step()) {
    }
    sqlite3_clear_bindings(m_pStmt);
}

void Statement::Reset() {
    sqlite3_reset(m_pStmt);
    sqlite3_clear_bindings(m_pStmt);
}

std::int64_t Statement::Int(int iColumn) const {
    return sqlite3_column_int64(m_pStmt, iColumn);
}

double Statement::Double(int iColumn) const {
    return sqlite3_column_double(m_pStmt, iColumn);
}

std::string Statement::Text(int iColumn) const {
    const unsigned char* szText = sqlite3_column_text(m_pStmt, iColumn);
    int nBytes = sqlite3_column_bytes(m_pStmt, iColumn);
    return szText ? std::string(reinterpret_cast<const char*>(szText), nBytes) : std::string();
}

bool Statement::IsNull(int iColumn) const {
    return sqlite3_column_type(m_pStmt, iColumn) == SQLITE_NULL;
}

Transaction::Transaction(Database& db, Kind kind) : m_db(db) {
    // A writer takes the write lock at once, so its checks and its changes see one state.
    m_db.Exec(kind == Kind::Write ? "BEGIN IMMEDIATE" : "BEGIN");
}

Transaction::~Transaction() {
    if (m_bOpen) {
        try {
            m_db.Exec("ROLLBACK");
        } catch (const DbError&) {
        }
    }
}

void Transaction::Commit() {
    m_db.Exec("COMMIT");
    m_bOpen = false;
}

long long Database::DataVersion() {
    Statement version(*this, "PRAGMA data_version");
    long long lVersion = version.Step() ? version.Int(0) : -1;
    version.Reset();
    return lVersion;
}
