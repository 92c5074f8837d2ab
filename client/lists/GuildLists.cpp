#include "GuildLists.h"

#include "CriticalError.h"
#include "Grid.h"
#include "ListPayloads.h"
#include "Prompts.h"
#include "Protocol.h"
#include "RequestCycle.h"
#include "Session.h"

#include <QPushButton>

GuildLists::GuildLists(Session& session, const ListControls& controls, QObject* pParent)
    : QObject(pParent), m_session(session), m_controls(controls) {
    controls.grdRescueSquad->Model().SetHeaders(ListHeaders(zorv::kRescueList));
    controls.grdPortalList->Model().SetHeaders(ListHeaders(zorv::kPortalList));
    controls.grdTradeSkills->Model().SetHeaders(ListHeaders(zorv::kTradeSkillList));
    connect(controls.cmdRefreshRescueSquad, &QPushButton::clicked, this,
            &GuildLists::RefreshRescueSquad);
    connect(controls.cmdPortalListRefresh, &QPushButton::clicked, this,
            &GuildLists::RefreshPortalList);
    connect(controls.cmdGetTradeSkills, &QPushButton::clicked, this,
            &GuildLists::RefreshTradeSkillsList);
    RequestCycle& cycle = session.cycle;
    cycle.Route(zorv::OpRescueList,
                [this](const Reply& reply) { ParseRescueListData(reply.strPayload); });
    cycle.Route(zorv::OpPortalList,
                [this](const Reply& reply) { ParsePortalListData(reply.strPayload); });
    cycle.Route(zorv::OpTradeSkills,
                [this](const Reply& reply) { ParseTradeSkillsData(reply.strPayload); });
}

void GuildLists::RefreshRescueSquad() {
    ProcedureGuard Step(m_session.prompts, "RefreshRescueSquad");
    Step([&] {
        //: Status bar; %1 is the guild's name for its rescue squad (the members who come to the
        //: help of others), "Rescue Squad" unless the guild named it otherwise
        m_session.cycle.StartOperation(zorv::OpRescueList,
                                       tr("Downloading %1 Info").arg(m_session.strRescueSquadName));
    });
}

void GuildLists::RefreshPortalList() {
    ProcedureGuard Step(m_session.prompts, "RefreshPortalList");
    Step([&] {
        //: Status bar; the list of members who can summon a portal
        m_session.cycle.StartOperation(zorv::OpPortalList,
                                       tr("Downloading Summonable Portal Info"));
    });
}

void GuildLists::RefreshTradeSkillsList() {
    ProcedureGuard Step(m_session.prompts, "RefreshTradeSkillsList");
    Step([&] {
        m_session.cycle.StartOperation(zorv::OpTradeSkills, tr("Downloading Trade Skill Info"));
    });
}

// A refresh shows the server's order; each grid's sort state stays for its next header click.
void GuildLists::ParseRescueListData(const QString& strPayload) {
    m_controls.grdRescueSquad->Model().SetRows(ParseRescueRows(strPayload));
}

void GuildLists::ParsePortalListData(const QString& strPayload) {
    m_controls.grdPortalList->Model().SetRows(ParseListRows(strPayload, kPortalColumns));
}

void GuildLists::ParseTradeSkillsData(const QString& strPayload) {
    m_controls.grdTradeSkills->Model().SetRows(ParseListRows(strPayload, kTradeSkillColumns));
}
