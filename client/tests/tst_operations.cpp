// Adding and removing vassals, changing patron and changing a password, against a real
// zorv-server with the demo guild, the dialogs driven through the prompts seam.
//
// The demo: Aldric Stormwind (1, administrator, "lantern1") is the monarch of Brenna Ashvale (2),
// Corin Thale (3), Dara Whitmoor (4) and Edrin Falk (5); Brenna has Fiora Glenn (6), Jessa Quill
// (10) and Nyla Fenwick (14); Fiora has Pella Rook (16) and Zeb Harrow (26); Pella has Eamon
// Gray (31). Everyone but Aldric logs in with "welcome1".
#include "AllegianceModel.h"
#include "AllegianceOperations.h"
#include "AllegianceView.h"
#include "CharacterSheet.h"
#include "Characters.h"
#include "MainViews.h"
#include "RequestCycle.h"
#include "ServerProcess.h"
#include "TestClient.h"
#include "frmAddVassal.h"
#include "frmChangePassword.h"
#include "frmFindChar.h"
#include "frmLogin.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeView>

namespace {

const QString kAdded =
    QStringLiteral("The new vassal has been added to the tree.  Hit OK to refresh the tree");

struct Client : TestClient {
    Client(const ServerProcess& server, const QString& strName, const QString& strPassword) {
        QObject::connect(&Sheet(), &CharacterSheet::Displayed, [this] { ++nDisplays; });
        LogIn(server.Address(), strName, strPassword);
        bLoggedIn = QTest::qWaitFor([&] { return Sheet().iCurDisplayCharID != 0; }, 20000);
    }
    CharacterSheet& Sheet() { return window->sheet(); }
    AllegianceOperations& Ops() { return window->operations(); }
    const Characters& Roster() { return window->objCharDB(); }
    RequestCycle& Cycle() { return window->cycle(); }
    SheetViews& V() { return window->views().sheet; }
    // The vassals the sheet lists for the shown character.
    QStringList Vassals() {
        QStringList names;
        for (int i = 0; i < V().lstVassals->count(); ++i)
            names << V().lstVassals->item(i)->text();
        return names;
    }
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
    void QueueFind(const QString& strName) {
        prompts->dialogs << [strName](QDialog& dlg) {
            auto& find = static_cast<frmFindChar&>(dlg);
            find.txtName->setText(strName);
            find.cmdOK_Click();
            return int(QDialog::Accepted);
        };
    }
    // The other character's login: strPassword empty cancels it. Checks the name offered.
    void QueueLogin(const QString& strOffered, const QString& strPassword) {
        prompts->dialogs << [strOffered, strPassword](QDialog& dlg) {
            auto& login = static_cast<frmLogin&>(dlg);
            login.Form_Activate(); // as its showing does
            [&] { QCOMPARE(login.txtCharName->text(), strOffered); }();
            if (strPassword.isEmpty()) {
                login.cmdCancel_Click();
                return int(QDialog::Rejected);
            }
            login.txtPassword->setText(strPassword);
            login.cmdOK_Click();
            return int(QDialog::Accepted);
        };
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
    // The request built last, as the exchange holds it until the next one.
    QString PostData() { return Cycle().Exchange().strPostData; }

    bool bLoggedIn = false;
    int nDisplays = 0;
};

} // namespace

class tst_operations final : public QObject {
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

private:
    std::unique_ptr<ServerProcess> m_server;
};

void tst_operations::init() {
    m_server = std::make_unique<ServerProcess>();
    QVERIFY(m_server->Start("demo"));
}

void tst_operations::addVassal() {
    Client brenna(*m_server, "Brenna Ashvale", "welcome1");
    QVERIFY(brenna.bLoggedIn);
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
    brenna.QueueLogin("Aldric Stormwind", QString());
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

    // The administrator adds under anyone with his own login; a monarch sends patron -1.
    Client aldric(*m_server, "Aldric Stormwind", "lantern1");
    QVERIFY(aldric.bLoggedIn);
    aldric.ExpectAddVassalDialog("Monarchs Man");
    aldric.prompts->ExpectOk();
    aldric.Ops().AddVassal();
    QVERIFY(aldric.PostData().endsWith("&charid=1&addtoid=1&vassalname=Monarchs Man"
                                       "&vassallist=2,3,4,5&patronid=-1"));
    QVERIFY(aldric.Succeeded(kAdded));
    QVERIFY(aldric.Vassals().contains("Monarchs Man"));
    QVERIFY(aldric.Show("Hesta Marr")); // Dara's vassal, nobody Aldric follows
    aldric.ExpectAddVassalDialog("Hestas Own");
    aldric.prompts->ExpectOk();
    aldric.Ops().AddVassal();
    QVERIFY(aldric.PostData().contains("&charid=1&addtoid=8&"));
    QVERIFY(aldric.Succeeded(kAdded));
    QCOMPARE(aldric.PatronOf("Hestas Own"), QStringLiteral("Hesta Marr"));
    QCOMPARE(aldric.prompts->dialogNames.count("frmLogin"), 0);
}

void tst_operations::removeVassal() {
    Client brenna(*m_server, "Brenna Ashvale", "welcome1");
    QVERIFY(brenna.bLoggedIn);
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
    for (const char* szGone : {"Fiora Glenn", "Pella Rook", "Zeb Harrow", "Eamon Gray"})
        QCOMPARE(brenna.Roster().GetID(szGone), qint16(-1));

    // Corin's vassal is outside Brenna's branch: Corin's login is asked for (the rule reads the
    // selected character, Corin), and Cancel sends nothing.
    QVERIFY(brenna.Show("Corin Thale"));
    brenna.V().lstVassals->setCurrentRow(0);
    brenna.prompts->answers << Prompts::Answer::Yes;
    brenna.QueueLogin("Corin Thale", QString());
    const QString strKept = brenna.PostData();
    brenna.Ops().RemoveVassal();
    QCOMPARE(brenna.PostData(), strKept);
}

void tst_operations::changePatron() {
    Client brenna(*m_server, "Brenna Ashvale", "welcome1");
    QVERIFY(brenna.bLoggedIn);
    QVERIFY(brenna.Show("Pella Rook"));
    // The list offers names in any letter case, but only the roster's spelling is taken.
    brenna.QueueFind("jessa quill");
    brenna.prompts->ExpectOk();
    const QString strBefore = brenna.PostData();
    brenna.Ops().ChangePatron();
    QCOMPARE(brenna.LastText(),
             QStringLiteral("You have entered a name that does not exist.  Please refresh the "
                            "tree."));
    QCOMPARE(brenna.PostData(), strBefore);

    // Pella moves under Jessa with her branch.
    QVERIFY(brenna.Show("Pella Rook"));
    brenna.QueueFind("Jessa Quill");
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
    QCOMPARE(brenna.PatronOf("Eamon Gray"), QStringLiteral("Pella Rook"));
    QCOMPARE(brenna.V().lblPatron->text(), QStringLiteral("Jessa Quill"));

    // A monarch carries the placeholder patron; the administrator needs no other login.
    Client aldric(*m_server, "Aldric Stormwind", "lantern1");
    QVERIFY(aldric.bLoggedIn);
    aldric.QueueFind("Corin Thale");
    aldric.prompts->ExpectOk();
    aldric.Ops().ChangePatron();
    QVERIFY(aldric.PostData().contains("&moveid=1&charid=1&oldpatronid=-1&oldpatronname=blah"
                                       "&oldpatronvassallist=blah&newpatronid=3&"));
    QTRY_COMPARE_WITH_TIMEOUT(aldric.LastTitle(), QString("ZORV Error #940"), 20000);
}

void tst_operations::changePassword() {
    Client brenna(*m_server, "Brenna Ashvale", "welcome1");
    QVERIFY(brenna.bLoggedIn);
    brenna.QueuePassword("brenna22", "brenna22");
    brenna.prompts->ExpectOk();
    brenna.Ops().ChangePassword();
    QVERIFY(brenna.PostData().endsWith("&msgid=108&charid=2&newpw=brenna22&confirmpw=brenna22"));
    QTRY_COMPARE_WITH_TIMEOUT(brenna.LastText(),
                              QString("Your password has been successfully changed!"), 20000);
    QCOMPARE(brenna.Cycle().CurrentLogin().strPassword, QStringLiteral("brenna22"));
    // The next request goes out with the new password and the server takes it.
    QVERIFY(brenna.Show("Jessa Quill"));
    QVERIFY(brenna.PostData().startsWith("charname=Brenna Ashvale&password=brenna22&"));
    QCOMPARE(brenna.prompts->shown.size(), 1);

    // A vassal's password asks for the vassal's login, even for her patron and even for an
    // administrator, and the own password stays.
    brenna.QueuePassword("jessa333", "jessa333");
    brenna.QueueLogin("Jessa Quill", "welcome1");
    brenna.prompts->ExpectOk();
    brenna.Ops().ChangePassword();
    QVERIFY(brenna.PostData().startsWith("charname=Jessa Quill&password=welcome1&msgid=108"
                                         "&charid=10&newpw=jessa333"));
    QTRY_COMPARE_WITH_TIMEOUT(brenna.prompts->shown.size(), 2, 20000);
    QCOMPARE(brenna.Cycle().CurrentLogin().strPassword, QStringLiteral("brenna22"));
    Client aldric(*m_server, "Aldric Stormwind", "lantern1");
    QVERIFY(aldric.bLoggedIn);
    QVERIFY(aldric.Show("Jessa Quill"));
    aldric.QueuePassword("jessa444", "jessa444");
    aldric.QueueLogin("Jessa Quill", QString()); // Cancel: nothing sent
    const QString strBefore = aldric.PostData();
    aldric.Ops().ChangePassword();
    QCOMPARE(aldric.PostData(), strBefore);
    Client jessa(*m_server, "Jessa Quill", "jessa333");
    QVERIFY(jessa.bLoggedIn);
}

void tst_operations::passwordDialogChecks() {
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

void tst_operations::dismissedDialogsSendNothing() {
    // Each dialog is used once, so that it holds a name, a password and a patron from then on.
    Client aldric(*m_server, "Aldric Stormwind", "lantern1");
    QVERIFY(aldric.bLoggedIn);
    aldric.ExpectAddVassalDialog("Zed Testone");
    aldric.prompts->ExpectOk();
    aldric.Ops().AddVassal();
    QVERIFY(aldric.Succeeded(kAdded));
    aldric.QueuePassword("lantern2", "lantern2");
    aldric.prompts->ExpectOk();
    aldric.Ops().ChangePassword();
    QTRY_COMPARE_WITH_TIMEOUT(aldric.LastText(),
                              QString("Your password has been successfully changed!"), 20000);
    QVERIFY(aldric.Show("Fiora Glenn"));
    aldric.QueueFind("Corin Thale");
    aldric.prompts->ExpectOk();
    aldric.Ops().ChangePatron();
    QVERIFY(aldric.Succeeded("You have been moved to your new patron."));
    // The other character's login, confirmed once for a password change.
    QVERIFY(aldric.Show("Jessa Quill"));
    aldric.QueuePassword("jessa333", "jessa333");
    aldric.QueueLogin("Jessa Quill", "welcome1");
    aldric.prompts->ExpectOk();
    aldric.Ops().ChangePassword();
    QTRY_COMPARE_WITH_TIMEOUT(aldric.LastText(),
                              QString("Your password has been successfully changed!"), 20000);

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

void tst_operations::staleListsAreRefused() {
    Client brenna(*m_server, "Brenna Ashvale", "welcome1");
    QVERIFY(brenna.bLoggedIn);
    // Meanwhile another officer adds a vassal to Brenna.
    Client aldric(*m_server, "Aldric Stormwind", "lantern1");
    QVERIFY(aldric.bLoggedIn);
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
    QTRY_COMPARE_WITH_TIMEOUT(brenna.prompts->shown.size(), 1, 20000);
    QCOMPARE(brenna.prompts->shown[0].strTitle, QStringLiteral("ZORV Error #904"));
    QCOMPARE(brenna.prompts->shown[0].strText,
             QStringLiteral("There was an error while trying to add the vassal.  Please refresh "
                            "the tree and try again."));
    QCOMPARE(brenna.Roster().GetID("First Come"), qint16(-1)); // her tree is as it was

    aldric.window->allegiance().RefreshTree();
    QTRY_VERIFY_WITH_TIMEOUT(aldric.Roster().GetID("Fiora Glenn") > 0, 20000);
    QCOMPARE(aldric.Roster().GetID("Second Come"), qint16(-1));
    QVERIFY(aldric.Roster().GetID("First Come") > 0);
}

QTEST_MAIN(tst_operations)
#include "tst_operations.moc"
