#pragma once
// The new password, typed twice: 6 to 10 characters and the same both times. The boxes keep
// their text from one use to the next.
#include <QDialog>

class Prompts;
class QLineEdit;
class QPushButton;

class frmChangePassword final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmChangePassword)
public:
    explicit frmChangePassword(Prompts& prompts, QWidget* pParent = nullptr);

    QString strPassword;
    bool bHitCancel = true;

    void cmdOK_Click();
    void cmdCancel_Click();
    // Escape, the window's close button and Cancel all end here: nothing goes ahead.
    void reject() override;

    QLineEdit* txtNewPW;
    QLineEdit* txtConfirm;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

protected:
    void showEvent(QShowEvent* pEvent) override;

private:
    Prompts& m_prompts;
};
