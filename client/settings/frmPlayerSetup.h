#pragma once
// The server and character dialog: offers the remembered servers and characters, takes the
// password, checks the input, remembers the pair in the settings and rewrites the settings file.
// Created once and hidden between uses, so its lists and fields last for the program's run.
#include "Settings.h"

#include <QDialog>

class Prompts;
class QComboBox;
class QLineEdit;
class QPushButton;

class frmPlayerSetup final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmPlayerSetup)
public:
    // The settings are the caller's and outlive the dialog.
    frmPlayerSetup(Prompts& prompts, Settings& settings, QWidget* pParent = nullptr);

    QString strServer;
    QString strName;
    QString strPassword;
    bool bHitCancel = true;

    // Shows the dialog modally through the prompts, reading the file at the first use.
    void Run();
    void Form_Load();
    void cmbServerAddress_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    // Escape, the window's close button and Cancel all end here: nothing goes ahead.
    void reject() override;

    QComboBox* cmbServerAddress;
    QComboBox* cmbCharName;
    QLineEdit* txtPassword;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    Prompts& m_prompts;
    Settings& m_settings;
    bool m_bLoaded = false;
};
