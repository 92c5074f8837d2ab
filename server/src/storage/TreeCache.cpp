#include "TreeCache.h"

#include "Database.h"
#include "Records.h"
#include "Text.h"

#include <sqlite3.h>
#include <unordered_map>

std::int64_t TreeGeneration(Database& db) {
    Statement generation(db, "SELECT value FROM server_state WHERE key = 'tree_generation'");
    std::int64_t lGeneration = generation.Step() ? generation.Int(0) : -1;
    generation.Reset();
    return lGeneration;
}

std::shared_ptr<const std::string> TreeCache::Answer(const std::string& strKey, std::int64_t lState,
                                                     const std::function<std::string()>& Build) {
    if (lState >= 0) {
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto found = m_answers.find(strKey);
        if (found != m_answers.end() && found->second.lGeneration == lState)
            return found->second.pPayload;
    }
    auto pAnswer = std::make_shared<const std::string>(Build());
    if (lState >= 0) {
        std::lock_guard<std::mutex> lock(m_mutex);
        // Answers for states gone by are let go once there are many: the feed keeps one for each
        // generation asked from.
        constexpr std::size_t kMostAnswers = 64;
        if (m_answers.size() >= kMostAnswers && !m_answers.count(strKey))
            for (auto it = m_answers.begin(); it != m_answers.end();)
                it = it->second.lGeneration < lState ? m_answers.erase(it) : std::next(it);
        Built& kept = m_answers[strKey];
        if (kept.lGeneration <= lState) // never over a newer one another thread built
            kept = {lState, pAnswer};
    }
    return pAnswer;
}

std::shared_ptr<const std::string> TreeCache::Payload(Database& db, std::optional<Built>& toKeep) {
    std::optional<std::int64_t> lGeneration;
    if (std::int64_t lStored = TreeGeneration(db); lStored >= 0)
        lGeneration = lStored;
    if (!lGeneration) // a file without the counter: nothing can be cached safely
        return std::make_shared<const std::string>(BuildTreePayload(db));
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
        pPayload = std::make_shared<const std::string>(BuildTreePayload(db));
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

std::string TreeRecord(const TreeRow& row, const std::string& strVassals, std::int64_t lRevision) {
    zorv::Fields fields{std::to_string(row.id),      row.strName,
                        std::to_string(row.iLevel),  std::to_string(row.iRank),
                        std::to_string(row.iPatron), strVassals,
                        std::to_string(row.iMule),   std::to_string(row.iPK),
                        std::to_string(row.iRescue)};
    if (lRevision >= 0)
        fields.push_back(std::to_string(lRevision));
    return zorv::JoinRecord(fields);
}

TreeRow ReadTreeRow(Statement& query) {
    return {static_cast<int>(query.Int(0)), query.Text(1),
            static_cast<int>(query.Int(2)), static_cast<int>(query.Int(3)),
            static_cast<int>(query.Int(4)), static_cast<int>(query.Int(5)),
            static_cast<int>(query.Int(6)), static_cast<int>(query.Int(7))};
}

std::string BuildTreePayload(Database& db) {
    static const std::string strSql =
        std::string(kTreeRowColumns) + " FROM characters ORDER BY patron_id, join_seq";
    Statement query(db, strSql.c_str());
    std::vector<TreeRow> rows;
    std::unordered_map<int, std::string> vassalLists;
    while (query.Step()) {
        TreeRow row = ReadTreeRow(query);
        // Rows come grouped by patron in joining order, so appending keeps the vassal order.
        std::string& strList = vassalLists[row.iPatron];
        if (!strList.empty())
            strList += ',';
        strList += std::to_string(row.id);
        rows.push_back(std::move(row));
    }
    std::string strPayload;
    strPayload.reserve(rows.size() * 40);
    for (const TreeRow& row : rows) {
        auto vassals = vassalLists.find(row.id);
        strPayload +=
            TreeRecord(row, vassals == vassalLists.end() ? std::string() : vassals->second);
    }
    return strPayload;
}
