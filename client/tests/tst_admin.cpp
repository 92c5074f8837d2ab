// The operations of the allegiance and of the administrator against a real zorv-server with the
// demo guild, the dialogs driven through the prompts seam: adding and removing vassals, changing
// patron and password; the set-up change with and without a new default password, password
// reset, security level, and the backup's request and file (that the file restores is the server's
// tests'); the level guard; the change history and its undo; and the chat notifications' window.
//
// The demo: Aldric Stormwind (1, administrator, "lantern1") is the monarch of Brenna Ashvale (2),
// Corin Thale (3), Dara Whitmoor (4) and Edrin Falk (5); Brenna has Fiora Glenn (6), Jessa Quill
// (10) and Nyla Fenwick (14); Fiora has Pella Rook (16) and Zeb Harrow (26); Pella has Eamon
// Gray (31). Everyone but Aldric logs in with "welcome1".
#include "AdminOperations.h"
#include "TestClient.h"
#include "frmChangePassword.h"
#include "frmNotifications.h"
#include "frmSecLevel.h"

#include <QTextEdit>
#include <QTreeWidget>

namespace {

const QString kAdded =
    QStringLiteral("The new vassal has been added to the tree.  Hit OK to refresh the tree");

struct Client : TestClient {
    Client(const QString& strAddress, const QString& strName, const QString& strPassword) {
        QObject::connect(&Sheet(), &CharacterSheet::Displayed, [this] { ++nDisplays; });
        if (!LogInAndWait(strAddress, strName, strPassword)) // fails the test that asked for it
            QTest::qFail("the login did not complete", __FILE__, __LINE__);
    }
    AdminOperations& Admin() { return window->admin(); }
    CharacterSheet& Sheet() { return window->sheet(); }
    AllegianceOperations& Ops() { return window->operations(); }
    const Characters& Roster() { return window->objCharDB(); }
    RequestCycle& Cycle() { return window->cycle(); }
    SheetViews& V() { return window->views().sheet; }
    // The vassals the sheet lists for the shown character.
    QStringList Vassals() { return Items(V().lstVassals); }
    QString PatronOf(const QString& strName) {
        const Character* pRecord = Roster().Item(CharKey(Roster().GetID(strName)));
        return pRecord ? Roster().GetName(CharKey(pRecord->nPatronID)) : QString();
    }
    // Waits for the message of a success and the record shown again after the new tree.
    bool Succeeded(const QString& strMessage) {
        const int nBefore = nDisplays;
        return QTest::qWaitFor([&] { return LastText() == strMessage && nDisplays > nBefore; },
                               20000);
    }
    void QueuePassword(const QString& strNew, const QString& strConfirm) {
        prompts->dialogs << [strNew, strConfirm](QDialog& dlg) {
            auto& change = static_cast<frmChangePassword&>(dlg);
            change.txtNewPW->setText(strNew);
            change.txtConfirm->setText(strConfirm);
            change.cmdOK_Click();
            return change.result();
        };
    }
    // The set-up dialog: checks what it shows (the guild's name strShown, the squad, no default
    // password and no reset ticked, none carried over from a use before), then is filled and
    // confirmed.
    void QueueSetup(const QString& strShown, const QString& strGuild, const QString& strPassword,
                    bool bReset) {
        prompts->dialogs << [=](QDialog& dlg) {
            auto& setup = static_cast<frmNewServerSetup&>(dlg);
            [&] {
                QVERIFY(setup.cmdCancel->isEnabled()); // not a new server
                QCOMPARE(setup.txtGuildName->text(), strShown);
                QCOMPARE(setup.txtDefaultPW->text(), QString());
                QVERIFY(setup.chkUseRescue->isChecked());
                QCOMPARE(setup.txtRescueSquadName->text(), QStringLiteral("Lantern Watch"));
                QVERIFY(!setup.chkResetExisting->isChecked());
            }();
            setup.txtGuildName->setText(strGuild);
            setup.txtDefaultPW->setText(strPassword);
            setup.txtConfirmPW->setText(strPassword);
            setup.chkResetExisting->setChecked(bReset);
            setup.cmdOK_Click();
            return setup.result();
        };
    }
    // Runs the set-up with the dialog queued; true once its answer was shown.
    bool Setup() {
        const qsizetype nShown = prompts->shown.size();
        prompts->ExpectOk();
        Admin().AdminServerSetup();
        return QTest::qWaitFor([&] { return prompts->shown.size() == nShown + 1; }, 20000);
    }
    int nDisplays = 0;
};

} // namespace

class tst_admin final : public QObject {
    Q_OBJECT

private slots:
    void init();
    void addVassal();
    void removeVassal();
    void changePatron();
    void changePassword();
    void passwordDialogChecks();
    void dismissedDialogsSendNothing();
    void staleListsAreRefused();
    void serverSetupChanges();
    void resetAndSecurityLevel();
    void backupOfTheRealGuild();
    void backupFileBytesAndFailures();
    void membersAreTurnedAway();
    void historyTabsAndUndo();
    void notifications();

private:
    std::unique_ptr<ServerProcess> m_server;
};

void tst_admin::init() {
    m_server = std::make_unique<ServerProcess>();
    // The chat receiver the notifications test scripts listens on loopback.
    QVERIFY(m_server->Start("demo", {QStringLiteral("--loopback-receivers")}));
}

void tst_admin::addVassal() {
    Client brenna(m_server->Address(), "Brenna Ashvale", "welcome1");
    // A follower two levels down (Pella, under Fiora) goes out under Brenna's own login.
    QVERIFY(brenna.Show("Pella Rook"));
    brenna.ExpectAddVassalDialog("Newcomer");
    brenna.prompts->ExpectOk();
    brenna.Ops().AddVassal();
    QCOMPARE(brenna.PostData(), QStringLiteral("charname=Brenna Ashvale&password=welcome1&msgid=101"
                                               "&charid=2&addtoid=16&vassalname=Newcomer"
                                               "&vassallist=31&patronid=6"));
    QVERIFY(brenna.Succeeded(kAdded));
    QCOMPARE(brenna.window->allegiance().SelectedKey(), QStringLiteral("Char16"));
    QCOMPARE(brenna.Vassals(), (QStringList{"Eamon Gray", "Newcomer"}));
    QCOMPARE(brenna.PatronOf("Newcomer"), QStringLiteral("Pella Rook"));

    // Her own patron asks for his login; Cancel sends nothing.
    QVERIFY(brenna.Show("Aldric Stormwind"));
    const QString strBefore = brenna.PostData();
    brenna.ExpectAddVassalDialog("Another");
    brenna.ExpectOtherLogin("Aldric Stormwind", QString());
    brenna.Ops().AddVassal();
    QCOMPARE(brenna.PostData(), strBefore);
    QCOMPARE(brenna.Cycle().CurrentOp(), qint16(107));
    // Cancel in the name dialog sends nothing either.
    brenna.prompts->dialogs << [](QDialog& dlg) {
        static_cast<frmAddVassal&>(dlg).cmdCancel_Click();
        return int(QDialog::Rejected);
    };
    brenna.Ops().AddVassal();
    QCOMPARE(brenna.PostData(), strBefore);
    QCOMPARE(brenna.prompts->dialogs.size(), 0);

    // A monarch's add sends patron -1.
    Client aldric(m_server->Address(), "Aldric Stormwind", "lantern1");
    aldric.ExpectAddVassalDialog("Monarchs Man");
    aldric.prompts->ExpectOk();
    aldric.Ops().AddVassal();
    QVERIFY(aldric.PostData().endsWith("&charid=1&addtoid=1&vassalname=Monarchs Man"
                                       "&vassallist=2,3,4,5&patronid=-1"));
    QVERIFY(aldric.Succeeded(kAdded));
    QVERIFY(aldric.Vassals().contains("Monarchs Man"));
}

void tst_admin::removeVassal() {
    Client brenna(m_server->Address(), "Brenna Ashvale", "welcome1");
    QCOMPARE(brenna.Vassals(), (QStringList{"Fiora Glenn", "Jessa Quill", "Nyla Fenwick"}));
    // Nothing selected: nothing happens.
    brenna.Ops().RemoveVassal();
    QCOMPARE(brenna.prompts->shown.size(), 0);

    brenna.V().lstVassals->setCurrentRow(0);
    brenna.prompts->answers << Prompts::Answer::No;
    const QString strBefore = brenna.PostData();
    brenna.Ops().RemoveVassal();
    QCOMPARE(brenna.LastTitle(), QStringLiteral("Remove Vassal Confirmation"));
    QCOMPARE(brenna.LastText(),
             QStringLiteral("Are you sure you want to remove your vassal Fiora Glenn?\r\n"
                            "This will also remove all characters that are followers of Fiora "
                            "Glenn."));
    QCOMPARE(brenna.LastShown().buttons, Prompts::Buttons::YesNo);
    QCOMPARE(brenna.PostData(), strBefore);

    brenna.prompts->answers << Prompts::Answer::Yes;
    brenna.prompts->ExpectOk();
    brenna.Ops().RemoveVassal();
    QCOMPARE(brenna.PostData(), QStringLiteral("charname=Brenna Ashvale&password=welcome1&msgid=102"
                                               "&charid=2&patronid=2&vassalid=6"
                                               "&vassalname=Fiora Glenn&vassallist=6,10,14"));
    QVERIFY(brenna.Succeeded("The vassal has been successfully removed."));
    QCOMPARE(brenna.Vassals(), (QStringList{"Jessa Quill", "Nyla Fenwick"}));
    QCOMPARE(brenna.window->allegiance().SelectedKey(), QStringLiteral("Char2"));

    // Corin's vassal is outside Brenna's branch: Corin's login is asked for (the rule reads the
    // selected character, Corin), and Cancel sends nothing.
    QVERIFY(brenna.Show("Corin Thale"));
    brenna.V().lstVassals->setCurrentRow(0);
    brenna.prompts->answers << Prompts::Answer::Yes;
    brenna.ExpectOtherLogin("Corin Thale", QString());
    const QString strKept = brenna.PostData();
    brenna.Ops().RemoveVassal();
    QCOMPARE(brenna.PostData(), strKept);
}

void tst_admin::changePatron() {
    Client brenna(m_server->Address(), "Brenna Ashvale", "welcome1");
    QVERIFY(brenna.Show("Pella Rook"));
    // The list offers names in any letter case, but only the roster's spelling is taken.
    brenna.ExpectFindDialog("jessa quill");
    brenna.prompts->ExpectOk();
    const QString strBefore = brenna.PostData();
    brenna.Ops().ChangePatron();
    QCOMPARE(brenna.LastText(),
             QStringLiteral("You have entered a name that does not exist.  Please refresh the "
                            "tree."));
    QCOMPARE(brenna.PostData(), strBefore);

    // Pella moves under Jessa with her branch.
    QVERIFY(brenna.Show("Pella Rook"));
    brenna.ExpectFindDialog("Jessa Quill");
    brenna.prompts->ExpectOk();
    brenna.Ops().ChangePatron();
    QCOMPARE(brenna.PostData(),
             QStringLiteral("charname=Brenna Ashvale&password=welcome1&msgid=103&moveid=16"
                            "&charid=2&oldpatronid=6&oldpatronname=Fiora Glenn"
                            "&oldpatronvassallist=16,26&newpatronid=10&newpatronname=Jessa Quill"
                            "&newpatronvassallist=20,30"));
    QVERIFY(brenna.Succeeded("You have been moved to your new patron."));
    QCOMPARE(brenna.window->allegiance().SelectedKey(), QStringLiteral("Char16"));
    QCOMPARE(brenna.PatronOf("Pella Rook"), QStringLiteral("Jessa Quill"));
    QCOMPARE(brenna.V().lblPatron->text(), QStringLiteral("Jessa Quill"));

    // A monarch carries the placeholder patron (the server refuses the move: Corin follows him).
    Client aldric(m_server->Address(), "Aldric Stormwind", "lantern1");
    aldric.ExpectFindDialog("Corin Thale");
    aldric.Ops().ChangePatron();
    QVERIFY(aldric.PostData().contains("&moveid=1&charid=1&oldpatronid=-1&oldpatronname=blah"
                                       "&oldpatronvassallist=blah&newpatronid=3&"));
}

void tst_admin::changePassword() {
    Client brenna(m_server->Address(), "Brenna Ashvale", "welcome1");
    brenna.QueuePassword("brenna22", "brenna22");
    brenna.prompts->ExpectOk();
    brenna.Ops().ChangePassword();
    QVERIFY(brenna.PostData().endsWith("&msgid=108&charid=2&newpw=brenna22&confirmpw=brenna22"));
    ZORV_TRY_COMPARE(brenna.LastText(), QString("Your password has been successfully changed!"));
    QCOMPARE(brenna.Cycle().CurrentLogin().strPassword, QStringLiteral("brenna22"));
    // The next request goes out with the new password and the server takes it.
    QVERIFY(brenna.Show("Jessa Quill"));
    QVERIFY(brenna.PostData().startsWith("charname=Brenna Ashvale&password=brenna22&"));
    QCOMPARE(brenna.prompts->shown.size(), 1);

    // A vassal's password asks for the vassal's login, even for her patron and even for an
    // administrator, and the own password stays.
    brenna.QueuePassword("jessa333", "jessa333");
    brenna.ExpectOtherLogin("Jessa Quill", "welcome1");
    brenna.prompts->ExpectOk();
    brenna.Ops().ChangePassword();
    QVERIFY(brenna.PostData().startsWith("charname=Jessa Quill&password=welcome1&msgid=108"
                                         "&charid=10&newpw=jessa333"));
    ZORV_TRY_COMPARE(brenna.prompts->shown.size(), 2);
    QCOMPARE(brenna.Cycle().CurrentLogin().strPassword, QStringLiteral("brenna22"));
    Client aldric(m_server->Address(), "Aldric Stormwind", "lantern1");
    QVERIFY(aldric.Show("Jessa Quill"));
    aldric.QueuePassword("jessa444", "jessa444");
    aldric.ExpectOtherLogin("Jessa Quill", QString()); // Cancel: nothing sent
    const QString strBefore = aldric.PostData();
    aldric.Ops().ChangePassword();
    QCOMPARE(aldric.PostData(), strBefore);
}

void tst_admin::passwordDialogChecks() {
    ScriptedPrompts prompts;
    frmChangePassword dlg(prompts);
    auto Ok = [&](const QString& strNew, const QString& strConfirm) {
        dlg.txtNewPW->setText(strNew);
        dlg.txtConfirm->setText(strConfirm);
        dlg.bHitCancel = true;
        const int nShown = int(prompts.shown.size());
        prompts.answers << Prompts::Answer::Ok;
        dlg.cmdOK_Click();
        if (int(prompts.shown.size()) == nShown) {
            prompts.answers.clear();
            return QString();
        }
        return prompts.shown.value(prompts.shown.size() - 1).strText;
    };
    QCOMPARE(Ok("12345", "12345"),
             QStringLiteral("Your new password must be at least six characters long!"));
    QCOMPARE(Ok("123456", "12345"),
             QStringLiteral("Your new password must be at least six characters long!"));
    QCOMPARE(Ok("Secret", "secret"),
             QStringLiteral("Your confirmation password did not match your new password!"));
    QCOMPARE(Ok("123456", "123456"), QString());
    QVERIFY(!dlg.bHitCancel);
    QCOMPARE(dlg.strPassword, QStringLiteral("123456"));
    QCOMPARE(Ok("1234567890", "1234567890"), QString());
    // The boxes take at most ten characters: an eleventh is not typed in.
    dlg.txtNewPW->clear();
    QTest::keyClicks(dlg.txtNewPW, "12345678901");
    QCOMPARE(dlg.txtNewPW->text(), QStringLiteral("1234567890"));
    dlg.cmdCancel_Click();
    QVERIFY(dlg.bHitCancel);
}

void tst_admin::dismissedDialogsSendNothing() {
    // Each dialog is used once, so that it holds a name, a password and a patron from then on.
    Client aldric(m_server->Address(), "Aldric Stormwind", "lantern1");
    aldric.ExpectAddVassalDialog("Zed Testone");
    aldric.prompts->ExpectOk();
    aldric.Ops().AddVassal();
    QVERIFY(aldric.Succeeded(kAdded));
    aldric.QueuePassword("lantern2", "lantern2");
    aldric.prompts->ExpectOk();
    aldric.Ops().ChangePassword();
    ZORV_TRY_COMPARE(aldric.LastText(), QString("Your password has been successfully changed!"));
    QVERIFY(aldric.Show("Fiora Glenn"));
    aldric.ExpectFindDialog("Corin Thale");
    aldric.prompts->ExpectOk();
    aldric.Ops().ChangePatron();
    QVERIFY(aldric.Succeeded("You have been moved to your new patron."));
    // The other character's login, confirmed once for a password change.
    QVERIFY(aldric.Show("Jessa Quill"));
    aldric.QueuePassword("jessa333", "jessa333");
    aldric.ExpectOtherLogin("Jessa Quill", "welcome1");
    aldric.prompts->ExpectOk();
    aldric.Ops().ChangePassword();
    ZORV_TRY_COMPARE(aldric.LastText(), QString("Your password has been successfully changed!"));

    // Now Escape and the close button, on another character: nothing goes out, nothing is asked.
    QVERIFY(aldric.Show("Brenna Ashvale"));
    const QString strBefore = aldric.PostData();
    const qsizetype nShown = aldric.prompts->shown.size();
    using Dismissal = ScriptedPrompts::Dismissal;
    for (Dismissal how : {Dismissal::Escape, Dismissal::CloseButton}) {
        aldric.prompts->ExpectDismissed(how);
        aldric.Ops().AddVassal();
        aldric.prompts->ExpectDismissed(how);
        aldric.Ops().ChangePassword();
        aldric.prompts->ExpectDismissed(how);
        aldric.Ops().ChangePatron();
        aldric.QueuePassword("brenna99", "brenna99");
        aldric.prompts->ExpectDismissed(how); // Brenna's login
        aldric.Ops().ChangePassword();
    }
    QCOMPARE(aldric.prompts->dialogs.size(), 0);
    QCOMPARE(aldric.PostData(), strBefore);
    QCOMPARE(aldric.prompts->shown.size(), nShown);
    QCOMPARE(aldric.Cycle().CurrentLogin().strPassword, QStringLiteral("lantern2"));
    QCOMPARE(aldric.Roster().GetID("Zed Testone") > 0, true);
    QCOMPARE(aldric.PatronOf("Brenna Ashvale"), QStringLiteral("Aldric Stormwind"));
}

void tst_admin::staleListsAreRefused() {
    Client brenna(m_server->Address(), "Brenna Ashvale", "welcome1");
    // Meanwhile another officer adds a vassal to Brenna.
    Client aldric(m_server->Address(), "Aldric Stormwind", "lantern1");
    QVERIFY(aldric.Show("Brenna Ashvale"));
    aldric.ExpectAddVassalDialog("First Come");
    aldric.prompts->ExpectOk();
    aldric.Ops().AddVassal();
    QVERIFY(aldric.Succeeded(kAdded));

    // Brenna's add goes out with the list she saw: refused, nothing refreshed or added.
    brenna.ExpectAddVassalDialog("Second Come");
    brenna.prompts->ExpectOk();
    brenna.Ops().AddVassal();
    QVERIFY(brenna.PostData().contains("&vassallist=6,10,14&"));
    ZORV_TRY_COMPARE(brenna.prompts->shown.size(), 1);
    QCOMPARE(brenna.prompts->shown[0].strTitle, QStringLiteral("ZORV Error #904"));
    QCOMPARE(brenna.prompts->shown[0].strText,
             QStringLiteral("There was an error while trying to add the vassal.  Please refresh "
                            "the tree and try again."));
    QCOMPARE(brenna.Roster().GetID("First Come"), qint16(-1)); // her tree is as it was

    aldric.window->allegiance().RefreshTree();
    ZORV_TRY(aldric.Roster().GetID("Fiora Glenn") > 0);
    QCOMPARE(aldric.Roster().GetID("Second Come"), qint16(-1));
    QVERIFY(aldric.Roster().GetID("First Come") > 0);
}

void tst_admin::serverSetupChanges() {
    Client c(m_server->Address(), "Aldric Stormwind", "lantern1");
    const QString strCaption =
        QStringLiteral("ZORV (The Silver Lanterns) - Logged in as Aldric Stormwind");
    QCOMPARE(c.window->windowTitle(), strCaption);
    // A name the server refuses (blanks only) leaves the caption as it was.
    c.QueueSetup("The Silver Lanterns", "   ", QString(), false);
    QVERIFY(c.Setup());
    QCOMPARE(c.LastTitle(), QStringLiteral("ZORV Error #1010"));
    QCOMPARE(c.window->windowTitle(), strCaption);
    QCOMPARE(c.window->session().strGuildName, QStringLiteral("The Silver Lanterns"));

    // The name alone: no defaultpw goes out; the caption follows once the server stored the
    // name, as it stores it (trimmed).
    c.QueueSetup("The Silver Lanterns", "  The Bright Lanterns ", QString(), false);
    c.prompts->ExpectOk();
    c.Admin().AdminServerSetup();
    QVERIFY(c.PostData().endsWith("&msgid=109&guildname=  The Bright Lanterns &use_rescue_squad=1"
                                  "&rescue_squad_name=Lantern Watch&resetpw=0"));
    QCOMPARE(c.window->windowTitle(), strCaption);
    ZORV_TRY_COMPARE(c.LastText(), QString("The server has saved the new setup!"));
    QCOMPARE(c.window->windowTitle(),
             QStringLiteral("ZORV (The Bright Lanterns) - Logged in as Aldric Stormwind"));

    // A new default with the reset box, then without it (what each does to the members'
    // passwords is the server's, and its tests').
    c.QueueSetup("The Bright Lanterns", "The Bright Lanterns", "fresh123", true);
    QVERIFY(c.Setup());
    QVERIFY(c.PostData().endsWith("&defaultpw=fresh123&use_rescue_squad=1"
                                  "&rescue_squad_name=Lantern Watch&resetpw=1"));
    c.QueueSetup("The Bright Lanterns", "The Bright Lanterns", "newest12", false);
    QVERIFY(c.Setup());
    QVERIFY(c.PostData().endsWith("&defaultpw=newest12&use_rescue_squad=1"
                                  "&rescue_squad_name=Lantern Watch&resetpw=0"));

    // Cancel sends nothing and changes nothing here.
    c.prompts->dialogs << [](QDialog& dlg) {
        auto& setup = static_cast<frmNewServerSetup&>(dlg);
        setup.txtGuildName->setText("Never");
        setup.cmdCancel_Click();
        return int(QDialog::Rejected);
    };
    const QString strBefore = c.PostData();
    c.Admin().AdminServerSetup();
    QCOMPARE(c.PostData(), strBefore);
    QCOMPARE(c.window->session().strGuildName, QStringLiteral("The Bright Lanterns"));
}

void tst_admin::resetAndSecurityLevel() {
    Client c(m_server->Address(), "Aldric Stormwind", "lantern1");
    QVERIFY(c.Show("Brenna Ashvale"));
    c.prompts->answers << Prompts::Answer::No;
    const QString strBefore = c.PostData();
    c.Admin().AdminResetPass();
    QCOMPARE(c.LastText(),
             QStringLiteral("Are you sure you want to reset Brenna Ashvale's password to the "
                            "default password?"));
    QCOMPARE(c.LastTitle(), QStringLiteral("Reset Password Confirmation"));
    QCOMPARE(c.PostData(), strBefore);
    c.prompts->answers << Prompts::Answer::Yes;
    c.prompts->ExpectOk();
    c.Admin().AdminResetPass();
    QVERIFY(c.PostData().endsWith("&msgid=110&charid=1&resetid=2"));
    ZORV_TRY_COMPARE(c.LastText(), QString("The character's password has been reset to the default "
                                           "password."));

    // Brenna becomes an administrator, then a normal user again.
    auto Level = [&](int iChoice, Prompts::Answer answer) {
        c.prompts->dialogs << [iChoice](QDialog& dlg) {
            auto& sec = static_cast<frmSecLevel&>(dlg);
            sec.cmbSecLevel->setCurrentIndex(iChoice);
            sec.cmdOK_Click();
            return int(QDialog::Accepted);
        };
        c.prompts->answers << answer;
        c.Admin().AdminChangeSec();
        if (answer == Prompts::Answer::Yes)
            c.prompts->ExpectOk(); // the answer's message, or the server's refusal
    };
    Level(1, Prompts::Answer::No);
    QCOMPARE(c.LastText(),
             QStringLiteral("Are you sure you want to change Brenna Ashvale's security level to "
                            "Administrator?"));
    QCOMPARE(c.LastTitle(), QStringLiteral("Change Security Level Confirmation"));
    QCOMPARE(c.PostData().endsWith("&newlevel=3"), false);
    Level(1, Prompts::Answer::Yes);
    QVERIFY(c.PostData().endsWith("&msgid=112&charid=1&changeid=2&newlevel=3"));
    ZORV_TRY_COMPARE(c.LastText(), QString("The character's security level has been changed!"));
    Level(0, Prompts::Answer::Yes);
    QVERIFY(c.PostData().endsWith("&changeid=2&newlevel=1"));
    ZORV_TRY_COMPARE(c.prompts->shown.size(), 8); // its message arrived

    // The level and set-up dialogs, used before, left by Escape or the close button: nothing is
    // asked or sent.
    QVERIFY(c.Show("Brenna Ashvale"));
    const QString strLast = c.PostData();
    const qsizetype nShown = c.prompts->shown.size();
    using Dismissal = ScriptedPrompts::Dismissal;
    for (Dismissal how : {Dismissal::Escape, Dismissal::CloseButton}) {
        c.prompts->ExpectDismissed(how);
        c.Admin().AdminChangeSec();
        c.prompts->ExpectDismissed(how);
        c.Admin().AdminServerSetup();
    }
    QCOMPARE(c.prompts->dialogs.size(), 0);
    QCOMPARE(c.prompts->shown.size(), nShown);
    QCOMPARE(c.PostData(), strLast);
}

void tst_admin::backupOfTheRealGuild() {
    Client c(m_server->Address(), "Aldric Stormwind", "lantern1");
    QTemporaryDir dir;
    const QString strFile = dir.filePath("guild.dat");
    c.prompts->saveNames << strFile;
    c.prompts->ExpectOk();
    c.Admin().AdminBackupDB();
    QVERIFY(c.PostData().endsWith("&msgid=111&charid=1"));
    ZORV_TRY_COMPARE(c.LastText(), QString("The character database has been backed up"));
    const QByteArray backup = FileBytes(strFile);
    QVERIFY(backup.startsWith("ZORV DUMP ") && backup.endsWith("\r\n"));

    // Cancel in the file dialog: silently nothing.
    c.prompts->saveNames << QString();
    const QString strBefore = c.PostData();
    c.Admin().AdminBackupDB();
    QCOMPARE(c.PostData(), strBefore);
}

void tst_admin::backupFileBytesAndFailures() {
    ScriptedPeer peer;
    peer.queuedReplies << ScriptedPeer::Reply("800", "0.3|1|Ann|3|Guild|0|")
                       << ScriptedPeer::Reply("800", "1|Ann|50|1|-1||0|0|0!;")
                       << ScriptedPeer::Reply("800", "1|Ann" + QByteArray(31, '|'));
    Client c(peer.Address() + "/zorv", "Ann", "secret1");
    QTemporaryDir dir;
    // The payload's last character (a line feed here) is dropped, and CR LF ends the file.
    const QString strFile = dir.filePath("exact.dat");
    c.prompts->saveNames << strFile;
    c.prompts->ExpectOk();
    peer.queuedReplies << ScriptedPeer::Reply("800", "ZORV DUMP 3\nS|a|b\n");
    c.Admin().AdminBackupDB();
    QTRY_COMPARE(c.prompts->shown.size(), 1);
    QCOMPARE(FileBytes(strFile), QByteArray("ZORV DUMP 3\nS|a|b\r\n"));

    // A target that cannot be written keeps the older backup whole and is named in the message.
    // (A name as long as names may be leaves no room for the file written beside it first.)
    const QString strOld = dir.filePath(QString(250, 'b') + ".dat");
    {
        QFile old(strOld);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the older backup\r\n");
    }
    c.prompts->saveNames << strOld;
    c.prompts->ExpectOk();
    peer.queuedReplies << ScriptedPeer::Reply("800", "ZORV DUMP 3\nnew\n");
    c.Admin().AdminBackupDB();
    QTRY_COMPARE(c.prompts->shown.size(), 2);
    QVERIFY(c.LastText().startsWith("The backup could not be written to " +
                                    QDir::toNativeSeparators(strOld)));
    QCOMPARE(c.LastShown().icon, Prompts::Icon::Critical);
    QCOMPARE(FileBytes(strOld), QByteArray("the older backup\r\n"));

    // A dump cut off on its way (the server writes it as it reads it) writes nothing.
    c.prompts->saveNames << strFile;
    c.prompts->ExpectOk();
    peer.queuedReplies << "HTTP/1.0 200 OK\r\n\r\n<START_HERE>800;ZORV DUMP 4\nS|a|b\nC|1|An";
    c.Admin().AdminBackupDB();
    QTRY_COMPARE(c.prompts->shown.size(), 3);
    QVERIFY2(c.LastText().startsWith("The backup was cut off before its end"),
             qPrintable(c.LastText()));
    QCOMPARE(FileBytes(strFile), QByteArray("ZORV DUMP 3\nS|a|b\r\n"));
}

void tst_admin::membersAreTurnedAway() {
    Client c(m_server->Address(), "Brenna Ashvale", "welcome1");
    const QString strBefore = c.PostData();
    for (void (AdminOperations::*operation)() :
         {&AdminOperations::AdminServerSetup, &AdminOperations::AdminResetPass,
          &AdminOperations::AdminChangeSec, &AdminOperations::AdminBackupDB}) {
        c.prompts->ExpectOk();
        (c.Admin().*operation)();
        QCOMPARE(c.LastText(), QStringLiteral("You security level is not high enough!"));
    }
    QCOMPARE(c.prompts->shown.size(), 4);
    QCOMPARE(c.prompts->dialogNames.count(), 1); // only the login's own dialog
    QCOMPARE(c.PostData(), strBefore);

    // An administrator with nothing selected is told so with the error icon.
    Client aldric(m_server->Address(), "Aldric Stormwind", "lantern1");
    aldric.window->views().treTreeView->setCurrentIndex(QModelIndex());
    aldric.prompts->ExpectOk(2);
    aldric.Admin().AdminResetPass();
    aldric.Admin().AdminChangeSec();
    QCOMPARE(aldric.prompts->shown[0].strText,
             QStringLiteral("You must select the character whose password you want to reset "
                            "from the tree!"));
    QCOMPARE(aldric.prompts->shown[1].strText,
             QStringLiteral("You must select the character whose security level you want to "
                            "change!"));
    QCOMPARE(aldric.prompts->shown[1].icon, Prompts::Icon::Critical);
}

void tst_admin::historyTabsAndUndo() {
    Client c(m_server->Address(), "Aldric Stormwind", "lantern1");
    QVERIFY(c.Show("Brenna Ashvale"));
    const SheetViews& sheet = c.window->views().sheet;
    // The History tab seen once before the save: what it read then is out of date after it.
    ChangeHistory& history = c.window->history();
    HistoryView& view = *history.pCharacterView;
    sheet.tabCharInfo->setCurrentIndex(TabIndex(sheet.tabCharInfo, "History"));
    ZORV_TRY(!c.window->cycle().IsBusy());
    const int nBefore = view.twHistory->topLevelItemCount();
    sheet.tabCharInfo->setCurrentIndex(TabIndex(sheet.tabCharInfo, "Basic Info"));
    const QString strBio = sheet.txtBio->toPlainText();
    sheet.txtBio->setPlainText(QStringLiteral("Edited by the officer"));
    c.prompts->ExpectOk();
    QVERIFY(c.window->sheet().SaveCharChanges());
    ZORV_TRY(c.LastText().startsWith("The character's information has been"));
    ZORV_TRY_COMPARE(sheet.txtBio->toPlainText(), QString("Edited by the officer"));

    // The sheet's History tab reads the shown character's changes when it comes into sight.
    sheet.tabCharInfo->setCurrentIndex(TabIndex(sheet.tabCharInfo, "History"));
    ZORV_TRY(view.twHistory->topLevelItemCount() == nBefore + 1);
    QTreeWidgetItem* pSave = view.twHistory->topLevelItem(0);
    QCOMPARE(pSave->text(1), QStringLiteral("Aldric Stormwind"));
    QCOMPARE(pSave->text(2), QStringLiteral("Saved Brenna Ashvale"));
    QCOMPARE(pSave->child(0)->text(1), QStringLiteral("Bio"));
    QVERIFY2(pSave->child(0)->text(2).endsWith(QStringLiteral("\u2192 Edited by the officer")),
             qPrintable(pSave->child(0)->text(2)));
    QVERIFY(!view.cmdUndo->isHidden());

    // Undo asks, saying what comes back; No sends nothing.
    view.twHistory->setCurrentItem(pSave);
    QVERIFY(view.cmdUndo->isEnabled());
    const QString strPosted = c.PostData();
    c.prompts->answers << Prompts::Answer::No;
    QTest::mouseClick(view.cmdUndo, Qt::LeftButton);
    QVERIFY2(c.LastText().contains(QStringLiteral("This will set Bio back to ")),
             qPrintable(c.LastText()));
    QCOMPARE(c.PostData(), strPosted);
    c.prompts->answers << Prompts::Answer::Yes;
    c.prompts->ExpectOk();
    QTest::mouseClick(view.cmdUndo, Qt::LeftButton);
    QVERIFY(c.PostData().contains("&msgid=119&charid=1&entry="));
    ZORV_TRY_COMPARE(c.LastText(), QString("The change has been undone."));
    ZORV_TRY_COMPARE(sheet.txtBio->toPlainText(), strBio);
    ZORV_TRY(view.twHistory->topLevelItemCount() > 0 &&
             view.twHistory->topLevelItem(0)->text(2).startsWith("Undid change"));

    view.twHistory->setCurrentItem(view.twHistory->topLevelItem(1));
    QVERIFY2(!view.cmdUndo->isEnabled(), "an undone change offers no undo");

    // The guild's recent changes, in their own view.
    HistoryView& guild = *history.pGuildView;
    c.window->findChild<QAction*>(QStringLiteral("mnuRecentChanges"))->trigger();
    QVERIFY(c.window->history().frmRecentChanges->isVisible());
    ZORV_TRY(guild.twHistory->topLevelItemCount() >= 2);
    QVERIFY(guild.twHistory->topLevelItem(0)->text(2).startsWith("Undid change"));
    QVERIFY(guild.twHistory->topLevelItem(1)->text(2).contains("(undone by #"));
    // Escape closes the window, as its Close button does.
    QWidget& recent = *c.window->history().frmRecentChanges;
    recent.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&recent));
    QTest::keyClick(guild.twHistory, Qt::Key_Escape);
    QVERIFY(!recent.isVisible());
    recent.show();

    // A branch removed in the client comes back with an undo from the guild's view.
    QVERIFY(c.Show("Brenna Ashvale"));
    sheet.lstVassals->setCurrentRow(0);
    QCOMPARE(sheet.lstVassals->currentItem()->text(), QStringLiteral("Fiora Glenn"));
    c.prompts->answers << Prompts::Answer::Yes;
    c.prompts->ExpectOk();
    c.window->operations().RemoveVassal();
    ZORV_TRY_COMPARE(c.window->objCharDB().GetID("Pella Rook"), qint16(-1));
    ZORV_TRY_COMPARE(c.window->sheet().iCurDisplayCharID, qint16(2));
    // The open window follows the change by itself.
    ZORV_TRY(guild.twHistory->topLevelItemCount() > 0 &&
             guild.twHistory->topLevelItem(0)->text(2) ==
                 "Removed Fiora Glenn and 5 followers from under Brenna "
                 "Ashvale");
    const QString strRemoval = guild.twHistory->topLevelItem(0)->toolTip(2).mid(8);
    guild.twHistory->setCurrentItem(guild.twHistory->topLevelItem(0)->child(2));
    // The view is read again while the question is open (its selection goes): the undo still
    // names the entry the question showed.
    c.prompts->whileOpen << [&] {
        QTest::mouseClick(guild.cmdRefresh, Qt::LeftButton);
        ZORV_TRY(!c.window->cycle().IsBusy());
        QVERIFY(!guild.Selected());
    };
    c.prompts->answers << Prompts::Answer::Yes;
    c.prompts->ExpectOk();
    QTest::mouseClick(guild.cmdUndo, Qt::LeftButton);
    QVERIFY2(c.PostData().endsWith("&msgid=119&charid=1&entry=" + strRemoval),
             qPrintable(c.PostData()));
    ZORV_TRY_COMPARE(c.LastText(), QString("The change has been undone."));
    const QString strAsked = c.Texts().at(c.Texts().size() - 2);
    QVERIFY2(strAsked.contains("bring back Fiora Glenn (id 6)") &&
                 strAsked.contains("bring back Eamon Gray") &&
                 strAsked.contains("log in with the guild's default password"),
             qPrintable(strAsked));
    ZORV_TRY(c.window->objCharDB().GetID("Pella Rook") != -1);

    // Clicking on while the shown character's history is still on its way: the history of the
    // character clicked last comes, and the open window follows.
    QVERIFY(c.Show("Dara Whitmoor"));
    sheet.txtBio->setPlainText(QStringLiteral("Dara's own"));
    c.prompts->ExpectOk();
    QVERIFY(c.window->sheet().SaveCharChanges());
    ZORV_TRY(!c.window->sheet().HasUnsavedEdits());
    sheet.tabCharInfo->setCurrentIndex(TabIndex(sheet.tabCharInfo, "History"));
    // Dara is clicked just after Corin's history was asked for (beside the user's requests).
    bool bAsked = false;
    QMetaObject::Connection once;
    once = QObject::connect(&c.window->sheet(), &CharacterSheet::Displayed, [&] {
        QObject::disconnect(once);
        QTimer::singleShot(0, [&] {
            bAsked = true;
            c.window->allegiance().FindInTree("Dara Whitmoor");
        });
    });
    c.window->allegiance().FindInTree("Corin Thale");
    ZORV_TRY(bAsked);
    ZORV_TRY(view.twHistory->topLevelItemCount() > 0 &&
             view.twHistory->topLevelItem(0)->text(2) == "Saved Dara Whitmoor");
    ZORV_TRY(guild.twHistory->topLevelItemCount() > 0 &&
             guild.twHistory->topLevelItem(0)->text(2) == "Saved Dara Whitmoor");

    // The history read dropped by another request on its way (the window's Refresh): it is
    // asked for again.
    QVERIFY(c.Show("Corin Thale"));
    once = QObject::connect(&c.window->sheet(), &CharacterSheet::Displayed, [&] {
        QObject::disconnect(once);
        QTimer::singleShot(0, [&] { QTest::mouseClick(guild.cmdRefresh, Qt::LeftButton); });
    });
    c.window->allegiance().FindInTree("Dara Whitmoor");
    ZORV_TRY(view.twHistory->topLevelItemCount() > 0 &&
             view.twHistory->topLevelItem(0)->text(2) == "Saved Dara Whitmoor");

    // A member sees the history but no Undo.
    Client brenna(m_server->Address(), "Brenna Ashvale", "welcome1");
    QVERIFY(brenna.window->history().pCharacterView->cmdUndo->isHidden());
    QVERIFY(brenna.window->history().pGuildView->cmdUndo->isHidden());
    brenna.window->findChild<QAction*>(QStringLiteral("mnuRecentChanges"))->trigger();
    ZORV_TRY(brenna.window->history().pGuildView->twHistory->topLevelItemCount() >= 2);
}

// The chat notifications' window against a real server, with a scripted chat service: a target
// added through the dialog (whose refusals and Escape send nothing), its address never shown
// back whole, a test message delivered and one refused, the target removed after a question.
void tst_admin::notifications() {
    ScriptedPeer chat;
    chat.bBodyEndsWithCrLf = false;
    chat.queuedReplies << "HTTP/1.1 204 No Content\r\nContent-Length: 0\r\n\r\n"
                       << "HTTP/1.1 500 Internal Server Error\r\nContent-Length: 0\r\n\r\n";
    Client c(m_server->Address(), "Aldric Stormwind", "lantern1");
    frmNotifications& n = c.window->notifications();
    c.window->findChild<QAction*>(QStringLiteral("mnuAdminNotifications"))->trigger();
    QVERIFY(n.isVisible());
    ZORV_TRY(n.lblNotifyInfo->text().contains("sent nowhere yet"));
    QVERIFY(!n.cmdNotifyTest->isEnabled() && !n.cmdNotifyRemove->isEnabled());

    const QString strPosted = c.PostData();
    c.prompts->ExpectDismissed(ScriptedPrompts::Dismissal::Escape);
    QTest::mouseClick(n.cmdNotifyAdd, Qt::LeftButton);
    QCOMPARE(c.PostData(), strPosted);
    const QString strUrl =
        QStringLiteral("http://127.0.0.1:%1/hooks/secret-token").arg(chat.Port());
    c.prompts->dialogs << [&](QDialog& dlg) {
        auto& add = static_cast<frmNotifyTarget&>(dlg);
        add.show();
        for (const QString& strBad :
             {QStringLiteral("ftp://127.0.0.1/x"), QStringLiteral("http://guild.example.org/hook"),
              QStringLiteral("https://")}) {
            add.txtNotifyUrl->setText(strBad);
            add.accept();
            if (!add.isVisible() || add.lblNotifyProblem->text().isEmpty())
                QTest::qFail(qPrintable("accepted " + strBad), __FILE__, __LINE__);
        }
        add.txtNotifyUrl->setText(strUrl);
        for (QCheckBox* pKind : add.chkNotifyKind)
            pKind->setChecked(false);
        add.accept();
        if (!add.isVisible())
            QTest::qFail("accepted without a kind of change", __FILE__, __LINE__);
        add.chkNotifyKind[0]->setChecked(true);
        add.chkNotifyKind[2]->setChecked(true);
        add.cmbNotifyFormat->setCurrentIndex(add.cmbNotifyFormat->findData("json"));
        add.cmbNotifyLanguage->setCurrentIndex(add.cmbNotifyLanguage->findData("de"));
        add.accept();
        return add.result();
    };
    QTest::mouseClick(n.cmdNotifyAdd, Qt::LeftButton);
    QVERIFY(c.PostData().contains("&msgid=124&"));
    ZORV_TRY_COMPARE(n.Targets().size(), 1);
    const NotifyTarget target = n.Targets().front();
    QCOMPARE(target.strFormat, QStringLiteral("json"));
    QCOMPARE(target.kinds, QStringList({"joins", "moves"}));
    QCOMPARE(target.strLanguage, QStringLiteral("de")); // its messages are written in German
    QCOMPARE(n.grdNotifyTargets->TextMatrix(1, 8), QStringLiteral("Deutsch"));
    QVERIFY2(target.strShownUrl.contains("127.0.0.1") && !target.strShownUrl.contains("secret"),
             qPrintable(target.strShownUrl));
    QCOMPARE(n.grdNotifyTargets->TextMatrix(1, 4), QStringLiteral("Up to date"));
    QVERIFY(n.lblNotifyInfo->text().startsWith("Notifications added."));
    // A second target, added by another administrator on the server's command line, comes with
    // Refresh; the buttons act on the row selected.
    m_server->Command({"notify", "add", "--db", m_server->Database(), "--url",
                       "https://hooks.slack.example/services/T0/B0/other", "--format", "slack",
                       "--kinds", "departures"});
    QTest::mouseClick(n.cmdNotifyRefresh, Qt::LeftButton);
    ZORV_TRY_COMPARE(n.Targets().size(), 2);
    QCOMPARE(n.grdNotifyTargets->TextMatrix(1, 3), QStringLiteral("Joins, Patron changes"));
    QCOMPARE(n.grdNotifyTargets->TextMatrix(2, 3), QStringLiteral("Departures"));
    n.grdNotifyTargets->setCurrentIndex(n.grdNotifyTargets->model()->index(0, 0));

    // The test message reaches the chat service; its refusal is said in the window, not a box.
    QTest::mouseClick(n.cmdNotifyTest, Qt::LeftButton);
    ZORV_TRY(n.lblNotifyInfo->text().startsWith("The test message was delivered"));
    QVERIFY(chat.Request(0).startsWith("POST /hooks/secret-token HTTP/1.1\r\n"));
    n.grdNotifyTargets->setCurrentIndex(n.grdNotifyTargets->model()->index(0, 0));
    QTest::mouseClick(n.cmdNotifyTest, Qt::LeftButton);
    ZORV_TRY(n.lblNotifyInfo->text().startsWith("The test message could not be delivered: "));
    QVERIFY2(n.lblNotifyInfo->text().contains("500"), qPrintable(n.lblNotifyInfo->text()));
    QCOMPARE(chat.Connections(), 2);

    // Removing asks first; No sends nothing. Yes removes the selected target, the other stays.
    ZORV_TRY(!c.window->cycle().IsBusy());
    n.grdNotifyTargets->setCurrentIndex(n.grdNotifyTargets->model()->index(1, 0));
    const QString strBeforeRemove = c.PostData();
    c.prompts->answers << Prompts::Answer::No;
    QTest::mouseClick(n.cmdNotifyRemove, Qt::LeftButton);
    QCOMPARE(c.PostData(), strBeforeRemove);
    QVERIFY2(c.LastText().contains("hooks.slack.example") && !c.LastText().contains("B0"),
             qPrintable(c.LastText()));
    c.prompts->answers << Prompts::Answer::Yes;
    QTest::mouseClick(n.cmdNotifyRemove, Qt::LeftButton);
    ZORV_TRY(n.Targets().size() == 1 && !c.window->cycle().IsBusy());
    QCOMPARE(n.Targets().front().strFormat, QStringLiteral("json"));
    QCOMPARE(c.prompts->nUnexpected, 0);

    // A member has no such menu, and the window will not open for one.
    Client brenna(m_server->Address(), "Brenna Ashvale", "welcome1");
    QVERIFY(!brenna.window->findChild<QMenu*>(QStringLiteral("mnuAdministrator"))
                 ->menuAction()
                 ->isVisible());
    brenna.prompts->ExpectOk();
    brenna.window->notifications().ShowAndRefresh();
    QVERIFY(!brenna.window->notifications().isVisible());
    QCOMPARE(brenna.LastText(), QStringLiteral("You security level is not high enough!"));
}

QTEST_MAIN(tst_admin)
#include "tst_admin.moc"
