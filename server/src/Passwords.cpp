#include "Passwords.h"

#include "Database.h"

#include <algorithm>
#include <cstdlib>
#include <sodium.h>
#include <stdexcept>

namespace {

void EnsureSodium() {
    static const int iResult = sodium_init();
    if (iResult < 0)
        throw std::runtime_error("libsodium cannot be initialised");
}

} // namespace

std::string HashPassword(const std::string& strPassword) {
    EnsureSodium();
    char szHash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str_alg(
            szHash, strPassword.data(), strPassword.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
            crypto_pwhash_MEMLIMIT_INTERACTIVE, crypto_pwhash_ALG_ARGON2ID13) != 0)
        throw std::runtime_error("out of memory while hashing a password");
    return szHash;
}

bool VerifyPassword(const std::string& strHash, const std::string& strPassword) {
    EnsureSodium();
    if (strHash.empty() || strHash.size() >= crypto_pwhash_STRBYTES)
        return false;
    return crypto_pwhash_str_verify(strHash.c_str(), strPassword.data(), strPassword.size()) == 0;
}

bool IsPasswordHash(const std::string& strHash) {
    const std::string strPrefix = crypto_pwhash_argon2id_STRPREFIX;
    return strHash.size() > strPrefix.size() && strHash.size() < crypto_pwhash_STRBYTES &&
           strHash.compare(0, strPrefix.size(), strPrefix) == 0 &&
           std::all_of(strHash.begin(), strHash.end(), [](char c) { return c > ' ' && c < 127; });
}

CredentialCache::CredentialCache(std::chrono::seconds ttl) : m_ttl(ttl) {
    EnsureSodium();
    randombytes_buf(m_key, sizeof m_key);
}

std::string CredentialCache::Digest(const std::string& strNameKey, const std::string& strPassword,
                                    const std::string& strHash) const {
    std::string strInput = strNameKey + '\0' + strPassword + '\0' + strHash;
    unsigned char digest[32];
    crypto_generichash(digest, sizeof digest,
                       reinterpret_cast<const unsigned char*>(strInput.data()), strInput.size(),
                       m_key, sizeof m_key);
    sodium_memzero(strInput.data(), strInput.size());
    return std::string(reinterpret_cast<const char*>(digest), sizeof digest);
}

bool CredentialCache::Knows(const std::string& strNameKey, const std::string& strPassword,
                            const std::string& strHash) {
    std::string strDigest = Digest(strNameKey, strPassword, strHash);
    std::lock_guard<std::mutex> lock(m_mutex);
    auto entry = m_entries.find(strDigest);
    if (entry == m_entries.end())
        return false;
    if (std::chrono::steady_clock::now() > entry->second) {
        m_entries.erase(entry);
        return false;
    }
    return true;
}

void CredentialCache::Remember(const std::string& strNameKey, const std::string& strPassword,
                               const std::string& strHash) {
    std::string strDigest = Digest(strNameKey, strPassword, strHash);
    auto now = std::chrono::steady_clock::now();
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_entries.size() > 100000) { // bounded: drop whatever has expired
        for (auto it = m_entries.begin(); it != m_entries.end();)
            it = now > it->second ? m_entries.erase(it) : std::next(it);
    }
    m_entries[strDigest] = now + m_ttl;
}

long LoginThrottle::RecentFailures(const std::string& strNameKey, const std::string& strAddress) {
    Statement count(m_db, "SELECT count(*) FROM login_failures WHERE subject = ?1 AND "
                          "at > (julianday('now') - 2440587.5) * 86400.0 - 60");
    long lWorst = 0;
    for (const std::string& strSubject : {"name:" + strNameKey, "addr:" + strAddress}) {
        count.Bind(1, strSubject);
        if (count.Step())
            lWorst = std::max<long>(lWorst, count.Int(0));
        count.Reset();
    }
    return lWorst;
}

std::chrono::milliseconds LoginThrottle::DelayFor(long lFailures) {
    Statement free(m_db, "SELECT value FROM settings WHERE key = 'throttle_free'");
    long lFree = 5;
    if (free.Step())
        lFree = std::atol(free.Text(0).c_str());
    free.Reset();
    long lWorst = lFailures;
    if (lWorst < lFree)
        return std::chrono::milliseconds(0);
    long lOver = std::min<long>(lWorst - lFree, 5);
    return std::chrono::milliseconds(250L << lOver);
}

void LoginThrottle::RecordFailure(const std::string& strNameKey, const std::string& strAddress) {
    Transaction tx(m_db, Transaction::Kind::Write);
    m_db.Exec(
        "DELETE FROM login_failures WHERE at < (julianday('now') - 2440587.5) * 86400.0 - 60");
    Statement insert(m_db, "INSERT INTO login_failures(subject, at) VALUES (?1, (julianday('now') "
                           "- 2440587.5) * 86400.0)");
    insert.Bind(1, "name:" + strNameKey).Run();
    insert.Bind(1, "addr:" + strAddress).Run();
    tx.Commit();
}

void LoginThrottle::RecordSuccess(const std::string& strNameKey) {
    Statement remove(m_db, "DELETE FROM login_failures WHERE subject = ?1");
    remove.Bind(1, "name:" + strNameKey).Run();
}
