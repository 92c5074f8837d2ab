#include "ServerSetup.h"

#include "CriticalError.h"
#include "Prompts.h"
#include "Protocol.h"
#include "RequestCycle.h"
#include "Session.h"
#include "frmNewServerSetup.h"

void InitServer(Session& session, const frmNewServerSetup& dlg) {
    ProcedureGuard Step(session.prompts, "InitServer");
    Step([&] {
        session.cycle.StartOperation(
            zorv::OpInitServer, QString(),
            {{FormKey(zorv::form::kGuildName), dlg.strGuildName},
             {FormKey(zorv::form::kDefaultPassword), dlg.strDefaultPW},
             {FormKey(zorv::form::kUseRescueSquad), QString::number(dlg.iUseRescueSquad)},
             {FormKey(zorv::form::kRescueSquadName), dlg.strRescueSquadName}});
    });
}
