#include "NotifyStore.h"

#include "Text.h"

#include <algorithm>

namespace notify {

namespace {

const char kTargetColumns[] =
    "SELECT id, url, format, kinds, created, failing_since, last_result, last_delivered_at, "
    "queued, dropped, language FROM notify_targets ";

Target ReadTarget(const Statement& row) {
    Target target;
    target.id = static_cast<int>(row.Int(0));
    target.strUrl = row.Text(1);
    target.strFormat = row.Text(2);
    target.strKinds = row.Text(3);
    target.strCreated = row.Text(4);
    target.lFailingSince = row.Int(5);
    target.strLastResult = row.Text(6);
    target.lLastDeliveredAt = row.Int(7);
    target.nQueued = row.Int(8);
    target.nDropped = row.Int(9);
    target.strLanguage = row.Text(10);
    return target;
}

void Remove(Database& db, const Message& message) {
    Statement remove(db, "DELETE FROM notify_outbox WHERE id = ?1");
    remove.Bind(1, message.lId).Run();
}

} // namespace

std::vector<Target> ListTargets(Database& db) {
    Statement query(db, (std::string(kTargetColumns) + "ORDER BY id").c_str());
    std::vector<Target> targets;
    while (query.Step())
        targets.push_back(ReadTarget(query));
    return targets;
}

std::optional<Target> FindTarget(Database& db, int id) {
    Statement query(db, (std::string(kTargetColumns) + "WHERE id = ?1").c_str());
    query.Bind(1, id);
    if (!query.Step())
        return std::nullopt;
    Target target = ReadTarget(query);
    query.Reset();
    return target;
}

int AddTarget(Database& db, const std::string& strUrl, const std::string& strFormat,
              const std::string& strKinds, const std::string& strLanguage) {
    Statement insert(db, "INSERT INTO notify_targets(url, format, kinds, created, language) "
                         "VALUES (?1, ?2, ?3, ?4, ?5)");
    insert.Bind(1, strUrl)
        .Bind(2, strFormat)
        .Bind(3, strKinds)
        .Bind(4, NowStamp())
        .Bind(5, strLanguage)
        .Run();
    return static_cast<int>(db.LastInsertId());
}

int CountTargets(Database& db) {
    Statement count(db, "SELECT count(*) FROM notify_targets");
    count.Step();
    return static_cast<int>(count.Int(0));
}

bool RemoveTarget(Database& db, int id) {
    Statement messages(db, "DELETE FROM notify_outbox WHERE target_id = ?1");
    messages.Bind(1, id).Run();
    Statement target(db, "DELETE FROM notify_targets WHERE id = ?1");
    target.Bind(1, id).Run();
    return db.Changes() > 0;
}

std::int64_t NextMessageId(Database& db, std::string& strGuild) {
    // The file's own count of the ids handed out, so that an id is never handed out twice, even
    // once every message has gone. One query for both: a change with targets costs it a little.
    Statement query(db, "SELECT max(coalesce((SELECT seq FROM sqlite_sequence "
                        "WHERE name = 'notify_outbox'), 0), "
                        "coalesce((SELECT max(id) FROM notify_outbox), 0)) + 1, "
                        "(SELECT value FROM settings WHERE key = 'guild_name')");
    query.Step();
    std::int64_t lId = query.Int(0);
    strGuild = query.IsNull(1) ? std::string() : query.Text(1);
    query.Reset();
    return lId;
}

void Enqueue(Database& db, const std::vector<NewMessage>& messages, std::int64_t lNow) {
    // A statement for many of them at once: preparing it is most of what writing them costs.
    constexpr std::size_t kPerStatement = 100;
    for (std::size_t iFirst = 0; iFirst < messages.size(); iFirst += kPerStatement) {
        const std::size_t nCount = std::min(kPerStatement, messages.size() - iFirst);
        std::string strSql = "INSERT INTO notify_outbox(id, target_id, body, created_at, "
                             "next_attempt_at) VALUES ";
        for (std::size_t i = 0; i < nCount; ++i) {
            const std::size_t iParameter = 2 + 3 * i;
            strSql += (i ? ", (?" : "(?") + std::to_string(iParameter) + ", ?" +
                      std::to_string(iParameter + 1) + ", ?" + std::to_string(iParameter + 2) +
                      ", ?1, ?1)";
        }
        Statement insert(db, strSql.c_str());
        insert.Bind(1, lNow);
        for (std::size_t i = 0; i < nCount; ++i) {
            const NewMessage& message = messages[iFirst + i];
            const int iParameter = static_cast<int>(2 + 3 * i);
            insert.Bind(iParameter, message.lId)
                .Bind(iParameter + 1, message.iTarget)
                .Bind(iParameter + 2, message.strBody);
        }
        insert.Run();
    }
    Statement over(db, "SELECT id, queued - ?1 FROM notify_targets WHERE queued > ?1");
    over.Bind(1, kMaxQueued);
    std::vector<std::pair<int, std::int64_t>> full;
    while (over.Step())
        full.push_back({static_cast<int>(over.Int(0)), over.Int(1)});
    for (const auto& [iTarget, nOver] : full) {
        Statement drop(db, "DELETE FROM notify_outbox WHERE id IN (SELECT id FROM notify_outbox "
                           "WHERE target_id = ?1 ORDER BY id LIMIT ?2)");
        drop.Bind(1, iTarget).Bind(2, nOver).Run();
        Statement count(db, "UPDATE notify_targets SET dropped = dropped + ?2 WHERE id = ?1");
        count.Bind(1, iTarget).Bind(2, nOver).Run();
    }
}

std::vector<Message> DueMessages(Database& db, std::int64_t lNow) {
    // Only a target's oldest message is ever due: a later one waits for it.
    Statement query(db, "SELECT o.id, o.target_id, o.body, o.attempts FROM notify_targets t "
                        "JOIN notify_outbox o ON o.id = (SELECT min(id) FROM notify_outbox "
                        "WHERE target_id = t.id) WHERE o.next_attempt_at <= ?1 ORDER BY o.id");
    query.Bind(1, lNow);
    std::vector<Message> messages;
    while (query.Step())
        messages.push_back({query.Int(0), static_cast<int>(query.Int(1)), query.Text(2),
                            static_cast<int>(query.Int(3))});
    return messages;
}

std::optional<Message> DueMessage(Database& db, int iTarget, std::int64_t lNow) {
    Statement query(db, "SELECT id, target_id, body, attempts, next_attempt_at FROM notify_outbox "
                        "WHERE target_id = ?1 ORDER BY id LIMIT 1");
    query.Bind(1, iTarget);
    if (!query.Step())
        return std::nullopt;
    std::optional<Message> message;
    if (query.Int(4) <= lNow)
        message = Message{query.Int(0), static_cast<int>(query.Int(1)), query.Text(2),
                          static_cast<int>(query.Int(3))};
    query.Reset();
    return message;
}

std::vector<std::pair<int, std::int64_t>> DueTimes(Database& db) {
    Statement query(db, "SELECT t.id, o.next_attempt_at FROM notify_targets t "
                        "JOIN notify_outbox o ON o.id = (SELECT min(id) FROM notify_outbox "
                        "WHERE target_id = t.id)");
    std::vector<std::pair<int, std::int64_t>> times;
    while (query.Step())
        times.push_back({static_cast<int>(query.Int(0)), query.Int(1)});
    return times;
}

void Delivered(Database& db, const Message& message, const std::string& strResult,
               std::int64_t lNow) {
    Remove(db, message);
    Statement target(db, "UPDATE notify_targets SET failing_since = 0, last_result = ?2, "
                         "last_delivered_at = ?3 WHERE id = ?1");
    target.Bind(1, message.iTarget).Bind(2, strResult).Bind(3, lNow).Run();
}

void Refused(Database& db, const Message& message, const std::string& strResult) {
    Remove(db, message);
    const int nRemoved = db.Changes(); // none when the cap or a removal took it meanwhile
    Statement target(db, "UPDATE notify_targets SET dropped = dropped + ?3, last_result = ?2 "
                         "WHERE id = ?1");
    target.Bind(1, message.iTarget).Bind(2, strResult).Bind(3, nRemoved).Run();
}

void Postponed(Database& db, const Message& message, const std::string& strResult,
               std::int64_t lNow, std::int64_t lRetryAt) {
    Statement retry(db, "UPDATE notify_outbox SET attempts = attempts + 1, next_attempt_at = ?2 "
                        "WHERE id = ?1");
    retry.Bind(1, message.lId).Bind(2, lRetryAt).Run();
    Statement target(db, "UPDATE notify_targets SET last_result = ?2, "
                         "failing_since = CASE failing_since WHEN 0 THEN ?3 ELSE failing_since "
                         "END WHERE id = ?1");
    target.Bind(1, message.iTarget).Bind(2, strResult).Bind(3, lNow).Run();
}

} // namespace notify
