// The administrator's operations against a real zorv-server with the demo guild: the set-up
// change with and without a new default password, password reset, security level, and the
// backup's request and file (that the file restores is the server's tests'); the level guard; and
// the chat notifications' window.
#include "AdminOperations.h"
#include "AllegianceOperations.h"
#include "AllegianceView.h"
#include "ChangeHistory.h"
#include "CharacterSheet.h"
#include "Characters.h"
#include "Grid.h"
#include "HTTPRequest.h"
#include "MainViews.h"
#include "Protocol.h"
#include "RequestCycle.h"
#include "ScriptedPeer.h"
#include "ServerProcess.h"
#include "Session.h"
#include "Tabs.h"
#include "TestClient.h"
#include "frmNewServerSetup.h"
#include "frmNotifications.h"
#include "frmSecLevel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>

namespace {

struct Client : TestClient {
    Client(const QString& strAddress, const QString& strName, const QString& strPassword) {
        LogIn(strAddress, strName, strPassword);
        bLoggedIn = QTest::qWaitFor([&] { return window->sheet().iCurDisplayCharID != 0; }, 20000);
    }
    AdminOperations& Admin() { return window->admin(); }
    QString PostData() { return window->cycle().Exchange().strPostData; }
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
    bool bLoggedIn = false;
};

} // namespace

class tst_admin final : public QObject {
    Q_OBJECT

private slots:
    void init();
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

void tst_admin::serverSetupChanges() {
    Client c(m_server->Address(), "Aldric Stormwind", "lantern1");
    QVERIFY(c.bLoggedIn);
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
    QTRY_COMPARE_WITH_TIMEOUT(c.LastText(), QString("The server has saved the new setup!"), 20000);
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
    QVERIFY(c.bLoggedIn);
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
    QTRY_COMPARE_WITH_TIMEOUT(c.LastText(),
                              QString("The character's password has been reset to the default "
                                      "password."),
                              20000);

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
    QTRY_COMPARE_WITH_TIMEOUT(c.LastText(),
                              QString("The character's security level has been changed!"), 20000);
    Level(0, Prompts::Answer::Yes);
    QVERIFY(c.PostData().endsWith("&changeid=2&newlevel=1"));
    QTRY_COMPARE_WITH_TIMEOUT(c.prompts->shown.size(), 8, 20000); // its message arrived

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
    QVERIFY(c.bLoggedIn);
    QTemporaryDir dir;
    const QString strFile = dir.filePath("guild.dat");
    c.prompts->saveNames << strFile;
    c.prompts->ExpectOk();
    c.Admin().AdminBackupDB();
    QVERIFY(c.PostData().endsWith("&msgid=111&charid=1"));
    QTRY_COMPARE_WITH_TIMEOUT(c.LastText(), QString("The character database has been backed up"),
                              20000);
    QFile file(strFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray backup = file.readAll();
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
    QVERIFY(c.bLoggedIn);
    QTemporaryDir dir;
    // The payload's last character (a line feed here) is dropped, and CR LF ends the file.
    const QString strFile = dir.filePath("exact.dat");
    c.prompts->saveNames << strFile;
    c.prompts->ExpectOk();
    peer.queuedReplies << ScriptedPeer::Reply("800", "ZORV DUMP 3\nS|a|b\n");
    c.Admin().AdminBackupDB();
    QTRY_COMPARE(c.prompts->shown.size(), 1);
    QFile exact(strFile);
    QVERIFY(exact.open(QIODevice::ReadOnly));
    QCOMPARE(exact.readAll(), QByteArray("ZORV DUMP 3\nS|a|b\r\n"));

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
    QFile old(strOld);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("the older backup\r\n"));

    // A dump cut off on its way (the server writes it as it reads it) writes nothing.
    c.prompts->saveNames << strFile;
    c.prompts->ExpectOk();
    peer.queuedReplies << "HTTP/1.0 200 OK\r\n\r\n<START_HERE>800;ZORV DUMP 4\nS|a|b\nC|1|An";
    c.Admin().AdminBackupDB();
    QTRY_COMPARE(c.prompts->shown.size(), 3);
    QVERIFY2(c.LastText().startsWith("The backup was cut off before its end"),
             qPrintable(c.LastText()));
    QVERIFY(exact.seek(0));
    QCOMPARE(exact.readAll(), QByteArray("ZORV DUMP 3\nS|a|b\r\n"));
}

void tst_admin::membersAreTurnedAway() {
    Client c(m_server->Address(), "Brenna Ashvale", "welcome1");
    QVERIFY(c.bLoggedIn);
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
    QVERIFY(aldric.bLoggedIn);
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
    QVERIFY(c.bLoggedIn);
    QVERIFY(c.Show("Brenna Ashvale"));
    const SheetViews& sheet = c.window->views().sheet;
    // The History tab seen once before the save: what it read then is out of date after it.
    ChangeHistory& history = c.window->history();
    HistoryView& view = *history.pCharacterView;
    sheet.tabCharInfo->setCurrentIndex(TabIndex(sheet.tabCharInfo, "History"));
    QTRY_VERIFY_WITH_TIMEOUT(!c.window->cycle().IsBusy(), 20000);
    const int nBefore = view.twHistory->topLevelItemCount();
    sheet.tabCharInfo->setCurrentIndex(TabIndex(sheet.tabCharInfo, "Basic Info"));
    const QString strBio = sheet.txtBio->toPlainText();
    sheet.txtBio->setPlainText(QStringLiteral("Edited by the officer"));
    c.prompts->ExpectOk();
    QVERIFY(c.window->sheet().SaveCharChanges());
    QTRY_VERIFY_WITH_TIMEOUT(c.LastText().startsWith("The character's information has been"),
                             20000);
    QTRY_COMPARE_WITH_TIMEOUT(sheet.txtBio->toPlainText(), QString("Edited by the officer"), 20000);

    // The sheet's History tab reads the shown character's changes when it comes into sight.
    sheet.tabCharInfo->setCurrentIndex(TabIndex(sheet.tabCharInfo, "History"));
    QTRY_VERIFY_WITH_TIMEOUT(view.twHistory->topLevelItemCount() == nBefore + 1, 20000);
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
    QTRY_COMPARE_WITH_TIMEOUT(c.LastText(), QString("The change has been undone."), 20000);
    QTRY_COMPARE_WITH_TIMEOUT(sheet.txtBio->toPlainText(), strBio, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(
        view.twHistory->topLevelItemCount() > 0 &&
            view.twHistory->topLevelItem(0)->text(2).startsWith("Undid change"),
        20000);

    view.twHistory->setCurrentItem(view.twHistory->topLevelItem(1));
    QVERIFY2(!view.cmdUndo->isEnabled(), "an undone change offers no undo");

    // The guild's recent changes, in their own view.
    HistoryView& guild = *history.pGuildView;
    c.window->findChild<QAction*>(QStringLiteral("mnuRecentChanges"))->trigger();
    QVERIFY(c.window->history().frmRecentChanges->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(guild.twHistory->topLevelItemCount() >= 2, 20000);
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
    QTRY_COMPARE_WITH_TIMEOUT(c.window->objCharDB().GetID("Pella Rook"), qint16(-1), 20000);
    QTRY_COMPARE_WITH_TIMEOUT(c.window->sheet().iCurDisplayCharID, qint16(2), 20000);
    // The open window follows the change by itself.
    QTRY_VERIFY_WITH_TIMEOUT(guild.twHistory->topLevelItemCount() > 0 &&
                                 guild.twHistory->topLevelItem(0)->text(2) ==
                                     "Removed Fiora Glenn and 5 followers from under Brenna "
                                     "Ashvale",
                             20000);
    const QString strRemoval = guild.twHistory->topLevelItem(0)->toolTip(2).mid(8);
    guild.twHistory->setCurrentItem(guild.twHistory->topLevelItem(0)->child(2));
    // The view is read again while the question is open (its selection goes): the undo still
    // names the entry the question showed.
    c.prompts->whileOpen << [&] {
        QTest::mouseClick(guild.cmdRefresh, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!c.window->cycle().IsBusy(), 20000);
        QVERIFY(!guild.Selected());
    };
    c.prompts->answers << Prompts::Answer::Yes;
    c.prompts->ExpectOk();
    QTest::mouseClick(guild.cmdUndo, Qt::LeftButton);
    QVERIFY2(c.PostData().endsWith("&msgid=119&charid=1&entry=" + strRemoval),
             qPrintable(c.PostData()));
    QTRY_COMPARE_WITH_TIMEOUT(c.LastText(), QString("The change has been undone."), 20000);
    const QString strAsked = c.Texts().at(c.Texts().size() - 2);
    QVERIFY2(strAsked.contains("bring back Fiora Glenn (id 6)") &&
                 strAsked.contains("bring back Eamon Gray") &&
                 strAsked.contains("log in with the guild's default password"),
             qPrintable(strAsked));
    QTRY_VERIFY_WITH_TIMEOUT(c.window->objCharDB().GetID("Pella Rook") != -1, 20000);
    for (const char* szBack : {"Fiora Glenn", "Zeb Harrow", "Eamon Gray"})
        QVERIFY(c.window->objCharDB().GetID(szBack) != -1);
    QTRY_VERIFY_WITH_TIMEOUT(guild.twHistory->topLevelItemCount() > 0 &&
                                 guild.twHistory->topLevelItem(0)->text(2).startsWith("Undid"),
                             20000);
    // Back in its place among Brenna's vassals.
    QCOMPARE(c.window->objCharDB().Item("Char2")->strVassalIDs, QStringLiteral("6,10,14"));

    // Clicking on while the shown character's history is still on its way: the history of the
    // character clicked last comes, and the open window follows.
    QVERIFY(c.Show("Dara Whitmoor"));
    sheet.txtBio->setPlainText(QStringLiteral("Dara's own"));
    c.prompts->ExpectOk();
    QVERIFY(c.window->sheet().SaveCharChanges());
    QTRY_VERIFY_WITH_TIMEOUT(!c.window->sheet().HasUnsavedEdits(), 20000);
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
    QTRY_VERIFY_WITH_TIMEOUT(bAsked, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(view.twHistory->topLevelItemCount() > 0 &&
                                 view.twHistory->topLevelItem(0)->text(2) == "Saved Dara Whitmoor",
                             20000);
    QTRY_VERIFY_WITH_TIMEOUT(guild.twHistory->topLevelItemCount() > 0 &&
                                 guild.twHistory->topLevelItem(0)->text(2) == "Saved Dara Whitmoor",
                             20000);

    // The history read dropped by another request on its way (the window's Refresh): it is
    // asked for again.
    QVERIFY(c.Show("Corin Thale"));
    once = QObject::connect(&c.window->sheet(), &CharacterSheet::Displayed, [&] {
        QObject::disconnect(once);
        QTimer::singleShot(0, [&] { QTest::mouseClick(guild.cmdRefresh, Qt::LeftButton); });
    });
    c.window->allegiance().FindInTree("Dara Whitmoor");
    QTRY_VERIFY_WITH_TIMEOUT(view.twHistory->topLevelItemCount() > 0 &&
                                 view.twHistory->topLevelItem(0)->text(2) == "Saved Dara Whitmoor",
                             20000);

    // A member sees the history but no Undo.
    Client brenna(m_server->Address(), "Brenna Ashvale", "welcome1");
    QVERIFY(brenna.bLoggedIn);
    QVERIFY(brenna.window->history().pCharacterView->cmdUndo->isHidden());
    QVERIFY(brenna.window->history().pGuildView->cmdUndo->isHidden());
    brenna.window->findChild<QAction*>(QStringLiteral("mnuRecentChanges"))->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(
        brenna.window->history().pGuildView->twHistory->topLevelItemCount() >= 2, 20000);
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
    QVERIFY(c.bLoggedIn);
    frmNotifications& n = c.window->notifications();
    c.window->findChild<QAction*>(QStringLiteral("mnuAdminNotifications"))->trigger();
    QVERIFY(n.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(n.lblNotifyInfo->text().contains("sent nowhere yet"), 20000);
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
        add.accept();
        return add.result();
    };
    QTest::mouseClick(n.cmdNotifyAdd, Qt::LeftButton);
    QVERIFY(c.PostData().contains("&msgid=124&"));
    QTRY_COMPARE_WITH_TIMEOUT(n.Targets().size(), 1, 20000);
    const NotifyTarget target = n.Targets().front();
    QCOMPARE(target.strFormat, QStringLiteral("json"));
    QCOMPARE(target.kinds, QStringList({"joins", "moves"}));
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
    QTRY_COMPARE_WITH_TIMEOUT(n.Targets().size(), 2, 20000);
    QCOMPARE(n.grdNotifyTargets->TextMatrix(1, 3), QStringLiteral("Joins, Patron changes"));
    QCOMPARE(n.grdNotifyTargets->TextMatrix(2, 3), QStringLiteral("Departures"));
    n.grdNotifyTargets->setCurrentIndex(n.grdNotifyTargets->model()->index(0, 0));

    // The test message reaches the chat service; its refusal is said in the window, not a box.
    QTest::mouseClick(n.cmdNotifyTest, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(n.lblNotifyInfo->text().startsWith("The test message was delivered"),
                             20000);
    QVERIFY(chat.Request(0).startsWith("POST /hooks/secret-token HTTP/1.1\r\n"));
    n.grdNotifyTargets->setCurrentIndex(n.grdNotifyTargets->model()->index(0, 0));
    QTest::mouseClick(n.cmdNotifyTest, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(
        n.lblNotifyInfo->text().startsWith("The test message could not be delivered: "), 20000);
    QVERIFY2(n.lblNotifyInfo->text().contains("500"), qPrintable(n.lblNotifyInfo->text()));
    QCOMPARE(chat.Connections(), 2);

    // Removing asks first; No sends nothing. Yes removes the selected target, the other stays.
    QTRY_VERIFY_WITH_TIMEOUT(!c.window->cycle().IsBusy(), 20000);
    n.grdNotifyTargets->setCurrentIndex(n.grdNotifyTargets->model()->index(1, 0));
    const QString strBeforeRemove = c.PostData();
    c.prompts->answers << Prompts::Answer::No;
    QTest::mouseClick(n.cmdNotifyRemove, Qt::LeftButton);
    QCOMPARE(c.PostData(), strBeforeRemove);
    QVERIFY2(c.LastText().contains("hooks.slack.example") && !c.LastText().contains("B0"),
             qPrintable(c.LastText()));
    c.prompts->answers << Prompts::Answer::Yes;
    QTest::mouseClick(n.cmdNotifyRemove, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(n.Targets().size() == 1 && !c.window->cycle().IsBusy(), 20000);
    QCOMPARE(n.Targets().front().strFormat, QStringLiteral("json"));
    QCOMPARE(c.prompts->nUnexpected, 0);

    // A member has no such menu, and the window will not open for one.
    Client brenna(m_server->Address(), "Brenna Ashvale", "welcome1");
    QVERIFY(brenna.bLoggedIn);
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
