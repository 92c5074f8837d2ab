#pragma once
// The server set-up dialog: a new server's first set-up (new-server mode) and an
// administrator's later changes. It checks its own input and hands back the accepted values.
#include <QDialog>

class Prompts;
class QCheckBox;
class QLineEdit;
class QPushButton;

class frmNewServerSetup final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmNewServerSetup)
public:
    explicit frmNewServerSetup(Prompts& prompts, QWidget* pParent = nullptr);

    bool bNewServer = false;
    bool bComplete = false;
    bool bHitCancel = true;
    QString strGuildName;
    QString strDefaultPW;
    QString strRescueSquadName;
    qint16 iResetExisting = 0;
    qint16 iUseRescueSquad = 0;

    // Shows the dialog modally through the prompts.
    void Run();
    void Form_Activate();
    void chkUseRescue_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    // Escape, the window's close button and Cancel all end here: nothing goes ahead.
    void reject() override;

    QLineEdit* txtGuildName;
    QLineEdit* txtDefaultPW;
    QLineEdit* txtConfirmPW;
    QCheckBox* chkResetExisting;
    QCheckBox* chkUseRescue;
    QLineEdit* txtRescueSquadName;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

private:
    Prompts& m_prompts;
};
