#pragma once
// The server's request handling: one form in, one result code and payload out. It checks the
// request's shape, opens the guild's database, authenticates the caller and runs the operation
// in one transaction. Shared by the standalone server and the CGI program.
#include "Call.h"
#include "Database.h"
#include "Reply.h"
#include "TreeCache.h"

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <utility>
#include <vector>

class CredentialCache;

// A change-feed request that asks to wait for a change: one the standalone front may hold.
bool IsWatch(std::string_view strBody);

class Guild {
public:
    // pCache, when not null, is the record of verified logins (kept in the guild file too).
    Guild(std::string strDbPath, CredentialCache* pCache, GuildOptions options = {});
    Reply Handle(const Request& request);
    // The change feed's generation now (FeedGeneration), for the front's held requests; throws when
    // the guild file cannot be read.
    std::int64_t FeedGenerationNow();

private:
    static constexpr std::size_t kPooledConnections = 16;

    // An open connection to the guild file: one kept from an earlier request when the file at
    // the path is still the one it opened and its schema still this server's, else a new one.
    // Opening costs more than most requests.
    std::unique_ptr<Database> TakeConnection();
    void GiveBack(std::unique_ptr<Database> db);

    std::string m_strDbPath;
    CredentialCache* m_pCache;
    GuildOptions m_options;
    TreeCache m_treeCache;
    std::mutex m_poolMutex;
    std::vector<std::unique_ptr<Database>> m_pool;
    std::optional<std::pair<dev_t, ino_t>> m_poolIdentity;
    // The highest feed generation this process has noted as handed out (ServedGeneration).
    std::atomic<std::int64_t> m_lServed{-1};
};
