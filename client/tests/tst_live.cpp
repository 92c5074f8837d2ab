// The live allegiance against a scripted server, which answers by operation and holds the watch's
// polls until the test answers them: the watch beside the user's requests, changes made elsewhere
// reaching the tree, the flat list, the sheet and the history, the fall-backs to a whole
// download, the kept tree and the read-only copy. tst_live_server has the real servers.
#include "ScriptedGuild.h"
#include "TestClient.h"
#include "frmOptions.h"

#include <QFrame>

namespace {

// Logs in with the feed on and waits for the own record and the watch's first poll.
bool LogIn(TestClient& client, ScriptedGuild& server) {
    client.window->feed().SetEnabled(true);
    client.LogIn(server.peer.Address(), "Ann", "secret1");
    return QTest::qWaitFor(
        [&] { return client.window->sheet().iCurDisplayCharID == 1 && server.Held() == 1; }, 20000);
}

// The client has settled at lGeneration: the roster holds it, the watch's one poll asks from it,
// the request cycle is idle, and no message box beyond nBoxes was shown.
bool Settled(TestClient& client, ScriptedGuild& server, qint64 lGeneration, int nBoxes = 0) {
    const QString strPoll = QString("120:%1+wait").arg(lGeneration);
    return QTest::qWaitFor(
               [&] {
                   return client.window->feed().Generation() == lGeneration && server.Held() == 1 &&
                          server.HeldRequest(0) == strPoll && !client.window->cycle().IsBusy();
               },
               20000) &&
           client.prompts->shown.size() == nBoxes;
}

} // namespace

class tst_live : public QObject {
    Q_OBJECT

private slots:
    void watchFollowsChangesElsewhere();
    void sheetWithEditsAndDepartures();
    void fallsBackAndRetries();
    void recoveryBesideTheUser();
    void cellEditorIsAnEdit();
    void watchStopsOnARefusedLogin();
    void departureUnderAnOpenQuestion();
    void serverWithoutFeed();
    void savedTreeAtNextLogin_data();
    void savedTreeAtNextLogin();
    void offlineUntilTheServerAnswers_data();
    void offlineUntilTheServerAnswers();
    void historyFollowsChanges();
};

void tst_live::watchFollowsChangesElsewhere() {
    ScriptedGuild server;
    TestClient client;
    QVERIFY(LogIn(client, server));
    // The generation is learned before the tree is asked for, so nothing committed between the
    // two can be missed; the watch then waits from it on a connection of its own.
    QStringList requests = server.Requests();
    QCOMPARE(requests.mid(0, 3), QStringList({"104", "120:", "100"}));
    requests = requests.mid(3); // two connections: either may arrive first
    requests.sort();
    QCOMPARE(requests, QStringList({"107", "120:5"}));
    const int iPoll = server.held.first();
    QCOMPARE(server.Fields(iPoll).value("wait"), QString("25"));
    QVERIFY(server.peer.Open(iPoll));

    // The user's own requests go on while the poll is held, and nothing shows the watch as busy.
    MainViews& v = client.window->views();
    QVERIFY(client.Show("Bo"));
    QVERIFY(server.peer.Open(iPoll));
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    AllegianceModel& model = client.window->allegiance().MainModel();
    v.treTreeView->expand(model.IndexOfKey("Char2"));
    v.grdFlatList->HeaderSort(1); // by level

    const int nLoads = server.Count("107");
    // Elsewhere: Cy leaves, Fay joins Ann ahead of Bo, who is renamed and takes Eve as a second
    // vassal, and Dee levels up past Bob.
    const QString strAfter = "1|Ann|50|2|-1|6,2|0|0|0!;6|Fay|20|1|1||0|0|0!;"
                             "2|Bob|41|1|1|4,5|0|0|0!;4|Dee|45|1|2||0|0|0!;5|Eve|10|1|2||0|0|0!;";
    server.strTree = strAfter;
    server.AnswerHeld("800", "6|3!;" + strAfter);
    QTRY_VERIFY(server.Requests().contains("120:6"));

    // The views keep what the user had open (that they equal a fresh download is
    // tst_live_server's, change by change).
    QCOMPARE(client.window->objCharDB().Count(), 5);
    QCOMPARE(model.IndexOfKey("Char2").row(), 1);
    QVERIFY(v.treTreeView->isExpanded(model.IndexOfKey("Char2")));
    QVERIFY(!v.treTreeView->isExpanded(model.IndexOfKey("Char6")));
    QCOMPARE(client.window->allegiance().SelectedKey(), QString("Char2"));
    QCOMPARE(model.Key(model.Highlighted()), QString("Char2"));
    QCOMPARE(client.window->objCharDB().CalculateRank("Char1"), qint16(2));
    // The flat list keeps its sort by level: the rows that joined or changed are in their places.
    QCOMPARE(Rows(client.window->allegiance().FlatList()), FlatRowsOf(strAfter, 1));

    // Bo's record changed under the sheet, which held no edits: it is shown again.
    QTRY_COMPARE(client.window->views().sheet.txtName->text(), QString("Bob"));
    QCOMPARE(server.Count("107"), nLoads + 1);
    QCOMPARE(client.window->sheet().strCurRevision, QString("3"));
    QCOMPARE(
        client.window->stsStatusBar().Panel(RequestCycle::kPanelOp),
        QString("Bob was changed by someone else at 2026-12-07 09:30:00; shown as stored now"));

    // Bob's sheet saved elsewhere, his tree fields as they were: the revision the feed gives
    // with his record says so, and he is shown again as stored.
    QTRY_COMPARE(server.Held(), 1);
    server.strRevision = "4";
    server.AnswerHeld("800", "7|!;2|Bob|41|1|1|4,5|0|0|0|4!;");
    QTRY_COMPARE(client.window->sheet().strCurRevision, QString("4"));
    QCOMPARE(server.Count("107"), nLoads + 2);

    // Dee drops to level 5: nobody moves in the tree, so the change is applied in place, and the
    // sorted list moves her row to its new place.
    QTRY_COMPARE(server.Held(), 1);
    server.strTree.replace("4|Dee|45|", "4|Dee|5|");
    server.AnswerHeld("800", "8|!;4|Dee|5|1|2||0|0|0!;");
    QTRY_COMPARE(client.window->objCharDB().Item("Char4")->nLevel, qint16(5));
    QCOMPARE(Rows(client.window->allegiance().FlatList()), FlatRowsOf(server.strTree, 1));
}

void tst_live::sheetWithEditsAndDepartures() {
    ScriptedGuild server;
    TestClient client;
    QVERIFY(LogIn(client, server));
    QVERIFY(client.Show("Bo"));
    SheetViews& s = client.window->views().sheet;
    QTest::keyClicks(s.txtLevel, "9");
    QVERIFY(client.window->sheet().HasUnsavedEdits());

    // Bo changed elsewhere while the user edits him: a bar says so at once, and then who did it
    // and when, from the stored record asked for beside the sheet; nothing is reloaded.
    const int nLoads = server.Count("107");
    server.strTree.replace("2|Bo|40|", "2|Bo|41|");
    server.strModified = "2026-12-07 09:45:00|1";
    server.AnswerHeld("800", "6|!;2|Bo|41|1|1|4|0|0|0!;");
    QTRY_VERIFY(s.frameRecordChanged->isVisible());
    QTRY_VERIFY(s.lblRecordChanged->text().startsWith(
        "Bo was changed by Ann at 2026-12-07 09:45:00 while you were editing."));
    QCOMPARE(server.Count("107"), nLoads + 1);
    QCOMPARE(s.txtLevel->text(), QString("9"));
    QVERIFY(client.window->sheet().HasUnsavedEdits());
    QTest::mouseClick(s.cmdKeepEditing, Qt::LeftButton);
    QVERIFY(!s.frameRecordChanged->isVisible());
    QCOMPARE(s.txtLevel->text(), QString("9"));

    // Changed again: this time the user reloads, and the edits give way to the stored record.
    QTRY_COMPARE(server.Held(), 1);
    server.strTree.replace("2|Bo|41|", "2|Bo|42|");
    server.AnswerHeld("800", "7|!;2|Bo|42|1|1|4|0|0|0!;");
    QTRY_VERIFY(s.frameRecordChanged->isVisible());
    QTest::mouseClick(s.cmdReloadRecord, Qt::LeftButton);
    QTRY_COMPARE(server.Count("107"), nLoads + 3);
    QTRY_VERIFY(!client.window->sheet().HasUnsavedEdits());
    QVERIFY(!s.frameRecordChanged->isVisible());

    // The character on the sheet leaves: the sheet empties and the status bar says why.
    QVERIFY(client.Show("Cy"));
    QTRY_COMPARE(server.Held(), 1);
    server.AnswerHeld("800", "8|3!;1|Ann|50|2|-1|2|0|0|0!;");
    QTRY_COMPARE(client.window->sheet().iCurDisplayCharID, qint16(0));
    QCOMPARE(s.txtName->text(), QString());
    QVERIFY(!s.cmdSaveChanges->isEnabled());
    QCOMPARE(client.window->stsStatusBar().Panel(RequestCycle::kPanelOp),
             QString("Cy has left the allegiance"));
    QVERIFY(!client.window->allegiance().MainModel().IndexOfKey("Char3").isValid());
}

void tst_live::fallsBackAndRetries() {
    ScriptedGuild server;
    TestClient client;
    QVERIFY(LogIn(client, server));
    StatusBar& status = client.window->stsStatusBar();

    // A server error on the watch: no message box, a word in the status bar, a retry after a
    // pause that doubles, and the word gone once the server answers again.
    server.AnswerHeld("987", "");
    QTRY_COMPARE(client.window->feed().RetrySeconds(), TreeFeed::kFirstRetrySeconds);
    QVERIFY(status.Panel(TreeFeed::kPanel).contains("error #987"));
    QTRY_COMPARE_WITH_TIMEOUT(server.Held(), 1, 10000);
    server.AnswerHeld("987", "");
    QTRY_COMPARE(client.window->feed().RetrySeconds(), 2 * TreeFeed::kFirstRetrySeconds);
    QTRY_COMPARE_WITH_TIMEOUT(server.Held(), 1, 10000);
    server.AnswerHeld("800", "5|!;");
    QTRY_COMPARE(client.window->feed().RetrySeconds(), 0);
    QCOMPARE(status.Panel(TreeFeed::kPanel), QString());
    // Answered at once with nothing, it asks again at once (a server stopping does that too);
    // answered so twice, it only asks every kPollSeconds.
    QTRY_COMPARE(server.Held(), 1);
    QVERIFY(!client.window->feed().Polling());
    server.AnswerHeld("800", "5|!;");
    QTRY_VERIFY(client.window->feed().Polling());

    // The user's own refresh asks the feed through the request cycle, and sets the watch going
    // beside it from the same generation.
    QCOMPARE(server.Held(), 0);
    QTest::mouseClick(client.window->views().cmdTreeRefresh, Qt::LeftButton);
    QTRY_COMPARE(server.Held(), 2);
    QStringList asked{server.HeldRequest(0), server.HeldRequest(1)};
    asked.sort();
    QCOMPARE(asked, QStringList({"120:5", "120:5+wait"}));
    // Their answers cross: the watch's, the newer, comes first; the user's, made before it,
    // changes nothing afterwards.
    server.AnswerHeld("800", "7|!;4|Dee|23|1|2||0|0|0!;", "120:5+wait");
    QTRY_COMPARE(client.window->feed().Generation(), qint64(7));
    server.AnswerHeld("800", "6|!;4|Dee|22|1|2||0|0|0!;", "120:5");
    QTRY_VERIFY(!client.window->cycle().IsBusy());
    QCOMPARE(client.window->objCharDB().Item("Char4")->nLevel, qint16(23));
    QCOMPARE(client.window->feed().Generation(), qint64(7));

    // When the server cannot answer the user's refresh from the generation held, the tree comes
    // whole through the request cycle, its generation learned first.
    QTRY_COMPARE(server.Held(), 1);
    QCOMPARE(server.HeldRequest(0), QString("120:7+wait"));
    const int nBefore = server.seen.size();
    QTest::mouseClick(client.window->views().cmdTreeRefresh, Qt::LeftButton);
    QTRY_COMPARE(server.Held(), 2);
    server.strGeneration = "9";
    server.AnswerHeld("1070", "", "120:7");
    QTRY_COMPARE(server.Requests().mid(nBefore + 2), QStringList({"120:", "100", "120:9"}));
    QCOMPARE(client.window->feed().Generation(), qint64(9));
    QTRY_VERIFY(!client.window->cycle().IsBusy());

    // A passing fault where that refresh learns the generation: the tree still comes whole, and
    // the feed then learns one by itself, beside the user's requests, and watches from it; it is
    // not switched off for the rest of the login.
    QTRY_COMPARE(server.Held(), 1);
    server.generationCode = "987";
    QTest::mouseClick(client.window->views().cmdTreeRefresh, Qt::LeftButton);
    QTRY_COMPARE(server.Held(), 2);
    server.AnswerHeld("1070", "", "120:9");
    QTRY_VERIFY(client.window->feed().Recovering());
    server.generationCode = "800";
    server.strGeneration = "14";
    QVERIFY(Settled(client, server, 14));
}

void tst_live::recoveryBesideTheUser() {
    ScriptedGuild server;
    TestClient client;
    QVERIFY(LogIn(client, server));
    StatusBar& status = client.window->stsStatusBar();
    // The watch hears that the server cannot answer from the generation held: the tree comes
    // whole on exchanges of the feed's own, beside the user's requests, with no busy pointer.
    server.holdOps = QStringList{"100", "107"};
    server.strGeneration = "12";
    server.strTree.replace("4|Dee|20|", "4|Dee|25|");
    const int nBefore = server.seen.size();
    server.AnswerHeld("1070", "");
    QTRY_COMPARE(server.Held(), 1);
    QCOMPARE(server.Requests().mid(nBefore), QStringList({"120:", "100"}));
    QVERIFY(client.window->feed().Recovering());
    QVERIFY(!client.window->cycle().IsBusy());
    QCOMPARE(QApplication::overrideCursor(), nullptr);

    // The user asks for Bo meanwhile; the download fails while the user's request runs: no box,
    // a word in the panel, and the user's request goes on.
    client.window->allegiance().FindInTree("Bo");
    QTRY_COMPARE(server.Held(), 2);
    server.AnswerHeld("987", "", "100:");
    QTRY_VERIFY(status.Panel(TreeFeed::kPanel).contains("error #987"));
    QVERIFY(client.window->cycle().IsBusy());
    server.AnswerHeld("800", server.Record("2"), "107:");
    QTRY_COMPARE(client.window->sheet().iCurDisplayCharID, qint16(2));

    // Tried again, backing off: the tree arrives, keeps the user's place, and the watch goes on
    // from its generation.
    QTRY_COMPARE_WITH_TIMEOUT(server.Held(), 1, 10000);
    QCOMPARE(server.HeldRequest(0), QString("100:"));
    server.AnswerHeld("800", server.strTree, "100:");
    QVERIFY(Settled(client, server, 12));
    QCOMPARE(client.window->objCharDB().Item("Char4")->nLevel, qint16(25));
    QCOMPARE(client.window->allegiance().SelectedKey(), QString("Char2"));
    QCOMPARE(client.window->sheet().iCurDisplayCharID, qint16(2));
    QCOMPARE(status.Panel(TreeFeed::kPanel), QString());
    QVERIFY(!client.window->feed().Recovering());
}

void tst_live::cellEditorIsAnEdit() {
    ScriptedGuild server;
    TestClient client;
    QVERIFY(LogIn(client, server));
    SheetViews& s = client.window->views().sheet;
    // A skill value is being typed on Ann's sheet, not stored yet.
    Grid* pGrid = s.grdSkillGrid;
    CellEditor& editor = client.window->sheet().Training().Editor();
    pGrid->setCurrentIndex(pGrid->model()->index(0, 1));
    pGrid->setFocus();
    QTest::keyClick(pGrid, Qt::Key_7);
    QVERIFY(editor.IsOpen());
    QVERIFY(!client.window->sheet().HasUnsavedEdits());

    // Ann changed elsewhere: the bar says so, and the value stays where it is being typed.
    const int nLoads = server.Count("107");
    server.AnswerHeld("800", "6|!;1|Ann|51|2|-1|2,3|0|0|0!;");
    QTRY_VERIFY(s.frameRecordChanged->isVisibleTo(client.window.get()));
    QVERIFY(editor.IsOpen());
    QCOMPARE(editor.txtEdit->text(), QString("7"));
    QTRY_COMPARE(server.Count("107"), nLoads + 1); // who changed it, asked beside the sheet
}

void tst_live::watchStopsOnARefusedLogin() {
    ScriptedGuild server;
    TestClient client;
    QVERIFY(LogIn(client, server));
    StatusBar& status = client.window->stsStatusBar();
    // Ann's password was reset by an administrator: the watch stops at once rather than keep a
    // throttle on her name engaged, and says why.
    server.AnswerHeld("951", "");
    QTRY_VERIFY(client.window->feed().StoppedForLogin());
    QVERIFY(!client.window->feed().Watching());
    QVERIFY(!client.window->feed().Recovering());
    QVERIFY(status.Panel(TreeFeed::kPanel).contains("refused this login (error #951)"));
    QCOMPARE(client.prompts->shown.size(), 0);

    // The user's next login sets it going again, from the tree it keeps.
    server.strCatchUp = "5|!;";
    client.ExpectLoginDialog(server.peer.Address(), "Ann", "secret2");
    client.window->mnuLogin_Click();
    QTRY_VERIFY(client.window->feed().Watching());
    QTRY_COMPARE(server.Held(), 1);
    QVERIFY(!client.window->feed().StoppedForLogin());
    QCOMPARE(status.Panel(TreeFeed::kPanel), QString());
    QVERIFY(server.Fields(server.held.first()).value("password") == "secret2");
}

void tst_live::departureUnderAnOpenQuestion() {
    ScriptedGuild server;
    TestClient client;
    QVERIFY(LogIn(client, server));
    QVERIFY(client.Show("Cy"));
    SheetViews& s = client.window->views().sheet;
    QTest::keyClicks(s.txtLevel, "9");
    // The user clicks Bo, and "Save changes to Cy?" opens, a real modal dialog; meanwhile the
    // watch hears that Cy has left. The sheet keeps Cy and the edit while the question is open.
    client.prompts->bModal = true;
    client.prompts->whileOpen << [&] {
        QVERIFY(QApplication::activeModalWidget());
        server.AnswerHeld("800", "6|3!;1|Ann|50|2|-1|2|0|0|0!;");
        QTRY_VERIFY(!client.window->allegiance().MainModel().IndexOfKey("Char3").isValid());
        QCOMPARE(client.window->sheet().iCurDisplayCharID, qint16(3));
        QCOMPARE(s.txtLevel->text(), QString("9"));
    };
    client.prompts->answers << Prompts::Answer::Cancel;
    QTreeView* pTree = client.window->views().treTreeView;
    const QModelIndex bo = client.window->allegiance().MainModel().IndexOfKey("Char2");
    pTree->setCurrentIndex(bo);
    emit pTree->clicked(bo);
    QCOMPARE(client.prompts->shown.size(), 1);
    QCOMPARE(client.LastText(), QString("Save changes to Cy?"));
    // Once it is answered, the sheet hears of the departure.
    QTRY_COMPARE(client.window->sheet().iCurDisplayCharID, qint16(0));
    QCOMPARE(client.window->stsStatusBar().Panel(RequestCycle::kPanelOp),
             QString("Cy has left the allegiance"));
    QVERIFY(!client.window->sheet().SaveCharChanges());
}

void tst_live::serverWithoutFeed() {
    // The login's wait for the tree goes on through the whole download, silently, and nothing is
    // watched; later refreshes download the whole tree straight away.
    ScriptedGuild server;
    server.bFeed = false;
    TestClient client;
    client.window->feed().SetEnabled(true);
    client.LogIn(server.peer.Address(), "Bo", "secret1");
    // Bo, not the first node: the login found him after the tree came.
    QTRY_COMPARE(client.window->sheet().iCurDisplayCharID, qint16(2));
    QCOMPARE(server.Requests(), QStringList({"104", "120:", "100", "107"}));
    QVERIFY(!client.window->feed().Watching());
    QTest::mouseClick(client.window->views().cmdTreeRefresh, Qt::LeftButton);
    QTRY_COMPARE(server.Requests().size(), 5);
    QCOMPARE(server.Requests().last(), QString("100"));
    QCOMPARE(client.prompts->shown.size(), 0);
}

void tst_live::savedTreeAtNextLogin_data() {
    QTest::addColumn<int>("iDelayMs");
    QTest::newRow("at once") << 0;
    QTest::newRow("400 ms") << 400;
    QTest::newRow("1.5 s") << 1500;
}

void tst_live::savedTreeAtNextLogin() {
    QFETCH(int, iDelayMs);
    ScriptedGuild server;
    QTemporaryDir folder; // the user's, kept between the two runs
    const QString strChanged = "1|Ann|50|2|-1|2,3|0|0|0!;2|Bo|44|1|1|4|0|0|0!;3|Cy|31|1|1||0|0|0!;"
                               "4|Dee|20|1|2||0|0|0!;";
    {
        // Kept soon after the download and again soon after each change, before the window
        // closes: a crash would not lose them.
        auto Kept = [&] {
            const QDir cache(folder.path() + "/cache");
            const QStringList kept = cache.entryList(QDir::Files);
            return kept.isEmpty() ? QByteArray() : FileBytes(cache.filePath(kept[0]));
        };
        TestClient first(folder.path());
        QVERIFY(LogIn(first, server));
        ZORV_TRY(Kept().contains("2|Bo|40|"));
        server.strTree = strChanged;
        server.AnswerHeld("800", "6|!;2|Bo|44|1|1|4|0|0|0!;");
        QTRY_VERIFY(server.Requests().contains("120:6"));
        ZORV_TRY(Kept().contains("2|Bo|44|"));
    } // the window closes, and keeps it again
    const QStringList files = QDir(folder.path() + "/cache").entryList(QDir::Files);
    QCOMPARE(files.size(), 1);
    const QFile::Permissions perms = QFile::permissions(folder.path() + "/cache/" + files[0]);
    QCOMPARE(perms & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
             QFile::Permissions());

    // The next run, with every answer a while on its way, shows the kept tree at once and asks
    // only what changed since; the whole tree is never downloaded, and nothing but the own record
    // is loaded.
    server.iDelayMs = iDelayMs;
    TestClient second(folder.path());
    second.window->feed().SetEnabled(true);
    const int nBefore = server.seen.size();
    QStringList shownFirst, requestsThen;
    QObject::connect(&second.window->allegiance(), &AllegianceView::TreeDownloaded, [&] {
        shownFirst = Nodes(second.window->allegiance().MainModel());
        requestsThen = server.Requests().mid(nBefore);
    });
    server.strCatchUp = "7|!;4|Dee|21|1|2||0|0|0!;";
    second.LogIn(server.peer.Address(), "Ann", "secret1");
    ZORV_TRY_COMPARE(second.window->sheet().iCurDisplayCharID, qint16(1));
    QCOMPARE(shownFirst, TreeNodesOf(strChanged));
    QCOMPARE(requestsThen, QStringList({"104"}));
    QVERIFY(Settled(second, server, 7));
    QCOMPARE(server.Requests().mid(nBefore, 2), QStringList({"104", "120:6"}));
    QVERIFY(!server.Requests().mid(nBefore).contains("100"));
    QCOMPARE(server.Requests().mid(nBefore).count("107"), 1);
    QCOMPARE(second.window->objCharDB().Item("Char4")->nLevel, qint16(21));
    // A change made afterwards reaches the tree, however long its answer takes.
    server.strCatchUp.clear();
    server.AnswerHeld("800", "8|!;2|Bo|41|1|1|4|0|0|0!;");
    ZORV_TRY_COMPARE(second.window->objCharDB().Item("Char2")->nLevel, qint16(41));
    QCOMPARE(second.prompts->shown.size(), 0);
    server.iDelayMs = 0;

    // Kept for one server and one character: another server, or another character of the same
    // one, starts with a whole download and never shows it.
    ScriptedGuild other;
    other.strTree = "1|Ann|50|2|-1||0|0|0!;";
    for (const auto& [pServer, strName] :
         {std::pair<ScriptedGuild*, QString>{&other, "Ann"}, std::pair<ScriptedGuild*, QString>{&server, "Bo"}}) {
        TestClient third(folder.path());
        third.window->feed().SetEnabled(true);
        const int nFrom = pServer->seen.size();
        QStringList firstShown;
        QObject::connect(&third.window->allegiance(), &AllegianceView::TreeDownloaded, [&] {
            if (firstShown.isEmpty())
                firstShown = Nodes(third.window->allegiance().MainModel());
        });
        third.LogIn(pServer->peer.Address(), strName, "secret1");
        QTRY_VERIFY(third.window->feed().Watching());
        QCOMPARE(pServer->Requests().mid(nFrom, 3), QStringList({"104", "120:", "100"}));
        QCOMPARE(firstShown, TreeNodesOf(pServer->strTree));
    }

    // The options can throw the kept trees away.
    second.prompts->ExpectOk();
    QTest::mouseClick(second.window->options().cmdClearCache, Qt::LeftButton);
    QCOMPARE(QDir(folder.path() + "/cache").entryList(QDir::Files), QStringList());
}

void tst_live::offlineUntilTheServerAnswers_data() {
    savedTreeAtNextLogin_data();
}

void tst_live::offlineUntilTheServerAnswers() {
    QFETCH(int, iDelayMs);
    ScriptedGuild server;
    QTemporaryDir folder;
    {
        TestClient first(folder.path());
        QVERIFY(LogIn(first, server));
    } // the window closes, and keeps the tree

    // The server is gone at the next login: the kept tree is offered, and opened read-only.
    server.peer.StopListening();
    TestClient client(folder.path());
    client.window->feed().SetEnabled(true);
    client.prompts->answers << MessagePrompts::Answer::Yes;
    const int nBefore = server.seen.size();
    client.LogIn(server.peer.Address(), "Ann", "secret1");
    QTRY_VERIFY(client.window->feed().Offline());
    QCOMPARE(client.prompts->shown.size(), 1);
    QVERIFY(client.prompts->shown[0].strText.contains("could not be reached"));
    QVERIFY(client.prompts->shown[0].strText.contains("read-only"));
    QCOMPARE(Nodes(client.window->allegiance().MainModel()), TreeNodesOf(ScriptedGuild::kTree));
    QVERIFY(client.window->windowTitle().contains("Read-only copy from "));
    QVERIFY(client.window->stsStatusBar().Panel(RequestCycle::kPanelOp).startsWith("Read-only"));
    auto Action = [&](const char* pName) { return client.window->findChild<QAction*>(pName); };
    for (const char* pName : {"mnuAddVassal", "mnuChangePatron", "mnuChangePassword"})
        QVERIFY2(!Action(pName)->isEnabled(), pName);
    SheetViews& s = client.window->views().sheet;
    QVERIFY(!s.cmdSaveChanges->isEnabled());

    // Choosing a character sends nothing and shows no box: the status bar says why.
    client.window->allegiance().FindInTree("Bo");
    QVERIFY(client.window->stsStatusBar()
                .Panel(RequestCycle::kPanelOp)
                .endsWith(": the server cannot be reached"));
    QCOMPARE(s.txtName->text(), QString());

    // The watch keeps trying, backing off; when the server answers again the client logs in by
    // itself, catches up from the kept tree's generation and is live: nothing downloaded whole.
    QTRY_VERIFY(client.window->stsStatusBar()
                    .Panel(TreeFeed::kPanel)
                    .startsWith("Read-only copy: the server cannot be reached"));
    QVERIFY(server.peer.ListenAgain());
    server.iDelayMs = iDelayMs; // and far away
    server.strCatchUp = "7|!;4|Dee|21|1|2||0|0|0!;";
    QTRY_COMPARE_WITH_TIMEOUT(client.window->sheet().iCurDisplayCharID, qint16(1), 30000);
    QVERIFY(!client.window->feed().Offline());
    QCOMPARE(client.window->windowTitle(), QString("ZORV (Guild) - Logged in as Ann"));
    for (const char* pName : {"mnuAddVassal", "mnuChangePatron", "mnuChangePassword"})
        QVERIFY2(Action(pName)->isEnabled(), pName);
    QVERIFY(s.cmdSaveChanges->isEnabled());
    QVERIFY(Settled(client, server, 7, 1));
    QCOMPARE(client.window->objCharDB().Item("Char4")->nLevel, qint16(21));
    QVERIFY(!server.Requests().mid(nBefore).contains("100"));
    QCOMPARE(server.Requests().mid(nBefore).count("107"), 1);
}

void tst_live::historyFollowsChanges() {
    ScriptedGuild server;
    TestClient client;
    QVERIFY(LogIn(client, server));
    // The Recent Changes window open, and Ann's History tab in view.
    client.window->history().ShowRecentChanges();
    QTRY_COMPARE(server.Count("118"), 1);
    QTabWidget& tabs = *client.window->views().sheet.tabCharInfo;
    tabs.setCurrentWidget(client.window->views().sheet.pageHistory);
    QTRY_COMPARE(server.Count("117"), 1);

    // Dee changes elsewhere: the guild's changes are read again, Ann's history is not.
    server.AnswerHeld("800", "6|!;4|Dee|21|1|2||0|0|0!;");
    QTRY_COMPARE(server.Count("118"), 2);
    QTRY_VERIFY(server.Requests().contains("120:6"));
    QCOMPARE(server.Count("117"), 1);

    // Ann changes elsewhere while the user edits her sheet, which is therefore not shown again:
    // both views are read again all the same.
    tabs.setCurrentIndex(0);
    QTest::keyClicks(client.window->views().sheet.txtLevel, "9");
    QVERIFY(client.window->sheet().HasUnsavedEdits());
    tabs.setCurrentWidget(client.window->views().sheet.pageHistory);
    QTRY_COMPARE(server.Held(), 1);
    server.AnswerHeld("800", "7|!;1|Ann|51|2|-1|2,3|0|0|0!;");
    QTRY_COMPARE(server.Count("117"), 2);
    QTRY_COMPARE(server.Count("118"), 3);
    QTRY_VERIFY(client.window->views().sheet.frameRecordChanged->isVisibleTo(client.window.get()));
    QCOMPARE(client.prompts->shown.size(), 0);
}

QTEST_MAIN(tst_live)
#include "tst_live.moc"
