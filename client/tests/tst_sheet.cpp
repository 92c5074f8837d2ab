// The character sheet against the scripted peer: the display of a record, rank titles, the
// training lists and the skill string, the value grid driven by keys, the name searches and text
// limits, and the selection that asks for a record once it rests; and saving: the save's exact
// request under the acting-character rule, the question before unsaved edits are left (by every
// way off the sheet), and stale saves.
#include "CharacterRecord.h"
#include "TestClient.h"

#include <QKeyEvent>
#include <map>

namespace {

// Ann (1) is a monarch with Bo (2), who has Cy (3); Dan (4) is another monarch with Eve (5).
const QByteArray kTree = ScriptedPeer::Reply("800", "1|Ann|50|2|-1|2|0|0|0!;2|Bo|40|1|1|3|0|0|0!;"
                                                    "3|Cy|30|1|2||0|0|0!;4|Dan|20|1|-1|5|0|0|0!;"
                                                    "5|Eve|10|1|4||0|0|0!;");

// A character record as operation 107 answers it: every field of the record, the given ones
// (by payload position) set, the others plain.
QByteArray Record(int id, std::map<int, QByteArray> fields = {}) {
    using F = zorv::RecordField;
    auto At = [](F field) { return zorv::FieldInfo(field).iPayload; };
    QList<QByteArray> all(zorv::kCharacterPayloadFields);
    all[At(F::Id)] = QByteArray::number(id);
    all[At(F::Name)] = QList<QByteArray>{"", "Ann", "Bo", "Cy", "Dan", "Eve"}.value(id, "Nobody");
    all[At(F::Level)] = "30";
    all[At(F::Rank)] = "1";
    all[At(F::Race)] = "1";
    all[At(F::Sex)] = "1";
    all[At(F::IsMule)] = "0";
    all[At(F::Revision)] = "4";
    all[At(F::ModifiedAt)] = "2026-12-01 10:00";
    all[At(F::ModifiedBy)] = "1";
    for (const auto& [i, value] : fields)
        all[i] = value;
    return ScriptedPeer::Reply("800", all.join('|'));
}

// The body of a request as the peer received it.
QByteArray Body(const QByteArray& request) {
    return request.mid(request.indexOf("\r\n\r\n") + 4).chopped(2);
}

// A client logged in to the scripted peer, as Bo (a member) unless told otherwise, once it shows
// its own record.
struct SheetClient : TestClient {
    explicit SheetClient(QByteArray loginFields = "0.3|2|Bo|1|Guild|1|Watch",
                         QByteArray own = Record(2)) {
        peer.queuedReplies << ScriptedPeer::Reply("800", loginFields) << kTree << own;
        LogIn(peer.Address() + "/zorv", "Bo", "secret1");
        if (!Shown(2)) // fails the test that asked for it
            QTest::qFail("the own record was not shown", __FILE__, __LINE__);
    }
    bool Shown(qint16 id) {
        return QTest::qWaitFor([&] { return Sheet().iCurDisplayCharID == id; }, 10000);
    }
    SheetViews& V() { return window->views().sheet; }
    CharacterSheet& Sheet() { return window->sheet(); }
    // Clicks a character's node as the user does, with its record queued.
    void Click(qint16 id, const QByteArray& record) {
        peer.queuedReplies << record;
        QTreeView* pTree = window->views().treTreeView;
        QModelIndex node = window->allegiance().MainModel().IndexOfKey(CharKey(id));
        pTree->setCurrentIndex(node);
        emit pTree->clicked(node);
    }
    // Types into a line box as the user does, replacing its text (Latin-1 letters are put in
    // whole, as a paste would).
    static void Type(QLineEdit* pEdit, const QString& strText) {
        pEdit->selectAll();
        QTest::keyClick(pEdit, Qt::Key_Delete);
        for (QChar ch : strText) {
            if (ch.unicode() < 0x80) {
                QTest::keyClicks(pEdit, QString(ch));
            } else {
                pEdit->insert(QString(ch));
                emit pEdit->textEdited(pEdit->text());
            }
        }
    }
    // The request the save sent, once it arrived; the reload after it gets `stored`.
    // `sent` runs at once after the save is sent, before any reply.
    QByteArray SaveBody(const QByteArray& stored, const std::function<void()>& sent = {}) {
        const int i = peer.Connections();
        peer.queuedReplies << ScriptedPeer::Reply("800", "") << stored;
        prompts->ExpectOk(); // the save's confirmation
        Sheet().SaveCharChanges();
        if (sent)
            sent();
        [&] { QTRY_VERIFY(peer.RequestComplete(i)); }();
        return Body(peer.Request(i));
    }

    ScriptedPeer peer;
};

} // namespace

class tst_sheet final : public QObject {
    Q_OBJECT

private slots:
    void titles();
    void displayFillsEveryControl();
    void displayOfShortPayloadsAndMissingRecords();
    void titlesFollowRaceAndSex();
    void skillListsAndMoves();
    void racialSkillsOnARaceChange();
    void gridEditingByKeys();
    void keyboardSelectionShowsTheRecordOnceItRests();
    void nameSearchesTextLimitsAndTabs();
    void keysActOnTheValueBeingTyped();
    void historyRefusedIsAskedOncePerRecord();
    void saveRequestBody();
    void actingCharacter();
    void unsavedEditsAreAskedFor();
    void staleSaveAsksToLoadTheStoredRecord();
    void everyWayOffTheSheetAsksFirst();
    void treeReplyWhileTheQuestionIsOpen();
    void editsOutliveARefusedLogin();
};

void tst_sheet::titles() {
    // Each list leads with "Unknown"; the display below shows a title from another race's list.
    QCOMPARE(RankTitles("1", "1").mid(0, 3), (QStringList{"Unknown", "Yeoman (1)", "Baronet(2)"}));
    // Unknown race or sex reads as Aluvian or male; values no list holds leave "Unknown" alone.
    QCOMPARE(RankTitles("0", "2")[9], QStringLiteral("Queen (9)"));
    QCOMPARE(RankTitles("", "2")[9], QStringLiteral("Queen (9)"));
    QCOMPARE(RankTitles("3", "-1")[9], QStringLiteral("Ou (9)"));
    QCOMPARE(RankTitles("4", "1"), QStringList{"Unknown"});
    QCOMPARE(RankTitles("1", "3"), QStringList{"Unknown"});
    // List positions: empty is 0, a leading number, and "Unknown" for what the list lacks.
    QCOMPARE(ComboPosition("", 11), 0);
    QCOMPARE(ComboPosition("10", 11), 10);
    QCOMPARE(ComboPosition(" 7abc", 11), 7);
    QCOMPARE(ComboPosition("11", 11), 0);
    QCOMPARE(ComboPosition("-2", 11), 0);
}

void tst_sheet::displayFillsEveryControl() {
    // Bo's stated 3 followers against the 1 (Cy) in the tree.
    SheetClient c("0.3|2|Bo|1|Guild|1|Watch",
                  ScriptedPeer::Reply("800",
                                      "2|J\xF6rg (pipe) Bo|45|7|||3||Archer|2|2|1|Ann|Town|Hill|"
                                      "a(pipe)b(amp)c(end)d|19,3,150!8,1,10|Real|City, ST|"
                                      "Misc|j@example.org|12345|4|2026-11-30 09:15|Ann|"
                                      "Bo > Ann|1.0| 1|yes|2|Main|3|Medal"));
    SheetViews& v = c.V();
    QCOMPARE(v.txtName->text(), QString::fromLatin1("J\xF6rg | Bo"));
    QCOMPARE(v.txtLevel->text(), QStringLiteral("45"));
    QCOMPARE(v.txtClass->text(), QStringLiteral("Archer"));
    QCOMPARE(v.cmbRace->currentText(), QStringLiteral("Gharu'ndim"));
    QCOMPARE(v.cmbSex->currentText(), QStringLiteral("Female"));
    QCOMPARE(v.cmbRank->currentText(), QStringLiteral("Mushira (7)"));
    QVERIFY(v.optMuleYes->isChecked());
    QCOMPARE(v.txtMuleFor->text(), QStringLiteral("Ann"));
    QCOMPARE(v.txtLifestone->text(), QStringLiteral("Town"));
    QCOMPARE(v.txtTieTo->text(), QStringLiteral("Hill"));
    QCOMPARE(v.txtBio->toPlainText(), QStringLiteral("a|b&c!;d"));
    QCOMPARE(Items(v.lstSpecSkills), QStringList{"Jump"});
    QCOMPARE(Items(v.lstUntrainedSkills), QStringList{"Assess Person"});
    QCOMPARE(v.txtRealName->text(), QStringLiteral("Real"));
    QCOMPARE(v.txtCityState->text(), QStringLiteral("City, ST"));
    QCOMPARE(v.txtMiscRL->toPlainText(), QStringLiteral("Misc"));
    QCOMPARE(v.txtEmail->text(), QStringLiteral("j@example.org"));
    QCOMPARE(v.txtICQ->text(), QStringLiteral("12345"));
    QCOMPARE(v.lblLastModified->text(), QStringLiteral("Last Modified: 2026-11-30 09:15 by Cy"));
    QCOMPARE(v.lblPatron->text(), QStringLiteral("Ann"));
    QCOMPARE(v.lblPathToMonarch->text(), QStringLiteral("Bo > Ann"));
    // Flags by their leading number: 1.0 and " 1" are set; a word and 2 are not.
    QVERIFY(v.chkPK->isChecked());
    QVERIFY(v.chkRescue->isChecked());
    QVERIFY(!v.chkPrivate->isChecked());
    QVERIFY(!v.chkCanSummon->isChecked());
    QCOMPARE(v.txtMainName->text(), QStringLiteral("Main"));
    QCOMPARE(v.txtAwards->toPlainText(), QStringLiteral("Medal"));
    QCOMPARE(Items(v.lstVassals), QStringList{"Cy"});
    QCOMPARE(v.treImmediateTree->model()->rowCount(), 1); // Cy, Bo's only vassal
    QCOMPARE(v.cmbComputedRank->currentText(), QStringLiteral("Sayyida (1)"));
    QCOMPARE(v.lblNumCountFollowers->text(), QStringLiteral("1 (Number Missing: 2)"));
    QCOMPARE(v.grdSkillGrid->TextMatrix(1, 0), QStringLiteral("Jump"));
    QCOMPARE(v.grdSkillGrid->TextMatrix(1, 1), QStringLiteral("150"));
    QVERIFY(v.tabCharInfo->isEnabled());
    QVERIFY(!c.Sheet().HasUnsavedEdits());

    // Another record replaces everything: only "1" is a mule; an editor nobody knows; the
    // stated count equal to and below the tree's.
    c.Click(1, Record(1, {{6, "2"}, {11, "1.0"}, {31, "99"}}));
    QVERIFY(c.Shown(1));
    QVERIFY(v.optMuleNo->isChecked());
    QCOMPARE(v.lblLastModified->text(),
             QStringLiteral("Last Modified: 2026-12-01 10:00 by Unknown"));
    QCOMPARE(v.lblNumCountFollowers->text(), QStringLiteral("2 (Number Missing: 0)"));
    QCOMPARE(v.txtBio->toPlainText(), QString());
    c.Click(4, Record(4, {{6, ""}}));
    QVERIFY(c.Shown(4));
    QCOMPARE(v.lblNumCountFollowers->text(), QStringLiteral("1 (Number Missing: -1)"));
    QCOMPARE(c.prompts->shown.size(), 0);
}

void tst_sheet::displayOfShortPayloadsAndMissingRecords() {
    SheetClient c;
    // Five fields: "Error!", then the sheet shows what there is and empties the rest.
    c.prompts->ExpectOk();
    c.Click(3, ScriptedPeer::Reply("800", "3|Cy|31|2|2"));
    QVERIFY(c.Shown(3));
    QCOMPARE(c.LastText(), QStringLiteral("Error!"));
    QCOMPARE(c.V().txtLevel->text(), QStringLiteral("31"));
    QCOMPARE(c.V().txtClass->text(), QString());
    QVERIFY(c.V().tabCharInfo->isEnabled());

    // A record the roster does not hold still shows, without vassals or a computed rank.
    c.Click(5, Record(77, {{1, "Stranger"}}));
    QVERIFY(c.Shown(77));
    QCOMPARE(c.V().txtName->text(), QStringLiteral("Stranger"));
    QCOMPARE(c.V().lstVassals->count(), 0);
    QCOMPARE(c.V().treImmediateTree->model()->rowCount(), 0);
    QCOMPARE(c.V().cmbComputedRank->currentText(), QStringLiteral("Unknown"));
}

void tst_sheet::titlesFollowRaceAndSex() {
    SheetClient c("0.3|2|Bo|1|Guild|1|Watch", Record(2, {{3, "9"}, {9, "1"}, {10, "1"}}));
    SheetViews& v = c.V();
    QCOMPARE(v.cmbRank->currentText(), QStringLiteral("King (9)"));
    // The user switches the sex: the rank keeps its number under the new title.
    v.cmbSex->setCurrentIndex(2);
    emit v.cmbSex->activated(2);
    QCOMPARE(v.cmbRank->currentText(), QStringLiteral("Queen (9)"));
    QCOMPARE(v.cmbComputedRank->currentText(), QStringLiteral("Yeoman (1)"));
    QVERIFY(c.Sheet().HasUnsavedEdits());
    // A stored rank above the list shows "Unknown".
    c.prompts->answers << Prompts::Answer::Discard;
    c.Click(3, Record(3, {{3, "12"}}));
    QVERIFY(c.Shown(3));
    QCOMPARE(v.cmbRank->currentText(), QStringLiteral("Unknown"));
}

void tst_sheet::skillListsAndMoves() {
    SheetClient c; // Bo's record has no skills: the default string
    SheetViews& v = c.V();
    QCOMPARE(Items(v.lstSpecSkills), QStringList());
    QCOMPARE(Items(v.lstTrainedSkills), (QStringList{"Jump", "Loyalty", "Magic Defense", "Run"}));
    QCOMPARE(v.lstUnusableSkills->count(), 10);
    QCOMPARE(v.lstUntrainedSkills->count(), 21);
    QCOMPARE(c.window->objSkills().Item(28)->Key, QStringLiteral("Missle Defense")); // as spelt

    // Three untrained skills raised at once all move and stay selected, beside what was.
    v.lstTrainedSkills->item(0)->setSelected(true); // Jump
    for (const char* szSkill : {"Axe", "Bow", "Sword"})
        v.lstUntrainedSkills->findItems(szSkill, Qt::MatchExactly).first()->setSelected(true);
    QTest::mouseClick(v.cmdRUntrained, Qt::LeftButton);
    QCOMPARE(Selected(v.lstTrainedSkills), (QStringList{"Axe", "Bow", "Jump", "Sword"}));
    QCOMPARE(v.lstUntrainedSkills->count(), 18);
    QCOMPARE(Selected(v.lstUntrainedSkills), QStringList());
    // "Raise" from unusable trains at once.
    v.lstUnusableSkills->findItems("Cooking", Qt::MatchExactly).first()->setSelected(true);
    QTest::mouseClick(v.cmdRUnusable, Qt::LeftButton);
    QVERIFY(Items(v.lstTrainedSkills).contains("Cooking"));
    QVERIFY(c.Sheet().HasUnsavedEdits());

    // The skill string sends the lists in order, values from the grid as typed and trimmed;
    // a value cell emptied by Delete sends nothing after its comma.
    Grid* pGrid = v.grdSkillGrid;
    auto Row = [&](const char* szSkill) {
        for (int iRow = 1; iRow <= pGrid->DataRows(); ++iRow)
            if (pGrid->TextMatrix(iRow, 0) == szSkill)
                return iRow - 1;
        return -1;
    };
    pGrid->Model().SetText(Row("Jump"), 1, " 12.5 ");
    pGrid->Model().SetText(Row("Axe"), 1, "");
    const QString strSkills = c.Sheet().Training().UpdateSkills();
    QVERIFY2(strSkills.startsWith("9,2,!10,2,0!11,2,0!19,2,12.5!"), qPrintable(strSkills));
    QVERIFY(strSkills.contains("!32,2,0!"));
    QVERIFY(strSkills.contains("!2,1,0!"));
    QVERIFY(strSkills.endsWith("!35,0,0"));
    QCOMPARE(strSkills.count('!'), kSkillCount - 1);

    // A training code outside the lists puts its skill in none; numbers outside 1..35 are
    // skipped.
    c.Sheet().Training().ParseSkillData("19,4,5!0,2,1!36,2,1!7,2,3");
    QCOMPARE(Items(v.lstTrainedSkills), QStringList{"Assess Creature"});
    QCOMPARE(c.Sheet().Training().UpdateSkills(), QStringLiteral("7,2,0"));
}

void tst_sheet::racialSkillsOnARaceChange() {
    // A Sho with Unarmed Combat trained, Assess Person untrained and Dagger unusable.
    SheetClient c("0.3|2|Bo|1|Guild|1|Watch",
                  Record(2, {{9, "3"}, {16, "34,2,5!8,1,0!14,0,0!32,3,9"}}));
    SheetViews& v = c.V();
    v.cmbRace->setCurrentIndex(1);
    emit v.cmbRace->activated(1);
    QCOMPARE(Items(v.lstTrainedSkills), (QStringList{"Assess Person", "Dagger", "Unarmed Combat"}));
    QCOMPARE(Items(v.lstSpecSkills), QStringList{"Sword"});
    // The sex is not a race: nothing moves.
    for (int i = 0; i < v.lstTrainedSkills->count(); ++i)
        v.lstTrainedSkills->item(i)->setSelected(v.lstTrainedSkills->item(i)->text() == "Dagger");
    QTest::mouseClick(v.cmdLTrained, Qt::LeftButton);
    v.cmbSex->setCurrentIndex(2);
    QCOMPARE(Items(v.lstUntrainedSkills), QStringList{"Dagger"});
}

void tst_sheet::gridEditingByKeys() {
    SheetClient c("0.3|2|Bo|1|Guild|1|Watch", Record(2, {{16, "19,2,150!29,2,40!8,1,10"}}));
    c.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(c.window.get()));
    SheetViews& v = c.V();
    v.tabCharInfo->setCurrentIndex(TabIndex(v.tabCharInfo, "Skills"));
    v.tabSkills->setCurrentIndex(TabIndex(v.tabSkills, "Skill Values"));
    Grid* pGrid = v.grdSkillGrid;
    CellEditor& editor = c.Sheet().Training().Editor();
    QLineEdit* pEdit = editor.txtEdit;
    QCOMPARE(pEdit->objectName(), QStringLiteral("txtSkillGridEdit"));
    pGrid->setFocus();
    Skills& skills = c.window->objSkills();

    // Rows: Jump 150, Run 40, Assess Person 10, then the default skills.
    pGrid->setCurrentIndex(pGrid->model()->index(0, 1));
    QTest::keyClick(pGrid, Qt::Key_7);
    QVERIFY(editor.IsOpen());
    QCOMPARE(pEdit->text(), QStringLiteral("7"));
    QCOMPARE(pEdit->cursorPosition(), 1);
    QTest::keyClicks(pEdit, "5");
    QTest::keyClick(pEdit, Qt::Key_Return);
    QVERIFY(!editor.IsOpen());
    QCOMPARE(pGrid->TextMatrix(1, 1), QStringLiteral("75"));
    QCOMPARE(skills.Item("Jump")->iSkillValue, qint16(75));
    QCOMPARE(pGrid->currentIndex().row(), 1); // one row down, ready
    QCOMPARE(editor.iEditRow, 2);

    // Enter opens with the old value selected; Down stores 12.5 as typed and 12 in the catalogue.
    QTest::keyClick(pGrid, Qt::Key_Return);
    QCOMPARE(pEdit->selectedText(), QStringLiteral("40"));
    QTest::keyClicks(pEdit, "12.5");
    QTest::keyClick(pEdit, Qt::Key_Down);
    QCOMPARE(pGrid->TextMatrix(2, 1), QStringLiteral("12.5"));
    QCOMPARE(skills.Item("Run")->iSkillValue, qint16(12));

    // Invalid values are refused with the message and the editor stays open.
    for (const char* szBad : {"1,000", "", "abc", "40000"}) {
        QTest::keyClick(pGrid, Qt::Key_Return);
        pEdit->setText(szBad);
        c.prompts->ExpectOk();
        QTest::keyClick(pEdit, Qt::Key_Return);
        QCOMPARE(c.LastText(), QStringLiteral("You can only use numbers for your skill value"));
        QVERIFY2(editor.IsOpen(), szBad);
        QCOMPARE(pGrid->TextMatrix(3, 1), QStringLiteral("10"));
        pEdit->setText("10");
        QTest::keyClick(pEdit, Qt::Key_Return);
        pGrid->setCurrentIndex(pGrid->model()->index(2, 1));
    }

    // Leaving the editor stores a changed valid value; an unchanged one writes nothing.
    QTest::keyClick(pGrid, Qt::Key_Return);
    pEdit->setText("-3");
    v.txtBio->setFocus(); // leaving the box by the keyboard's focus
    QTRY_VERIFY(!editor.IsOpen());
    QCOMPARE(pGrid->TextMatrix(3, 1), QStringLiteral("-3"));

    // The last row stays the last row.
    pGrid->setCurrentIndex(pGrid->model()->index(34, 1));
    pGrid->setFocus();
    QTest::keyClick(pGrid, Qt::Key_4);
    QTest::keyClick(pEdit, Qt::Key_Return);
    QCOMPARE(pGrid->TextMatrix(35, 1), QStringLiteral("4"));
    QCOMPARE(pGrid->currentIndex().row(), 34);

    // Delete empties a cell in either column; the name column never opens the editor.
    pGrid->setCurrentIndex(pGrid->model()->index(1, 1));
    QTest::keyClick(pGrid, Qt::Key_Delete);
    QCOMPARE(pGrid->TextMatrix(2, 1), QString());
    pGrid->setCurrentIndex(pGrid->model()->index(2, 0));
    QTest::keyClick(pGrid, Qt::Key_Return);
    QVERIFY(!editor.IsOpen());
    QTest::keyClick(pGrid, Qt::Key_Delete);
    QCOMPARE(pGrid->TextMatrix(3, 0), QString());
    QCOMPARE(c.Sheet().Training().GetSkillValueFromGrid("Assess Person"), QStringLiteral("0"));
    QCOMPARE(c.Sheet().Training().GetSkillValueFromGrid("Run"), QString());
    QVERIFY(c.Sheet().HasUnsavedEdits());
}

void tst_sheet::keyboardSelectionShowsTheRecordOnceItRests() {
    SheetClient c;
    QTreeView* pTree = c.window->views().treTreeView;
    AllegianceModel& model = c.window->allegiance().MainModel();
    const int nBefore = c.peer.Connections();
    // Moves by the keys in quick succession ask for one record: the last.
    c.peer.queuedReplies << Record(5);
    pTree->setFocus();
    QCOMPARE(pTree->currentIndex(), model.IndexOfKey("Char2"));
    QTest::keyClick(pTree, Qt::Key_Down);  // Cy
    QTest::keyClick(pTree, Qt::Key_Down);  // Dan
    QTest::keyClick(pTree, Qt::Key_Right); // opens Dan
    QTest::keyClick(pTree, Qt::Key_Down);  // Eve
    QCOMPARE(pTree->currentIndex(), model.IndexOfKey("Char5"));
    QVERIFY(c.Shown(5));
    QCOMPARE(c.peer.Connections(), nBefore + 1);
    QVERIFY(Body(c.peer.Request(nBefore)).endsWith("&msgid=107&getcharid=5"));
}

void tst_sheet::nameSearchesTextLimitsAndTabs() {
    SheetClient c;
    SheetViews& v = c.V();
    // The search buttons beside "Mule for:" and "Main Character Name" fill their fields.
    c.ExpectFindDialog("Eve");
    QTest::mouseClick(v.cmdMuleForSearch, Qt::LeftButton);
    QCOMPARE(v.txtMuleFor->text(), QStringLiteral("Eve"));
    c.ExpectFindDialog("Dan");
    QTest::mouseClick(v.cmdMainNameSearchFor, Qt::LeftButton);
    QCOMPARE(v.txtMainName->text(), QStringLiteral("Dan"));
    c.prompts->dialogs << [](QDialog& dlg) {
        dlg.reject();
        return int(QDialog::Rejected);
    };
    QTest::mouseClick(v.cmdMuleForSearch, Qt::LeftButton); // cancelled: nothing changes
    QCOMPARE(v.txtMuleFor->text(), QStringLiteral("Eve"));
    QVERIFY(c.window->views().treTreeView->currentIndex().isValid());
    QCOMPARE(c.window->allegiance().SelectedKey(), QStringLiteral("Char2")); // tree untouched

    // Only what Latin-1 carries goes into a text box.
    for (QChar ch : QString::fromUtf8("A\u03A9\u20ACB")) { // typed as the keyboard sends it
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(v.txtClass, &press);
    }
    QCOMPARE(v.txtClass->text(), QStringLiteral("AB"));
    v.txtBio->setPlainText(QString::fromUtf8("caf\u00E9 \u20AC5"));
    QCOMPARE(v.txtBio->toPlainText(), QString::fromUtf8("caf\u00E9 5"));
    const QByteArray body = c.SaveBody(Record(2));
    QVERIFY2(body.contains("&CLASS=AB&ISMULE=0&MULEFOR=Eve&BIO=caf\xE9 5&"), body.constData());
    QVERIFY(body.contains("&MAIN_CHAR=Dan&"));

    // The character tab shown comes back after another view.
    QTabWidget* pMain = c.window->views().tabMainTab;
    v.tabCharInfo->setCurrentIndex(TabIndex(v.tabCharInfo, "Skills"));
    pMain->setCurrentIndex(TabIndex(pMain, "Flat Listing"));
    pMain->setCurrentIndex(TabIndex(pMain, "Allegiance Tree"));
    QCOMPARE(TabKey(v.tabCharInfo, v.tabCharInfo->currentIndex()), QStringLiteral("Skills"));
}

void tst_sheet::keysActOnTheValueBeingTyped() {
    SheetClient c("0.3|2|Bo|1|Guild|1|Watch", Record(2, {{16, "19,2,150!29,2,40"}}));
    c.window->show();
    QVERIFY(QTest::qWaitForWindowActive(c.window.get()));
    SheetViews& v = c.V();
    v.tabCharInfo->setCurrentIndex(TabIndex(v.tabCharInfo, "Skills"));
    v.tabSkills->setCurrentIndex(TabIndex(v.tabSkills, "Skill Values"));
    Grid* pGrid = v.grdSkillGrid;
    CellEditor& editor = c.Sheet().Training().Editor();
    auto TypeInto = [&](int iRow, const char* szValue) {
        pGrid->setFocus();
        pGrid->setCurrentIndex(pGrid->model()->index(iRow, 1));
        QTest::keyClick(pGrid, Qt::Key_Return);
        editor.txtEdit->setText(QString::fromLatin1(szValue));
        QVERIFY(editor.IsOpen());
        QVERIFY(editor.txtEdit->hasFocus());
    };

    // Ctrl+S while the editor is open saves the value being typed.
    TypeInto(0, "175");
    const int i = c.peer.Connections();
    c.peer.queuedReplies << ScriptedPeer::Reply("800", "") << Record(2, {{16, "19,2,175!29,2,40"}});
    c.prompts->ExpectOk();
    QTest::keyClick(editor.txtEdit, Qt::Key_S, Qt::ControlModifier);
    QTRY_VERIFY(c.peer.RequestComplete(i));
    QVERIFY2(Body(c.peer.Request(i)).contains("&SKILLS=19,2,175!29,2,40&"),
             Body(c.peer.Request(i)).constData());
    QTRY_VERIFY(c.LastText().startsWith("The character's information has been updated."));
    QTRY_COMPARE(pGrid->TextMatrix(1, 1), QStringLiteral("175"));

    // A value the grid refuses keeps the save back, with the editor open to mend it.
    QTRY_VERIFY(!c.window->cycle().IsBusy());
    TypeInto(1, "4,0");
    const int nSent = c.peer.Connections();
    c.prompts->ExpectOk();
    v.cmdSaveChanges->click(); // Alt+S: the button, the focus left where it is
    QCOMPARE(c.LastText(), QStringLiteral("You can only use numbers for your skill value"));
    QVERIFY(editor.IsOpen());
    QCOMPARE(c.peer.Connections(), nSent);

    // Reset abandons the value being typed: the stored record comes back.
    c.peer.queuedReplies << Record(2, {{16, "19,2,175!29,2,40"}});
    editor.txtEdit->setText("4,1"); // not even checked: the mouse leaves the focus in the box
    QTest::mouseClick(v.cmdResetChanges, Qt::LeftButton);
    QVERIFY(!editor.IsOpen());
    QTRY_COMPARE(c.peer.Connections(), nSent + 1);
    QTRY_VERIFY(!c.window->cycle().IsBusy());
    QCOMPARE(pGrid->TextMatrix(2, 1), QStringLiteral("40"));
    QVERIFY(!c.Sheet().HasUnsavedEdits());

    // A record that arrives while a value is being typed replaces it; the value lands nowhere.
    TypeInto(1, "55");
    c.peer.queuedReplies << Record(2, {{16, "19,2,175!29,2,41"}});
    c.window->allegiance().GetCharInfo();
    QTRY_VERIFY(!editor.IsOpen());
    QTRY_VERIFY(!c.window->cycle().IsBusy());
    pGrid->setFocus();
    QCOMPARE(pGrid->TextMatrix(2, 1), QStringLiteral("41"));
    QVERIFY(!c.Sheet().HasUnsavedEdits());
    const int nAfter = c.peer.Connections();

    // F5 with the editor open asks about the value being typed.
    TypeInto(1, "42");
    c.prompts->answers << Prompts::Answer::Cancel;
    QTest::keyClick(editor.txtEdit, Qt::Key_F5);
    QCOMPARE(c.LastText(), QStringLiteral("Save changes to Bo?"));
    QCOMPARE(pGrid->TextMatrix(2, 1), QStringLiteral("42"));
    QCOMPARE(c.peer.Connections(), nAfter);

    // The grid marks a value the server will not take, at the cell.
    const QModelIndex cell = pGrid->model()->index(1, 1);
    QCOMPARE(cell.data(Qt::ToolTipRole).toString(), QStringLiteral("42"));
    pGrid->Model().SetText(1, 1, QStringLiteral("12.5"));
    QCOMPARE(cell.data(Qt::ToolTipRole).toString(),
             QStringLiteral("The server takes whole numbers only: '12.5' will be refused."));
    QVERIFY(cell.data(Qt::BackgroundRole).isValid());
    pGrid->Model().SetText(1, 1, QString()); // an empty value is stored as 0
    QVERIFY(!cell.data(Qt::BackgroundRole).isValid());
}

void tst_sheet::historyRefusedIsAskedOncePerRecord() {
    // A server without the change history refuses its read: the message once, and the requests
    // that follow do not ask again.
    SheetClient c;
    SheetViews& v = c.V();
    c.peer.queuedReplies << ScriptedPeer::Reply("990", "");
    c.prompts->ExpectOk();
    v.tabCharInfo->setCurrentIndex(TabIndex(v.tabCharInfo, "History"));
    QTRY_COMPARE(c.LastTitle(), QStringLiteral("ZORV Error #990"));
    c.peer.queuedReplies << ScriptedPeer::Reply("800", "");
    c.window->search().Search();
    QTRY_COMPARE(c.window->cycle().CurrentOp(), qint16(zorv::OpSearch));
    QTRY_VERIFY(!c.window->cycle().IsBusy());
    QCoreApplication::processEvents(); // where a read would be asked for again
    QCOMPARE(c.window->cycle().CurrentOp(), qint16(zorv::OpSearch));
    QVERIFY(!c.window->cycle().IsBusy());
    QCOMPARE(c.prompts->shown.size(), 1);
}

void tst_sheet::saveRequestBody() {
    const QByteArray bo = Record(2, {{16, "19,2,150"}, {26, "1"}, {29, "0"}});
    SheetClient c("0.3|2|Bo|1|Guild|1|Watch", bo);
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

void tst_sheet::actingCharacter() {
    auto SaveStart = [](SheetClient& c) {
        const int i = c.peer.Connections();
        c.Sheet().SaveCharChanges();
        return i;
    };
    {
        SheetClient c; // Bo, a member
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
        c.ExpectOtherLogin("Ann", QString());
        const int nBefore = c.peer.Connections();
        QVERIFY(!c.Sheet().SaveCharChanges());

        // With her password it goes out as Ann, and a wrong password keeps Bo logged in.
        c.ExpectOtherLogin("Ann", "annpass");
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

void tst_sheet::unsavedEditsAreAskedFor() {
    SheetClient c;
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

void tst_sheet::staleSaveAsksToLoadTheStoredRecord() {
    SheetClient c;
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

void tst_sheet::treeReplyWhileTheQuestionIsOpen() {
    SheetClient c;
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

void tst_sheet::everyWayOffTheSheetAsksFirst() {
    SheetClient c;
    SheetViews& v = c.V();
    MainViews& views = c.window->views();
    const bool bStoredPK = v.chkPK->isChecked();
    // Each way of showing something else, answered Cancel: Bo's edit stays and nothing is sent;
    // and each way that then loads no record, answered Discard: the sheet shows Bo as stored.
    struct Way {
        const char* szName;
        bool bLoadsNothing;
        std::function<void(bool bDiscard)> fnGo;
    };
    const Way ways[] = {
        {"a list's row", false, [&](bool) { emit views.grdFlatList->RowActivated("Eve"); }},
        {"a tree click", false, [&](bool) { c.Click(5, Record(5)); }},
        {"the flat list's Refresh", false, [&](bool) { views.cmdRefreshFlatList->click(); }},
        {"Refresh", true,
         [&](bool bDiscard) {
             if (bDiscard)
                 c.peer.queuedReplies << kTree;
             views.cmdTreeRefresh->click();
         }},
        {"Find in Tree", true,
         [&](bool bDiscard) {
             c.ExpectFindDialog(bDiscard ? "Nobody" : "Eve");
             if (bDiscard)
                 c.prompts->ExpectOk(); // "That character does not exist!"
             views.cmdFindInTree->click();
         }},
        {"a cancelled login", true,
         [&](bool bDiscard) {
             if (bDiscard)
                 c.ExpectLoginDialogCancelled();
             c.window->mnuLogin_Click();
         }},
        {"a cancelled Add Vassal", true,
         [&](bool bDiscard) {
             if (bDiscard)
                 c.prompts->ExpectDismissed(ScriptedPrompts::Dismissal::Escape);
             v.cmdAddVassal->click();
         }},
    };
    for (const Way& way : ways) {
        for (bool bDiscard : {false, true}) {
            if (bDiscard && !way.bLoadsNothing)
                continue;
            if (v.chkPK->isChecked() == bStoredPK)
                v.chkPK->click();
            SheetClient::Type(v.txtClass, way.szName);
            const int nBefore = c.peer.Connections();
            const qsizetype nShown = c.prompts->shown.size();
            c.prompts->answers << (bDiscard ? Prompts::Answer::Discard : Prompts::Answer::Cancel);
            way.fnGo(bDiscard);
            QTRY_VERIFY2(!c.window->cycle().IsBusy(), way.szName);
            QCOMPARE(c.prompts->shown.value(nShown).strText, QStringLiteral("Save changes to Bo?"));
            QVERIFY2(c.prompts->answers.isEmpty() && c.prompts->dialogs.isEmpty(), way.szName);
            QCOMPARE(c.Sheet().iCurDisplayCharID, qint16(2));
            if (bDiscard) {
                QVERIFY2(v.chkPK->isChecked() == bStoredPK, way.szName);
                QCOMPARE(v.txtClass->text(), QString());
                QVERIFY2(!c.Sheet().HasUnsavedEdits(), way.szName);
            } else {
                QVERIFY2(c.prompts->shown.size() == nShown + 1, way.szName);
                QCOMPARE(v.txtClass->text(), QString::fromLatin1(way.szName));
                QCOMPARE(c.window->objCharDB().Count(), 5);
                QCOMPARE(c.peer.Connections(), nBefore);
            }
            c.peer.queuedReplies.clear();
        }
    }
    // A later save sends only what is changed after the last discard; the flag as stored.
    SheetClient::Type(v.txtLevel, "31");
    const QByteArray body = c.SaveBody(Record(2));
    QVERIFY2(!body.contains("CLASS="), body.constData());
    QVERIFY2(body.contains(bStoredPK ? "ISPK=1" : "ISPK=0"), body.constData());
    QVERIFY(body.contains("LEVEL=31"));
}

void tst_sheet::editsOutliveARefusedLogin() {
    SheetClient c;
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

QTEST_MAIN(tst_sheet)
#include "tst_sheet.moc"
