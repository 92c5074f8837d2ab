// The live allegiance against real servers: another client's operations reaching a watching one;
// a server restarted under a watch; a server under CGI, where the client polls; and an officer's
// day through a relay that delays every request, near and far.
#include "DelayProxy.h"
#include "TestClient.h"

#include <utility>
#include <vector>

namespace {

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

// Saves a character's level as the member idSelf, the rest of the sheet as stored; true when the
// server took it.
bool SaveLevel(const Member& member, qint16 idSelf, qint16 id, int iLevel) {
    const QStringList record =
        member.Post(107, {{"getcharid", QString::number(id)}}).second.split('|');
    if (record.size() < 33)
        return false;
    return member
               .Post(106, {{"charid", QString::number(idSelf)},
                           {"updateid", QString::number(id)},
                           {"LEVEL", QString::number(iLevel)},
                           {"SKILLS", record[16]},
                           {"ISMULE", record[11]},
                           {"ISPK", record[26]},
                           {"ISRESCUE", record[27]},
                           {"ISPRIVATE", record[28]},
                           {"CAN_SUMMON", record[29]}})
               .first == "800";
}

// Logs a watching client in as Brenna, a member, and waits for her record.
bool WatchAsBrenna(TestClient& watching, const ServerProcess& server) {
    watching.window->feed().SetEnabled(true);
    return watching.LogInAndWait(server.Address(), "Brenna Ashvale", "welcome1");
}

// Adds a vassal under strPatron as the member idSelf, with the patron's list as stored now; true
// when the server took it.
bool AddVassal(const Member& member, qint16 idSelf, const QString& strPatron,
               const QString& strName) {
    QString strProblem;
    const RosterSnapshot tree = ParseTreePayload(member.Tree(), strProblem);
    const Character* pPatron = tree->Item(CharKey(tree->GetID(strPatron)));
    if (!pPatron)
        return false;
    return member
               .Post(101, {{"charid", QString::number(idSelf)},
                           {"addtoid", QString::number(pPatron->nID)},
                           {"vassalname", strName},
                           {"vassallist", pPatron->strVassalIDs},
                           {"patronid", QString::number(pPatron->nPatronID)}})
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

// The level a record holds on the server now.
QString StoredLevel(const Member& member, qint16 id) {
    return member.Post(107, {{"getcharid", QString::number(id)}}).second.section('|', 2, 2);
}

} // namespace

class tst_live_server : public QObject {
    Q_OBJECT

private slots:
    void realServerFollowsAnotherClient();
    void restartUnderTheWatch();
    void pollsUnderCgi();
    void atAnyDistance_data();
    void atAnyDistance();
};

void tst_live_server::realServerFollowsAnotherClient() {
    ServerProcess server;
    QVERIFY(server.Start("demo"));
    TestClient watching, other;
    QSignalSpy answered(&watching.window->cycle(), &RequestCycle::Answered);
    QVERIFY(WatchAsBrenna(watching, server));
    QVERIFY(watching.window->feed().Watching());
    AllegianceModel& model = watching.window->allegiance().MainModel();
    QTreeView* pTree = watching.window->views().treTreeView;
    const QModelIndex pella =
        model.IndexOfKey(CharKey(watching.window->objCharDB().GetID("Pella Rook")));
    pTree->expand(pella);
    const QString strSelected = watching.window->allegiance().SelectedKey();
    auto Followers = [&] {
        return watching.window->views().sheet.lblNumCountFollowers->text().section(' ', 0, 0);
    };
    const int nFollowers = Followers().toInt();
    QVERIFY(nFollowers > 0);
    answered.clear();

    // Another member adds a vassal under Pella and downloads the whole tree after it.
    QVERIFY(other.LogInAndWait(server.Address(), "Brenna Ashvale", "welcome1"));
    QVERIFY(other.StartAddingVassal("Pella Rook", "Newcomer"));
    ZORV_TRY(other.window->objCharDB().GetID("Newcomer") != -1);

    // The watching client has the change without a request of its own, and its views equal the
    // other's fresh download.
    ZORV_TRY(watching.window->objCharDB().GetID("Newcomer") != -1);
    QCOMPARE(answered.count(), 0);
    QCOMPARE(Nodes(model), Nodes(other.window->allegiance().MainModel()));
    QCOMPARE(Rows(watching.window->allegiance().FlatList()),
             Rows(other.window->allegiance().FlatList()));
    QVERIFY(pTree->isExpanded(
        model.IndexOfKey(CharKey(watching.window->objCharDB().GetID("Pella Rook")))));
    QCOMPARE(watching.window->allegiance().SelectedKey(), strSelected);
    // Brenna, on the sheet, has one follower more, though her own record did not change.
    QCOMPARE(Followers().toInt(), nFollowers + 1);

    // The watching client's own operation refreshes through the feed, not by a whole download.
    QVERIFY(watching.Show("Pella Rook"));
    answered.clear();
    watching.ExpectAddVassalDialog("Second");
    watching.prompts->ExpectOk();
    watching.window->operations().AddVassal();
    ZORV_TRY(!watching.window->cycle().IsBusy() && answered.count() >= 3);
    QList<int> ops;
    for (const QList<QVariant>& signal : answered)
        ops << signal.at(0).toInt();
    // Each is answered once its route is done: the refresh inside the add's route.
    QCOMPARE(ops.mid(0, 3), QList<int>({120, 101, 107}));
    QVERIFY(!ops.contains(100));
    QCOMPARE(
        watching.window->objCharDB().GetName(CharKey(watching.window->sheet().iCurDisplayCharID)),
        QString("Pella Rook"));
}

void tst_live_server::restartUnderTheWatch() {
    // Without any change history: the feed keeps its own record of changes.
    ServerProcess server;
    QVERIFY(server.Start("demo", {"--history-days", "0"}));
    const QString strListen = "127.0.0.1:" + server.Address().section(':', 1).section('/', 0, 0);
    TestClient watching;
    QVERIFY(WatchAsBrenna(watching, server));
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

void tst_live_server::pollsUnderCgi() {
    // Under a web server the watch's wait is answered at once: the client polls instead, and a
    // change made elsewhere shows within one poll's interval.
    ServerProcess server;
    QVERIFY(server.StartUnderLighttpd("demo"));
    TestClient watching;
    QVERIFY(WatchAsBrenna(watching, server));
    QTRY_VERIFY_WITH_TIMEOUT(watching.window->feed().Polling(), 10000);
    const Member aldric(server.Address(), "Aldric Stormwind", "lantern1");
    const qint16 idDara = watching.window->objCharDB().GetID("Dara Whitmoor");
    QVERIFY(SaveLevel(aldric, 1, idDara, 49));
    QTRY_COMPARE_WITH_TIMEOUT(watching.window->objCharDB().Item(CharKey(idDara))->nLevel,
                              qint16(49), (TreeFeed::kPollSeconds + 10) * 1000);
    QVERIFY(watching.window->feed().Polling());
    QCOMPARE(watching.prompts->shown.size(), 0);
}

void tst_live_server::atAnyDistance_data() {
    QTest::addColumn<int>("msDelay");
    QTest::newRow("next door") << 0;
    QTest::newRow("400 ms away") << 400;
    QTest::newRow("1500 ms away") << 1500;
}

// Brenna, who keeps a branch of the guild, through a relay that holds each of her requests for
// msDelay; Aldric acts on the server directly. Whatever the distance, each step leaves her client
// as a whole download would, quietly, with the sheet where she left it.
void tst_live_server::atAnyDistance() {
    QFETCH(int, msDelay);
    ServerProcess server;
    QVERIFY(server.Start("demo"));
    DelayProxy proxy("127.0.0.1", server.Address().section(':', 1).section('/', 0, 0).toUShort());
    QVERIFY(proxy.Listen());
    proxy.SetDelayMs(msDelay);
    const Member aldric(server.Address(), "Aldric Stormwind", "lantern1");
    const qint16 idBrenna = 2;
    QTemporaryDir folder; // Brenna's settings and kept trees, between her two runs
    QStringList texts;    // the message boxes she has seen so far, in order

    auto brenna = std::make_unique<TestClient>(folder.path());
    brenna->window->feed().SetEnabled(true);
    brenna->LogIn(proxy.Address("zorv"), "Brenna Ashvale", "welcome1");
    QString strProblem = Unsettled(*brenna, aldric, idBrenna, texts);
    QVERIFY2(strProblem.isEmpty(), qPrintable("first login: " + strProblem));
    QVERIFY(proxy.Connections() >= 3); // the login, the generation and the tree came through it
    frmMain& w = *brenna->window;
    SheetViews& s = w.views().sheet;
    QSignalSpy answered(&w.cycle(), &RequestCycle::Answered);

    // Her own refresh: asked through the feed, answered, nothing changed.
    QTest::mouseClick(w.views().cmdTreeRefresh, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!answered.isEmpty(), 30000);
    QCOMPARE(answered.first().at(0).toInt(), 120);
    strProblem = Unsettled(*brenna, aldric, idBrenna, texts);
    QVERIFY2(strProblem.isEmpty(), qPrintable("refresh: " + strProblem));

    // Her own level, saved: the sheet shows it as stored, with no edits left.
    const QString strLevel = s.txtLevel->text() == "77" ? "78" : "77";
    s.txtLevel->selectAll();
    QTest::keyClicks(s.txtLevel, strLevel);
    QVERIFY(w.sheet().HasUnsavedEdits());
    brenna->prompts->ExpectOk();
    QTest::mouseClick(s.cmdSaveChanges, Qt::LeftButton);
    texts << "The character's information has been updated.  If you changed the name of the "
             "character you are logged in as, you'll have to login again.";
    strProblem = Unsettled(*brenna, aldric, idBrenna, texts);
    QVERIFY2(strProblem.isEmpty(), qPrintable("sheet save: " + strProblem));
    QCOMPARE(StoredLevel(aldric, idBrenna), strLevel);
    QTRY_COMPARE_WITH_TIMEOUT(s.txtLevel->text(), strLevel, 30000);
    QVERIFY(!w.sheet().HasUnsavedEdits());

    // A vassal sworn to her, and removed again; she is on the sheet after each.
    QVERIFY(brenna->StartAddingVassal("Brenna Ashvale", "Lantern Recruit"));
    texts << "The new vassal has been added to the tree.  Hit OK to refresh the tree";
    strProblem = Unsettled(*brenna, aldric, idBrenna, texts);
    QVERIFY2(strProblem.isEmpty(), qPrintable("adding a vassal: " + strProblem));
    const qint16 idRecruit = w.objCharDB().GetID("Lantern Recruit");
    QVERIFY(idRecruit > 0);
    QCOMPARE(w.objCharDB().Item(CharKey(idRecruit))->nPatronID, idBrenna);
    QTRY_VERIFY_WITH_TIMEOUT(
        !s.lstVassals->findItems("Lantern Recruit", Qt::MatchExactly).isEmpty(), 30000);

    s.lstVassals->setCurrentItem(s.lstVassals->findItems("Lantern Recruit", Qt::MatchExactly)[0]);
    brenna->prompts->answers << Prompts::Answer::Yes;
    brenna->prompts->ExpectOk();
    w.operations().RemoveVassal();
    texts << "Are you sure you want to remove your vassal Lantern Recruit?\r\nThis will also "
             "remove all characters that are followers of Lantern Recruit."
          << "The vassal has been successfully removed.";
    strProblem = Unsettled(*brenna, aldric, idBrenna, texts);
    QVERIFY2(strProblem.isEmpty(), qPrintable("removing the vassal: " + strProblem));
    QCOMPARE(w.objCharDB().GetID("Lantern Recruit"), qint16(-1));

    // The trade skills list, as the server gives it now.
    QTest::mouseClick(w.views().cmdGetTradeSkills, Qt::LeftButton);
    const ListRows trade =
        ParseListRows(aldric.Post(115, {{"charid", "1"}}).second, kTradeSkillColumns);
    QVERIFY(!trade.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(w.views().grdTradeSkills->Model().Rows(), trade, 30000);
    strProblem = Unsettled(*brenna, aldric, idBrenna, texts);
    QVERIFY2(strProblem.isEmpty(), qPrintable("trade skills: " + strProblem));

    // Aldric swears a vassal to Corin and sets Brenna's level: both reach her without a request
    // of hers, and her sheet, which held no edits, shows her record as stored.
    QVERIFY(AddVassal(aldric, 1, "Corin Thale", "Far Recruit"));
    QVERIFY(SaveLevel(aldric, 1, idBrenna, 88));
    strProblem = Unsettled(*brenna, aldric, idBrenna, texts);
    QVERIFY2(strProblem.isEmpty(), qPrintable("change made elsewhere: " + strProblem));
    QVERIFY(w.objCharDB().GetID("Far Recruit") > 0);
    QTRY_COMPARE_WITH_TIMEOUT(s.txtLevel->text(), QString("88"), 60000);
    QTRY_VERIFY_WITH_TIMEOUT(!w.cycle().IsBusy(), 30000); // the reload that showed it, done

    // Her next run, after one more change made while she was away: the kept tree is shown and
    // only what changed since is asked for; then the watch follows Aldric again.
    brenna.reset();                       // the window closes, and keeps its tree
    QVERIFY(SaveLevel(aldric, 1, 4, 49)); // Dara
    brenna = std::make_unique<TestClient>(folder.path());
    brenna->window->feed().SetEnabled(true);
    QSignalSpy again(&brenna->window->cycle(), &RequestCycle::Answered);
    brenna->LogIn(proxy.Address("zorv"), "Brenna Ashvale", "welcome1");
    strProblem = Unsettled(*brenna, aldric, idBrenna, {});
    QVERIFY2(strProblem.isEmpty(), qPrintable("second login: " + strProblem));
    QStringList ops;
    for (const QList<QVariant>& signal : again)
        ops << QString::number(signal.at(0).toInt());
    QVERIFY2(!ops.contains("100"), qPrintable("operations answered: " + ops.join(',')));
    QCOMPARE(brenna->window->views().sheet.txtLevel->text(), QString("88"));
    QVERIFY(SaveLevel(aldric, 1, 4, 50));
    strProblem = Unsettled(*brenna, aldric, idBrenna, {});
    QVERIFY2(strProblem.isEmpty(), qPrintable("watch after the second login: " + strProblem));
    QCOMPARE(brenna->window->objCharDB().Item(CharKey(4))->nLevel, qint16(50));
}

QTEST_MAIN(tst_live_server)
#include "tst_live_server.moc"
