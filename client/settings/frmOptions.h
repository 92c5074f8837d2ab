#pragma once
// The options dialog: the network timeout (10 to 30 seconds) and pictures in the tree views. It
// edits the settings in place, and only when confirmed with a valid timeout.
#include <QDialog>

class Prompts;
struct Settings;
class QCheckBox;
class QLineEdit;
class QPushButton;

class frmOptions final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmOptions)
public:
    // The settings are the caller's and outlive the dialog.
    frmOptions(Prompts& prompts, Settings& settings, QWidget* pParent = nullptr);

    bool bHitCancel = true;

    // Shows the dialog modally through the prompts.
    void Run();
    void Form_Activate();
    void cmdOK_Click();
    void cmdCancel_Click();
    // Escape, the window's close button and Cancel all end here: nothing goes ahead.
    void reject() override;

    QCheckBox* chkUsePics;
    QLineEdit* txtTimeout;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

private:
    Prompts& m_prompts;
    Settings& m_settings;
};
