#pragma once
// The credentials prompt for acting as another character: the caller sets strCharName, shows
// the dialog, then reads strCharName, strPass and bHitOk.
#include <QDialog>

class Prompts;
class QLineEdit;
class QPushButton;

class frmLogin final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmLogin)
public:
    explicit frmLogin(Prompts& prompts, QWidget* pParent = nullptr);

    QString strCharName;
    QString strPass;
    bool bHitOk = false;

    // Called on every showing: a name other than the one in the box empties the password.
    void Form_Activate();
    void cmdOK_Click();
    void cmdCancel_Click();
    // Escape, the window's close button and Cancel all end here: nothing goes ahead.
    void reject() override;

    QLineEdit* txtCharName;
    QLineEdit* txtPassword;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

protected:
    void showEvent(QShowEvent* pEvent) override;

private:
    Prompts& m_prompts;
    QString m_strPassFor; // the name strPass was confirmed for
};
