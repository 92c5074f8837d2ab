#include "TreeCache.h"

#include "Database.h"
#include "Records.h"
#include "Text.h"
#include "TreeRecord.h"

#include <array>
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

namespace {

std::size_t RowFields(bool bFeed) {
    return bFeed ? zorv::kFeedFieldCount : zorv::kTreeFieldCount;
}

} // namespace

const std::string& TreeRowSelect(bool bFeed) {
    static const std::array<std::string, 2> strSelect = [] {
        std::string strColumns[2];
        for (std::size_t i = 0; i < zorv::kFeedFieldCount; ++i) {
            if (!zorv::kTreeFields[i].szColumn)
                continue;
            for (bool bFeed : {false, true})
                if (i < RowFields(bFeed))
                    strColumns[bFeed] += (strColumns[bFeed].empty() ? "SELECT " : ", ") +
                                         std::string(zorv::kTreeFields[i].szColumn);
        }
        return std::array<std::string, 2>{strColumns[0], strColumns[1]};
    }();
    return strSelect[bFeed];
}

int TreeRowColumns(bool bFeed) {
    int nColumns = 0;
    for (std::size_t i = 0; i < RowFields(bFeed); ++i)
        nColumns += zorv::kTreeFields[i].szColumn != nullptr;
    return nColumns;
}

TreeRow ReadTreeRow(Statement& query, bool bFeed) {
    TreeRow row;
    row.fields.resize(RowFields(bFeed));
    int iColumn = 0;
    for (std::size_t i = 0; i < row.fields.size(); ++i)
        if (zorv::kTreeFields[i].szColumn)
            row.fields[i] = query.Text(iColumn++);
    row.id = std::stoi(row.fields[zorv::At(zorv::TreeField::Id)]);
    row.iPatron = std::stoi(row.fields[zorv::At(zorv::TreeField::Patron)]);
    return row;
}

std::string TreeRecord(TreeRow& row, const std::string& strVassals) {
    row.fields[zorv::At(zorv::TreeField::Vassals)] = strVassals;
    return zorv::JoinRecord(row.fields);
}

std::string TreeColumnsDiffer(bool bSame) {
    std::string strTest;
    auto Add = [&](const char* szColumn) {
        strTest += std::string(strTest.empty() ? ""
                               : bSame         ? " AND "
                                               : " OR ") +
                   "OLD." + szColumn + (bSame ? " IS NEW." : " IS NOT NEW.") + szColumn;
    };
    for (std::size_t i = 0; i < zorv::kTreeFieldCount; ++i)
        if (zorv::kTreeFields[i].szColumn)
            Add(zorv::kTreeFields[i].szColumn);
    Add(zorv::kVassalOrderColumn);
    return strTest;
}

std::string BuildTreePayload(Database& db) {
    static const std::string strSql =
        TreeRowSelect(false) + " FROM characters ORDER BY patron_id, join_seq";
    Statement query(db, strSql.c_str());
    std::vector<TreeRow> rows;
    std::unordered_map<int, std::string> vassalLists;
    while (query.Step()) {
        TreeRow row = ReadTreeRow(query, false);
        // Rows come grouped by patron in joining order, so appending keeps the vassal order.
        std::string& strList = vassalLists[row.iPatron];
        if (!strList.empty())
            strList += ',';
        strList += std::to_string(row.id);
        rows.push_back(std::move(row));
    }
    std::string strPayload;
    strPayload.reserve(rows.size() * 40);
    for (TreeRow& row : rows) {
        auto vassals = vassalLists.find(row.id);
        strPayload +=
            TreeRecord(row, vassals == vassalLists.end() ? std::string() : vassals->second);
    }
    return strPayload;
}
