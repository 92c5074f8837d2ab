#pragma once
// A thin RAII layer over SQLite's C API. Database owns one connection; Statement owns one
// prepared statement of it and must not outlive it. Parameters bind 1-based, as in SQLite;
// columns read 0-based. Every failure throws DbError carrying SQLite's message.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

class DbError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Database {
public:
    // How long a statement waits for another connection's lock before it fails.
    static constexpr int kBusyTimeoutMs = 15000;
    enum class Mode { OpenExisting, Create };
    Database(const std::string& strPath, Mode mode);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;
    Database(Database&& other) noexcept : m_pDb(other.m_pDb) { other.m_pDb = nullptr; }
    Database& operator=(Database&&) = delete;

    void Exec(const std::string& strSql);
    sqlite3* Handle() const { return m_pDb; }
    std::int64_t LastInsertId() const;
    // Moves whenever another connection commits a change to the file.
    long long DataVersion();
    int Changes() const;

private:
    sqlite3* m_pDb = nullptr;
};

class Statement {
public:
    Statement(Database& db, const char* szSql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& Bind(int iIndex, std::int64_t lValue);
    Statement& Bind(int iIndex, int iValue) { return Bind(iIndex, std::int64_t(iValue)); }
    Statement& Bind(int iIndex, const std::string& strValue);
    Statement& BindNull(int iIndex);

    // Advances to the next row; false when there is none. Resets itself after the last row.
    bool Step();
    // Runs a statement that returns no rows, then resets it for reuse.
    void Run();
    void Reset();

    std::int64_t Int(int iColumn) const;
    double Double(int iColumn) const;
    std::string Text(int iColumn) const;
    bool IsNull(int iColumn) const;

private:
    Database& m_db;
    sqlite3_stmt* m_pStmt = nullptr;
};

// Commits when Commit() is called; rolls back if it goes out of scope without.
class Transaction {
public:
    enum class Kind { Read, Write };
    Transaction(Database& db, Kind kind);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    // The open transaction changes hands (a reply that reads on after its operation returned).
    Transaction(Transaction&& other) noexcept : m_db(other.m_db), m_bOpen(other.m_bOpen) {
        other.m_bOpen = false;
    }
    void Commit();

private:
    Database& m_db;
    bool m_bOpen = true;
};
