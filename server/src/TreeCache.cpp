#include "TreeCache.h"

#include "Database.h"

#include <sqlite3.h>

std::shared_ptr<const std::string> TreeCache::Payload(Database& db,
                                                      const std::function<std::string()>& build,
                                                      std::optional<Built>& toKeep) {
    Statement generation(db, "SELECT value FROM server_state WHERE key = 'tree_generation'");
    std::optional<std::int64_t> lGeneration;
    if (generation.Step())
        lGeneration = generation.Int(0);
    generation.Reset();
    if (!lGeneration) // a file without the counter: nothing can be cached safely
        return std::make_shared<const std::string>(build());
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_memory.pPayload && m_memory.lGeneration == *lGeneration)
            return m_memory.pPayload;
    }
    std::shared_ptr<const std::string> pPayload;
    Statement stored(db, "SELECT payload FROM tree_cache WHERE slot = 1 AND generation = ?1");
    stored.Bind(1, *lGeneration);
    if (stored.Step())
        pPayload = std::make_shared<const std::string>(stored.Text(0));
    stored.Reset();
    if (!pPayload) {
        pPayload = std::make_shared<const std::string>(build());
        toKeep = Built{*lGeneration, pPayload};
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_memory = {*lGeneration, pPayload};
    return pPayload;
}

void TreeCache::Keep(Database& db, const Built& built) {
    sqlite3_busy_timeout(db.Handle(), 0);
    try {
        Transaction tx(db, Transaction::Kind::Write);
        Statement keep(db, "INSERT OR REPLACE INTO tree_cache(slot, generation, payload) "
                           "SELECT 1, ?1, ?2 WHERE (SELECT value FROM server_state "
                           "WHERE key = 'tree_generation') = ?1");
        keep.Bind(1, built.lGeneration).Bind(2, *built.pPayload).Run();
        tx.Commit();
    } catch (const DbError&) {
        // Busy: another process writes; the next reader builds the payload again.
    }
    sqlite3_busy_timeout(db.Handle(), Database::kBusyTimeoutMs);
}
