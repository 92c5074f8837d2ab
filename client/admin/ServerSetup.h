#pragma once
// Setting the server up: the first set-up of a new server (operation 105).
struct Session;
class frmNewServerSetup;

// Sends the accepted first set-up under the credentials just used for the login.
void InitServer(Session& session, const frmNewServerSetup& dlg);
