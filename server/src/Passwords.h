#pragma once
// Password hashing (argon2id through libsodium) and the two defences around it: a short-lived
// record of recently verified credentials, so that every click of a logged-in member does not
// pay the full hash again, and the slowing down of repeated wrong passwords.
#include <chrono>
#include <map>
#include <mutex>
#include <string>

class Database;

std::string HashPassword(const std::string& strPassword);
bool VerifyPassword(const std::string& strHash, const std::string& strPassword);
// A hash as HashPassword writes it: argon2id's encoded form, which carries its own parameters.
bool IsPasswordHash(const std::string& strHash);

// Remembers for a few minutes that a name, a password and the stored hash they were checked
// against belong together. Only a keyed digest of the three is kept, never the password; a
// changed stored hash (a new password, a new default) no longer matches. Thread-safe.
class CredentialCache {
public:
    explicit CredentialCache(std::chrono::seconds ttl = std::chrono::seconds(300));
    bool Knows(const std::string& strNameKey, const std::string& strPassword,
               const std::string& strHash);
    void Remember(const std::string& strNameKey, const std::string& strPassword,
                  const std::string& strHash);

private:
    std::string Digest(const std::string& strNameKey, const std::string& strPassword,
                       const std::string& strHash) const;
    std::chrono::seconds m_ttl;
    unsigned char m_key[32];
    std::mutex m_mutex;
    std::map<std::string, std::chrono::steady_clock::time_point> m_entries;
};

// Failed logins are kept in the database so that they count in CGI mode too, where every
// request is a new process. After `throttle_free` failures within a minute for one name or
// one address, each further try waits longer, up to eight seconds; the record ages out, so a
// member is never locked out for good.
class LoginThrottle {
public:
    explicit LoginThrottle(Database& db) : m_db(db) {}
    // The larger of the name's and the address's failures within the last minute.
    long RecentFailures(const std::string& strNameKey, const std::string& strAddress);
    std::chrono::milliseconds DelayFor(long lFailures);
    void RecordFailure(const std::string& strNameKey, const std::string& strAddress);
    void RecordSuccess(const std::string& strNameKey);

private:
    Database& m_db;
};
