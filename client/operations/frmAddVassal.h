#pragma once
// The new vassal's name. The box keeps its text from one use to the next; the server checks it.
#include <QDialog>

class QLineEdit;
class QPushButton;

class frmAddVassal final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmAddVassal)
public:
    explicit frmAddVassal(QWidget* pParent = nullptr);

    QString strVassalName;
    bool bHitCancel = true;

    void cmdOKAddVassal_Click();
    void cmdCancel_Click();
    // Escape, the window's close button and Cancel all end here: nothing goes ahead.
    void reject() override;

    QLineEdit* txtVassalName;
    QPushButton* cmdOKAddVassal;
    QPushButton* cmdCancel;

protected:
    void showEvent(QShowEvent* pEvent) override;
};
