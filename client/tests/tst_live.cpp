// The live allegiance against a scripted server, which answers by operation and holds the watch's
// polls until the test answers them: the watch beside the user's requests, changes made elsewhere
// reaching the tree, the flat list, the sheet and the history, the fall-backs to a whole
// download, the kept tree and the read-only copy; and against real servers: a server restarted
// under a watch, and an officer's day through a relay that delays every request, near and far.
// Another client's operations reaching a watching one are tst_insight's.
#include "DelayProxy.h"
#include "ScriptedGuild.h"
#include "TestClient.h"
#include "frmOptions.h"

#include <QFrame>
#include <utility>
#include <vector>

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

using Fields = std::vector<std::pair<QString, QString>>;

// Another member of the guild, acting by requests of its own, each answered before the next is
// sent.
class Member {
public:
    Member(const QString& strAddress, QString strName, QString strPassword)
        : m_strHost(strAddress.section('/', 0, 0)), m_strURI("/" + strAddress.section('/', 1)),
          m_strName(std::move(strName)), m_strPassword(std::move(strPassword)) {}

    // The result code and the payload; an empty code when no reply came.
    std::pair<QString, QString> Post(qint16 msgid, const Fields& fields) const {
        HTTPRequest http;
        http.AddPostData("charname", m_strName);
        http.AddPostData("password", m_strPassword);
        http.AddPostData("msgid", QString::number(msgid));
        for (const auto& [strKey, strValue] : fields)
            http.AddPostData(strKey, strValue);
        bool bDone = false;
        QObject::connect(&http, &HTTPRequest::GotResults, [&] { bDone = true; });
        QObject::connect(&http, &HTTPRequest::Error, [&] { bDone = true; });
        QObject::connect(&http, &HTTPRequest::ConnectFailed, [&] { bDone = true; });
        http.Connect(m_strHost, m_strURI);
        if (!QTest::qWaitFor([&] { return bDone; }, 30000))
            return {};
        return {http.strResultCode, http.strHTTPData};
    }

    QString Tree() const { return Post(100, {}).second; }
    qint64 Generation() const {
        return Post(120, {{"since", ""}}).second.section('|', 0, 0).toLongLong();
    }

private:
    QString m_strHost;
    QString m_strURI;
    QString m_strName;
    QString m_strPassword;
};

// Saves a character's level as the member idSelf (the server writes only the keys sent); true
// when the server took it.
bool SaveLevel(const Member& member, qint16 idSelf, qint16 id, int iLevel) {
    return member
               .Post(106, {{"charid", QString::number(idSelf)},
                           {"updateid", QString::number(id)},
                           {"LEVEL", QString::number(iLevel)}})
               .first == "800";
}

// The first place two listings part, with both sides; empty when they agree.
QString Difference(const QString& strWhat, const QStringList& shown, const QStringList& fresh) {
    if (shown == fresh)
        return QString();
    for (qsizetype i = 0; i < std::min(shown.size(), fresh.size()); ++i)
        if (shown[i] != fresh[i])
            return QStringLiteral("%1, item %2: shown \"%3\", a download gives \"%4\"")
                .arg(strWhat)
                .arg(i)
                .arg(shown[i], fresh[i]);
    return QStringLiteral("%1: %2 items shown, a download gives %3")
        .arg(strWhat)
        .arg(shown.size())
        .arg(fresh.size());
}

// What an officer expects once a step is over: no request of the user's left running, the live
// tree watching from the server's generation, the roster, the tree, the ranks and the flat list
// as a whole download made now gives them, the sheet on idShown, and exactly the message boxes
// `texts` shown so far, each with its scripted answer. Empty when all hold; else the first that
// does not.
QString Unsettled(TestClient& c, const Member& member, qint16 idShown, const QStringList& texts) {
    frmMain& w = *c.window;
    const qint64 lGeneration = member.Generation();
    // A chained wait that never ends keeps this wait inside the client's nested event loop, where
    // its timeout is never checked: the wait is ended as the closing window ends it, and said.
    bool bStuck = false;
    QTimer stuck;
    stuck.setSingleShot(true);
    QObject::connect(&stuck, &QTimer::timeout, [&] {
        bStuck = true;
        w.cycle().Abandon();
    });
    stuck.start(90000);
    const bool bSettled = QTest::qWaitFor(
        [&] {
            return !w.cycle().IsBusy() && w.feed().Generation() >= lGeneration &&
                   w.sheet().iCurDisplayCharID == idShown &&
                   c.prompts->shown.size() >= texts.size();
        },
        60000);
    if (bStuck)
        return QStringLiteral("a chained wait of the client's never ended (abandoned after 90 s); "
                              "generation %1 of the server's %2, sheet on %3")
            .arg(w.feed().Generation())
            .arg(lGeneration)
            .arg(w.sheet().iCurDisplayCharID);
    if (!bSettled)
        return QStringLiteral("not settled in 60 s: request cycle %1, generation %2 of the "
                              "server's %3, sheet on %4 (expected %5), %6 of %7 message boxes")
            .arg(w.cycle().IsBusy() ? "busy" : "idle")
            .arg(w.feed().Generation())
            .arg(lGeneration)
            .arg(w.sheet().iCurDisplayCharID)
            .arg(idShown)
            .arg(c.prompts->shown.size())
            .arg(texts.size());
    if (!w.feed().Watching())
        return QStringLiteral("the tree is not watched for changes");
    const QString strTree = member.Tree();
    if (member.Generation() != w.feed().Generation())
        return QStringLiteral("the client holds generation %1, the server is at %2")
            .arg(w.feed().Generation())
            .arg(member.Generation());
    QString strProblem;
    const RosterSnapshot fresh = ParseTreePayload(strTree, strProblem);
    QStringList shownRanks, freshRanks;
    for (int i = 0; i < fresh->Count(); ++i) {
        shownRanks << QString::number(w.objCharDB().ComputedRank(i));
        freshRanks << QString::number(fresh->ComputedRank(i));
    }
    for (const QString& strDifference :
         {Difference("roster", TreePayloadOf(w.objCharDB()).split("!;"), strTree.split("!;")),
          Difference("tree", Nodes(w.allegiance().MainModel()), TreeNodesOf(strTree)),
          Difference("ranks", shownRanks, freshRanks),
          Difference("flat list", Rows(w.allegiance().FlatList()), FlatRowsOf(strTree)),
          Difference("message boxes", c.Texts(), texts)})
        if (!strDifference.isEmpty())
            return strDifference;
    if (c.prompts->nUnexpected > 0 || !c.prompts->answers.isEmpty() ||
        !c.prompts->dialogs.isEmpty())
        return QStringLiteral("%1 unexpected prompts; %2 answers and %3 dialogs scripted but "
                              "not asked for")
            .arg(c.prompts->nUnexpected)
            .arg(c.prompts->answers.size())
            .arg(c.prompts->dialogs.size());
    return QString();
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
    void keptTreeAtNextLogin_data();
    void keptTreeAtNextLogin();
    void historyFollowsChanges();
    void restartUnderTheWatch();
    void atAnyDistance_data();
    void atAnyDistance();
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

    // The views keep what the user had open (that they equal a fresh download is atAnyDistance's,
    // change by change).
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
    // Polling, a change made elsewhere comes with the next poll, a poll's interval later.
    QTRY_COMPARE_WITH_TIMEOUT(server.Held(), 1, (TreeFeed::kPollSeconds + 5) * 1000);
    server.AnswerHeld("800", "6|!;4|Dee|21|1|2||0|0|0!;");
    QTRY_COMPARE(client.window->objCharDB().Item("Char4")->nLevel, qint16(21));
    QVERIFY(client.window->feed().Polling());

    // The user's own refresh asks the feed through the request cycle, and sets the watch going
    // beside it from the same generation.
    QCOMPARE(server.Held(), 0);
    QTest::mouseClick(client.window->views().cmdTreeRefresh, Qt::LeftButton);
    QTRY_COMPARE(server.Held(), 2);
    QStringList asked{server.HeldRequest(0), server.HeldRequest(1)};
    asked.sort();
    QCOMPARE(asked, QStringList({"120:6", "120:6+wait"}));
    // Their answers cross: the watch's, the newer, comes first; the user's, made before it,
    // changes nothing afterwards.
    server.AnswerHeld("800", "8|!;4|Dee|23|1|2||0|0|0!;", "120:6+wait");
    QTRY_COMPARE(client.window->feed().Generation(), qint64(8));
    server.AnswerHeld("800", "7|!;4|Dee|22|1|2||0|0|0!;", "120:6");
    QTRY_VERIFY(!client.window->cycle().IsBusy());
    QCOMPARE(client.window->objCharDB().Item("Char4")->nLevel, qint16(23));
    QCOMPARE(client.window->feed().Generation(), qint64(8));

    // When the server cannot answer the user's refresh from the generation held, the tree comes
    // whole through the request cycle, its generation learned first.
    QTRY_COMPARE(server.Held(), 1);
    QCOMPARE(server.HeldRequest(0), QString("120:8+wait"));
    const int nBefore = server.seen.size();
    QTest::mouseClick(client.window->views().cmdTreeRefresh, Qt::LeftButton);
    QTRY_COMPARE(server.Held(), 2);
    server.strGeneration = "9";
    server.AnswerHeld("1070", "", "120:8");
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

void tst_live::keptTreeAtNextLogin_data() {
    QTest::addColumn<int>("iDelayMs");
    QTest::addColumn<bool>("bReachable"); // whether the server answers the next login at once
    for (bool bReachable : {true, false})
        for (int iDelayMs : {0, 400, 1500})
            QTest::addRow("%s, answers after %d ms", bReachable ? "reachable" : "gone a while",
                          iDelayMs)
                << iDelayMs << bReachable;
}

void tst_live::keptTreeAtNextLogin() {
    QFETCH(int, iDelayMs);
    QFETCH(bool, bReachable);
    ScriptedGuild server;
    QTemporaryDir folder; // the user's, kept between the runs
    const QString strChanged = "1|Ann|50|2|-1|2,3|0|0|0!;2|Bo|44|1|1|4|0|0|0!;3|Cy|31|1|1||0|0|0!;"
                               "4|Dee|20|1|2||0|0|0!;";
    {
        // Kept soon after the download and again soon after each change, before the window
        // closes: a crash would not lose them (waited for in the rows where the server stays).
        auto Kept = [&] {
            const QDir cache(folder.path() + "/cache");
            const QStringList kept = cache.entryList(QDir::Files);
            return kept.isEmpty() ? QByteArray() : FileBytes(cache.filePath(kept[0]));
        };
        TestClient first(folder.path());
        QVERIFY(LogIn(first, server));
        if (bReachable)
            ZORV_TRY(Kept().contains("2|Bo|40|"));
        server.strTree = strChanged;
        server.AnswerHeld("800", "6|!;2|Bo|44|1|1|4|0|0|0!;");
        QTRY_VERIFY(server.Requests().contains("120:6"));
        if (bReachable)
            ZORV_TRY(Kept().contains("2|Bo|44|"));
    } // the window closes, and keeps it again
    const QStringList files = QDir(folder.path() + "/cache").entryList(QDir::Files);
    QCOMPARE(files.size(), 1);
    const QFile::Permissions perms = QFile::permissions(folder.path() + "/cache/" + files[0]);
    QCOMPARE(perms & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
             QFile::Permissions());

    // The next run, every answer a while on its way, shows the kept tree at once and asks only
    // what changed since; the whole tree is never downloaded, and nothing but the own record is
    // loaded. A server gone at first: the kept tree is offered and opened read-only until the
    // server answers again, when the client logs in by itself.
    TestClient second(folder.path());
    second.window->feed().SetEnabled(true);
    const int nBefore = server.seen.size();
    const QString strCatchUp = "7|!;4|Dee|21|1|2||0|0|0!;";
    if (bReachable) {
        server.iDelayMs = iDelayMs;
        QStringList shownFirst, requestsThen;
        QObject::connect(&second.window->allegiance(), &AllegianceView::TreeDownloaded, [&] {
            shownFirst = Nodes(second.window->allegiance().MainModel());
            requestsThen = server.Requests().mid(nBefore);
        });
        server.strCatchUp = strCatchUp;
        second.LogIn(server.peer.Address(), "Ann", "secret1");
        ZORV_TRY_COMPARE(second.window->sheet().iCurDisplayCharID, qint16(1));
        QCOMPARE(shownFirst, TreeNodesOf(strChanged));
        QCOMPARE(requestsThen, QStringList({"104"}));
    } else {
        server.peer.StopListening();
        second.prompts->answers << MessagePrompts::Answer::Yes;
        second.LogIn(server.peer.Address(), "Ann", "secret1");
        QTRY_VERIFY(second.window->feed().Offline());
        QCOMPARE(second.prompts->shown.size(), 1);
        QVERIFY(second.LastText().contains("could not be reached"));
        QVERIFY(second.LastText().contains("read-only"));
        QCOMPARE(Nodes(second.window->allegiance().MainModel()), TreeNodesOf(strChanged));
        QVERIFY(second.window->windowTitle().contains("Read-only copy from "));
        StatusBar& status = second.window->stsStatusBar();
        QVERIFY(status.Panel(RequestCycle::kPanelOp).startsWith("Read-only"));
        auto Action = [&](const char* pName) { return second.window->findChild<QAction*>(pName); };
        for (const char* pName : {"mnuAddVassal", "mnuChangePatron", "mnuChangePassword"})
            QVERIFY2(!Action(pName)->isEnabled(), pName);
        SheetViews& s = second.window->views().sheet;
        QVERIFY(!s.cmdSaveChanges->isEnabled());
        // Choosing a character sends nothing and shows no box: the status bar says why.
        second.window->allegiance().FindInTree("Bo");
        QVERIFY(status.Panel(RequestCycle::kPanelOp).endsWith(": the server cannot be reached"));
        QCOMPARE(s.txtName->text(), QString());
        // The watch keeps trying, backing off, until the server answers again.
        QTRY_VERIFY(status.Panel(TreeFeed::kPanel)
                        .startsWith("Read-only copy: the server cannot be reached"));
        server.iDelayMs = iDelayMs;
        server.strCatchUp = strCatchUp;
        QVERIFY(server.peer.ListenAgain());
        QTRY_COMPARE_WITH_TIMEOUT(second.window->sheet().iCurDisplayCharID, qint16(1), 30000);
        QVERIFY(!second.window->feed().Offline());
        QCOMPARE(second.window->windowTitle(), QString("ZORV (Guild) - Logged in as Ann"));
        for (const char* pName : {"mnuAddVassal", "mnuChangePatron", "mnuChangePassword"})
            QVERIFY2(Action(pName)->isEnabled(), pName);
        QVERIFY(s.cmdSaveChanges->isEnabled());
    }
    const int nBoxes = bReachable ? 0 : 1;
    QVERIFY(Settled(second, server, 7, nBoxes));
    if (bReachable) // a server gone is asked by the watch first
        QCOMPARE(server.Requests().mid(nBefore, 2), QStringList({"104", "120:6"}));
    QVERIFY(!server.Requests().mid(nBefore).contains("100"));
    QCOMPARE(server.Requests().mid(nBefore).count("107"), 1);
    QCOMPARE(second.window->objCharDB().Item("Char4")->nLevel, qint16(21));
    // A change made afterwards reaches the tree, however long its answer takes.
    server.strCatchUp.clear();
    server.AnswerHeld("800", "8|!;2|Bo|41|1|1|4|0|0|0!;");
    ZORV_TRY_COMPARE(second.window->objCharDB().Item("Char2")->nLevel, qint16(41));
    QCOMPARE(second.prompts->shown.size(), nBoxes);
    server.iDelayMs = 0;

    // Kept for one server and one character: another server, or another character of the same
    // one, starts with a whole download and never shows it.
    ScriptedGuild other;
    other.strTree = "1|Ann|50|2|-1||0|0|0!;";
    for (const auto& [pServer, strName] : {std::pair<ScriptedGuild*, QString>{&other, "Ann"},
                                           std::pair<ScriptedGuild*, QString>{&server, "Bo"}}) {
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

void tst_live::restartUnderTheWatch() {
    // Without any change history: the feed keeps its own record of changes.
    ServerProcess server;
    QVERIFY(server.Start("demo", {"--history-days", "0"}));
    const QString strListen = "127.0.0.1:" + server.Address().section(':', 1).section('/', 0, 0);
    TestClient watching;
    watching.window->feed().SetEnabled(true);
    QVERIFY(watching.LogInAndWait(server.Address(), "Brenna Ashvale", "welcome1"));
    QVERIFY(watching.window->feed().Watching());
    StatusBar& status = watching.window->stsStatusBar();

    // The server stops under the held watch, and comes back on the same address; a change made
    // then reaches the watching client, which has shown no message box.
    server.Stop();
    QTRY_VERIFY_WITH_TIMEOUT(status.Panel(TreeFeed::kPanel).startsWith("Tree updates paused"),
                             10000);
    QVERIFY(server.Start("", {"--history-days", "0", "--listen", strListen}));
    const Member aldric(server.Address(), "Aldric Stormwind", "lantern1");
    const qint16 idDara = watching.window->objCharDB().GetID("Dara Whitmoor");
    QVERIFY(SaveLevel(aldric, 1, idDara, 48));
    QTRY_COMPARE_WITH_TIMEOUT(watching.window->objCharDB().Item(CharKey(idDara))->nLevel,
                              qint16(48), 30000);
    QTRY_COMPARE(status.Panel(TreeFeed::kPanel), QString());
    QCOMPARE(watching.prompts->shown.size(), 0);
}

void tst_live::atAnyDistance_data() {
    QTest::addColumn<int>("msDelay");
    QTest::newRow("next door") << 0;
    QTest::newRow("400 ms away") << 400;
    QTest::newRow("1500 ms away") << 1500;
}

// Brenna, who keeps a branch of the guild, through a relay that holds each of her requests for
// msDelay; Aldric acts on the server directly. Whatever the distance, each step leaves her client
// as a whole download would, quietly, with the sheet where she left it.
void tst_live::atAnyDistance() {
    QFETCH(int, msDelay);
    ServerProcess server;
    QVERIFY(server.Start("demo"));
    DelayProxy proxy("127.0.0.1", server.Address().section(':', 1).section('/', 0, 0).toUShort());
    QVERIFY(proxy.Listen());
    proxy.SetDelayMs(msDelay);
    const Member aldric(server.Address(), "Aldric Stormwind", "lantern1");
    const qint16 idBrenna = 2;
    QStringList texts; // the message boxes she has seen so far, in order

    TestClient brenna;
    brenna.window->feed().SetEnabled(true);
    brenna.LogIn(proxy.Address("zorv"), "Brenna Ashvale", "welcome1");
    QString strProblem = Unsettled(brenna, aldric, idBrenna, texts);
    QVERIFY2(strProblem.isEmpty(), qPrintable("first login: " + strProblem));
    QVERIFY(proxy.Connections() >= 3); // the login, the generation and the tree came through it
    frmMain& w = *brenna.window;
    SheetViews& s = w.views().sheet;

    // Her own level, saved: the sheet shows it as stored, with no edits left.
    const QString strLevel = s.txtLevel->text() == "77" ? "78" : "77";
    s.txtLevel->selectAll();
    QTest::keyClicks(s.txtLevel, strLevel);
    QVERIFY(w.sheet().HasUnsavedEdits());
    brenna.prompts->ExpectOk();
    QTest::mouseClick(s.cmdSaveChanges, Qt::LeftButton);
    texts << "The character's information has been updated.  If you changed the name of the "
             "character you are logged in as, you'll have to login again.";
    strProblem = Unsettled(brenna, aldric, idBrenna, texts);
    QVERIFY2(strProblem.isEmpty(), qPrintable("sheet save: " + strProblem));
    QCOMPARE(aldric.Post(107, {{"getcharid", "2"}}).second.section('|', 2, 2), strLevel);
    QTRY_COMPARE_WITH_TIMEOUT(s.txtLevel->text(), strLevel, 30000);
    QVERIFY(!w.sheet().HasUnsavedEdits());

    // A vassal sworn to her, and removed again; she is on the sheet after each.
    QVERIFY(brenna.StartAddingVassal("Brenna Ashvale", "Lantern Recruit"));
    texts << "The new vassal has been added to the tree.  Hit OK to refresh the tree";
    strProblem = Unsettled(brenna, aldric, idBrenna, texts);
    QVERIFY2(strProblem.isEmpty(), qPrintable("adding a vassal: " + strProblem));
    const qint16 idRecruit = w.objCharDB().GetID("Lantern Recruit");
    QVERIFY(idRecruit > 0);
    QCOMPARE(w.objCharDB().Item(CharKey(idRecruit))->nPatronID, idBrenna);
    QTRY_VERIFY_WITH_TIMEOUT(
        !s.lstVassals->findItems("Lantern Recruit", Qt::MatchExactly).isEmpty(), 30000);

    s.lstVassals->setCurrentItem(s.lstVassals->findItems("Lantern Recruit", Qt::MatchExactly)[0]);
    brenna.prompts->answers << Prompts::Answer::Yes;
    brenna.prompts->ExpectOk();
    w.operations().RemoveVassal();
    texts << "Are you sure you want to remove your vassal Lantern Recruit?\r\nThis will also "
             "remove all characters that are followers of Lantern Recruit."
          << "The vassal has been successfully removed.";
    strProblem = Unsettled(brenna, aldric, idBrenna, texts);
    QVERIFY2(strProblem.isEmpty(), qPrintable("removing the vassal: " + strProblem));
    QCOMPARE(w.objCharDB().GetID("Lantern Recruit"), qint16(-1));

    // Aldric swears a vassal to Corin and sets Brenna's level: both reach her without a request
    // of hers, and her sheet, which held no edits, shows her record as stored.
    TestClient officer;
    QVERIFY(officer.LogInAndWait(server.Address(), "Aldric Stormwind", "lantern1"));
    QVERIFY(officer.StartAddingVassal("Corin Thale", "Far Recruit"));
    QVERIFY(SaveLevel(aldric, 1, idBrenna, 88));
    strProblem = Unsettled(brenna, aldric, idBrenna, texts);
    QVERIFY2(strProblem.isEmpty(), qPrintable("change made elsewhere: " + strProblem));
    QVERIFY(w.objCharDB().GetID("Far Recruit") > 0);
    QTRY_COMPARE_WITH_TIMEOUT(s.txtLevel->text(), QString("88"), 60000);
    QTRY_VERIFY_WITH_TIMEOUT(!w.cycle().IsBusy(), 30000); // the reload that showed it, done
}

QTEST_MAIN(tst_live)
#include "tst_live.moc"
