// Start-up and login: against a real zorv-server (first set-up, administrators and members) and
// against the scripted peer (version handshake, malformed replies).
#include "TestClient.h"

namespace {

// Ends a chained wait that outlives its cause, so that such a fault fails the test instead of
// hanging it.
struct WaitWatchdog {
    explicit WaitWatchdog(RequestCycle& cycle) {
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [this, &cycle] {
            bFired = true;
            cycle.EndWait();
        });
        timer.start(20000);
    }
    QTimer timer;
    bool bFired = false;
};

QByteArray LoginReply(const QByteArray& payload) {
    return ScriptedPeer::Reply("800", payload);
}

// The tree a login downloads after its reply.
const QByteArray kTree = ScriptedPeer::Reply("800", "3|Ann|50|1|-1||0|0|0!;");

// The main window as these tests use it.
struct Client : TestClient {
    bool AdminMenuVisible() {
        return window->findChild<QMenu*>("mnuAdministrator")->menuAction()->isVisible();
    }
    // Starts the program and logs in to the peer as Ann, the login answered with loginFields and
    // the request after it with `then`.
    void StartAgainst(ScriptedPeer& peer, const QByteArray& loginFields,
                      const QByteArray& then = kTree) {
        ExpectLoginDialog(peer.Address() + "/zorv", "Ann", "secret1");
        peer.queuedReplies << LoginReply(loginFields) << then;
        window->Start();
    }
};

} // namespace

class tst_login final : public QObject {
    Q_OBJECT

private slots:
    void startUpState();
    void firstLoginSetsUpTheServer();
    void administratorThenMember();
    void versionHandshake_data();
    void versionHandshake();
    void malformedLoginReply();
    void rescueSquadFollowsTheGuild();
    void optionsApplyAndPersist();
    void cancelledLoginKeepsRunning();
    void failedTreeDownloadEndsTheLoginWait();
    void closingDuringAnExchange();
    void closingDuringTheTreeWait();
};

void tst_login::startUpState() {
    Client c;
    frmMain& w = *c.window;
    MainViews& v = w.views();
    QCOMPARE(v.tabMainTab->count(), 6);
    // An ampersand in a tab's caption is shown, not taken for a mnemonic.
    QCOMPARE(v.tabCharInfo->tabText(TabIndex(v.tabCharInfo, "Real Life & Contact Info")),
             QStringLiteral("Real Life && Contact Info"));
    QCOMPARE(v.grdFlatList->Table().Headers(),
             (QStringList{"Name", "Level", "Rank", "C. Rank", "Patron Name", "Mule", "PK"}));
    QCOMPARE(v.cmbSearchRank->count(), 11);
    QCOMPARE(v.cmbSearchRank->currentText(), QStringLiteral("Any"));
    QCOMPARE(v.sheet.cmbRace->itemText(2), QStringLiteral("Gharu'ndim"));
    QCOMPARE(v.sheet.cmbSex->count(), 3);
    // Before any display the computed rank reads with the titles of an unknown race and sex.
    QCOMPARE(v.sheet.cmbComputedRank->count(), 11);
    QCOMPARE(v.sheet.cmbComputedRank->itemText(9), QStringLiteral("King (9)"));
    QCOMPARE(v.sheet.cmbRank->count(), 0);
    QVERIFY(!v.tabCharInfo->isEnabled());
    QCOMPARE(w.stsStatusBar().Panel(RequestCycle::kPanelOp), QString());
    QCOMPARE(w.cycle().timerTimeout.interval(), 30000);
    QVERIFY(!w.cycle().timerTimeout.isActive());
    QVERIFY(!c.AdminMenuVisible());
    for (const char* szItem :
         {"mnuLogin", "mnuFileExit", "mnuAddVassal", "mnuChangePatron", "mnuChangePassword",
          "mnuTreeOpExpandAll", "mnuTreeOpExpandNode", "mnuTreeOpCollapseAll",
          "mnuTreeOpCollapseNode", "mnuOptions", "mnuAdminBackupDB", "mnuAdminChangeSec",
          "mnuAdminResetCharPass", "mnuAdminServerSetup", "mnuAbout"})
        QVERIFY2(w.findChild<QAction*>(szItem), szItem);
    QCOMPARE(w.findChild<QAction*>("mnuTreeOpExpandAll")->text(),
             QStringLiteral("E&xpand Entire Tree"));
}

void tst_login::firstLoginSetsUpTheServer() {
    ServerProcess server;
    QVERIFY(server.Start("init"));
    Client c;
    c.ExpectLoginDialog(server.Address(), "Founder", "found12");
    // Closed without completing: told so, and shown again.
    c.prompts->dialogs << [](QDialog& dlg) {
        [&] { QVERIFY(!static_cast<frmNewServerSetup&>(dlg).cmdCancel->isEnabled()); }();
        dlg.reject();
        return int(QDialog::Rejected);
    };
    c.prompts->dialogs << [](QDialog& dlg) {
        auto& setup = static_cast<frmNewServerSetup&>(dlg);
        setup.txtGuildName->setText("Iron Wolves");
        QTest::mouseClick(setup.cmdOK, Qt::LeftButton); // no default password yet
        setup.txtDefaultPW->setText("welcome1");
        setup.txtConfirmPW->setText("welcome1");
        setup.chkUseRescue->setChecked(true);
        setup.txtRescueSquadName->setText("Howlers");
        QTest::mouseClick(setup.cmdOK, Qt::LeftButton);
        return setup.result();
    };
    c.prompts->ExpectOk(3);
    c.window->Start();
    QTRY_COMPARE(c.window->windowTitle(),
                 QStringLiteral("ZORV (Iron Wolves) - Logged in as Founder"));
    QCOMPARE(c.Texts(),
             (QStringList{"You must provide all the information here!",
                          "You must enter the default password for your server!",
                          "Congratulations!  The new ZORV server is setup.  I hope you and your "
                          "guild enjoy the program!"}));
    QVERIFY(c.AdminMenuVisible());
    QCOMPARE(c.window->session().strCurCharID, QStringLiteral("1"));
    QCOMPARE(c.window->cycle().CurrentLogin().strURI, QStringLiteral("/zorv"));
    QCOMPARE(TabKey(c.window->views().tabMainTab, 2), QStringLiteral("Howlers"));
    QCOMPARE(c.window->views().sheet.chkRescue->text(), QStringLiteral("Howlers Member"));
    QCOMPARE(c.prompts->dialogs.size(), 0);
}

void tst_login::administratorThenMember() {
    ServerProcess server;
    QVERIFY(server.Start("demo"));
    Client c;
    c.ExpectLoginDialog(server.Address(), "aldric stormwind", "lantern1");
    c.window->Start();
    QTRY_COMPARE(c.window->windowTitle(),
                 QStringLiteral("ZORV (The Silver Lanterns) - Logged in as Aldric Stormwind"));
    QVERIFY(c.AdminMenuVisible());
    QCOMPARE(c.window->session().iCurSecurityLevel, qint16(3));

    // A member's login in the same run hides the administrator menu again.
    c.ExpectLoginDialog(server.Address(), "Brenna Ashvale", "welcome1");
    c.window->mnuLogin_Click();
    QTRY_COMPARE(c.window->windowTitle(),
                 QStringLiteral("ZORV (The Silver Lanterns) - Logged in as Brenna Ashvale"));
    QVERIFY(!c.AdminMenuVisible());
    QCOMPARE(c.window->session().strCurCharID, QStringLiteral("2"));
    QCOMPARE(c.prompts->shown.size(), 0);
}

void tst_login::versionHandshake_data() {
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<QString>("message");
    QTest::newRow("0.30 equals 0.3") << QByteArray("0.30") << QString();
    QTest::newRow("0.4") << QByteArray("0.4")
                         << "Error! This client is too old for this ZORV server.  You must "
                            "download a new version of the client";
    QTest::newRow("0.2") << QByteArray("0.2")
                         << "Error! This version of the ZORV client is for use on a newer "
                            "server. Please contact your ZORV server admin.";
}

void tst_login::versionHandshake() {
    QFETCH(QByteArray, version);
    QFETCH(QString, message);
    ScriptedPeer peer;
    Client c;
    if (!message.isEmpty())
        c.prompts->ExpectOk();
    c.StartAgainst(peer, version + "|3|Ann|1|Guild|1|Watch");
    QTRY_VERIFY(peer.RequestComplete());
    QVERIFY(peer.Request().startsWith("POST /zorv HTTP/1.0\r\n"));
    QVERIFY(peer.Request().endsWith("charname=Ann&password=secret1&msgid=104\r\n"));
    if (message.isEmpty()) {
        QTRY_COMPARE(peer.Connections(), 3);
        QVERIFY(peer.Request(1).endsWith("&msgid=100\r\n"));
        // The own character is found in the tree and its record requested.
        QTRY_VERIFY(peer.Request(2).endsWith("&msgid=107&getcharid=3\r\n"));
        QTRY_COMPARE(c.window->windowTitle(), QStringLiteral("ZORV (Guild) - Logged in as Ann"));
        QCOMPARE(c.nEnded, 0);
    } else {
        QTRY_COMPARE(c.nEnded, 1);
        QCOMPARE(c.Texts(), QStringList{message});
        // The program ends before the caption is set.
        QCOMPARE(c.window->windowTitle(), QStringLiteral("ZORV"));
    }
}

void tst_login::malformedLoginReply() {
    // Six fields: the message, then the step that needs field 6 fails and is reported; the
    // others still run.
    ScriptedPeer peer;
    Client c;
    c.prompts->ExpectOk(2);
    c.StartAgainst(peer, "0.3|3|Ann|3|Guild|1");
    QTRY_COMPARE(c.prompts->shown.size(), 2);
    QCOMPARE(c.prompts->shown[0].strText,
             QStringLiteral("Error!  The server is returning invalid info."));
    QCOMPARE(c.prompts->shown[1].strTitle, QStringLiteral("Critical Error!"));
    QVERIFY(c.prompts->shown[1].strText.contains("Occurred in: DisplayLoginInfo\r\n"));
    QCOMPARE(c.window->windowTitle(), QStringLiteral("ZORV (Guild) - Logged in as Ann"));
    QVERIFY(c.AdminMenuVisible());
}

void tst_login::rescueSquadFollowsTheGuild() {
    ScriptedPeer peer;
    Client c;
    MainViews& v = c.window->views();
    c.StartAgainst(peer, "0.3|3|Ann|1|Guild|0|");
    QTRY_COMPARE(v.tabMainTab->count(), 5);
    QCOMPARE(TabIndex(v.tabMainTab, "Rescue Squad List"), -1);
    QVERIFY(v.sheet.chkRescue->isHidden());
    QVERIFY(!v.sheet.chkRescue->isEnabled());

    // Another login, to a guild with a squad, brings the view back under the squad's name.
    c.ExpectLoginDialog(peer.Address() + "/zorv", "Ann", "secret1");
    QTRY_VERIFY(peer.RequestComplete(2)); // the own record: left unanswered
    peer.queuedReplies << LoginReply("0.3|3|Ann|1|Guild|1|Search & Rescue") << kTree;
    c.window->mnuLogin_Click();
    QTRY_COMPARE(v.tabMainTab->count(), 6);
    QCOMPARE(TabKey(v.tabMainTab, 2), QStringLiteral("Search & Rescue"));
    QCOMPARE(v.frameRescueSquad->title(), QStringLiteral("Search & Rescue"));
    QCOMPARE(v.sheet.chkRescue->text(), QStringLiteral("Search & Rescue Member"));
    QVERIFY(!v.sheet.chkRescue->isHidden());
}

void tst_login::optionsApplyAndPersist() {
    Client c;
    frmMain& w = *c.window;
    c.prompts->dialogs << [](QDialog& dlg) {
        dlg.findChild<QLineEdit*>("txtTimeout")->setText("12");
        dlg.findChild<QCheckBox*>("chkUsePics")->setChecked(false);
        QTest::mouseClick(dlg.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        return dlg.result();
    };
    w.mnuOptions_Click();
    QCOMPARE(w.cycle().timerTimeout.interval(), 12000);
    QCOMPARE(w.views().treTreeView->property("usePics").toBool(), false);
    QCOMPARE(w.views().sheet.treImmediateTree->property("usePics").toBool(), false);
    QVERIFY(FileBytes(w.settings().strINIFile).contains("Timeout = 12\r\nUsePics = 0\r\n"));

    // Cancel: nothing changes.
    c.prompts->dialogs << [](QDialog& dlg) {
        dlg.findChild<QLineEdit*>("txtTimeout")->setText("20");
        QTest::mouseClick(dlg.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
        return dlg.result();
    };
    w.mnuOptions_Click();
    QCOMPARE(w.cycle().timerTimeout.interval(), 12000);
}

void tst_login::cancelledLoginKeepsRunning() {
    Client c;
    c.ExpectLoginDialogCancelled();
    c.window->Start();
    QVERIFY(c.window->isVisible());
    QCOMPARE(c.window->cycle().CurrentOp(), qint16(0));
    QCOMPARE(c.window->cycle().Exchange().wskData, nullptr);
    QCOMPARE(c.window->cycle().timerTimeout.interval(), 30000); // the settings still apply
    c.window->mnuFileExit_Click();
    QVERIFY(!c.window->isVisible());
}

void tst_login::failedTreeDownloadEndsTheLoginWait() {
    ScriptedPeer peer;
    Client c;
    WaitWatchdog watchdog(c.window->cycle());
    c.prompts->ExpectOk();
    c.StartAgainst(peer, "0.3|3|Ann|1|Guild|0|", ScriptedPeer::Reply("998", ""));
    QTRY_COMPARE(c.prompts->shown.size(), 1);
    QTRY_VERIFY(!c.window->cycle().IsWaiting());
    QVERIFY2(!watchdog.bFired, "the login kept waiting after its tree download failed");
    QCOMPARE(c.prompts->shown[0].strTitle, QStringLiteral("ZORV Error #998"));
    QCOMPARE(peer.Connections(), 2); // no record is asked for without a tree
    QVERIFY(QApplication::overrideCursor() == nullptr);

    // The client is still usable: the next refresh draws the tree.
    peer.queuedReplies << kTree;
    c.window->allegiance().RefreshTree();
    QTRY_COMPARE(c.window->objCharDB().Count(), 1);
    QCOMPARE(c.prompts->shown.size(), 1);
}

void tst_login::closingDuringAnExchange() {
    // The window goes while the login is under way; the late reply must reach nothing.
    ScriptedPeer peer;
    auto c = std::make_unique<Client>();
    c->ExpectLoginDialog(peer.Address() + "/zorv", "Ann", "secret1");
    c->window->Start();
    QTRY_VERIFY(peer.RequestComplete(0));
    c->window->close();
    QVERIFY(QApplication::overrideCursor() == nullptr);
    c.reset();
    QTRY_VERIFY(!peer.Open(0)); // the window's going dropped the connection
    peer.Send(0, LoginReply("0.3|3|Ann|1|Guild|0|"));
    peer.Close(0);
    QCoreApplication::sendPostedEvents(); // what the late reply set off, handled
    QCoreApplication::processEvents();
    QCOMPARE(peer.Connections(), 1);
}

void tst_login::closingDuringTheTreeWait() {
    // The login waits for its tree inside its own handler; closing the window ends the wait as
    // failed, so nothing looks for the own character or asks for a record afterwards.
    ScriptedPeer peer;
    auto c = std::make_unique<Client>();
    QObject::connect(&peer, &ScriptedPeer::RequestArrived, c->window.get(), [&](int i) {
        if (i == 1)
            c->window->close();
    });
    c->ExpectLoginDialog(peer.Address() + "/zorv", "Ann", "secret1");
    peer.queuedReplies << LoginReply("0.3|3|Ann|1|Guild|0|");
    WaitWatchdog watchdog(c->window->cycle());
    c->window->Start();
    QTRY_VERIFY(!c->window->isVisible());
    QTRY_VERIFY(!c->window->cycle().IsWaiting());
    QVERIFY2(!watchdog.bFired, "closing the window left the login waiting");
    watchdog.timer.stop();
    QTRY_VERIFY(!peer.Open(1));
    QCOMPARE(peer.Connections(), 2);
    QCOMPARE(c->prompts->shown.size(), 0);
    c.reset();
    QCoreApplication::sendPostedEvents(); // the deletions the window's end posted, handled
    QCoreApplication::processEvents();
    QCOMPARE(peer.Connections(), 2);
}

QTEST_MAIN(tst_login)
#include "tst_login.moc"
