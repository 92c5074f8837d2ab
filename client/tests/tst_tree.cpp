// The allegiance views against a real zorv-server: the tree's shape, pictures and reselection,
// the find dialog, expanding and collapsing, the flat listing, and a 32767-member chain.
#include "AllegianceModel.h"
#include "AllegianceView.h"
#include "Characters.h"
#include "FlatListModel.h"
#include "Grid.h"
#include "MainViews.h"
#include "RequestCycle.h"
#include "ScriptedPrompts.h"
#include "ServerProcess.h"
#include "StatusBar.h"
#include "TestClient.h"
#include "TreeIcons.h"
#include "frmFindChar.h"
#include "frmMain.h"
#include "frmPlayerSetup.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

namespace {

struct Member {
    int id;
    const char* szName;
    int iPatron;
    int iSeq; // joining order among its patron's vassals
    int iLevel;
    int iMule, iPK, iRescue;
};

// The scene: two monarchs; Ann's vassals joined as 7 then 3; every picture rule once.
const Member kGuild[] = {
    {1, "Ann", -1, 1, 50, 0, 0, 0}, {2, "Bo", -1, 3, 40, 0, 0, 0},  {7, "Dan", 1, 2, 30, 0, 1, 1},
    {3, "Cy", 1, 5, 31, 1, 0, 1},   {4, "ANDY", 2, 6, 20, 0, 1, 0}, {5, "anna", 2, 7, 21, 0, 0, 0},
    {6, "Eve", 3, 8, 12, 0, 0, 0},
};

// The dump of a guild with the demo's settings (and so its default password, welcome1) and the
// given members, all on that default.
QByteArray GuildDump(const QList<Member>& members) {
    ServerProcess demo;
    demo.Command({"demo"});
    // Written as the first dump format: its rows are short and it carries no record counts,
    // which the server still reads as long as every row and the tree check out.
    QString strOut = QStringLiteral("ZORV DUMP 1\n");
    for (const QString& strLine : demo.Command({"backup"}).split('\n'))
        if (strLine.startsWith("S|"))
            strOut += strLine + '\n';
    for (const Member& m : members)
        strOut += QStringLiteral("C|%1|%2|%3|%4|-|1|%5||0|0|0|%6|||||0|||||||%7|%8|0|0|||"
                                 "2026-01-01 00:00|1\n")
                      .arg(m.id)
                      .arg(QString::fromLatin1(m.szName))
                      .arg(m.iPatron)
                      .arg(m.iSeq)
                      .arg(m.iLevel)
                      .arg(m.iMule)
                      .arg(m.iPK)
                      .arg(m.iRescue);
    return strOut.toLatin1();
}

// Restores the dump into the server's guild file and starts serving it.
bool ServeDump(ServerProcess& server, const QByteArray& dump) {
    QFile file(server.Folder() + "/guild.dump");
    if (!file.open(QIODevice::WriteOnly) || file.write(dump) != dump.size())
        return false;
    file.close();
    server.Command({"restore", file.fileName()});
    return server.Start(QString());
}

struct Client : TestClient {
    AllegianceView& Tree() { return window->allegiance(); }
    AllegianceModel& Model() { return Tree().MainModel(); }
    QTreeView* View() { return window->views().treTreeView; }
    QString CurrentKey() { return Model().Key(View()->currentIndex()); }
    // The last request's msgid is the awaited operation once the exchange is under way.
    bool Waiting(qint16 op) { return window->cycle().iCurrentOp == op; }
    // Refreshes and waits until the new tree is drawn.
    bool Refresh() {
        Tree().RefreshTree();
        return QTest::qWaitFor([&] { return Model().Count() > 0; }, 20000);
    }
};

QStringList Children(AllegianceModel& model, const QModelIndex& parent) {
    QStringList names;
    for (int i = 0; i < model.rowCount(parent); ++i)
        names << model.index(i, 0, parent).data().toString();
    return names;
}

} // namespace

class tst_tree final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void shapeAndPictures();
    void collapseThenExpand();
    void reselectionAfterRefresh();
    void findDialogAndSearch();
    void flatListSortAndJump();
    void chainOf32767();

private:
    QByteArray m_guildDump;
    // Every slot but the long chain starts on its own copy of the scene, logged in as Ann.
    std::unique_ptr<ServerProcess> m_server;
    std::unique_ptr<Client> m_client;
};

void tst_tree::initTestCase() {
    m_guildDump = GuildDump(QList<Member>(std::begin(kGuild), std::end(kGuild)));
    QVERIFY(m_guildDump.contains("C|7|Dan|"));
}

void tst_tree::init() {
    if (QTest::currentTestFunction() == QByteArray("chainOf32767"))
        return;
    m_server = std::make_unique<ServerProcess>();
    QVERIFY(ServeDump(*m_server, m_guildDump));
    m_client = std::make_unique<Client>();
    m_client->LogIn(m_server->Address(), "ann", "welcome1");
    QTRY_VERIFY_WITH_TIMEOUT(m_client->Model().Count() == 7 && m_client->Waiting(107), 20000);
    QCOMPARE(m_client->CurrentKey(), QStringLiteral("Char1")); // the own character
}

void tst_tree::cleanup() {
    m_client.reset();
    m_server.reset();
}

void tst_tree::shapeAndPictures() {
    AllegianceModel& model = m_client->Model();
    QCOMPARE(Children(model, QModelIndex()), (QStringList{"Ann - Level 50", "Bo - Level 40"}));
    QModelIndex ann = model.IndexOfKey("Char1");
    QCOMPARE(Children(model, ann), (QStringList{"Dan - Level 30", "Cy - Level 31"}));
    QCOMPARE(Children(model, model.IndexOfKey("Char2")),
             (QStringList{"ANDY - Level 20", "anna - Level 21"}));
    auto Picture = [&](const char* szKey) {
        return model.IndexOfKey(szKey).data(Qt::DecorationRole).value<QIcon>().cacheKey();
    };
    QCOMPARE(Picture("Char3"), imglstTreeIcons(TreeIcon::Mule).cacheKey());        // mule and squad
    QCOMPARE(Picture("Char7"), imglstTreeIcons(TreeIcon::RescueSquad).cacheKey()); // squad, PK
    QCOMPARE(Picture("Char4"), imglstTreeIcons(TreeIcon::PK).cacheKey());
    QCOMPARE(Picture("Char5"), imglstTreeIcons(TreeIcon::Member).cacheKey());
    QCOMPARE(model.IndexOfKey("Char6").data(AllegianceModel::KeyRole).toString(),
             QStringLiteral("Char6"));

    // Both monarchs open with "Expand Entire Tree".
    m_client->Tree().mnuTreeOpExpandAll();
    QVERIFY(m_client->View()->isExpanded(model.IndexOfKey("Char1")));
    QVERIFY(m_client->View()->isExpanded(model.IndexOfKey("Char2")));
    QVERIFY(m_client->View()->isExpanded(model.IndexOfKey("Char3")));
    m_client->Tree().mnuTreeOpCollapseAll();
    QVERIFY(!m_client->View()->isExpanded(model.IndexOfKey("Char2")));
}

void tst_tree::reselectionAfterRefresh() {
    Client& c = *m_client;
    // The sheet's character keeps its branch through a refresh: Ann's two vassals.
    QAbstractItemModel* pImmediate = c.window->views().sheet.treImmediateTree->model();
    QTRY_COMPARE_WITH_TIMEOUT(pImmediate->rowCount(), 2, 20000);
    QVERIFY(c.Refresh());
    QCOMPARE(pImmediate->rowCount(), 2);

    c.View()->setCurrentIndex(c.Model().IndexOfKey("Char3"));
    QVERIFY(c.Refresh());
    QCOMPARE(c.CurrentKey(), QStringLiteral("Char3"));
    QVERIFY(c.View()->isExpanded(c.Model().IndexOfKey("Char3")));
    QCOMPARE(c.Model().Key(c.Model().Highlighted()), QStringLiteral("Char3"));
    QVERIFY2(c.View()->isExpanded(c.Model().IndexOfKey("Char1")), "shown, so its patron opens");

    // Cy leaves (another officer removes her): the next tree has no node for the saved key, so
    // the first node is selected instead, without a message.
    ServerProcess& server = *m_server;
    TestClient other;
    other.LogIn(server.Address(), "ann", "welcome1");
    QTRY_VERIFY_WITH_TIMEOUT(other.window->objCharDB().Count() == 7, 20000);
    QSignalSpy removed(&other.window->cycle().HTTP, &HTTPRequest::GotResults);
    other.prompts->ExpectOk(); // "The vassal has been successfully removed."
    other.window->cycle().StartOperation(102, QString(),
                                         {{"charid", "1"},
                                          {"patronid", "1"},
                                          {"vassalid", "3"},
                                          {"vassalname", "Cy"},
                                          {"vassallist", "7,3"}});
    QTRY_VERIFY_WITH_TIMEOUT(other.prompts->shown.size() == 1, 20000);
    QVERIFY(c.Refresh());
    QCOMPARE(c.Model().Count(), 5);
    QCOMPARE(c.CurrentKey(), QStringLiteral("Char1"));
    QCOMPARE(c.prompts->shown.size(), 0);
}

void tst_tree::findDialogAndSearch() {
    Client& c = *m_client;
    frmFindChar& dlg = c.Tree().FindDialog();
    c.prompts->dialogs << [](QDialog& d) {
        auto& find = static_cast<frmFindChar&>(d);
        find.txtName->setText("an");
        find.txtName_KeyUp();
        [&] { QCOMPARE(find.Names(), (QStringList{"Ann", "ANDY", "anna"})); }();
        find.txtName->clear();
        find.txtName_KeyUp();
        [&] { QCOMPARE(find.Names().size(), 7); }();
        find.txtName->setText("ANNA");
        find.cmdOK_Click();
        return int(QDialog::Accepted);
    };
    c.Tree().cmdFindInTree_Click();
    QVERIFY(!dlg.bHitCancel);
    QCOMPARE(c.CurrentKey(), QStringLiteral("Char5"));
    QCOMPARE(c.Model().Key(c.Model().Highlighted()), QStringLiteral("Char5"));
    QVERIFY(c.View()->isExpanded(c.Model().IndexOfKey("Char2")));
    QVERIFY(c.window->cycle().HTTP.strPostData.endsWith("&msgid=107&getcharid=5"));

    c.prompts->ExpectOk();
    c.Tree().FindInTree("Nobody");
    QCOMPARE(c.LastText(), QStringLiteral("That character does not exist!"));
    QCOMPARE(c.CurrentKey(), QStringLiteral("Char5"));

    // A click on a node clears the highlight and asks for that record.
    QModelIndex bo = c.Model().IndexOfKey("Char2");
    c.View()->setCurrentIndex(bo);
    QTest::mouseClick(c.View()->viewport(), Qt::LeftButton, {}, c.View()->visualRect(bo).center());
    QVERIFY(!c.Model().Highlighted().isValid());
    QVERIFY(c.window->cycle().HTTP.strPostData.endsWith("&msgid=107&getcharid=2"));
}

void tst_tree::collapseThenExpand() {
    Client& c = *m_client;
    QTreeView* pView = c.View();
    QModelIndex ann = c.Model().IndexOfKey("Char1");
    QModelIndex cy = c.Model().IndexOfKey("Char3"); // Ann's vassal, with Eve below her
    pView->setCurrentIndex(ann);
    c.Tree().mnuTreeOpExpandNode();
    QVERIFY(pView->isExpanded(ann));
    QVERIFY(pView->isExpanded(cy));
    c.Tree().mnuTreeOpCollapseNode();
    QVERIFY(!pView->isExpanded(ann));
    // Opening Ann again shows her vassals, themselves collapsed.
    pView->expand(ann);
    QVERIFY(!pView->isExpanded(cy));
    QVERIFY(c.Model().hasChildren(cy));
    pView->collapse(ann);
}

void tst_tree::flatListSortAndJump() {
    Client& c = *m_client;
    Grid* pGrid = c.window->views().grdFlatList;
    auto Column = [&](int iColumn) {
        QStringList cells;
        for (int iRow = 1; iRow <= pGrid->DataRows(); ++iRow)
            cells << pGrid->TextMatrix(iRow, iColumn);
        return cells;
    };
    const QStringList payloadOrder = Column(0);
    QCOMPARE(payloadOrder, (QStringList{"Ann", "Bo", "Dan", "Cy", "ANDY", "anna", "Eve"}));
    QCOMPARE(Column(4), (QStringList{"None", "None", "Ann", "Ann", "Bo", "Bo", "Cy"}));
    QCOMPARE(Column(5), (QStringList{"No", "No", "No", "Yes", "No", "No", "No"}));
    QCOMPARE(Column(6), (QStringList{"No", "No", "Yes", "No", "Yes", "No", "No"}));
    QCOMPARE(Column(3), (QStringList{"2", "2", "1", "1", "1", "1", "1"}));

    pGrid->HeaderSort(1);
    QCOMPARE(Column(1), (QStringList{"12", "20", "21", "30", "31", "40", "50"}));
    pGrid->HeaderSort(1);
    QCOMPARE(Column(1), (QStringList{"50", "40", "31", "30", "21", "20", "12"}));
    pGrid->HeaderSort(0);
    QCOMPARE(Column(0), (QStringList{"ANDY", "Ann", "anna", "Bo", "Cy", "Dan", "Eve"}));
    pGrid->HeaderSort(1);
    QCOMPARE(pGrid->iLastSort, 1);

    // A refresh brings payload order back and keeps the sort state: the next click descends.
    QVERIFY(c.Refresh());
    QCOMPARE(Column(0), payloadOrder);
    pGrid->HeaderSort(1);
    QCOMPARE(Column(1), (QStringList{"50", "40", "31", "30", "21", "20", "12"}));

    // A double click on Dan's row lands on his node and, a second later, on the tree's tab.
    c.window->views().tabMainTab->setCurrentIndex(1);
    pGrid->show();
    QModelIndex danCell = pGrid->model()->index(3, 0); // by level, downwards: Ann, Bo, Cy, Dan
    QCOMPARE(danCell.data().toString(), QStringLiteral("Dan"));
    emit pGrid->doubleClicked(danCell);
    QCOMPARE(c.CurrentKey(), QStringLiteral("Char7"));
    QCOMPARE(c.Model().Key(c.Model().Highlighted()), QStringLiteral("Char7"));
    QVERIFY(c.window->cycle().HTTP.strPostData.endsWith("&msgid=107&getcharid=7"));
    QCOMPARE(c.window->views().tabMainTab->currentIndex(), 1);
    QTRY_COMPARE(c.window->views().tabMainTab->currentIndex(), 0);
}

void tst_tree::chainOf32767() {
    ServerProcess server;
    server.Command({"seed", "--members", "32767", "--shape", "chain"});
    QVERIFY(server.Start(QString()));
    Client c;
    c.LogIn(server.Address(), "Seed Monarch", "seedpass1");
    QTRY_VERIFY_WITH_TIMEOUT(c.Model().Count() == 32767 && c.Waiting(107), 60000);
    Characters& roster = c.window->objCharDB();
    QCOMPARE(roster.CountFollowers("Char1"), qint16(32766));
    QCOMPARE(roster.ComputedRank(roster.IndexOf("Char1")), qint16(1));

    c.Tree().mnuTreeOpExpandAll();
    const int iLimit = AllegianceView::kMaxExpandDepth;
    QVERIFY(c.View()->isExpanded(c.Model().IndexOfKey(CharKey(qint16(iLimit)))));
    QVERIFY(!c.View()->isExpanded(c.Model().IndexOfKey(CharKey(qint16(iLimit + 1)))));
    QVERIFY(c.window->stsStatusBar().Panel(RequestCycle::kPanelOp).contains("too deep"));

    // The deepest member is found and selected, though not every generation above it opens.
    QString strDeepest = roster.Item("Char32767")->strName;
    c.Tree().FindInTree(strDeepest.toUpper());
    QCOMPARE(c.CurrentKey(), QStringLiteral("Char32767"));
    QVERIFY(c.window->cycle().HTTP.strPostData.endsWith("&getcharid=32767"));

    // Shown on screen, the view lays out the thousand open generations and scrolls down to the
    // deepest row it shows (its text is cut: the column keeps the view's width).
    c.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(c.window.get()));
    QModelIndex deepestOpen = c.Model().IndexOfKey(CharKey(qint16(iLimit + 1)));
    c.View()->scrollTo(deepestOpen);
    const QRect row = c.View()->visualRect(deepestOpen);
    QVERIFY(row.height() > 0);
    QVERIFY(row.top() >= 0 && row.bottom() < c.View()->viewport()->height());

    c.Tree().mnuTreeOpCollapseAll();
    QVERIFY(!c.View()->isExpanded(c.Model().IndexOfKey("Char1")));
    QCOMPARE(c.View()->visualRect(deepestOpen), QRect());
}

QTEST_MAIN(tst_tree)
#include "tst_tree.moc"
