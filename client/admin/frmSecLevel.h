#pragma once
// The security level to give a member: "Normal User" (1) or "Administrator" (3). Reused, so it
// keeps its last choice.
#include <QDialog>

class QComboBox;
class QPushButton;

class frmSecLevel final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmSecLevel)
public:
    explicit frmSecLevel(QWidget* pParent = nullptr);

    bool bHitCancel = true;
    QString strSecLevel;
    qint16 iSecLevel = 0;

    void cmdOK_Click();
    void cmdCancel_Click();
    // Escape, the window's close button and Cancel all end here: nothing goes ahead.
    void reject() override;

    QComboBox* cmbSecLevel;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

protected:
    void showEvent(QShowEvent* pEvent) override;
};
