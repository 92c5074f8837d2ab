#pragma once
// A host of several guilds: every guild file DIR/<guild>.db (GuildFiles.h) answers the protocol at
// /<guild>/zorv and its web roster at /<guild>/ and below. A guild is opened at its first request
// and closed, with its connections and caches, once it has been idle for a while and no request
// of its runs, by a thread of the host's own; a guild added to the folder is served at once, and
// one removed or renamed answers 404 from its next request on. Thread-safe.
#include "GuildOptions.h"
#include "Sites.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

class GuildHost {
public:
    // The protocol's path within a guild's.
    static constexpr char kScript[] = "zorv";

    struct Options {
        GuildOptions guild; // every guild's, but for onNotices
        bool bWeb = true;   // the web rosters
        std::chrono::milliseconds idle = std::chrono::minutes(5);
        // The most guilds open at once (each holds a few files open); past it the guild unused
        // longest is closed first. 0: no limit.
        std::size_t nMostOpen = 0;
        // Told, with its file, that a guild has committed messages to its outbox.
        std::function<void(const std::string& strFile)> onNotices;
    };
    GuildHost(std::string strDir, Options options);
    ~GuildHost();
    GuildHost(const GuildHost&) = delete;
    GuildHost& operator=(const GuildHost&) = delete;

    // Routes /<guild>/zorv and /<guild>/... to the guild, opening it when it is closed.
    Router AsRouter();

    // The guild of that name, open; null when the folder holds none.
    std::shared_ptr<const Site> Open(const std::string& strName);

    // The guilds open now.
    std::size_t OpenCount();
    // Closes the guilds idle for longer than the options say; a thread of the host does it too.
    void CloseIdle();

    // Every guild's file, once each, for the notifications' courier.
    std::vector<std::string> Files() const;

private:
    struct Hosted;
    void Run();

    const std::string m_strDir;
    const Options m_options;
    std::mutex m_mutex;
    std::unordered_map<std::string, std::shared_ptr<Hosted>> m_open;
    // Guilds let go of (removed, replaced, or the oldest past the limit), closed by the host's
    // thread once no request holds them, never by the thread that answers a request.
    std::vector<std::shared_ptr<Hosted>> m_retired;
    std::condition_variable m_stop;
    bool m_bStopping = false;
    std::thread m_closer;
};
