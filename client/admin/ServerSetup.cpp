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
        session.cycle.StartOperation(zorv::OpInitServer, QString(),
                                     {{"guildname", dlg.strGuildName},
                                      {"defaultpw", dlg.strDefaultPW},
                                      {"use_rescue_squad", QString::number(dlg.iUseRescueSquad)},
                                      {"rescue_squad_name", dlg.strRescueSquadName}});
    });
}
