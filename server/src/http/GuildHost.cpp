#include "GuildHost.h"

#include "Guild.h"
#include "GuildFiles.h"
#include "Passwords.h"
#include "WebRoster.h"

#include <algorithm>
#include <atomic>
#include <malloc.h>

struct GuildHost::Hosted {
    Hosted(const std::string& strName, const guilds::Found& found, const Options& options)
        : strFile(found.strFile), identity(found.identity) {
        std::optional<std::string> strKey = CredentialCache::LoadKey(strFile);
        pCache = strKey ? std::make_unique<CredentialCache>(*strKey, std::chrono::seconds(300))
                        : std::make_unique<CredentialCache>();
        GuildOptions guildOptions = options.guild;
        if (options.onNotices)
            guildOptions.onNotices = [onNotices = options.onNotices, strFile = strFile] {
                onNotices(strFile);
            };
        pGuild = std::make_unique<Guild>(strFile, pCache.get(), guildOptions);
        site.strGuild = strName;
        // Whoever calls these holds the site, and with it this guild.
        site.handle = [this](const Request& request) { return pGuild->Handle(request); };
        site.generationNow = [this] { return pGuild->FeedGenerationNow(); };
        if (options.bWeb) {
            pWeb = std::make_unique<WebRoster>(strFile, "/" + strName);
            site.web = [this](const WebRequest& request) { return pWeb->Handle(request); };
        }
        Touch();
    }
    void Touch() { lastUsed = std::chrono::steady_clock::now().time_since_epoch().count(); }

    std::string strFile;
    std::pair<dev_t, ino_t> identity;
    std::unique_ptr<CredentialCache> pCache;
    std::unique_ptr<Guild> pGuild;
    std::unique_ptr<WebRoster> pWeb;
    Site site;
    std::atomic<std::chrono::steady_clock::rep> lastUsed{0};
};

GuildHost::GuildHost(std::string strDir, Options options)
    : m_strDir(std::move(strDir)), m_options(std::move(options)), m_closer([this] { Run(); }) {}

GuildHost::~GuildHost() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bStopping = true;
    }
    m_stop.notify_one();
    m_closer.join();
}

Router GuildHost::AsRouter() {
    return [this](const std::string& strPath, bool bRead) -> Route {
        // "/<guild>", "/<guild>/..."; the name is checked before the folder is looked at.
        if (strPath.size() < 2 || strPath[0] != '/')
            return {};
        const std::size_t iSlash = strPath.find('/', 1);
        const std::string strName =
            strPath.substr(1, iSlash == std::string::npos ? std::string::npos : iSlash - 1);
        if (!guilds::IsName(strName))
            return {};
        const std::string strRest = iSlash == std::string::npos ? "" : strPath.substr(iSlash + 1);
        if (!bRead && strRest != kScript)
            return {};
        std::shared_ptr<const Site> pSite = Open(strName);
        if (!pSite || !bRead)
            return {pSite, std::nullopt};
        if (!pSite->web) // the protocol's path is refused reading (405), the rest is not there
            return {strRest == kScript ? pSite : nullptr, std::nullopt};
        // A browser that follows the client's address, /<guild>/zorv, gets the roster's first page.
        return {pSite, strRest == kScript ? std::string() : strRest};
    };
}

std::shared_ptr<const Site> GuildHost::Open(const std::string& strName) {
    // Looked up at every request: a guild removed or renamed is gone at once.
    const std::optional<guilds::Found> found = guilds::Find(m_strDir, strName);
    std::shared_ptr<Hosted> pHosted;
    std::lock_guard<std::mutex> lock(m_mutex);
    auto open = m_open.find(strName);
    if (!found) {
        if (open != m_open.end()) {
            m_retired.push_back(std::move(open->second));
            m_open.erase(open);
        }
        return nullptr;
    }
    if (open != m_open.end() && open->second->identity == found->identity) {
        pHosted = open->second;
    } else {
        // A guild whose file was replaced is opened afresh. Opening reads no more than the key
        // beside the file: the guild file itself is opened by the request.
        if (open != m_open.end())
            m_retired.push_back(std::move(open->second));
        pHosted = std::make_shared<Hosted>(strName, *found, m_options);
        m_open[strName] = pHosted;
        if (m_options.nMostOpen > 0 && m_open.size() > m_options.nMostOpen) {
            auto oldest = m_open.end();
            for (auto it = m_open.begin(); it != m_open.end(); ++it)
                if (it->second != pHosted && it->second.use_count() == 1 &&
                    (oldest == m_open.end() || it->second->lastUsed < oldest->second->lastUsed))
                    oldest = it;
            if (oldest != m_open.end()) {
                m_retired.push_back(std::move(oldest->second));
                m_open.erase(oldest);
            }
        }
    }
    pHosted->Touch();
    return std::shared_ptr<const Site>(pHosted, &pHosted->site);
}

std::size_t GuildHost::OpenCount() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_open.size();
}

void GuildHost::CloseIdle() {
    const auto lOldest =
        (std::chrono::steady_clock::now() - m_options.idle).time_since_epoch().count();
    std::vector<std::shared_ptr<Hosted>> closing; // closed outside the lock
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (auto it = m_open.begin(); it != m_open.end();) {
            if (it->second.use_count() == 1 && it->second->lastUsed < lOldest) {
                closing.push_back(std::move(it->second));
                it = m_open.erase(it);
            } else {
                ++it;
            }
        }
        // A guild let go of while a request held it waits for the request to end.
        for (auto it = m_retired.begin(); it != m_retired.end();) {
            if (it->use_count() == 1) {
                closing.push_back(std::move(*it));
                it = m_retired.erase(it);
            } else {
                ++it;
            }
        }
    }
    if (closing.empty())
        return;
    closing.clear();
    // What the closed guilds held stays with each worker thread's allocator otherwise.
    malloc_trim(0);
}

std::vector<std::string> GuildHost::Files() const {
    std::vector<std::string> files;
    for (guilds::Found& found : guilds::DistinctFiles(m_strDir))
        files.push_back(std::move(found.strFile));
    return files;
}

void GuildHost::Run() {
    const auto every = std::clamp<std::chrono::milliseconds>(
        m_options.idle / 4, std::chrono::milliseconds(50), std::chrono::seconds(10));
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_stop.wait_for(lock, every, [this] { return m_bStopping; })) {
        lock.unlock();
        CloseIdle();
        lock.lock();
    }
}
