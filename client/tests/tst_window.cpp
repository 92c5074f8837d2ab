// The main window as a whole: which controls each view and character tab shows, the window's
// smallest size, the splitter and the layout kept between runs, the grids' shared column
// widths, names for screen readers, and a login, a save and an added vassal done with keys.
#include "TestClient.h"

#include <QContextMenuEvent>
#include <QHeaderView>

namespace {

// Whether each control named is visible (bShown), or none is; the first that is not is said.
bool Shown(QWidget* pRoot, const QStringList& names, bool bShown = true) {
    for (const QString& strName : names) {
        QWidget* pWidget = pRoot->findChild<QWidget*>(strName);
        if ((pWidget && pWidget->isVisible()) != bShown) {
            qWarning() << (bShown ? "not shown:" : "shown:") << strName;
            return false;
        }
    }
    return true;
}

// A label stands for the control, or the control has a name of its own.
bool Named(QWidget* pWidget) {
    if (!pWidget->accessibleName().isEmpty())
        return true;
    for (QLabel* pLabel : pWidget->window()->findChildren<QLabel*>())
        if (pLabel->buddy() == pWidget)
            return true;
    return false;
}

} // namespace

class tst_window final : public QObject {
    Q_OBJECT

private slots:
    void viewsShowTheirControls();
    void sizesAndLayoutKeptBetweenRuns();
    void gridsShareTheirWidth();
    void everyGridsMenuExports();
    void everyControlHasAName();
    void keyboardOnly();
};

void tst_window::viewsShowTheirControls() {
    TestClient c;
    frmMain& w = *c.window;
    MainViews& v = w.views();
    w.resize(900, 700);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.SetCharTabEnable(true);
    const QStringList tree{"frameAllegianceTree", "treTreeView", "cmdTreeRefresh",
                           "cmdFindInTree",       "tabCharInfo", "cmdSaveChanges",
                           "cmdResetChanges"};
    QVERIFY(Shown(&w, tree));
    struct View {
        const char* szKey;
        QStringList names;
    };
    const View views[] = {
        {"Flat Listing", {"frameFlatList", "grdFlatList", "cmdRefreshFlatList"}},
        {"Rescue Squad List", {"frameRescueSquad", "grdRescueSquad", "cmdRefreshRescueSquad"}},
        {"Summonable Portal List", {"framePortalList", "grdPortalList", "cmdPortalListRefresh"}},
        {"Trade Skills List", {"frameTradeSkills", "grdTradeSkills", "cmdGetTradeSkills"}},
        {"Search",
         {"frameSearch", "frameSearchFilter", "cmbSearchRace", "cmbSearchRank", "grdSearchSkill",
          "cmdSearch", "cmdSearchReset", "grdSearch"}},
    };
    for (const View& view : views) {
        v.tabMainTab->setCurrentIndex(TabIndex(v.tabMainTab, view.szKey));
        QVERIFY2(Shown(&w, view.names), view.szKey);
        // The character tabs and their buttons go with the tree's view.
        QVERIFY2(Shown(&w, tree, false), view.szKey);
    }

    v.tabMainTab->setCurrentIndex(TabIndex(v.tabMainTab, "Allegiance Tree"));
    // Each character tab by its frame and a control of its own (the layout test checks what is
    // inside the frames).
    const View tabs[] = {
        {"Basic Info", {"frameBasicInfo", "txtName", "frameBio", "txtBio"}},
        {"Allegiance Info", {"frameAllegianceInfo", "lstVassals", "treImmediateTree"}},
        {"Skills", {"frameSkills", "tabSkills", "lstSpecSkills", "cmdRUnusable"}},
        {"Real Life & Contact Info", {"frameRealLife", "txtRealName", "frameContactInfo"}},
        {"Awards", {"frameAwards", "txtAwards"}},
    };
    for (const View& tab : tabs) {
        v.tabCharInfo->setCurrentIndex(TabIndex(v.tabCharInfo, tab.szKey));
        QVERIFY2(Shown(&w, tab.names + tree), tab.szKey);
        for (const View& other : tabs)
            if (&other != &tab)
                QVERIFY2(Shown(&w, other.names, false), other.szKey);
    }
    // "Skill Values" shows the grid instead of the lists.
    v.tabCharInfo->setCurrentIndex(TabIndex(v.tabCharInfo, "Skills"));
    v.sheet.tabSkills->setCurrentIndex(TabIndex(v.sheet.tabSkills, "Skill Values"));
    QVERIFY(Shown(&w, {"grdSkillGrid"}));
    QVERIFY(Shown(&w, {"lstSpecSkills", "cmdLSpec"}, false));
    // Another view and back: the same character tab comes back.
    v.tabMainTab->setCurrentIndex(TabIndex(v.tabMainTab, "Search"));
    v.tabMainTab->setCurrentIndex(TabIndex(v.tabMainTab, "Allegiance Tree"));
    QCOMPARE(TabKey(v.tabCharInfo, v.tabCharInfo->currentIndex()), QStringLiteral("Skills"));
    QVERIFY(Shown(&w, {"grdSkillGrid"}));
}

void tst_window::sizesAndLayoutKeptBetweenRuns() {
    QTemporaryDir settings;
    auto first = std::make_unique<TestClient>(settings.path());
    frmMain& w = *first->window;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // Smaller than the smallest size keeps the smallest size.
    w.resize(300, 200);
    QTRY_COMPARE(w.size(), QSize(676, 615));
    // The splitter gives the tree 40 % and the sheet 60 % where the sheet's five tabs fit; in
    // the smallest window the tabs keep their room and the tree takes the rest.
    QSplitter* pSplit = w.views().splitTreeSheet;
    QTRY_VERIFY(pSplit->sizes()[1] >= w.views().tabCharInfo->tabBar()->sizeHint().width());
    QVERIFY(pSplit->sizes()[0] >= 120);
    w.resize(1000, 700);
    QTRY_COMPARE(w.width(), 1000);
    const QList<int> sizes = pSplit->sizes();
    QVERIFY2(std::abs(sizes[0] * 6 - sizes[1] * 4) <= 60, qPrintable(QString::number(sizes[0])));
    // The status bar's panels take 30, 20 and 20 per cent of it.
    const int iBar = w.stsStatusBar().width();
    auto Share = [&](const QString& strPanel) {
        return 100.0 * w.stsStatusBar().findChild<QLabel*>(strPanel)->width() / iBar;
    };
    QVERIFY2(std::abs(Share(RequestCycle::kPanelOp) - 30) < 4,
             qPrintable(QString::number(Share(RequestCycle::kPanelOp))));
    QVERIFY(std::abs(Share(RequestCycle::kPanelHTTP) - 20) < 4);
    QVERIFY(std::abs(Share(RequestCycle::kPanelData) - 20) < 4);

    // The user moves the splitter; the next run finds it there, kept outside zorv.ini.
    pSplit->setSizes({250, sizes[0] + sizes[1] - 250});
    const int iTree = pSplit->sizes()[0];
    w.close();
    first.reset();
    QVERIFY(QFile::exists(settings.filePath("layout.ini")));
    QVERIFY(!FileBytes(settings.filePath("zorv.ini")).contains("plitter"));
    TestClient again(settings.path());
    again.ExpectLoginDialogCancelled();
    again.window->Start();
    QVERIFY(QTest::qWaitForWindowExposed(again.window.get()));
    QCOMPARE(again.window->size(), QSize(1000, 700));
    QCOMPARE(again.window->views().splitTreeSheet->sizes()[0], iTree);
}

void tst_window::gridsShareTheirWidth() {
    TestClient c;
    frmMain& w = *c.window;
    MainViews& v = w.views();
    w.resize(800, 640);
    w.show();
    v.tabMainTab->setCurrentIndex(TabIndex(v.tabMainTab, "Trade Skills List"));
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    Grid* pGrid = v.grdTradeSkills;
    auto Equal = [&] {
        const int iWidth = pGrid->viewport()->width() / 5;
        for (int i = 0; i < 5; ++i)
            if (pGrid->columnWidth(i) != iWidth)
                return false;
        return true;
    };
    QTRY_VERIFY(Equal());
    w.resize(1100, 700);
    QTRY_VERIFY(Equal());
    QVERIFY(pGrid->columnWidth(0) > 150);
}

void tst_window::everyGridsMenuExports() {
    TestClient c;
    frmMain& w = *c.window;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.sheet().SetCharTabEnable(true); // as once a record is shown
    QTemporaryDir dir;
    const QList<Grid*> grids = w.findChildren<Grid*>();
    // The main window's 7, the attention report's 6 and the notifications' targets.
    QCOMPARE(grids.size(), 14);
    for (Grid* pGrid : grids) {
        // The grid's menu, as a right click opens it; its one item chosen.
        const QString strFile = dir.filePath(pGrid->objectName() + ".csv");
        c.prompts->saveNames << strFile;
        bool bOffered = false;
        QTimer::singleShot(0, [&] {
            auto* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (pMenu && pMenu->actions().size() == 1 &&
                pMenu->actions()[0]->text() == QStringLiteral("&Export List...")) {
                bOffered = true;
                pMenu->actions()[0]->trigger();
            }
            if (pMenu)
                pMenu->close();
        });
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                                pGrid->viewport()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(pGrid->viewport(), &click);
        QVERIFY2(bOffered, qPrintable(pGrid->objectName()));
        QCOMPARE(FileBytes(strFile).split('\n').value(0).trimmed(),
                 pGrid->Table().Headers().join(QLatin1Char(',')).toUtf8());
    }
    QCOMPARE(c.prompts->saveNames.size(), 0);
}

void tst_window::everyControlHasAName() {
    TestClient c;
    frmMain& w = *c.window;
    QStringList nameless;
    for (QWidget* pWidget : w.findChildren<QWidget*>()) {
        const bool bControl =
            pWidget->focusPolicy() != Qt::NoFocus && !pWidget->objectName().isEmpty() &&
            !pWidget->objectName().startsWith("qt_") &&
            // Buttons and labels are read by their captions.
            !qobject_cast<QAbstractButton*>(pWidget) && !qobject_cast<QLabel*>(pWidget);
        if (bControl && !Named(pWidget))
            nameless << pWidget->objectName();
    }
    QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(", ")));
    QCOMPARE(w.views().sheet.txtLevel->accessibleName(), QStringLiteral("Level"));
    QCOMPARE(w.views().sheet.cmbSex->accessibleName(), QStringLiteral("Sex"));
}

void tst_window::keyboardOnly() {
    ServerProcess server;
    QVERIFY(server.Start("demo"));
    TestClient c;
    frmMain& w = *c.window;
    w.resize(1000, 720);
    // The login: address, name and password typed, moving with Tab, confirmed with Enter.
    const QString strAddress = server.Address();
    c.prompts->dialogs << [strAddress](QDialog& dlg) {
        dlg.show();
        [&] { QVERIFY(QTest::qWaitForWindowActive(&dlg)); }();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QTest::keyClicks(QApplication::focusWidget(), strAddress);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), "Aldric Stormwind");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), "lantern1");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        return dlg.result();
    };
    w.Start();
    ZORV_TRY(w.sheet().iCurDisplayCharID == 1);
    w.activateWindow(); // the login dialog had the keyboard
    QVERIFY(QTest::qWaitForWindowActive(&w));

    // A save: Tab from the tree to the level, a new value, Ctrl+S.
    w.views().treTreeView->setFocus();
    for (int i = 0; i < 30 && QApplication::focusWidget() != w.views().sheet.txtLevel; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.views().sheet.txtLevel);
    QTest::keyClick(w.views().sheet.txtLevel, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(w.views().sheet.txtLevel, "104");
    QSignalSpy shown(&w.sheet(), &CharacterSheet::Displayed);
    c.prompts->ExpectOk();
    QTest::keyClick(w.views().sheet.txtLevel, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(shown.wait(20000));
    QCOMPARE(w.views().sheet.txtLevel->text(), QStringLiteral("104"));

    // An added vassal: Alt+P opens "Current Player Functions", A its "Add Vassal".
    c.prompts->dialogs << [](QDialog& dlg) {
        dlg.show();
        dlg.activateWindow();
        [&] { QVERIFY(QTest::qWaitForWindowActive(&dlg)); }();
        QTest::keyClicks(dlg.focusWidget(), "Keyed Newcomer");
        QTest::keyClick(dlg.focusWidget(), Qt::Key_Return);
        return dlg.result();
    };
    c.prompts->ExpectOk();
    QSignalSpy reloaded(&w.sheet(), &CharacterSheet::Displayed);
    QTest::keyClick(&w, Qt::Key_P, Qt::AltModifier);
    QMenu* pMenu = w.findChild<QMenu*>("mnuPlayerFunctions");
    QTRY_VERIFY(pMenu->isVisible());
    QTest::keyClick(pMenu, Qt::Key_A);
    QVERIFY(reloaded.wait(20000));
    QVERIFY(w.objCharDB().GetID("Keyed Newcomer") > 0);
    QCOMPARE(c.prompts->dialogNames.value(c.prompts->dialogNames.size() - 1),
             QStringLiteral("frmAddVassal"));
}

QTEST_MAIN(tst_window)
#include "tst_window.moc"
