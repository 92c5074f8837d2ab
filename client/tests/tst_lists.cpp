// The guild lists and the skill search: the payload parsers, the lists and a search against a
// real zorv-server after members were saved, the search request, sorting, the jump to the tree,
// CSV export read back by a standard reader, and saved searches across a restart.
#include "CsvExport.h"
#include "GuildLists.h"
#include "TestClient.h"

#include <QProcess>

namespace {

// A client logged in as the demo's administrator.
struct AdminClient : TestClient {
    explicit AdminClient(const ServerProcess& server) {
        if (!LogInAndWait(server.Address(), "Aldric Stormwind", "lantern1"))
            QTest::qFail("the login did not complete", __FILE__, __LINE__);
    }
    MainViews& V() { return window->views(); }
    // Shows a member, lets `edit` change the sheet, saves and waits for the stored record.
    bool SaveMember(const QString& strName, const std::function<void(SheetViews&)>& edit) {
        CharacterSheet& sheet = window->sheet();
        window->allegiance().FindInTree(strName);
        const qint16 id = window->objCharDB().GetID(strName);
        if (!QTest::qWaitFor([&] { return sheet.iCurDisplayCharID == id; }, 20000))
            return false;
        edit(V().sheet);
        QSignalSpy shown(&sheet, &CharacterSheet::Displayed);
        prompts->ExpectOk();
        return sheet.SaveCharChanges() && shown.wait(20000);
    }
    // A list refreshed by its button, once its rows arrived.
    bool Refresh(QPushButton* pButton, Grid* pGrid) {
        QSignalSpy reset(pGrid->model(), &QAbstractItemModel::modelReset);
        QTest::mouseClick(pButton, Qt::LeftButton);
        return reset.wait(20000);
    }
};

// Types into a line box as a user does.
void Type(QLineEdit* pEdit, const QString& strText) {
    pEdit->selectAll();
    pEdit->insert(strText);
    emit pEdit->textEdited(pEdit->text());
}

void SetFlag(QAbstractButton* pBox, bool bOn) {
    if (pBox->isChecked() != bOn)
        pBox->click();
}

} // namespace

class tst_lists final : public QObject {
    Q_OBJECT

private slots:
    void parsers();
    void listsAndSearchAgainstTheServer();
    void searchRequest();
    void sortingAndJumping();
    void csvExport();
    void savedSearchesSurviveARestart();
};

void tst_lists::parsers() {
    // The portal grid: fields 1 to 4, "Tied To" before "Lifestone"; a record without its "!;"
    // is not one.
    QCOMPARE(ParseListRows("9|Anna|42|Hill|Town!;", kPortalColumns),
             (ListRows{{"Anna", "42", "Hill", "Town"}}));
    QCOMPARE(ParseListRows("9|Anna|42|Hill|Town", kPortalColumns), ListRows());
    QCOMPARE(ParseListRows("", kPortalColumns), ListRows());
    // Spaces around a record go, spaces inside fields and line breaks stay; text after the last
    // "!;" is ignored; escapes are the wire's, not the text.
    QCOMPARE(
        ParseListRows("  1| Anna |42|a(pipe)b (amp) c|x!;\n2|Bo|3|\n|y !;tail", kPortalColumns),
        (ListRows{{" Anna ", "42", "a|b & c", "x"}, {"Bo", "3", "\n", "y"}}));
    // A short record leaves the missing cells empty.
    QCOMPARE(ParseListRows("5|Cy!;", kTradeSkillColumns), (ListRows{{"Cy", "", "", "", ""}}));
    // "Can Summon" is "Yes" for exactly "1".
    const ListRows rescue = ParseRescueRows("1|A|1|L|T|1|M|e|i!;2|B|1|L|T| 1|M|e|i!;"
                                            "3|C|1|L|T|yes|M|e|i!;4|D|1|L|T|0|M|e|i!;");
    QCOMPARE(rescue.size(), 4);
    QCOMPARE(rescue[0], (QStringList{"A", "1", "L", "T", "Yes", "M", "e", "i"}));
    QCOMPARE(rescue[1][4], QStringLiteral("No"));
    QCOMPARE(rescue[2][4], QStringLiteral("No"));
    QCOMPARE(rescue[3][4], QStringLiteral("No"));
    // Search results: race names by leading number, an unknown code empty, "None Found!" only
    // for an empty payload.
    QCOMPARE(
        ParseSearchRows("1|A|10|2|3!;2|B|11|1| 1x!;3|C|12|0|7!;"),
        (ListRows{{"A", "10", "2", "Sho"}, {"B", "11", "1", "Aluvian"}, {"C", "12", "0", ""}}));
    QCOMPARE(ParseSearchRows(""), (ListRows{{"None Found!", "", "", ""}}));
    QCOMPARE(ParseSearchRows("no record"), ListRows());
}

void tst_lists::listsAndSearchAgainstTheServer() {
    ServerProcess server;
    QVERIFY(server.Start("demo"));
    AdminClient c(server);
    // Brenna: on the squad, can summon, a Sho with high Alchemy and Cooking. Corin: a Sho with
    // high Alchemy only, off the squad and not summoning. Skill values go through the grid of the
    // shown record: Alchemy, Cooking, Fletching.
    auto Save = [&](const QString& strName, const QString& strSkills, bool bOn,
                    const std::function<void(SheetViews&)>& more = {}) {
        return c.SaveMember(strName, [&](SheetViews& v) {
            SetFlag(v.chkRescue, bOn);
            SetFlag(v.chkCanSummon, bOn);
            v.cmbRace->setCurrentIndex(3);
            emit v.cmbRace->activated(3);
            c.window->sheet().Training().ParseSkillData(strSkills);
            c.window->sheet().Training().FillSkillGrid();
            if (more)
                more(v);
        });
    };
    QVERIFY(Save("Brenna Ashvale", "1,2,1000!11,3,900!16,2,7", true, [](SheetViews& v) {
        Type(v.txtLifestone, "Arwic, north");
        Type(v.txtTieTo, "Holtburg \"Inn\"");
        Type(v.txtMainName, "Aldric Stormwind");
        Type(v.txtEmail, "brenna@example.org");
        Type(v.txtICQ, "4242");
    }));
    QVERIFY(Save("Corin Thale", "1,2,1000!11,2,100!16,1,5", false));

    MainViews& v = c.V();
    QVERIFY(c.Refresh(v.cmdRefreshRescueSquad, v.grdRescueSquad));
    QCOMPARE(c.window->stsStatusBar().Panel(RequestCycle::kPanelOp),
             QStringLiteral("Downloading Lantern Watch Info"));
    QCOMPARE(GridRow(v.grdRescueSquad, "Brenna Ashvale"),
             (QStringList{"Brenna Ashvale", "71", "Arwic, north", "Holtburg \"Inn\"", "Yes",
                          "Aldric Stormwind", "brenna@example.org", "4242"}));
    QVERIFY(c.Refresh(v.cmdPortalListRefresh, v.grdPortalList));
    QCOMPARE(GridRow(v.grdPortalList, "Brenna Ashvale"),
             (QStringList{"Brenna Ashvale", "71", "Holtburg \"Inn\"", "Arwic, north"}));
    QVERIFY(c.Refresh(v.cmdGetTradeSkills, v.grdTradeSkills));
    QCOMPARE(GridRow(v.grdTradeSkills, "Brenna Ashvale"),
             (QStringList{"Brenna Ashvale", "71", "1000", "900", "7"}));
    QCOMPARE(GridRow(v.grdTradeSkills, "Corin Thale"),
             (QStringList{"Corin Thale", "20", "1000", "100", "5"}));

    // Sho with Alchemy 999 and Cooking 800 at least: Brenna alone.
    SkillSearch& search = c.window->search();
    search.cmdSearchReset_Click();
    v.cmbSearchRace->setCurrentIndex(3);
    for (int iRow = 0; iRow < kSkillCount; ++iRow)
        v.grdSearchSkill->Model().SetText(iRow, 1, QString());
    v.grdSearchSkill->Model().SetText(0, 1, "999");
    v.grdSearchSkill->Model().SetText(10, 1, "800");
    QVERIFY(c.Refresh(v.cmdSearch, v.grdSearch));
    QVERIFY(c.PostData().endsWith("&race=3&rank=0&skillsearch=1,999!11,800"));
    QCOMPARE(GridColumn(v.grdSearch, 0), QStringList{"Brenna Ashvale"});
    const QStringList found = GridRow(v.grdSearch, "Brenna Ashvale");
    QCOMPARE(found.value(1), QStringLiteral("71"));
    QCOMPARE(found.value(3), QStringLiteral("Sho"));
    // Show in Tree marks her and shows the tree.
    v.tabMainTab->setCurrentIndex(TabIndex(v.tabMainTab, "Search"));
    QTest::mouseClick(v.cmdShowInTree, Qt::LeftButton);
    QCOMPARE(c.window->allegiance().Found(), QSet<QString>{"Char2"});
    QCOMPARE(TabKey(v.tabMainTab, v.tabMainTab->currentIndex()), QStringLiteral("Allegiance Tree"));
    // Nobody has 30000: "None Found!"; the next search cleared the marks.
    v.grdSearchSkill->Model().SetText(0, 1, "30000");
    QVERIFY(c.Refresh(v.cmdSearch, v.grdSearch));
    QCOMPARE(GridColumn(v.grdSearch, 0), QStringList{"None Found!"});
    QVERIFY(c.window->allegiance().Found().isEmpty());
    QCOMPARE(c.prompts->shown.size(), 2); // the two saves' confirmations
}

void tst_lists::searchRequest() {
    TestClient c;
    MainViews& v = c.window->views();
    SkillSearch& search = c.window->search();
    QCOMPARE(v.grdSearchSkill->DataRows(), kSkillCount);
    QCOMPARE(v.grdSearchSkill->TextMatrix(17, 0), QStringLiteral("Healing"));
    QStringList defaults;
    for (int iRow = 1; iRow <= kSkillCount; ++iRow)
        defaults << QString::number(iRow) + ",0";
    QCOMPARE(search.SkillCriteria(), defaults.join('!'));
    search.Search();
    QVERIFY(c.PostData().endsWith("&msgid=116&race=0&rank=0&skillsearch=" + defaults.join('!')));
    QCOMPARE(c.window->stsStatusBar().Panel(RequestCycle::kPanelOp), QStringLiteral("Searching"));

    // Delete clears cells by key; with every cell empty no skillsearch goes out.
    Grid* pGrid = v.grdSearchSkill;
    for (int iRow = 0; iRow < kSkillCount; ++iRow) {
        pGrid->setCurrentIndex(pGrid->model()->index(iRow, 1));
        QTest::keyClick(pGrid, Qt::Key_Delete);
    }
    v.cmbSearchRace->setCurrentIndex(3);
    v.cmbSearchRank->setCurrentIndex(7);
    search.Search();
    QVERIFY(c.PostData().endsWith("&msgid=116&race=3&rank=7"));

    // Typing works as in the sheet's grid, by its rules (the sheet's tests'), and never touches
    // the catalogue: 1,5 is refused and the editor stays open.
    pGrid->setCurrentIndex(pGrid->model()->index(16, 1));
    pGrid->setFocus();
    QTest::keyClick(pGrid, Qt::Key_1);
    QLineEdit* pEdit = search.Editor().txtEdit;
    QCOMPARE(pEdit->objectName(), QStringLiteral("txtSearchSkillEdit"));
    QTest::keyClicks(pEdit, ",5");
    c.prompts->ExpectOk();
    QTest::keyClick(pEdit, Qt::Key_Return);
    QCOMPARE(c.LastText(), QStringLiteral("You can only use numbers for your skill value"));
    QVERIFY(search.Editor().IsOpen());
    pEdit->setText("150");
    QTest::keyClick(pEdit, Qt::Key_Return);
    QCOMPARE(search.SkillCriteria(), QStringLiteral("17,150"));
    QCOMPARE(c.window->objSkills().Item("Healing")->iSkillValue, qint16(0));

    // A search from the keyboard while the editor is open searches for what is being typed;
    // a value the server compares as no whole number is marked at its cell.
    pGrid->setCurrentIndex(pGrid->model()->index(16, 1));
    QTest::keyClick(pGrid, Qt::Key_Return);
    pEdit->setText("12.5");
    v.cmdSearch->click();
    QVERIFY(!search.Editor().IsOpen());
    QVERIFY(c.PostData().endsWith("&skillsearch=17,12.5"));
    QCOMPARE(pGrid->model()->index(16, 1).data(Qt::ToolTipRole).toString(),
             QStringLiteral("The server takes whole numbers only: '12.5' will be refused."));

    // Reset: "Any" twice and 0 in every cell, what is being typed dropped; the results stay.
    v.grdSearch->Model().SetRows({{"Kept", "1", "1", "Sho"}});
    pGrid->setCurrentIndex(pGrid->model()->index(2, 1));
    QTest::keyClick(pGrid, Qt::Key_Return);
    pEdit->setText("77");
    v.cmdSearchReset->click();
    QVERIFY(!search.Editor().IsOpen());
    QCOMPARE(v.cmbSearchRace->currentIndex(), 0);
    QCOMPARE(v.cmbSearchRank->currentIndex(), 0);
    QCOMPARE(search.SkillCriteria(), defaults.join('!'));
    QCOMPARE(v.grdSearch->DataRows(), 1);
}

void tst_lists::sortingAndJumping() {
    ScriptedPeer peer;
    TestClient c;
    peer.queuedReplies << ScriptedPeer::Reply("800", "0.3|1|Ann|1|Guild|1|Watch")
                       << ScriptedPeer::Reply("800", "1|Ann|50|2|-1|2|0|0|0!;2|Bo|9|1|1||0|0|0!;"
                                                     "3|Cy|100|1|-1||0|0|0!;")
                       << ScriptedPeer::Reply("800", "1|Ann");
    c.prompts->ExpectOk(); // the short record's "Error!"
    c.LogIn(peer.Address() + "/zorv", "Ann", "secret1");
    QTRY_COMPARE(c.window->objCharDB().Count(), 3);
    MainViews& v = c.window->views();
    QTRY_COMPARE(c.prompts->shown.size(), 1);

    GuildLists& lists = c.window->lists();
    Grid* pPortal = v.grdPortalList;
    Grid* pTrade = v.grdTradeSkills;
    peer.queuedReplies << ScriptedPeer::Reply("800", "1|Ann|50|H|L!;2|Bo|9|H|L!;3|Cy|100|H|L!;");
    lists.RefreshPortalList();
    QTRY_COMPARE(pPortal->DataRows(), 3);
    pPortal->HeaderSort(1);
    QCOMPARE(GridColumn(pPortal, 1), (QStringList{"9", "50", "100"})); // by number, not text
    pPortal->HeaderSort(1);
    QCOMPARE(GridColumn(pPortal, 1), (QStringList{"100", "50", "9"}));
    pPortal->HeaderSort(0);
    QCOMPARE(GridColumn(pPortal, 0), (QStringList{"Ann", "Bo", "Cy"}));
    pPortal->HeaderSort(1);
    // A refresh shows the server's order and keeps the direction: the next click descends.
    peer.queuedReplies << ScriptedPeer::Reply("800", "1|Ann|50|H|L!;2|Bo|9|H|L!;3|Cy|100|H|L!;");
    lists.RefreshPortalList();
    QTRY_COMPARE(GridColumn(pPortal, 0), (QStringList{"Ann", "Bo", "Cy"}));
    pPortal->HeaderSort(1);
    QCOMPARE(GridColumn(pPortal, 1), (QStringList{"100", "50", "9"}));
    QCOMPARE(pTrade->iLastSort, 0); // grids keep their own state

    // A double click on a row lands on the node, asks for the record and then shows the tree;
    // a name not in the roster does nothing.
    v.tabMainTab->setCurrentIndex(TabIndex(v.tabMainTab, "Summonable Portal List"));
    emit pPortal->doubleClicked(pPortal->model()->index(1, 0)); // Ann
    QCOMPARE(c.window->allegiance().SelectedKey(), QStringLiteral("Char1"));
    QCOMPARE(
        c.window->allegiance().MainModel().Key(c.window->allegiance().MainModel().Highlighted()),
        QStringLiteral("Char1"));
    QVERIFY(c.PostData().endsWith("&msgid=107&getcharid=1"));
    QTRY_COMPARE(TabKey(v.tabMainTab, v.tabMainTab->currentIndex()),
                 QStringLiteral("Allegiance Tree"));
    pPortal->Model().SetRows({{"Nobody", "1", "", ""}});
    const QString strBefore = c.PostData();
    emit pPortal->doubleClicked(pPortal->model()->index(0, 0));
    QCOMPARE(c.PostData(), strBefore);
}

void tst_lists::csvExport() {
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    Grid grid(QStringLiteral("grdTest"));
    grid.Model().SetHeaders({"Name", "Note"});
    grid.Model().SetRows({{QString::fromLatin1("J\xF6rg"), "a, b"},
                          {"Bo \"the\" Tall", "line one\nline two"},
                          {"Cy", ""}});
    QCOMPARE(CsvDocument(*grid.model()),
             QByteArray("Name,Note\r\n"
                        "J\xC3\xB6rg,\"a, b\"\r\n"
                        "\"Bo \"\"the\"\" Tall\",\"line one\nline two\"\r\n"
                        "Cy,\r\n"));
    const QString strFile = dir.filePath("list.csv");
    prompts.saveNames << strFile;
    QVERIFY(ExportGrid(grid, prompts));
    // A standard reader gets the cells back.
    QProcess python;
    python.start("python3",
                 {"-c",
                  "import csv,sys,json\n"
                  "rows=list(csv.reader(open(sys.argv[1],newline='',encoding='utf-8')))\n"
                  "print(json.dumps(rows))",
                  strFile});
    QVERIFY(python.waitForFinished(20000));
    QCOMPARE(python.readAllStandardOutput().trimmed(),
             QByteArray("[[\"Name\", \"Note\"], [\"J\\u00f6rg\", \"a, b\"], "
                        "[\"Bo \\\"the\\\" Tall\", \"line one\\nline two\"], [\"Cy\", \"\"]]"));
    // Cancel writes nothing; a place that cannot be written is named.
    prompts.saveNames << QString();
    QVERIFY(!ExportGrid(grid, prompts));
    prompts.saveNames << dir.filePath("missing/list.csv");
    prompts.ExpectOk();
    QVERIFY(!ExportGrid(grid, prompts));
    QVERIFY(prompts.shown.value(prompts.shown.size() - 1)
                .strText.contains(QDir::toNativeSeparators(dir.filePath("missing/list.csv"))));
}

void tst_lists::savedSearchesSurviveARestart() {
    QTemporaryDir settings;
    {
        TestClient first(settings.path());
        MainViews& v = first.window->views();
        v.cmbSearchRace->setCurrentIndex(2);
        v.cmbSearchRank->setCurrentIndex(5);
        v.grdSearchSkill->Model().SetText(18, 1, "200");
        v.grdSearchSkill->Model().SetText(0, 1, QString());
        v.cmbSavedSearch->setEditText("Jumpers");
        QTest::mouseClick(v.cmdSaveSearch, Qt::LeftButton);
        QVERIFY(QFile::exists(settings.filePath("searches.json")));
    }
    QVERIFY(!FileBytes(settings.filePath("zorv.ini")).contains("Jumpers"));
    TestClient second(settings.path());
    MainViews& v = second.window->views();
    QCOMPARE(v.cmbSavedSearch->count(), 1);
    QCOMPARE(v.cmbSavedSearch->itemText(0), QStringLiteral("Jumpers"));
    emit v.cmbSavedSearch->textActivated("Jumpers");
    QCOMPARE(v.cmbSearchRace->currentIndex(), 2);
    QCOMPARE(v.cmbSearchRank->currentIndex(), 5);
    QVERIFY(second.window->search().SkillCriteria().startsWith("2,0!3,0!"));
    QVERIFY(second.window->search().SkillCriteria().contains("!19,200!"));
    // Deleted, it is gone after the next restart too.
    v.cmbSavedSearch->setEditText("jumpers");
    QTest::mouseClick(v.cmdDeleteSearch, Qt::LeftButton);
    QCOMPARE(v.cmbSavedSearch->count(), 0);
    QCOMPARE(TestClient(settings.path()).window->views().cmbSavedSearch->count(), 0);
}

QTEST_MAIN(tst_lists)
#include "tst_lists.moc"
