#pragma once
// The server's request handling: one form in, one result code and payload out. It checks the
// request's shape, opens the guild's database, authenticates the caller and runs the operation
// in one transaction. Shared by the standalone server and the CGI program.
#include "Database.h"
#include "TreeCache.h"

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

class CredentialCache;

// The rest of a payload too large to build whole (the backup's dump of a guild with a long
// history), read piece by piece while the reply is written. It holds what it reads from (a
// connection and its read transaction) until it is destroyed, so it should not outlive the reply.
class PayloadStream {
public:
    virtual ~PayloadStream() = default;
    // Appends the next piece to strOut; false when the payload was complete and nothing was
    // added. Throws when the guild file cannot be read, and the reply is then cut short.
    virtual bool Next(std::string& strOut) = 0;
};

struct Reply {
    int iCode = 0;
    std::string strPayload; // Latin-1, fields already escaped
    // When set, the payload goes on with what it yields, after strPayload.
    std::unique_ptr<PayloadStream> pStream = nullptr;

    // "<START_HERE>" code ";" and strPayload: what a reply writes first.
    std::string Head() const;
    // Head, the stream drained and released, and "<STOP_HERE>": the whole body at once.
    std::string Body();
};

struct Request {
    std::string strBody;
    std::string strUserAgent;
    std::string strRemoteAddress;
};

inline constexpr std::size_t kMaxBodyBytes = 64 * 1024;

class Guild {
public:
    // pCache, when not null, is the record of verified logins (kept in the guild file too).
    Guild(std::string strDbPath, CredentialCache* pCache);
    Reply Handle(const Request& request);
    // How many days of change history to keep: -1 (the default) keeps all, 0 records none.
    void KeepHistoryDays(int nDays) { m_nHistoryDays = nDays; }

private:
    static constexpr std::size_t kPooledConnections = 16;

    // An open connection to the guild file: one kept from an earlier request when the file at
    // the path is still the one it opened and its schema still this server's, else a new one.
    // Opening costs more than most requests.
    std::unique_ptr<Database> TakeConnection();
    void GiveBack(std::unique_ptr<Database> db);

    std::string m_strDbPath;
    CredentialCache* m_pCache;
    int m_nHistoryDays = -1;
    TreeCache m_treeCache;
    std::mutex m_poolMutex;
    std::vector<std::unique_ptr<Database>> m_pool;
    std::optional<std::pair<dev_t, ino_t>> m_poolIdentity;
};
