#include "CharacterSheet.h"

#include "AllegianceView.h"
#include "CellEditor.h"
#include "CharacterPayload.h"
#include "Characters.h"
#include "Numbers.h"
#include "Prompts.h"
#include "Protocol.h"
#include "RankTitles.h"
#include "RequestCycle.h"
#include "Session.h"
#include "SheetViews.h"
#include "SkillCatalogue.h"
#include "SkillTraining.h"
#include "frmLogin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeView>

namespace {

qint16 Leading(const QString& strText) {
    return zorv::ReadInt16(strText.toStdString());
}

void SetCheckbox(QCheckBox* chkBox, qint16 iValue) {
    chkBox->setChecked(iValue == 1);
}

} // namespace

CharacterSheet::CharacterSheet(Session& session, Characters& roster, Skills& objSkills,
                               SheetViews& views, AllegianceView& tree, frmLogin& login,
                               QObject* pParent)
    : QObject(pParent), m_session(session), m_roster(roster), m_skills(objSkills), m_v(views),
      m_tree(tree), m_login(login) {
    m_pTraining = new SkillTraining(views, objSkills, session.prompts, this);
    m_v.cmbSex->addItems({"Unknown", "Male", "Female"});
    m_v.cmbRace->addItems({"Unknown", "Aluvian", "Gharu'ndim", "Sho"});
    // Until a character is shown, the computed rank reads with the titles of an unknown race
    // and sex.
    FillRankCombo(QStringLiteral("0"), QStringLiteral("0"), m_v.cmbComputedRank);
    connect(m_v.cmbRace, &QComboBox::currentIndexChanged, this, &CharacterSheet::cmbRace_Click);
    connect(m_v.cmbSex, &QComboBox::currentIndexChanged, this, &CharacterSheet::cmbSex_Click);
    connect(m_v.cmdSaveChanges, &QPushButton::clicked, this, [this] { SaveCharChanges(); });
    connect(m_v.cmdResetChanges, &QPushButton::clicked, this,
            &CharacterSheet::cmdResetChanges_Click);
    auto Pick = [this](QPushButton* pButton, QLineEdit* pField) {
        connect(pButton, &QPushButton::clicked, this, [this, pField] {
            QString strName;
            if (!m_tree.PickName(strName))
                return;
            pField->setText(strName);
            MarkChanged(pField);
        });
    };
    Pick(m_v.cmdMuleForSearch, m_v.txtMuleFor);
    Pick(m_v.cmdMainNameSearchFor, m_v.txtMainName);
    WireEdits();

    RequestCycle& cycle = session.cycle;
    cycle.Route(zorv::OpCharInfo, [this] {
        DisplayCharInfo();
        SetCharTabEnable(true);
    });
    cycle.Route(zorv::OpSaveChar, [this] { SaveReply(); });
    cycle.RouteError(zorv::OpSaveChar, [this](qint16 iCode) { return StaleSave(iCode); });
}

CharacterSheet::~CharacterSheet() = default;

void CharacterSheet::WireEdits() {
    for (QLineEdit* pEdit : {m_v.txtName, m_v.txtLevel, m_v.txtClass, m_v.txtMuleFor,
                             m_v.txtLifestone, m_v.txtTieTo, m_v.txtNumFollowers, m_v.txtRealName,
                             m_v.txtCityState, m_v.txtEmail, m_v.txtICQ, m_v.txtMainName})
        connect(pEdit, &QLineEdit::textEdited, this, [this, pEdit] { MarkChanged(pEdit); });
    for (QPlainTextEdit* pEdit : {m_v.txtBio, m_v.txtMiscRL, m_v.txtAwards})
        connect(pEdit, &QPlainTextEdit::textChanged, this, [this, pEdit] {
            if (!m_bDisplaying)
                MarkChanged(pEdit);
        });
    for (QComboBox* pCombo : {m_v.cmbRace, m_v.cmbRank, m_v.cmbSex})
        connect(pCombo, &QComboBox::activated, this, [this, pCombo] { MarkChanged(pCombo); });
    for (QAbstractButton* pButton :
         std::initializer_list<QAbstractButton*>{m_v.optMuleYes, m_v.optMuleNo, m_v.chkPK,
                                                 m_v.chkRescue, m_v.chkPrivate, m_v.chkCanSummon})
        connect(pButton, &QAbstractButton::clicked, this, [this] { m_bEdited = true; });
    connect(m_pTraining, &SkillTraining::Edited, this, [this] { m_bEdited = true; });
}

void CharacterSheet::MarkChanged(QObject* pControl) {
    m_changed.insert(pControl);
    m_bEdited = true;
}

void CharacterSheet::ClearEdits() {
    m_changed.clear();
    m_bEdited = false;
}

bool CharacterSheet::HasUnsavedEdits() const {
    return m_bEdited && iCurDisplayCharID != 0;
}

QString CharacterSheet::DisplayedName() const {
    const Character* pShown = m_roster.Item(CharKey(iCurDisplayCharID));
    return pShown ? pShown->strName : m_v.txtName->text();
}

void CharacterSheet::DisplayCharInfo() {
    // A value still being typed belongs to the record shown before; it must not land in a row
    // of this one.
    m_pTraining->Editor().Abandon();
    const CharacterPayload c = ParseCharacterPayload(m_session.cycle.HTTP.strHTTPData);
    if (c.nFields != kCharacterFields)
        m_session.prompts.Inform(QStringLiteral("Error!"));
    // What the display writes is not the user's editing.
    m_bDisplaying = true;
    iCurDisplayCharID = Leading(c.strID);
    strCurRevision = c.strRevision;
    m_v.txtName->setText(c.strName);
    m_v.txtLevel->setText(c.strLevel);
    m_v.txtNumFollowers->setText(c.strNumFollowers);
    m_v.txtClass->setText(c.strClass);
    SetComboIndex(m_v.cmbRace, c.strRace);
    SetComboIndex(m_v.cmbSex, c.strSex);
    (c.strIsMule == QLatin1String("1") ? m_v.optMuleYes : m_v.optMuleNo)->setChecked(true);
    m_v.txtMuleFor->setText(c.strMuleFor);
    m_v.txtLifestone->setText(c.strLifestone);
    m_v.txtTieTo->setText(c.strTiedTo);
    m_v.txtBio->setPlainText(c.strBio);
    m_pTraining->ParseSkillData(c.strSkills);
    m_v.txtRealName->setText(c.strRealName);
    m_v.txtCityState->setText(c.strCityState);
    m_v.txtMiscRL->setPlainText(c.strMiscInfo);
    m_v.txtEmail->setText(c.strEmail);
    m_v.txtICQ->setText(c.strICQ);
    m_v.lblLastModified->setText(QStringLiteral("Last Modified: ") + c.strModifiedAt +
                                 QStringLiteral(" by ") +
                                 m_roster.GetName(QStringLiteral("Char") + c.strModifiedBy));
    m_v.lblPatron->setText(c.strPatron);
    m_v.lblPathToMonarch->setText(c.strPath);
    SetCheckbox(m_v.chkPK, Leading(c.strIsPK));
    SetCheckbox(m_v.chkRescue, Leading(c.strIsRescue));
    SetCheckbox(m_v.chkPrivate, Leading(c.strIsPrivate));
    SetCheckbox(m_v.chkCanSummon, Leading(c.strCanSummon));
    m_v.txtMainName->setText(c.strMainChar);
    m_v.txtAwards->setPlainText(c.strAwards);
    FillRankCombo(c.strRace, c.strSex, m_v.cmbRank);
    SetComboIndex(m_v.cmbRank, c.strRank);
    FillVassalList(iCurDisplayCharID);
    m_tree.GenerateTree(m_v.treImmediateTree, iCurDisplayCharID);
    m_pTraining->FillSkillGrid();
    SelectComputedRank();
    const QString strKey = CharKey(iCurDisplayCharID);
    const qint16 nCounted = m_roster.CountFollowers(strKey);
    const int nMissing = Leading(m_v.txtNumFollowers->text()) - nCounted;
    m_v.lblNumCountFollowers->setText(QString::number(nCounted) +
                                      QStringLiteral(" (Number Missing: ") +
                                      QString::number(nMissing) + QLatin1Char(')'));
    m_bDisplaying = false;
    ClearEdits();
    emit Displayed();
}

void CharacterSheet::FillVassalList(qint16 id) {
    m_v.lstVassals->clear();
    const Character* pRecord = m_roster.Item(CharKey(id));
    if (!pRecord || pRecord->strVassalIDs.isEmpty())
        return;
    for (const QString& strPiece : pRecord->strVassalIDs.split(QLatin1Char(','))) {
        if (const Character* pVassal = m_roster.Item(QStringLiteral("Char") + strPiece.trimmed()))
            m_v.lstVassals->addItem(pVassal->strName);
    }
}

void CharacterSheet::FillRankCombo(const QString& strRace, const QString& strSex,
                                   QComboBox* cmbBox) {
    cmbBox->clear();
    cmbBox->addItems(RankTitles(strRace, strSex));
}

void CharacterSheet::SetComboIndex(QComboBox* cmbBox, const QString& strValue) {
    cmbBox->setCurrentIndex(ComboPosition(strValue, cmbBox->count()));
}

void CharacterSheet::SelectComputedRank() {
    const int iShown = m_roster.IndexOf(CharKey(iCurDisplayCharID));
    SetComboIndex(m_v.cmbComputedRank,
                  QString::number(iShown < 0 ? 0 : m_roster.ComputedRank(iShown)));
}

void CharacterSheet::cmbSex_Click() {
    const int iRank = m_v.cmbRank->currentIndex();
    const QString strRace = QString::number(m_v.cmbRace->currentIndex());
    const QString strSex = QString::number(m_v.cmbSex->currentIndex());
    FillRankCombo(strRace, strSex, m_v.cmbRank);
    FillRankCombo(strRace, strSex, m_v.cmbComputedRank);
    // The stored rank keeps its number and now reads with the new title.
    SetComboIndex(m_v.cmbRank, QString::number(iRank));
    SelectComputedRank();
}

void CharacterSheet::cmbRace_Click() {
    cmbSex_Click();
    m_pTraining->SetRacialSkills(m_v.cmbRace->currentIndex());
}

void CharacterSheet::SetCharTabEnable(bool bEnabled) {
    QWidget* const controls[] = {
        m_v.tabCharInfo,
        m_v.cmdSaveChanges,
        m_v.cmdResetChanges,
        m_v.txtName,
        m_v.txtLevel,
        m_v.txtClass,
        m_v.txtMuleFor,
        m_v.txtLifestone,
        m_v.txtTieTo,
        m_v.cmbRace,
        m_v.cmbRank,
        m_v.cmbSex,
        m_v.optMuleNo,
        m_v.optMuleYes,
        m_v.txtBio,
        m_v.txtNumFollowers,
        m_v.cmdChangePatron,
        m_v.cmdAddVassal,
        m_v.cmdRemoveVassal,
        m_v.lstSpecSkills,
        m_v.lstTrainedSkills,
        m_v.lstUntrainedSkills,
        m_v.lstUnusableSkills,
        m_v.cmdLSpec,
        m_v.cmdRTrained,
        m_v.cmdLTrained,
        m_v.cmdRUntrained,
        m_v.cmdLUntrained,
        m_v.cmdRUnusable,
        m_v.txtCityState,
        m_v.txtRealName,
        m_v.txtMiscRL,
        m_v.txtEmail,
        m_v.txtICQ,
    };
    for (QWidget* pControl : controls)
        pControl->setEnabled(bEnabled);
}

void CharacterSheet::cmdResetChanges_Click() {
    m_pTraining->Editor().Abandon();
    m_tree.GetCharInfo();
}
