#pragma once
// The guild's facts (operation 121) for the windows that need them: the attention report and the
// statistics by race and sex. One route for the operation, the last facts received, and a word
// when new ones arrive. An administrator asks for the administrators' part as well, so that one
// window's request never leaves the other without it.
#include "GuildFacts.h"

#include <QObject>

struct Reply;
struct Session;

class GuildFactsSource final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GuildFactsSource)
public:
    explicit GuildFactsSource(Session& session, QObject* pParent = nullptr);

    // Sends the request through the request cycle; Arrived follows its answer.
    void Ask();
    // The facts last received; none before the first answer.
    const std::optional<GuildFacts>& Facts() const { return m_facts; }

signals:
    void Arrived();

private:
    void FactsReply(const Reply& reply);
    bool IsAdministrator() const;

    Session& m_session;
    std::optional<GuildFacts> m_facts;
};
