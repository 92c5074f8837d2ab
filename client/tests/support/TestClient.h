#pragma once
// The main window as a test drives it: scripted prompts, a settings folder of its own, an end of
// program that only counts, and the server and character dialog filled from the script.
#include "AllegianceOperations.h"
#include "AllegianceView.h"
#include "CharacterSheet.h"
#include "Characters.h"
#include "ScriptedPrompts.h"
#include "TreeFeed.h"
#include "frmAddVassal.h"
#include "frmMain.h"
#include "frmPlayerSetup.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

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
    // Starts the program's way: the window shows and the login dialog, scripted, confirms.
    void LogIn(const QString& strAddress, const QString& strName, const QString& strPassword) {
        ExpectLoginDialog(strAddress, strName, strPassword);
        window->Start();
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
    // The last message shown, or an empty text.
    QString LastText() const {
        return prompts->shown.isEmpty() ? QString() : prompts->shown.last().strText;
    }
    // The last message shown, whole; an empty one when none was.
    ScriptedPrompts::Shown LastShown() const {
        return prompts->shown.value(prompts->shown.size() - 1);
    }
    QString LastTitle() const {
        return prompts->shown.isEmpty() ? QString() : prompts->shown.last().strTitle;
    }
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
