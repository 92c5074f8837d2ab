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
// request is a new process. They count twice: for the name tried from that address, and for the
// address whatever the name. Once a count passes its free tries (`throttle_free`, 5 by default,
// for a name at an address; four times that for an address) the next try must wait 1 s after the
// latest failure, doubling with each further failure up to a minute; failures older than
// kThrottleWindow no longer count, so nobody is locked out for good. The name alone is no key: a
// guesser at one address must not keep the member out at another.
class LoginThrottle {
public:
    static constexpr long kMaxWaitSeconds = 60;
    static constexpr long kWindowSeconds = 15 * 60;

    explicit LoginThrottle(Database& db) : m_db(db) {}
    // Whole seconds until the name may be tried from the address again; 0 when it may now.
    long SecondsToWait(const std::string& strNameKey, const std::string& strAddress);
    void RecordFailure(const std::string& strNameKey, const std::string& strAddress);
    // A login that succeeded clears the name's failures at that address.
    void RecordSuccess(const std::string& strNameKey, const std::string& strAddress);

private:
    Database& m_db;
};
