#pragma once
// The controls of the character sheet: the five character tabs with their frames, labels, fields
// and buttons, built into the given tab strip. Built once; the sheet fills and reads them.
#include <QCoreApplication>
#include <QString>

class Grid;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;
class QTreeView;

struct SheetViews {
    Q_DECLARE_TR_FUNCTIONS(SheetViews)

public:
    // Adds the five tabs to tabCharInfo.
    explicit SheetViews(QTabWidget* tabCharInfo);

    QTabWidget* tabCharInfo;
    // Shown with the tabs; the caller lays them out beside them.
    QPushButton* cmdSaveChanges;
    QPushButton* cmdResetChanges;
    // Over the tabs, hidden until someone else changes the record while the user edits it.
    QFrame* frameRecordChanged;
    QLabel* lblRecordChanged;
    QPushButton* cmdReloadRecord;
    QPushButton* cmdKeepEditing;

    // "Basic Info"
    QGroupBox* frameBasicInfo;
    QLabel* lblLastModified; // the "Last Modified:" label of the labels' array, index 10
    QLineEdit* txtName;
    QLineEdit* txtLevel;
    QComboBox* cmbRank;
    QComboBox* cmbComputedRank;
    QLineEdit* txtClass;
    QComboBox* cmbRace;
    QComboBox* cmbSex;
    QRadioButton* optMuleYes;
    QRadioButton* optMuleNo;
    QLineEdit* txtMuleFor;
    QPushButton* cmdMuleForSearch;
    QLineEdit* txtLifestone;
    QLineEdit* txtTieTo;
    QLineEdit* txtMainName;
    QPushButton* cmdMainNameSearchFor;
    QCheckBox* chkCanSummon;
    QCheckBox* chkPrivate;
    QCheckBox* chkRescue;
    QCheckBox* chkPK;
    QGroupBox* frameBio;
    QPlainTextEdit* txtBio;

    // "Allegiance Info"
    QGroupBox* frameAllegianceInfo;
    QLabel* lblPatron;
    QPushButton* cmdChangePatron;
    QLineEdit* txtNumFollowers;
    QLabel* lblNumCountFollowers;
    QLabel* lblPathToMonarch;
    QGroupBox* frameVassals;
    QListWidget* lstVassals;
    QPushButton* cmdAddVassal;
    QPushButton* cmdRemoveVassal;
    QGroupBox* frameImmediateTree;
    QTreeView* treImmediateTree;

    // "Skills"
    QGroupBox* frameSkills;
    QTabWidget* tabSkills;
    QListWidget* lstSpecSkills;
    QListWidget* lstTrainedSkills;
    QListWidget* lstUntrainedSkills;
    QListWidget* lstUnusableSkills;
    QPushButton* cmdLSpec;
    QPushButton* cmdRTrained;
    QPushButton* cmdLTrained;
    QPushButton* cmdRUntrained;
    QPushButton* cmdLUntrained;
    QPushButton* cmdRUnusable;
    Grid* grdSkillGrid;

    // "Real Life & Contact Info"
    QGroupBox* frameRealLife;
    QLineEdit* txtRealName;
    QLineEdit* txtCityState;
    QPlainTextEdit* txtMiscRL;
    QGroupBox* frameContactInfo;
    QLineEdit* txtEmail;
    QLineEdit* txtICQ;

    // "Awards"
    QGroupBox* frameAwards;
    QWidget* pageHistory; // its layout holds the change history's view
    QLabel* lblAwards;
    QPlainTextEdit* txtAwards;
};
