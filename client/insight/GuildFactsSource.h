#pragma once
// The guild's facts (operation 121) for the windows that need them: the attention report, the
// statistics by race and sex, and the chart's rank titles. One route for the operation, the last
// facts received, and a word when new ones arrive. An administrator asks for the administrators'
// part as well, so that one window's request never leaves the other without it.
#include "GuildFacts.h"

#include <QObject>
#include <memory>

struct Reply;
struct Session;

class GuildFactsSource final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GuildFactsSource)
public:
    explicit GuildFactsSource(Session& session, QObject* pParent = nullptr);

    // Sends the request through the request cycle; Arrived follows its answer.
    void Ask();
    // The same unless another request is under way, which a request of its own would drop: for
    // the windows that only add to what they show with the facts.
    void AskIfIdle();
    // The facts last received; none before the first answer. Shared, so that a chart keeps the
    // facts it was drawn with.
    const std::shared_ptr<const GuildFacts>& Facts() const { return m_facts; }

signals:
    void Arrived();

private:
    void FactsReply(const Reply& reply);
    bool IsAdministrator() const;

    Session& m_session;
    std::shared_ptr<const GuildFacts> m_facts;
};
