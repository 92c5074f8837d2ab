#include "Passwords.h"

#include "Database.h"
#include "Latin1.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sodium.h>
#include <stdexcept>
#include <thread>
#include <unistd.h>

namespace {

void EnsureSodium() {
    static const int iResult = sodium_init();
    if (iResult < 0)
        throw std::runtime_error("libsodium cannot be initialised");
}

// A password as it is hashed: the bytes the wire carries it in (Latin-1), so that a stored
// hash stays valid whatever the server holds text in. Wiped when it goes.
class HashedBytes {
public:
    explicit HashedBytes(const std::string& strPassword) : m_strBytes(Utf8ToLatin1(strPassword)) {}
    ~HashedBytes() { sodium_memzero(m_strBytes.data(), m_strBytes.size()); }
    HashedBytes(const HashedBytes&) = delete;
    HashedBytes& operator=(const HashedBytes&) = delete;
    const char* Data() const { return m_strBytes.data(); }
    std::size_t Size() const { return m_strBytes.size(); }

private:
    std::string m_strBytes;
};

// argon2id takes a core and 64 MiB for a tenth of a second. A process hashes at most one fewer
// than the machine's cores at once (one at least), in the order the hashes were asked for: a
// flood of guesses at one guild then leaves a core to every other request, and the memory that
// hashes take stays bounded however many workers wait for one.
class HashTurn {
public:
    HashTurn() {
        std::unique_lock<std::mutex> lock(s_mutex);
        const std::uint64_t lTicket = s_lNextTicket++;
        s_wake.wait(lock, [&] { return lTicket < s_lFinished + AtOnce(); });
    }
    ~HashTurn() {
        {
            std::lock_guard<std::mutex> lock(s_mutex);
            ++s_lFinished;
        }
        s_wake.notify_all();
    }
    HashTurn(const HashTurn&) = delete;
    HashTurn& operator=(const HashTurn&) = delete;

private:
    static std::uint64_t AtOnce() {
        static const std::uint64_t nAtOnce = std::max(1u, std::thread::hardware_concurrency()) - 1;
        return std::max<std::uint64_t>(1, nAtOnce);
    }
    static inline std::mutex s_mutex;
    static inline std::condition_variable s_wake;
    static inline std::uint64_t s_lNextTicket = 0;
    static inline std::uint64_t s_lFinished = 0;
};

} // namespace

std::string HashPassword(const std::string& strPassword) {
    EnsureSodium();
    const HashedBytes bytes(strPassword);
    const HashTurn turn;
    char szHash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str_alg(
            szHash, bytes.Data(), bytes.Size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
            crypto_pwhash_MEMLIMIT_INTERACTIVE, crypto_pwhash_ALG_ARGON2ID13) != 0)
        throw std::runtime_error("out of memory while hashing a password");
    return szHash;
}

bool VerifyPassword(const std::string& strHash, const std::string& strPassword) {
    EnsureSodium();
    if (strHash.empty() || strHash.size() >= crypto_pwhash_STRBYTES)
        return false;
    const HashedBytes bytes(strPassword);
    const HashTurn turn;
    return crypto_pwhash_str_verify(strHash.c_str(), bytes.Data(), bytes.Size()) == 0;
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

CredentialCache::CredentialCache(const std::string& strKey, std::chrono::seconds ttl) : m_ttl(ttl) {
    EnsureSodium();
    if (strKey.size() != kKeyBytes)
        throw std::invalid_argument("a credential key has 32 bytes");
    std::memcpy(m_key, strKey.data(), kKeyBytes);
}

std::optional<std::string> CredentialCache::LoadKey(const std::string& strDbPath) {
    EnsureSodium();
    const char* szFile = std::getenv("ZORV_KEY_FILE");
    std::string strFile = szFile && *szFile ? szFile : strDbPath + ".key";
    // Made at most once: of several processes that find it missing, one creates it and the
    // others read what it wrote.
    for (int iAttempt = 0; iAttempt < 50; ++iAttempt) {
        int fd = open(strFile.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0) {
            unsigned char key[kKeyBytes];
            ssize_t n = read(fd, key, sizeof key);
            close(fd);
            if (n == static_cast<ssize_t>(sizeof key))
                return std::string(reinterpret_cast<char*>(key), sizeof key);
            usleep(2000); // being written
            continue;
        }
        fd = open(strFile.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            break;
        unsigned char key[kKeyBytes];
        randombytes_buf(key, sizeof key);
        bool bWritten = write(fd, key, sizeof key) == static_cast<ssize_t>(sizeof key);
        close(fd);
        if (bWritten)
            return std::string(reinterpret_cast<char*>(key), sizeof key);
        break;
    }
    std::fprintf(stderr, "zorv-server: cannot read or make the credential key %s: %s\n",
                 strFile.c_str(), std::strerror(errno));
    return std::nullopt;
}

std::string CredentialCache::Digest(const std::string& strNameKey, const std::string& strPassword,
                                    const std::string& strHash) const {
    std::string strInput = strNameKey + '\0' + strPassword + '\0' + strHash;
    unsigned char digest[32];
    crypto_generichash(digest, sizeof digest,
                       reinterpret_cast<const unsigned char*>(strInput.data()), strInput.size(),
                       m_key, sizeof m_key);
    sodium_memzero(strInput.data(), strInput.size());
    char szHex[sizeof digest * 2 + 1];
    sodium_bin2hex(szHex, sizeof szHex, digest, sizeof digest);
    return szHex;
}

namespace {

// Seconds since 1970 in SQL, the time base of the tables below.
const char kNow[] = "((julianday('now') - 2440587.5) * 86400.0)";

} // namespace

bool CredentialCache::Knows(const std::string& strNameKey, const std::string& strPassword,
                            const std::string& strHash, Database* pDb) {
    std::string strDigest = Digest(strNameKey, strPassword, strHash);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto entry = m_entries.find(strDigest);
        if (entry != m_entries.end()) {
            if (std::chrono::steady_clock::now() <= entry->second)
                return true;
            m_entries.erase(entry);
        }
    }
    if (!pDb)
        return false;
    Statement known(
        *pDb, (std::string("SELECT expires - ") + kNow + " FROM verified_logins WHERE digest = ?1")
                  .c_str());
    known.Bind(1, strDigest);
    double dLeft = known.Step() ? known.Double(0) : 0;
    known.Reset();
    if (dLeft <= 0)
        return false;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_entries[strDigest] = std::chrono::steady_clock::now() +
                           std::chrono::milliseconds(static_cast<long>(dLeft * 1000));
    return true;
}

void CredentialCache::Remember(const std::string& strNameKey, const std::string& strPassword,
                               const std::string& strHash, Database* pDb) {
    std::string strDigest = Digest(strNameKey, strPassword, strHash);
    auto now = std::chrono::steady_clock::now();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_entries.size() > 100000) { // bounded: drop whatever has expired
            for (auto it = m_entries.begin(); it != m_entries.end();)
                it = now > it->second ? m_entries.erase(it) : std::next(it);
        }
        m_entries[strDigest] = now + m_ttl;
    }
    if (!pDb)
        return;
    Transaction tx(*pDb, Transaction::Kind::Write);
    pDb->Exec(std::string("DELETE FROM verified_logins WHERE expires < ") + kNow);
    Statement insert(*pDb, (std::string("INSERT OR REPLACE INTO verified_logins(digest, expires) "
                                        "VALUES (?1, ") +
                            kNow + " + ?2)")
                               .c_str());
    insert.Bind(1, strDigest).Bind(2, std::int64_t(m_ttl.count())).Run();
    tx.Commit();
}

namespace {

std::string PairSubject(const std::string& strNameKey, const std::string& strAddress) {
    return "pair:" + strNameKey + "\n" + strAddress;
}

std::string AddressSubject(const std::string& strAddress) {
    return "addr:" + strAddress;
}

} // namespace

LoginThrottle::Assessment LoginThrottle::Assess(const std::string& strNameKey,
                                                const std::string& strAddress) {
    long lFree = 5;
    {
        Statement free(m_db, "SELECT value FROM settings WHERE key = 'throttle_free'");
        if (free.Step())
            lFree = std::max(0L, std::atol(free.Text(0).c_str()));
        free.Reset();
    }
    // The failures of a subject within the window, and how long ago the latest was.
    Statement failures(m_db, (std::string("SELECT count(*), ") + kNow +
                              " - max(at) FROM login_failures WHERE subject = ?1 AND at > " + kNow +
                              " - ?2")
                                 .c_str());
    double dWait = 0;
    bool bPastFree = false;
    const std::pair<std::string, long> subjects[] = {
        {PairSubject(strNameKey, strAddress), lFree},
        {AddressSubject(strAddress), lFree * 4},
    };
    for (const auto& [strSubject, lSubjectFree] : subjects) {
        failures.Bind(1, strSubject).Bind(2, std::int64_t(kWindowSeconds));
        if (failures.Step()) {
            long lCount = static_cast<long>(failures.Int(0));
            if (lCount >= lSubjectFree && lCount > 0) {
                bPastFree = true;
                long lOver = std::min(lCount - lSubjectFree, 6L);
                double dFull = std::min(kMaxWaitSeconds, 1L << lOver);
                double dSince = failures.IsNull(1) ? 0 : failures.Double(1);
                dWait = std::max(dWait, dFull - dSince);
            }
        }
        failures.Reset();
    }
    return {dWait > 0 ? static_cast<long>(std::ceil(dWait)) : 0, bPastFree};
}

long LoginThrottle::SecondsToWait(const std::string& strNameKey, const std::string& strAddress) {
    return Assess(strNameKey, strAddress).lWait;
}

long LoginThrottle::Admit(const std::string& strNameKey, const std::string& strAddress,
                          Turn& turn) {
    // Read first: within the free tries, as every member's every click is, nothing is written.
    Assessment first = Assess(strNameKey, strAddress);
    if (first.lWait || !first.bPastFree)
        return first.lWait;
    Transaction tx(m_db, Transaction::Kind::Write);
    // Again under the write lock: a try beside this one may have taken the turn meanwhile.
    if (long lWait = Assess(strNameKey, strAddress).lWait)
        return lWait;
    turn.rows = InsertFailure(strNameKey, strAddress);
    tx.Commit();
    return 0;
}

std::vector<std::int64_t> LoginThrottle::InsertFailure(const std::string& strNameKey,
                                                       const std::string& strAddress) {
    Statement insert(
        m_db,
        (std::string("INSERT INTO login_failures(subject, at) VALUES (?1, ") + kNow + ")").c_str());
    std::vector<std::int64_t> rows;
    for (const std::string& strSubject :
         {PairSubject(strNameKey, strAddress), AddressSubject(strAddress)}) {
        insert.Bind(1, strSubject).Run();
        rows.push_back(m_db.LastInsertId());
    }
    return rows;
}

void LoginThrottle::RecordFailure(const std::string& strNameKey, const std::string& strAddress,
                                  const Turn& turn) {
    Transaction tx(m_db, Transaction::Kind::Write);
    Statement expire(
        m_db, (std::string("DELETE FROM login_failures WHERE at < ") + kNow + " - ?1").c_str());
    expire.Bind(1, std::int64_t(kWindowSeconds)).Run();
    if (turn.rows.empty()) {
        InsertFailure(strNameKey, strAddress);
    } else {
        // The turn's failures become this one, counted from when it was found wrong.
        Statement settle(
            m_db,
            (std::string("UPDATE login_failures SET at = ") + kNow + " WHERE rowid = ?1").c_str());
        for (std::int64_t lRow : turn.rows)
            settle.Bind(1, lRow).Run();
    }
    tx.Commit();
}

void LoginThrottle::RecordSuccess(const std::string& strNameKey, const std::string& strAddress,
                                  const Turn& turn) {
    if (!turn.rows.empty()) {
        Statement give(m_db, "DELETE FROM login_failures WHERE rowid = ?1");
        for (std::int64_t lRow : turn.rows)
            give.Bind(1, lRow).Run();
    }
    // Looked up first: a DELETE would take the write lock on every login, even with nothing
    // to delete.
    std::string strSubject = PairSubject(strNameKey, strAddress);
    Statement any(m_db, "SELECT 1 FROM login_failures WHERE subject = ?1 LIMIT 1");
    bool bAny = any.Bind(1, strSubject).Step();
    any.Reset();
    if (!bAny)
        return;
    Statement remove(m_db, "DELETE FROM login_failures WHERE subject = ?1");
    remove.Bind(1, strSubject).Run();
}
