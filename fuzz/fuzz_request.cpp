// The server's request path from the form body to the reply (Guild::Handle: the form, its
// unescaping, the credentials and every operation's reading of its fields), on two guild files
// in a temporary folder: the demo guild, and a guild that is not set up yet.
//
// The first byte of an input says who sends the rest, the body. '0': the body as it is, to the
// demo guild; '1' to '3': the same, after the credentials of the administrator, of a member in
// mid-tree and of a mule at the bottom (fields in the body override them, as a field sent twice
// counts with its last value); '4': the body from an address that is being throttled; '5' to '7':
// the body to the guild that is not set up.
//
// Besides the sanitizers, an input fails when the server faults (987) or cannot use its own
// guild file (996 to 999), when a reply payload holds a marker the client cuts payloads by,
// when a refused request leaves the guild changed, or when an accepted one leaves a guild whose
// backup restore would refuse.
#include "Demo.h"
#include "Dump.h"
#include "Guild.h"
#include "Passwords.h"
#include "Protocol.h"

#include <sodium.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <unistd.h>

// argon2id costs a tenth of a second and 64 MiB a hash, which would hold the target to a few
// runs a second wherever a request hashes (a login that misses the record, a new password, the
// set-up). These stand in for libsodium's two calls: a quick digest in argon2id's encoded form,
// so that the stored hashes still look like the real ones to the checks that read them.
namespace {

const char kStandInPrefix[] = "$argon2id$v=19$m=65536,t=2,p=1$c3RhbmQtaW4$";

std::string StandInHash(const char* pPassword, unsigned long long nLength) {
    unsigned char digest[16];
    crypto_generichash(digest, sizeof digest, reinterpret_cast<const unsigned char*>(pPassword),
                       nLength, nullptr, 0);
    char szEncoded[sodium_base64_ENCODED_LEN(sizeof digest,
                                             sodium_base64_VARIANT_ORIGINAL_NO_PADDING)];
    sodium_bin2base64(szEncoded, sizeof szEncoded, digest, sizeof digest,
                      sodium_base64_VARIANT_ORIGINAL_NO_PADDING);
    return kStandInPrefix + std::string(szEncoded);
}

} // namespace

extern "C" int crypto_pwhash_str_alg(char out[crypto_pwhash_STRBYTES], const char* const passwd,
                                     unsigned long long passwdlen, unsigned long long, size_t,
                                     int) {
    std::string strHash = StandInHash(passwd, passwdlen);
    std::memcpy(out, strHash.c_str(), strHash.size() + 1);
    return 0;
}

extern "C" int crypto_pwhash_str_verify(const char str[crypto_pwhash_STRBYTES],
                                        const char* const passwd, unsigned long long passwdlen) {
    return StandInHash(passwd, passwdlen) == str ? 0 : -1;
}

namespace {

const char kAddress[] = "127.0.0.1";
const char kThrottledAddress[] = "127.0.0.2";

[[noreturn]] void Finding(const char* szWhat, const std::string& strBody,
                          const std::string& strDetail) {
    std::fprintf(stderr, "fuzz_request: %s\n  body: %s\n  %s\n", szWhat, strBody.c_str(),
                 strDetail.c_str());
    std::abort();
}

// One guild file, put back to its first state after every request that changed it, so that
// every input meets the same guild and a finding replays on its own. The target keeps a
// connection of its own to see changes (SQLite's data_version moves with every commit of
// another connection) and to copy the first state back with SQLite's backup.
class GuildFile {
public:
    GuildFile(const std::string& strPath, bool bDemo) {
        if (bDemo)
            CreateDemoGuild(strPath);
        else
            CreateEmptyGuild(strPath);
        m_pGuild = std::make_unique<Guild>(strPath, &m_cache);
        m_pDb = std::make_unique<Database>(strPath, Database::Mode::OpenExisting);
    }
    ~GuildFile() { sqlite3_close(m_pSnapshot); }

    Reply Handle(const std::string& strBody, const char* szAddress = kAddress) {
        return m_pGuild->Handle({strBody, std::string("ZORV ") + zorv::kVersion, szAddress});
    }

    // Throttles an address by failing logins from it, each for another name so that no name
    // is throttled first, and dated a year ahead so that the window they count in never passes
    // during a run.
    void Throttle(const char* szAddress) {
        for (int i = 0; i < 25; ++i)
            Handle("charname=Nobody " + std::string(1, char('a' + i)) + "&password=guess&msgid=104",
                   szAddress);
        m_pDb->Exec("UPDATE login_failures SET at = at + 365 * 86400");
    }

    // Takes the guild as it is now as the state every input starts from.
    void Snapshot() {
        if (sqlite3_open(":memory:", &m_pSnapshot) != SQLITE_OK)
            Finding("cannot open a snapshot", "", sqlite3_errmsg(m_pSnapshot));
        Copy(m_pSnapshot, m_pDb->Handle());
        m_strFirstDump = DumpDatabase(*m_pDb);
        m_lVersion = DataVersion();
    }

    // Checks what the request left behind, then puts the first state back.
    void Settle(const std::string& strBody, const Reply& reply) {
        if (DataVersion() == m_lVersion)
            return;
        std::string strDump = DumpDatabase(*m_pDb);
        if (!zorv::IsSuccess(reply.iCode) && strDump != m_strFirstDump)
            Finding("a refused request changed the guild", strBody,
                    "code " + std::to_string(reply.iCode));
        if (zorv::IsSuccess(reply.iCode)) {
            try {
                ReadDump(strDump);
            } catch (const std::exception& e) {
                Finding("an accepted request left a guild whose backup does not restore", strBody,
                        e.what());
            }
        }
        Copy(m_pDb->Handle(), m_pSnapshot);
        m_lVersion = DataVersion();
    }

private:
    static void Copy(sqlite3* pTo, sqlite3* pFrom) {
        sqlite3_backup* pBackup = sqlite3_backup_init(pTo, "main", pFrom, "main");
        if (!pBackup)
            Finding("cannot copy the guild", "", sqlite3_errmsg(pTo));
        int iStep = sqlite3_backup_step(pBackup, -1);
        if (sqlite3_backup_finish(pBackup) != SQLITE_OK || iStep != SQLITE_DONE)
            Finding("cannot copy the guild", "", sqlite3_errmsg(pTo));
    }

    std::int64_t DataVersion() {
        Statement version(*m_pDb, "PRAGMA data_version");
        version.Step();
        return version.Int(0);
    }

    // Verified logins are remembered for a year: a record that expired mid-run would make the
    // same input take another path.
    CredentialCache m_cache{std::chrono::hours(24 * 365)};
    std::unique_ptr<Guild> m_pGuild;
    std::unique_ptr<Database> m_pDb;
    sqlite3* m_pSnapshot = nullptr;
    std::string m_strFirstDump;
    std::int64_t m_lVersion = 0;
};

struct Caller {
    const char* szName;
    const char* szPassword;
};

// The demo guild's founder (id 1, administrator), Corin Thale (id 3, with vassals) and Zara
// Mule-Wright (id 50, a mule without vassals); the last two are on the default password.
const Caller kCallers[] = {
    {"Aldric Stormwind", "lantern1"},
    {"Corin Thale", "welcome1"},
    {"Zara Mule-Wright", "welcome1"},
};

std::string Credentials(const Caller& caller) {
    return std::string("charname=") + caller.szName + "&password=" + caller.szPassword + "&";
}

struct Fixture {
    std::string strFolder;
    std::unique_ptr<GuildFile> pDemo;
    std::unique_ptr<GuildFile> pUnset;

    Fixture() {
        const char* szTmp = std::getenv("TMPDIR");
        std::string strTemplate = std::string(szTmp && *szTmp ? szTmp : "/tmp") + "/zorv-XXXXXX";
        if (!mkdtemp(strTemplate.data()))
            Finding("cannot make a temporary folder", "", strTemplate);
        strFolder = strTemplate;
        pDemo = std::make_unique<GuildFile>(strFolder + "/demo.db", true);
        pUnset = std::make_unique<GuildFile>(strFolder + "/unset.db", false);
        // The logins and the tree cache are in the guild file before the first input, so that
        // an input that only reads them changes nothing.
        for (const Caller& caller : kCallers) {
            pDemo->Handle(Credentials(caller) + "msgid=104");
            pDemo->Handle(Credentials(caller) + "msgid=100");
        }
        pDemo->Throttle(kThrottledAddress);
        pDemo->Snapshot();
        pUnset->Snapshot();
    }
    ~Fixture() {
        pDemo.reset();
        pUnset.reset();
        for (const char* szFile : {"/demo.db", "/unset.db"})
            for (const char* szSuffix : {"", "-wal", "-shm", ".key"})
                unlink((strFolder + szFile + szSuffix).c_str());
        rmdir(strFolder.c_str());
    }
};

Fixture* g_pFixture = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static Fixture fixture;
    g_pFixture = &fixture;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    if (nSize == 0)
        return 0;
    const int iCaller = pData[0] & 7;
    GuildFile& guild = iCaller <= 4 ? *g_pFixture->pDemo : *g_pFixture->pUnset;
    std::string strBody;
    if (iCaller >= 1 && iCaller <= 3)
        strBody = Credentials(kCallers[iCaller - 1]);
    strBody.append(reinterpret_cast<const char*>(pData + 1), nSize - 1);

    Reply reply = guild.Handle(strBody, iCaller == 4 ? kThrottledAddress : kAddress);
    if (reply.iCode == zorv::CodeServerFault ||
        (reply.iCode >= zorv::CodeSettingsStore && reply.iCode <= zorv::CodeTreeStore2))
        Finding("the server could not answer", strBody, "code " + std::to_string(reply.iCode));
    for (const char* szMarker : {zorv::kStartMarker, zorv::kStopMarker})
        if (reply.strPayload.find(szMarker) != std::string::npos)
            Finding("a payload holds a reply marker", strBody, reply.Body());
    guild.Settle(strBody, reply);
    return 0;
}
