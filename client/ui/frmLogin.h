#pragma once
// The credentials prompt for acting as another character: the caller sets strCharName, shows
// the dialog, then reads strCharName, strPass and bHitOk.
#include <QDialog>

class QLineEdit;
class QPushButton;

class frmLogin final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmLogin)
public:
    explicit frmLogin(QWidget* pParent = nullptr);

    QString strCharName;
    QString strPass;
    bool bHitOk = false;

    // Called on every showing: a name other than the one in the box empties the password.
    void Form_Activate();
    void cmdOK_Click();
    void cmdCancel_Click();

    QLineEdit* txtCharName;
    QLineEdit* txtPassword;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

protected:
    void showEvent(QShowEvent* pEvent) override;
};
