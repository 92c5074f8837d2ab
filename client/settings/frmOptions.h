#pragma once
// The options dialog: the network timeout (10 to 30 seconds), pictures in the tree views and the
// client's language, which takes effect at the next start. It edits the settings in place, and only
// when confirmed with a valid timeout. "Clear Cached Data" deletes the trees kept between runs at
// once, whatever the dialog's end.
#include <QDialog>

class Prompts;
class SavedTrees;
struct Settings;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

class frmOptions final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmOptions)
public:
    // The settings are the caller's and outlive the dialog.
    frmOptions(Prompts& prompts, Settings& settings, QWidget* pParent = nullptr);

    bool bHitCancel = true;
    // The trees kept between runs; the caller's, set before the dialog is used.
    SavedTrees* pSavedTrees = nullptr;

    // Shows the dialog modally through the prompts.
    void Run();
    void Form_Activate();
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdClearCache_Click();
    // Escape, the window's close button and Cancel all end here: nothing goes ahead.
    void reject() override;

    QCheckBox* chkUsePics;
    QComboBox* cmbLanguage; // the system's language first, then each language by its own name
    QLineEdit* txtTimeout;
    QPushButton* cmdClearCache;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

private:
    Prompts& m_prompts;
    Settings& m_settings;
};
