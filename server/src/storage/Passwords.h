#pragma once
// Password hashing (argon2id through libsodium) and the two defences around it: a short-lived
// record of recently verified credentials, so that every click of a logged-in member does not
// pay the full hash again, and the slowing down of repeated wrong passwords.
#include <chrono>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class Database;

std::string HashPassword(const std::string& strPassword);
bool VerifyPassword(const std::string& strHash, const std::string& strPassword);
// A hash as HashPassword writes it: argon2id's encoded form, which carries its own parameters.
bool IsPasswordHash(const std::string& strHash);

// Remembers for a few minutes that a name, a password and the stored hash they were checked
// against belong together, so that every click of a logged-in member does not pay argon2id
// again. Only a digest of the three keyed with a secret is kept, never the password; a changed
// stored hash (a new password, a new default) no longer matches. The record lives in memory and,
// when a database is given, in the guild file too (table verified_logins), so that the CGI
// program, a new process for every request, and the standalone server share it. The key never
// enters the database: a stolen guild file holds digests that cannot be tried against without it,
// so it is no cheaper to attack than the argon2id hashes beside them. Thread-safe.
class CredentialCache {
public:
    static constexpr std::size_t kKeyBytes = 32;

    // A random key of this process alone: the record is of use only in memory.
    explicit CredentialCache(std::chrono::seconds ttl = std::chrono::seconds(300));
    // strKey: kKeyBytes bytes, the same for every process that shares the guild file.
    CredentialCache(const std::string& strKey, std::chrono::seconds ttl);

    // The key for the guild file at strDbPath: the file that ZORV_KEY_FILE names, or else
    // strDbPath + ".key"; a missing file is created with random bytes, readable by its owner
    // alone. nullopt (and a line on standard error) when it can be neither read nor made.
    static std::optional<std::string> LoadKey(const std::string& strDbPath);

    bool Knows(const std::string& strNameKey, const std::string& strPassword,
               const std::string& strHash, Database* pDb = nullptr);
    void Remember(const std::string& strNameKey, const std::string& strPassword,
                  const std::string& strHash, Database* pDb = nullptr);

private:
    std::string Digest(const std::string& strNameKey, const std::string& strPassword,
                       const std::string& strHash) const;
    std::chrono::seconds m_ttl;
    unsigned char m_key[kKeyBytes];
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

    // The failures that stand for a try let through while it is being checked (see Admit).
    struct Turn {
        std::vector<std::int64_t> rows;
    };

    explicit LoginThrottle(Database& db) : m_db(db) {}
    // Whole seconds until the name may be tried from the address again; 0 when it may now.
    long SecondsToWait(const std::string& strNameKey, const std::string& strAddress);
    // The same, for a try that goes on to be checked when it gets 0. Past the free tries, such a
    // try takes its turn at once: it counts as a failure from now until its outcome is recorded,
    // so that of the tries that arrive together when a wait runs out only one is let through.
    long Admit(const std::string& strNameKey, const std::string& strAddress, Turn& turn);
    void RecordFailure(const std::string& strNameKey, const std::string& strAddress,
                       const Turn& turn = {});
    // A login that succeeded clears the name's failures at that address, and gives back the
    // address's turn.
    void RecordSuccess(const std::string& strNameKey, const std::string& strAddress,
                       const Turn& turn = {});

private:
    struct Assessment {
        long lWait = 0;
        bool bPastFree = false; // a count has used up its free tries
    };
    Assessment Assess(const std::string& strNameKey, const std::string& strAddress);
    // A failure now, for the name at the address and for the address: the two rows' ids.
    std::vector<std::int64_t> InsertFailure(const std::string& strNameKey,
                                            const std::string& strAddress);

    Database& m_db;
};
