#include "NotifyStore.h"

#include "Text.h"

namespace notify {

namespace {

const char kTargetColumns[] =
    "SELECT id, url, format, kinds, created, failing_since, last_result, last_delivered_at, "
    "queued, dropped FROM notify_targets ";

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
              const std::string& strKinds) {
    Statement insert(db, "INSERT INTO notify_targets(url, format, kinds, created) "
                         "VALUES (?1, ?2, ?3, ?4)");
    insert.Bind(1, strUrl).Bind(2, strFormat).Bind(3, strKinds).Bind(4, NowStamp()).Run();
    return static_cast<int>(db.LastInsertId());
}

bool RemoveTarget(Database& db, int id) {
    Statement messages(db, "DELETE FROM notify_outbox WHERE target_id = ?1");
    messages.Bind(1, id).Run();
    Statement target(db, "DELETE FROM notify_targets WHERE id = ?1");
    target.Bind(1, id).Run();
    return db.Changes() > 0;
}

void Enqueue(Database& db, int iTarget, std::int64_t lNow,
             const std::function<std::string(std::int64_t lId)>& makeBody) {
    Statement insert(db, "INSERT INTO notify_outbox(target_id, body, created_at, next_attempt_at) "
                         "VALUES (?1, '', ?2, ?2)");
    insert.Bind(1, iTarget).Bind(2, lNow).Run();
    const std::int64_t lId = db.LastInsertId();
    Statement body(db, "UPDATE notify_outbox SET body = ?2 WHERE id = ?1");
    body.Bind(1, lId).Bind(2, makeBody(lId)).Run();
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

std::optional<std::int64_t> NextDue(Database& db) {
    Statement query(db, "SELECT min(o.next_attempt_at) FROM notify_targets t "
                        "JOIN notify_outbox o ON o.id = (SELECT min(id) FROM notify_outbox "
                        "WHERE target_id = t.id)");
    query.Step();
    std::optional<std::int64_t> lAt;
    if (!query.IsNull(0))
        lAt = query.Int(0);
    query.Reset();
    return lAt;
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
