// The allegiance views: the tree's shape, pictures and reselection, the find dialog, expanding
// and collapsing, the flat listing, against a scripted guild; and a 32767-member chain against a
// real zorv-server.
#include "ListBoxes.h"
#include "RosterRecords.h"
#include "ScriptedGuild.h"
#include "TestClient.h"
#include "TreeIcons.h"

#include <QListView>
#include <algorithm>
#include <map>
#include <numeric>
#include <random>

namespace {

// The scene, as the server sends it: two monarchs; Ann's vassals joined as Dan then Cy; every
// picture rule once.
const QString kGuild = "1|Ann|50|1|-1|7,3|0|0|0!;2|Bo|40|1|-1|4,5|0|0|0!;7|Dan|30|1|1||0|1|1!;"
                       "3|Cy|31|1|1|6|1|0|1!;4|ANDY|20|1|2||0|1|0!;5|anna|21|1|2||0|0|0!;"
                       "6|Eve|12|1|3||0|0|0!;";

struct Client : TestClient {
    AllegianceView& Tree() { return window->allegiance(); }
    AllegianceModel& Model() { return Tree().MainModel(); }
    QTreeView* View() { return window->views().treTreeView; }
    QString CurrentKey() { return Model().Key(View()->currentIndex()); }
    // The last request's msgid is the awaited operation once the exchange is under way.
    bool Waiting(qint16 op) { return window->cycle().CurrentOp() == op; }
    // Refreshes and waits until the new tree is drawn.
    bool Refresh() {
        Tree().RefreshTree();
        return QTest::qWaitFor([&] { return Model().Count() > 0; }, 20000);
    }
};

} // namespace

class tst_tree final : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void shapeAndPictures();
    void collapseThenExpand();
    void reselectionAfterRefresh();
    void findDialogAndSearch();
    void flatListSorts();
    void chainOf32767();
    void treeModelAgreesWithItsDefinition();
    void setAsSelected();

private:
    // Every slot of the views starts on its own copy of the scene, logged in as Ann.
    std::unique_ptr<ScriptedGuild> m_server;
    std::unique_ptr<Client> m_client;
};

void tst_tree::init() {
    const QByteArray slot = QTest::currentTestFunction();
    if (slot == "chainOf32767" || slot == "treeModelAgreesWithItsDefinition" ||
        slot == "setAsSelected")
        return;
    m_server = std::make_unique<ScriptedGuild>();
    m_server->strTree = kGuild;
    m_client = std::make_unique<Client>();
    m_client->LogIn(m_server->peer.Address(), "Ann", "secret1");
    ZORV_TRY(m_client->Model().Count() == 7 && m_client->Waiting(107));
    QCOMPARE(m_client->CurrentKey(), QStringLiteral("Char1")); // the own character
}

void tst_tree::cleanup() {
    m_client.reset();
    m_server.reset();
}

void tst_tree::shapeAndPictures() {
    AllegianceModel& model = m_client->Model();
    // Vassals in the order they joined (Dan before Cy), as the download lists them.
    QCOMPARE(Nodes(model),
             (QStringList{"Ann - Level 50", "-Dan - Level 30", "-Cy - Level 31", "--Eve - Level 12",
                          "Bo - Level 40", "-ANDY - Level 20", "-anna - Level 21"}));
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
    ZORV_TRY_COMPARE(pImmediate->rowCount(), 2);
    QVERIFY(c.Refresh());
    QCOMPARE(pImmediate->rowCount(), 2);

    c.View()->setCurrentIndex(c.Model().IndexOfKey("Char3"));
    QVERIFY(c.Refresh());
    QCOMPARE(c.CurrentKey(), QStringLiteral("Char3"));
    QVERIFY(c.View()->isExpanded(c.Model().IndexOfKey("Char3")));
    QCOMPARE(c.Model().Key(c.Model().Highlighted()), QStringLiteral("Char3"));
    QVERIFY2(c.View()->isExpanded(c.Model().IndexOfKey("Char1")), "shown, so its patron opens");

    // Cy leaves with Eve (another officer removes her): the next tree has no node for the saved
    // key, so the first node is selected instead, without a message.
    m_server->strTree.remove("3|Cy|31|1|1|6|1|0|1!;").remove("6|Eve|12|1|3||0|0|0!;");
    m_server->strTree.replace("|7,3|", "|7|");
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
    QVERIFY(c.PostData().endsWith("&msgid=107&getcharid=5"));

    c.prompts->ExpectOk();
    c.Tree().FindInTree("Nobody");
    QCOMPARE(c.LastText(), QStringLiteral("That character does not exist!"));
    QCOMPARE(c.CurrentKey(), QStringLiteral("Char5"));

    // A click on a node clears the highlight and asks for that record.
    QModelIndex bo = c.Model().IndexOfKey("Char2");
    c.View()->setCurrentIndex(bo);
    QTest::mouseClick(c.View()->viewport(), Qt::LeftButton, {}, c.View()->visualRect(bo).center());
    QVERIFY(!c.Model().Highlighted().isValid());
    QVERIFY(c.PostData().endsWith("&msgid=107&getcharid=2"));
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

void tst_tree::flatListSorts() {
    Client& c = *m_client;
    Grid* pGrid = c.window->views().grdFlatList;
    auto Column = [&](int iColumn) { return GridColumn(pGrid, iColumn); };
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
}

void tst_tree::chainOf32767() {
    ServerProcess server;
    server.Command({"seed", "--members", "32767", "--shape", "chain"});
    QVERIFY(server.Start(QString()));
    Client c;
    c.LogIn(server.Address(), "Seed Monarch", "seedpass1");
    QTRY_VERIFY_WITH_TIMEOUT(c.Model().Count() == 32767 && c.Waiting(107), 60000);
    const Characters& roster = c.window->objCharDB();

    c.Tree().mnuTreeOpExpandAll();
    const int iLimit = AllegianceView::kMaxExpandDepth;
    QVERIFY(c.View()->isExpanded(c.Model().IndexOfKey(CharKey(qint16(iLimit)))));
    QVERIFY(!c.View()->isExpanded(c.Model().IndexOfKey(CharKey(qint16(iLimit + 1)))));
    QVERIFY(c.window->stsStatusBar().Panel(RequestCycle::kPanelOp).contains("too deep"));

    // The deepest member is found and selected, though not every generation above it opens.
    QString strDeepest = roster.Item("Char32767")->strName;
    c.Tree().FindInTree(strDeepest.toUpper());
    QCOMPARE(c.CurrentKey(), QStringLiteral("Char32767"));
    QVERIFY(c.PostData().endsWith("&getcharid=32767"));

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

namespace {

// The tree a model must show, worked out the plain way: the records whose patron is the start id
// at the top, in roster order; below each node its listed vassals in list order, except a
// missing one and one placed already (a top-level one included). For each placed position: its
// parent's position (-1 at the top) and its row.
std::map<int, std::pair<int, int>> PlainTree(const Characters& roster, qint16 idStart,
                                             std::vector<int>& tops) {
    std::map<int, std::pair<int, int>> placed;
    tops.clear();
    for (int i = 0; i < roster.Count(); ++i)
        if (roster.At(i).nPatronID == idStart) {
            placed[i] = {-1, int(tops.size())};
            tops.push_back(i);
        }
    for (int iTop : tops) {
        std::vector<int> pending{iTop};
        while (!pending.empty()) {
            const int iNode = pending.back();
            pending.pop_back();
            int nRow = 0;
            for (int iVassal : roster.VassalIndexes(iNode)) {
                if (iVassal < 0 || placed.count(iVassal))
                    continue;
                placed[iVassal] = {iNode, nRow++};
                pending.push_back(iVassal);
            }
        }
    }
    return placed;
}

// The same tree read back through the model's own interface, as a view reads it.
void ModelTree(const AllegianceModel& model, const QModelIndex& parent,
               std::map<int, std::pair<int, int>>& seen, QStringList& problems) {
    for (int iRow = 0; iRow < model.rowCount(parent); ++iRow) {
        const QModelIndex child = model.index(iRow, 0, parent);
        const int iNode = model.Position(child);
        if (child.row() != iRow || model.parent(child) != parent)
            problems << QStringLiteral("node %1 does not lead back to its parent").arg(iNode);
        if (seen.count(iNode)) {
            problems << QStringLiteral("node %1 shown twice").arg(iNode);
            continue;
        }
        seen[iNode] = {model.Position(parent), iRow};
        ModelTree(model, child, seen, problems);
    }
}

} // namespace

void tst_tree::treeModelAgreesWithItsDefinition() {
    // Sound lists are shown as they stand, anything else node by node; either way the model
    // must show exactly the tree its definition gives, for the whole allegiance and for a
    // character's own branch, and find, count and place every node as a view asks.
    std::mt19937 random(612);
    int nFromLists = 0;
    for (int nCase = 0; nCase < 400; ++nCase) {
        const int nRecords = 1 + int(random() % 30);
        std::vector<int> patrons(std::size_t(nRecords) + 1, -1);
        std::vector<QStringList> lists(std::size_t(nRecords) + 1);
        for (int id = 1; id <= nRecords; ++id) {
            const unsigned uKind = random() % 20;
            if (uKind < 3) // a monarch
                continue;
            patrons[std::size_t(id)] = uKind == 3 ? 99 : 1 + int(random() % unsigned(nRecords));
        }
        for (int id = 1; id <= nRecords; ++id) {
            const int iPatron = patrons[std::size_t(id)];
            if (iPatron < 1 || iPatron > nRecords || iPatron == id)
                continue;
            if (random() % 25 != 0) // now and then a patron does not list a vassal
                lists[std::size_t(iPatron)] << QString::number(id);
            if (random() % 40 == 0) // or a second patron lists it too
                lists[std::size_t(1 + random() % unsigned(nRecords))] << QString::number(id);
        }
        // Roster order is not id order.
        std::vector<int> order(static_cast<std::size_t>(nRecords));
        std::iota(order.begin(), order.end(), 1);
        std::shuffle(order.begin(), order.end(), random);
        Characters roster;
        for (int id : order)
            roster.Add(RosterRecord(qint16(id), QStringLiteral("C%1").arg(id),
                                    qint16(patrons[std::size_t(id)]),
                                    lists[std::size_t(id)].join(',')),
                       CharKey(qint16(id)));
        if (random() % 10 == 0) // a record whose id is the main tree's start id
            roster.Add(RosterRecord(-1, "Minus", qint16(order[0]), QString::number(order[0])),
                       CharKey(-1));
        // Built by hand, so the lists need not be a forest: the model must still show the tree.
        Roster shown;
        shown.Replace(std::make_shared<const Characters>(roster));
        for (qint16 idStart : {qint16(-1), qint16(order[0]),
                               qint16(1 + random() % unsigned(nRecords)), qint16(99)}) {
            AllegianceModel model(shown);
            model.Generate(idStart);
            std::vector<int> tops;
            const auto want = PlainTree(roster, idStart, tops);
            std::map<int, std::pair<int, int>> seen;
            QStringList problems;
            ModelTree(model, QModelIndex(), seen, problems);
            const QByteArray context = QByteArray("case ") + QByteArray::number(nCase) + " from " +
                                       QByteArray::number(idStart) + ": ";
            QVERIFY2(problems.isEmpty(), context + problems.join("; ").toUtf8());
            QVERIFY2(seen == want, context + "the shown tree is not the defined one");
            QCOMPARE(model.Count(), int(want.size()));
            for (int i = 0; i < roster.Count(); ++i) {
                const QModelIndex found = model.IndexOfKey(CharKey(roster.At(i).nID));
                QCOMPARE(found.isValid(), want.count(i) == 1);
                if (!found.isValid())
                    continue;
                QCOMPARE(model.Position(found), i);
                QCOMPARE(found.row(), want.at(i).second);
                int nDepth = 0;
                for (int p = want.at(i).first; p >= 0; p = want.at(p).first)
                    ++nDepth;
                QCOMPARE(model.Depth(found), nDepth);
            }
            nFromLists += roster.Sound();
        }
    }
    QVERIFY(nFromLists > 200); // most cases are sound lists
}

void tst_tree::setAsSelected() {
    QListWidget list;
    list.setSelectionMode(QAbstractItemView::ExtendedSelection);
    list.addItems({"Dagger", "dagger", "Sword", "Dagger"});
    SetAsSelected(&list, "dagger");
    QCOMPARE(list.selectedItems().size(), 1);
    QCOMPARE(list.row(list.selectedItems().first()), 1);
    QCOMPARE(list.currentRow(), 1);
    SetAsSelected(&list, "Dagger");
    QCOMPARE(list.selectedItems().size(), 2); // the first exact match only, added to the rest
    QVERIFY(list.item(0)->isSelected() && !list.item(3)->isSelected());
    QCOMPARE(list.currentRow(), 0); // and it becomes the current item
    SetAsSelected(&list, "Spear");
    QCOMPARE(list.selectedItems().size(), 2);
    QCOMPARE(list.currentRow(), 0);
}

QTEST_MAIN(tst_tree)
#include "tst_tree.moc"
