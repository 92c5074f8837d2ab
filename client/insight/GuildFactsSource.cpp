#include "GuildFactsSource.h"

#include "CriticalError.h"
#include "Prompts.h"
#include "Protocol.h"
#include "RequestCycle.h"
#include "Session.h"

GuildFactsSource::GuildFactsSource(Session& session, QObject* pParent)
    : QObject(pParent), m_session(session) {
    session.cycle.Route(zorv::OpGuildFacts, [this](const Reply& reply) { FactsReply(reply); });
}

bool GuildFactsSource::IsAdministrator() const {
    return m_session.iCurSecurityLevel == zorv::kSecurityAdministrator;
}

void GuildFactsSource::Ask() {
    ProcedureGuard Step(m_session.prompts, "GetGuildFacts");
    Step([&] {
        std::vector<Request::Field> fields;
        if (IsAdministrator())
            fields.emplace_back(FormKey(zorv::form::kAdminPart), QStringLiteral("1"));
        m_session.cycle.StartOperation(
            Request(zorv::OpGuildFacts, tr("Downloading Guild Facts"), fields));
    });
}

void GuildFactsSource::AskIfIdle() {
    if (!m_session.cycle.IsBusy())
        Ask();
}

void GuildFactsSource::FactsReply(const Reply& reply) {
    std::optional<GuildFacts> facts = GuildFacts::Parse(reply.strPayload, IsAdministrator());
    if (!facts) {
        m_session.prompts.Inform(tr("The server's answer could not be read."));
        return;
    }
    m_facts = std::make_shared<const GuildFacts>(std::move(*facts));
    emit Arrived();
}
