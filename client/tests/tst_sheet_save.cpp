// Saving the character sheet: the save's exact request under the acting-character rule, the
// question before unsaved edits are left (by every way off the sheet), and stale saves.
#include "CellEditor.h"
#include "Grid.h"
#include "MainViews.h"
#include "RequestCycle.h"
#include "SheetClient.h"
#include "SkillCatalogue.h"
#include "SkillTraining.h"
#include "frmFindChar.h"
#include "frmLogin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTreeView>
#include <functional>

using namespace sheet_test;

class tst_sheet_save final : public QObject {
    Q_OBJECT

private slots:
    void saveRequestBody();
    void actingCharacter();
    void unsavedEditsAreAskedFor();
    void staleSaveAsksToLoadTheStoredRecord();
    void everyWayOffTheSheetAsksFirst();
    void treeReplyWhileTheQuestionIsOpen();
    void discardShowsTheRecordAgain();
    void editsOutliveARefusedLogin();
};

void tst_sheet_save::saveRequestBody() {
    const QByteArray bo = Record(2, {{16, "19,2,150"}, {26, "1"}, {29, "0"}});
    SheetClient c("0.3|2|Bo|1|Guild|1|Watch", bo);
    QVERIFY(c.Shown(2));
    SheetViews& v = c.V();
    // Nothing touched: the ids, the mule option, the skills and the four flags; the revision.
    QCOMPARE(c.SaveBody(bo), QByteArray("charname=Bo&password=secret1&charid=2&updateid=2&msgid=106"
                                        "&ISMULE=0&SKILLS=19,2,150&ISPK=1&ISRESCUE=0&ISPRIVATE=0"
                                        "&CAN_SUMMON=0&revision=4"));
    QTRY_VERIFY(!c.window->cycle().IsBusy()); // the reload after the save, done

    // Edited fields only, in the table's order; 32001 is cut to 32000 in its box, -5 is not.
    SheetClient::Type(v.txtNumFollowers, "-5");
    SheetClient::Type(v.txtLevel, "32001");
    v.txtBio->setPlainText("Line|one & two");
    SheetClient::Type(v.txtName, "Bo Tall");
    v.cmbSex->setCurrentIndex(2);
    emit v.cmbSex->activated(2);
    v.optMuleYes->click();
    v.chkCanSummon->click();
    QString strLevelSent;
    QCOMPARE(c.SaveBody(bo, [&] { strLevelSent = v.txtLevel->text(); }),
             QByteArray("charname=Bo&password=secret1&charid=2&updateid=2&msgid=106"
                        "&NAME=Bo Tall&LEVEL=32000&SEX=2&ISMULE=1&BIO=Line(pipe)one (amp) two"
                        "&NUMFOLLOWERS=-5&SKILLS=19,2,150&ISPK=1&ISRESCUE=0&ISPRIVATE=0"
                        "&CAN_SUMMON=1&revision=4"));
    QCOMPARE(strLevelSent, QStringLiteral("32000"));
    QTRY_COMPARE(c.LastText(),
                 QStringLiteral("The character's information has been updated.  If you changed "
                                "the name of the character you are logged in as, you'll have to "
                                "login again."));
    // The reload after the save shows the record as stored, with no edits left.
    QTRY_COMPARE(v.txtLevel->text(), QStringLiteral("30"));
    QVERIFY(!c.Sheet().HasUnsavedEdits());
}

void tst_sheet_save::actingCharacter() {
    auto SaveStart = [](SheetClient& c) {
        const int i = c.peer.Connections();
        c.Sheet().SaveCharChanges();
        return i;
    };
    {
        SheetClient c; // Bo, a member
        QVERIFY(c.Shown(2));
        // A follower goes out under Bo's own login.
        c.Click(3, Record(3));
        QVERIFY(c.Shown(3));
        int i = SaveStart(c);
        QTRY_VERIFY(c.peer.RequestComplete(i));
        QVERIFY(Body(c.peer.Request(i))
                    .startsWith("charname=Bo&password=secret1&charid=2&"
                                "updateid=3&msgid=106&"));
        QCOMPARE(c.prompts->dialogNames.count("frmLogin"), 0);

        // His own patron asks for Ann's login; Cancel sends nothing.
        c.Click(1, Record(1));
        QVERIFY(c.Shown(1));
        c.prompts->dialogs << [](QDialog& dlg) {
            auto& login = static_cast<frmLogin&>(dlg);
            [&] { QCOMPARE(login.strCharName, QStringLiteral("Ann")); }();
            login.cmdCancel_Click();
            return int(QDialog::Rejected);
        };
        const int nBefore = c.peer.Connections();
        QVERIFY(!c.Sheet().SaveCharChanges());

        // With her password it goes out as Ann, and a wrong password keeps Bo logged in.
        c.prompts->dialogs << [](QDialog& dlg) {
            auto& login = static_cast<frmLogin&>(dlg);
            login.Form_Activate(); // as its showing does
            login.txtPassword->setText("annpass");
            login.cmdOK_Click();
            return int(QDialog::Accepted);
        };
        i = SaveStart(c);
        QCOMPARE(i, nBefore); // the cancelled save opened no connection before this one
        QTRY_VERIFY(c.peer.RequestComplete(i));
        QVERIFY(Body(c.peer.Request(i))
                    .startsWith("charname=Ann&password=annpass&charid=1&"
                                "updateid=1&msgid=106&"));
        QVERIFY(c.window->cycle().CurrentOpAsOther());
        c.prompts->ExpectOk();
        c.peer.Send(i, ScriptedPeer::Reply("951", ""));
        c.peer.Close(i);
        QTRY_COMPARE(c.prompts->shown.size(), 1);
        QCOMPARE(c.LastTitle(), QStringLiteral("ZORV Error #951"));
        QCOMPARE(c.prompts->dialogNames.count("frmPlayerSetup"), 1); // only the first login
        QCOMPARE(c.window->cycle().CurrentLogin().strPlayer, QStringLiteral("Bo"));
    }
    {
        // An administrator saves anyone under the own login.
        SheetClient c("0.3|2|Bo|3|Guild|1|Watch");
        QVERIFY(c.Shown(2));
        c.Click(4, Record(4));
        QVERIFY(c.Shown(4));
        const int i = SaveStart(c);
        QTRY_VERIFY(c.peer.RequestComplete(i));
        QVERIFY(Body(c.peer.Request(i))
                    .startsWith("charname=Bo&password=secret1&charid=2&"
                                "updateid=4&"));
        QCOMPARE(c.prompts->dialogNames.count("frmLogin"), 0);
    }
}

void tst_sheet_save::unsavedEditsAreAskedFor() {
    SheetClient c;
    QVERIFY(c.Shown(2));
    SheetViews& v = c.V();
    auto Edit = [&] { SheetClient::Type(v.txtClass, "Mage"); };

    // Cancel: Bo stays shown and selected, with his edit.
    Edit();
    c.prompts->answers << Prompts::Answer::Cancel;
    const int nBefore = c.peer.Connections();
    c.Click(3, Record(3));
    QCOMPARE(c.LastText(), QStringLiteral("Save changes to Bo?"));
    QCOMPARE(c.prompts->shown.constLast().buttons, Prompts::Buttons::SaveDiscardCancel);
    QCOMPARE(c.window->allegiance().SelectedKey(), QStringLiteral("Char2"));
    QCOMPARE(v.txtClass->text(), QStringLiteral("Mage"));
    // The selection is back on Bo, the one shown, so its pause asks for nothing; the save below
    // is the next request the peer sees.
    QCOMPARE(c.window->allegiance().strCurrentNodeKey, QStringLiteral("Char2"));
    c.peer.queuedReplies.clear();

    // Save: the save goes out for Bo, then Cy is shown.
    c.prompts->answers << Prompts::Answer::Save;
    c.prompts->ExpectOk(); // the save's confirmation
    c.peer.queuedReplies << ScriptedPeer::Reply("800", "") << Record(3);
    c.Click(3, Record(3));
    QVERIFY(c.Shown(3));
    c.peer.queuedReplies.clear();
    QVERIFY(Body(c.peer.Request(nBefore)).contains("&updateid=2&msgid=106&CLASS=Mage&"));
    QVERIFY(!c.Sheet().HasUnsavedEdits());

    // Discard: nothing is sent for the edit.
    Edit();
    c.prompts->answers << Prompts::Answer::Discard;
    const int nDiscard = c.peer.Connections();
    c.Click(2, Record(2));
    QVERIFY(c.Shown(2));
    QVERIFY(Body(c.peer.Request(nDiscard)).contains("&msgid=107&"));

    // A refused save keeps the edits and the character; so does closing with Cancel.
    Edit();
    c.prompts->answers << Prompts::Answer::Save;
    c.prompts->ExpectOk(); // the refusal
    c.peer.queuedReplies << ScriptedPeer::Reply("992", "");
    c.Click(3, Record(3));
    QCOMPARE(c.LastTitle(), QStringLiteral("ZORV Error #992"));
    QCOMPARE(c.Sheet().iCurDisplayCharID, qint16(2));
    QVERIFY(c.Sheet().HasUnsavedEdits());
    c.peer.queuedReplies.clear();
    c.window->show();
    c.prompts->answers << Prompts::Answer::Cancel;
    c.window->close();
    QVERIFY(c.window->isVisible());
    c.prompts->answers << Prompts::Answer::Discard;
    c.window->close();
    QVERIFY(!c.window->isVisible());
}

void tst_sheet_save::staleSaveAsksToLoadTheStoredRecord() {
    SheetClient c;
    QVERIFY(c.Shown(2));
    SheetClient::Type(c.V().txtClass, "Mage");
    // Someone else saved Bo meanwhile: No keeps the edit and loads nothing. The refusal was cut
    // short before its stop marker, and still names who changed Bo and when.
    c.prompts->answers << Prompts::Answer::No;
    const int iNo = c.peer.Connections();
    c.peer.queuedReplies << "HTTP/1.0 200 OK\r\n\r\n<START_HERE>973;Ann|2026-12-01 11:41";
    QVERIFY(c.Sheet().SaveCharChanges());
    QTRY_COMPARE(c.prompts->shown.size(), 1);
    QVERIFY2(c.LastText().startsWith("Bo was changed by Ann on 2026-12-01 11:41 after"),
             qPrintable(c.LastText()));
    QCOMPARE(c.prompts->shown[0].buttons, Prompts::Buttons::YesNo);
    QTRY_VERIFY(!c.window->cycle().IsBusy());
    QCOMPARE(c.peer.Connections(), iNo + 1);
    QCOMPARE(c.V().txtClass->text(), QStringLiteral("Mage"));
    QVERIFY(c.Sheet().HasUnsavedEdits());

    // Leaving for Cy saves Bo again, refused again; Yes loads the stored record.
    c.prompts->answers << Prompts::Answer::Save << Prompts::Answer::Yes;
    const int i = c.peer.Connections();
    c.peer.queuedReplies << ScriptedPeer::Reply("973", "Ann|2026-12-01 11:41") << Record(2);
    c.Click(3, Record(3));
    QTRY_VERIFY(c.peer.RequestComplete(i + 1));
    QVERIFY(c.LastText().startsWith("Bo was changed by Ann on 2026-12-01 11:41 after you opened"));
    QVERIFY2(Body(c.peer.Request(i + 1)).endsWith("&msgid=107&getcharid=2"),
             Body(c.peer.Request(i + 1)).constData());
    QTRY_VERIFY(!c.window->cycle().IsBusy());
    QCOMPARE(c.Sheet().iCurDisplayCharID, qint16(2));
    QCOMPARE(c.window->allegiance().SelectedKey(), QStringLiteral("Char2"));
    QCOMPARE(c.V().txtClass->text(), QString());
    QVERIFY(!c.Sheet().HasUnsavedEdits());
}

void tst_sheet_save::everyWayOffTheSheetAsksFirst() {
    SheetClient c;
    QVERIFY(c.Shown(2));
    MainViews& views = c.window->views();
    // Each way of showing something else: Cancel keeps Bo's edit, and nothing is sent.
    const std::vector<std::pair<const char*, std::function<void()>>> ways = {
        {"a list's row", [&] { emit views.grdFlatList->RowActivated("Eve"); }},
        {"Find in Tree",
         [&] {
             c.prompts->dialogs << [](QDialog& dlg) {
                 auto& find = static_cast<frmFindChar&>(dlg);
                 find.txtName->setText("Eve");
                 find.cmdOK_Click();
                 return int(QDialog::Accepted);
             };
             views.cmdFindInTree->click();
         }},
        {"Refresh", [&] { views.cmdTreeRefresh->click(); }},
        {"the flat list's Refresh", [&] { views.cmdRefreshFlatList->click(); }},
        {"a tree click", [&] { c.Click(5, Record(5)); }},
    };
    for (const auto& [szWay, fnWay] : ways) {
        SheetClient::Type(c.V().txtClass, szWay);
        const int nBefore = c.peer.Connections();
        const qsizetype nShown = c.prompts->shown.size();
        c.prompts->answers << Prompts::Answer::Cancel;
        fnWay();
        QVERIFY2(c.prompts->shown.size() == nShown + 1, szWay);
        QCOMPARE(c.LastText(), QStringLiteral("Save changes to Bo?"));
        QCOMPARE(c.V().txtClass->text(), QString::fromLatin1(szWay));
        QCOMPARE(c.Sheet().iCurDisplayCharID, qint16(2));
        QCOMPARE(c.window->objCharDB().Count(), 5);
        QCOMPARE(c.peer.Connections(), nBefore);
        c.peer.queuedReplies.clear();
    }
    QCOMPARE(c.prompts->dialogs.size(), 0);
}

void tst_sheet_save::treeReplyWhileTheQuestionIsOpen() {
    SheetClient c;
    QVERIFY(c.Shown(2));
    c.window->show();
    // A tree download is under way (a chained refresh) when the user, who edited Bo's record
    // meanwhile, closes the window; the tree arrives while "Save changes to Bo?" is open.
    SheetClient::Type(c.V().txtClass, "Mage");
    const int i = c.peer.Connections();
    c.window->allegiance().RefreshTree();
    QTRY_VERIFY(c.peer.RequestComplete(i));
    c.prompts->whileOpen << [&] {
        c.peer.Send(i, kTree);
        c.peer.Close(i);
        QTRY_COMPARE(c.window->objCharDB().Count(), 5);
    };
    c.prompts->answers << Prompts::Answer::Save;
    c.prompts->ExpectOk(); // the save's confirmation
    c.peer.queuedReplies << ScriptedPeer::Reply("800", "") << Record(2);
    c.window->close();
    QVERIFY(!c.window->isVisible());
    QTRY_VERIFY(c.peer.RequestComplete(i + 1));
    QVERIFY(Body(c.peer.Request(i + 1)).contains("&updateid=2&msgid=106&CLASS=Mage&"));
    QCOMPARE(c.window->allegiance().SelectedKey(), QStringLiteral("Char2"));
}

void tst_sheet_save::discardShowsTheRecordAgain() {
    SheetClient c;
    QVERIFY(c.Shown(2));
    SheetViews& v = c.V();
    MainViews& views = c.window->views();
    const bool bStoredPK = v.chkPK->isChecked();
    // Each way that asks and then loads no record: after Discard the sheet shows Bo as stored.
    const std::vector<std::pair<const char*, std::function<void()>>> ways = {
        {"Refresh",
         [&] {
             c.peer.queuedReplies << kTree;
             views.cmdTreeRefresh->click();
         }},
        {"Find for a name not in the roster",
         [&] {
             c.prompts->dialogs << [](QDialog& dlg) {
                 auto& find = static_cast<frmFindChar&>(dlg);
                 find.txtName->setText("Nobody");
                 find.cmdOK_Click();
                 return int(QDialog::Accepted);
             };
             c.prompts->ExpectOk(); // "That character does not exist!"
             views.cmdFindInTree->click();
         }},
        {"a cancelled login",
         [&] {
             c.ExpectLoginDialogCancelled();
             c.window->mnuLogin_Click();
         }},
        {"a cancelled Add Vassal",
         [&] {
             c.prompts->ExpectDismissed(ScriptedPrompts::Dismissal::Escape);
             v.cmdAddVassal->click();
         }},
    };
    for (const auto& [szWay, fnWay] : ways) {
        v.chkPK->click();
        SheetClient::Type(v.txtClass, szWay);
        QVERIFY(c.Sheet().HasUnsavedEdits());
        c.prompts->answers << Prompts::Answer::Discard;
        fnWay();
        QTRY_VERIFY2(!c.window->cycle().IsBusy(), szWay);
        QVERIFY2(c.prompts->answers.isEmpty() && c.prompts->dialogs.isEmpty(), szWay);
        QCOMPARE(c.Sheet().iCurDisplayCharID, qint16(2));
        QVERIFY2(v.chkPK->isChecked() == bStoredPK, szWay);
        QCOMPARE(v.txtClass->text(), QString());
        QVERIFY2(!c.Sheet().HasUnsavedEdits(), szWay);
        c.peer.queuedReplies.clear();
    }
    // A later save sends only what is changed after the discard; the flag as stored.
    SheetClient::Type(v.txtLevel, "31");
    const QByteArray body = c.SaveBody(Record(2));
    QVERIFY2(!body.contains("CLASS="), body.constData());
    QVERIFY2(body.contains(bStoredPK ? "ISPK=1" : "ISPK=0"), body.constData());
    QVERIFY(body.contains("LEVEL=31"));
}

void tst_sheet_save::editsOutliveARefusedLogin() {
    SheetClient c;
    QVERIFY(c.Shown(2));
    // The own password was changed elsewhere: the save is refused and the login asked for again.
    // The new login offers to save the edits before it shows the own record over them.
    SheetClient::Type(c.V().txtClass, "Mage");
    const int i = c.peer.Connections();
    c.prompts->ExpectOk(); // "ZORV Error #951"
    c.ExpectLoginDialog(c.peer.Address() + "/zorv", "Bo", "secret2");
    c.prompts->answers << Prompts::Answer::Save;
    c.prompts->ExpectOk(); // the save's confirmation
    c.peer.queuedReplies << ScriptedPeer::Reply("951", "")
                         << ScriptedPeer::Reply("800", "0.3|2|Bo|1|Guild|1|Watch") << kTree
                         << ScriptedPeer::Reply("800", "") << Record(2, {{8, "Mage"}})
                         << Record(2, {{8, "Mage"}});
    QVERIFY(c.Sheet().SaveCharChanges());
    QTRY_VERIFY(c.peer.RequestComplete(i + 3));
    QCOMPARE(c.prompts->shown[0].strTitle, QStringLiteral("ZORV Error #951"));
    QCOMPARE(c.prompts->shown[1].strText, QStringLiteral("Save changes to Bo?"));
    const QByteArray resaved = Body(c.peer.Request(i + 3));
    QVERIFY2(resaved.startsWith("charname=Bo&password=secret2&") &&
                 resaved.contains("&updateid=2&msgid=106&CLASS=Mage&"),
             resaved.constData());
    // Then the own record, as stored with the edit.
    QTRY_VERIFY(!c.window->cycle().IsBusy());
    QTRY_COMPARE(c.V().txtClass->text(), QStringLiteral("Mage"));
    QCOMPARE(c.Sheet().iCurDisplayCharID, qint16(2));
    QVERIFY(!c.Sheet().HasUnsavedEdits());
}

QTEST_MAIN(tst_sheet_save)
#include "tst_sheet_save.moc"
