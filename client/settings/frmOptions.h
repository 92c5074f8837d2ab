#pragma once
// The options dialog: the network timeout (10 to 30 seconds) and pictures in the tree views.
#include <QDialog>

class Prompts;
class QCheckBox;
class QLineEdit;
class QPushButton;

class frmOptions final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmOptions)
public:
    explicit frmOptions(Prompts& prompts, QWidget* pParent = nullptr);

    qint16 iUsePics = 1;
    qint16 iTimeoutTime = 30;
    bool bHitCancel = true;

    // Shows the dialog modally through the prompts.
    void Run();
    void Form_Activate();
    void cmdOK_Click();
    void cmdCancel_Click();

    QCheckBox* chkUsePics;
    QLineEdit* txtTimeout;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

private:
    Prompts& m_prompts;
};
