#pragma once
// The find-character dialog: a name box over the roster's names, narrowed to those that begin
// with what is typed (any letter case). The caller gives the roster and reads txtName after OK.
#include <QDialog>

class Roster;
class QLineEdit;
class QListView;
class QPushButton;
class QStringListModel;

class frmFindChar final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmFindChar)
public:
    explicit frmFindChar(QWidget* pParent = nullptr);

    const Roster* objCharDB = nullptr;
    bool bHitCancel = true;

    // Called on every showing: an empty name box and every name of the roster.
    void Form_Activate();
    void txtName_KeyUp();
    void cmdOK_Click();
    void cmdCancel_Click();
    // Escape, the window's close button and Cancel all end here: nothing goes ahead.
    void reject() override;
    QStringList Names() const;

    QLineEdit* txtName;
    QListView* lstNames;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

protected:
    void showEvent(QShowEvent* pEvent) override;

private:
    QStringListModel* m_pNames;
};
