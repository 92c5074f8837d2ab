#pragma once
// The main window as a test drives it: scripted prompts, a settings folder of its own, an end of
// program that only counts, and the server and character dialog filled from the script.
#include "AllegianceModel.h"
#include "AllegianceOperations.h"
#include "AllegianceView.h"
#include "CellEditor.h"
#include "ChangeHistory.h"
#include "CharacterSheet.h"
#include "Characters.h"
#include "FlatListModel.h"
#include "Grid.h"
#include "HTTPRequest.h"
#include "ListPayloads.h"
#include "MainViews.h"
#include "Protocol.h"
#include "RankTitles.h"
#include "RequestCycle.h"
#include "ScriptedPeer.h"
#include "ScriptedPrompts.h"
#include "ServerProcess.h"
#include "Session.h"
#include "SkillCatalogue.h"
#include "SkillSearch.h"
#include "SkillTraining.h"
#include "StatusBar.h"
#include "Tabs.h"
#include "TreeFeed.h"
#include "TreePayload.h"
#include "ViewRows.h"
#include "frmAddVassal.h"
#include "frmFindChar.h"
#include "frmLogin.h"
#include "frmMain.h"
#include "frmNewServerSetup.h"
#include "frmPlayerSetup.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <functional>
#include <memory>

// Waits as long as the suite gives a real server or a chained exchange: 20 s.
#define ZORV_TRY(expr) QTRY_VERIFY_WITH_TIMEOUT(expr, 20000)
#define ZORV_TRY_COMPARE(actual, expected) QTRY_COMPARE_WITH_TIMEOUT(actual, expected, 20000)

struct TestClient {
    // strFolder, when given, holds the settings instead of a folder of the client's own: one that
    // outlives it, as the user's does between runs.
    explicit TestClient(const QString& strFolder = QString()) {
        auto pPrompts = std::make_unique<ScriptedPrompts>();
        prompts = pPrompts.get();
        window = std::make_unique<frmMain>(std::move(pPrompts),
                                           strFolder.isEmpty() ? settings.path() : strFolder);
        window->fnEndProgram = [this] { ++nEnded; };
        // Scripted replies follow the requests of a window without the tree's feed; the tests of
        // the feed turn it on.
        window->feed().SetEnabled(false);
    }

    // The next time the server and character dialog shows, it is filled and confirmed.
    void ExpectLoginDialog(const QString& strAddress, const QString& strName,
                           const QString& strPassword) {
        prompts->dialogs << [=](QDialog& dlg) {
            auto& setup = static_cast<frmPlayerSetup&>(dlg);
            setup.cmbServerAddress->setEditText(strAddress);
            setup.cmbCharName->setEditText(strName);
            setup.txtPassword->setText(strPassword);
            QTest::mouseClick(setup.cmdOK, Qt::LeftButton);
            return setup.result();
        };
    }
    void ExpectLoginDialogCancelled() {
        prompts->dialogs << [](QDialog& dlg) {
            static_cast<frmPlayerSetup&>(dlg).cmdCancel_Click();
            return int(QDialog::Rejected);
        };
    }
    // The next time the add-vassal dialog shows, the name is typed and Return pressed.
    void ExpectAddVassalDialog(const QString& strName) {
        prompts->dialogs << [strName](QDialog& dlg) {
            auto& add = static_cast<frmAddVassal&>(dlg);
            add.show();
            add.txtVassalName->setText(strName);
            QTest::keyClick(add.txtVassalName, Qt::Key_Return);
            return add.result();
        };
    }
    // The next time the find dialog shows, the name is typed and OK pressed.
    void ExpectFindDialog(const QString& strName) {
        prompts->dialogs << [strName](QDialog& dlg) {
            auto& find = static_cast<frmFindChar&>(dlg);
            find.txtName->setText(strName);
            find.cmdOK_Click();
            return int(QDialog::Accepted);
        };
    }
    // The next time another character's login is asked for, it must offer strOffered; an empty
    // strPassword cancels it.
    void ExpectOtherLogin(const QString& strOffered, const QString& strPassword) {
        prompts->dialogs << [strOffered, strPassword](QDialog& dlg) {
            auto& login = static_cast<frmLogin&>(dlg);
            login.Form_Activate(); // as its showing does
            [&] { QCOMPARE(login.txtCharName->text(), strOffered); }();
            if (strPassword.isEmpty()) {
                login.cmdCancel_Click();
                return int(QDialog::Rejected);
            }
            login.txtPassword->setText(strPassword);
            login.cmdOK_Click();
            return int(QDialog::Accepted);
        };
    }
    // Starts the program's way: the window shows and the login dialog, scripted, confirms.
    void LogIn(const QString& strAddress, const QString& strName, const QString& strPassword) {
        ExpectLoginDialog(strAddress, strName, strPassword);
        window->Start();
    }
    // The same, and true once the own record is on the sheet.
    bool LogInAndWait(const QString& strAddress, const QString& strName,
                      const QString& strPassword) {
        LogIn(strAddress, strName, strPassword);
        return QTest::qWaitFor([&] { return window->sheet().iCurDisplayCharID != 0; }, 20000);
    }
    // Every list the window shows filled from the server, and a search run: each view as a
    // user who has looked at them all sees it. Empty, or the button whose list never came.
    QString FillEveryList() {
        MainViews& v = window->views();
        for (auto [pButton, pGrid] : {std::pair{v.cmdRefreshFlatList, v.grdFlatList},
                                      std::pair{v.cmdRefreshRescueSquad, v.grdRescueSquad},
                                      std::pair{v.cmdPortalListRefresh, v.grdPortalList},
                                      std::pair{v.cmdGetTradeSkills, v.grdTradeSkills},
                                      std::pair{v.cmdSearch, v.grdSearch}}) {
            QSignalSpy reset(pGrid->model(), &QAbstractItemModel::modelReset);
            pButton->click();
            if (!reset.wait(20000))
                return pButton->objectName();
        }
        return QString();
    }
    // Adds a vassal through the sheet of its patron, the dialog scripted and the success
    // message answered; returns once the request is sent.
    bool StartAddingVassal(const QString& strPatron, const QString& strName) {
        if (!Show(strPatron))
            return false;
        ExpectAddVassalDialog(strName);
        prompts->ExpectOk();
        window->operations().AddVassal();
        return true;
    }
    // Selects a character by name in the tree and waits for its record.
    bool Show(const QString& strName) {
        window->allegiance().FindInTree(strName);
        const qint16 id = window->objCharDB().GetID(strName);
        return QTest::qWaitFor([&] { return window->sheet().iCurDisplayCharID == id; }, 20000);
    }
    // The request built last, as the exchange holds it until the next one.
    QString PostData() const { return window->cycle().Exchange().strPostData; }
    // The last message shown, whole, or its text or title; empty when none was.
    ScriptedPrompts::Shown LastShown() const {
        return prompts->shown.value(prompts->shown.size() - 1);
    }
    QString LastText() const { return LastShown().strText; }
    QString LastTitle() const { return LastShown().strTitle; }
    // The texts of every message shown so far.
    QStringList Texts() const {
        QStringList texts;
        for (const auto& shown : prompts->shown)
            texts << shown.strText;
        return texts;
    }

    QTemporaryDir settings;
    ScriptedPrompts* prompts = nullptr; // owned by the window
    std::unique_ptr<frmMain> window;
    int nEnded = 0; // times the program would have ended
};

// The texts of a list box's items, and of those selected.
inline QStringList Items(const QListWidget* pList) {
    QStringList items;
    for (int i = 0; i < pList->count(); ++i)
        items << pList->item(i)->text();
    return items;
}

inline QStringList Selected(const QListWidget* pList) {
    QStringList items;
    for (int i = 0; i < pList->count(); ++i)
        if (pList->item(i)->isSelected())
            items << pList->item(i)->text();
    return items;
}
