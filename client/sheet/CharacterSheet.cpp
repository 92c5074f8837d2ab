#include "CharacterSheet.h"

#include "AllegianceView.h"
#include "CellEditor.h"
#include "CharacterPayload.h"
#include "CharacterRecord.h"
#include "Characters.h"
#include "CurrentCharacter.h"
#include "Numbers.h"
#include "Prompts.h"
#include "Protocol.h"
#include "RankTitles.h"
#include "RequestCycle.h"
#include "Session.h"
#include "SheetFields.h"
#include "SheetViews.h"
#include "SkillCatalogue.h"
#include "SkillTraining.h"
#include "StatusBar.h"
#include "frmLogin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeView>

namespace {

using zorv::RecordField;

qint16 Leading(const QString& strText) {
    return zorv::ReadInt16(strText.toStdString());
}

} // namespace

CharacterSheet::CharacterSheet(Session& session, CurrentCharacter& current, const Roster& roster,
                               Skills& objSkills, SheetViews& views, AllegianceView& tree,
                               frmLogin& login, QObject* pParent)
    : QObject(pParent), m_session(session), m_current(current), m_roster(roster),
      m_skills(objSkills), m_v(views), m_tree(tree), m_login(login) {
    m_pTraining = new SkillTraining(views, objSkills, session.prompts, this);
    m_fields = SheetFieldTable(views);
    for (const char* szSex : zorv::kSexNames)
        m_v.cmbSex->addItem(QCoreApplication::translate("Sex", szSex));
    for (const char* szRace : zorv::kRaceNames)
        m_v.cmbRace->addItem(QCoreApplication::translate("Race", szRace));
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
    connect(&current, &CurrentCharacter::RecordChangedElsewhere, this,
            &CharacterSheet::RecordChangedElsewhere);
    connect(&current, &CurrentCharacter::RecordLeft, this, &CharacterSheet::RecordLeft);
    connect(m_v.cmdReloadRecord, &QPushButton::clicked, this, [this] {
        m_v.frameRecordChanged->hide();
        cmdResetChanges_Click();
    });
    connect(m_v.cmdKeepEditing, &QPushButton::clicked, m_v.frameRecordChanged, &QWidget::hide);

    RequestCycle& cycle = session.cycle;
    cycle.Route(zorv::OpCharInfo, [this](const Reply& reply) {
        DisplayCharInfo(reply.strPayload);
        SetCharTabEnable(true);
    });
    cycle.Route(zorv::OpSaveChar, [this](const Reply&) { SaveReply(); });
    cycle.RouteError(zorv::OpSaveChar, [this](const Reply& reply) { return StaleSave(reply); });
}

CharacterSheet::~CharacterSheet() = default;

void CharacterSheet::WireEdits() {
    for (const SheetField& row : m_fields) {
        if (zorv::FieldInfo(row.field).kind == zorv::RecordKind::Skills) {
            connect(m_pTraining, &SkillTraining::Edited, this, [this] { m_bEdited = true; });
        } else if (auto* pLine = qobject_cast<QLineEdit*>(row.pControl)) {
            connect(pLine, &QLineEdit::textEdited, this, [this, pLine] { MarkChanged(pLine); });
        } else if (auto* pText = qobject_cast<QPlainTextEdit*>(row.pControl)) {
            connect(pText, &QPlainTextEdit::textChanged, this, [this, pText] {
                if (!m_bDisplaying)
                    MarkChanged(pText);
            });
        } else if (auto* pCombo = qobject_cast<QComboBox*>(row.pControl)) {
            connect(pCombo, &QComboBox::activated, this, [this, pCombo] { MarkChanged(pCombo); });
        } else if (auto* pButton = qobject_cast<QAbstractButton*>(row.pControl)) {
            // Buttons are sent every time; a click only counts as an edit.
            for (QAbstractButton* p : {pButton, row.pOff})
                if (p)
                    connect(p, &QAbstractButton::clicked, this, [this] { m_bEdited = true; });
        }
    }
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

bool CharacterSheet::Editing() const {
    return HasUnsavedEdits() || (iCurDisplayCharID != 0 && m_pTraining->Editor().IsOpen());
}

QString CharacterSheet::DisplayedName() const {
    const Character* pShown = m_roster->Item(CharKey(iCurDisplayCharID));
    return pShown ? pShown->strName : m_v.txtName->text();
}

void CharacterSheet::DisplayCharInfo(const QString& strPayload) {
    // A value still being typed belongs to the record shown before; it must not land in a row
    // of this one.
    m_pTraining->Editor().Abandon();
    const CharacterPayload c = ParseCharacterPayload(strPayload);
    if (c.nFields != zorv::kCharacterPayloadFields)
        //: The character's record the server sent is not whole.
        m_session.prompts.Inform(tr("Error!"));
    iCurDisplayCharID = Leading(c[RecordField::Id]);
    strCurRevision = c[RecordField::Revision];
    m_shown = c;
    ShowValues(c);
    FillVassalList(iCurDisplayCharID);
    m_tree.GenerateTree(m_v.treImmediateTree, iCurDisplayCharID);
    m_v.frameRecordChanged->hide();
    if (const qint16 idTold = std::exchange(m_idTellWho, 0);
        idTold != 0 && idTold == iCurDisplayCharID) {
        const std::optional<Change> change = ChangedBy(c);
        QString strText;
        if (!change)
            //: In the status bar; %1 is the character shown.
            strText = tr("%1 was changed elsewhere; shown as stored now").arg(DisplayedName());
        else if (change->strWho.isEmpty())
            //: In the status bar; %1 is the character shown, %2 when it was changed.
            strText = tr("%1 was changed by someone else at %2; shown as stored now")
                          .arg(DisplayedName(), change->strAt);
        else
            //: In the status bar; %1 is the character shown, %2 the character who changed it,
            //: %3 when.
            strText = tr("%1 was changed by %2 at %3; shown as stored now")
                          .arg(DisplayedName(), change->strWho, change->strAt);
        m_session.stsStatusBar.SetPanel(RequestCycle::kPanelOp, strText);
    }
    ++m_nShown;
    m_current.Arrived(iCurDisplayCharID, strCurRevision);
    emit Displayed();
}

void CharacterSheet::ShowValues(const CharacterPayload& c) {
    // What the display writes is not the user's editing.
    m_bDisplaying = true;
    for (const SheetField& row : m_fields)
        ShowField(row, c[row.field]);
    // The server calls a monarch's patron "None", in English, as older clients show it.
    if (Leading(c[RecordField::PatronId]) == zorv::kNoCharacter)
        //: The patron of a monarch, who has none.
        m_v.lblPatron->setText(tr("None"));
    const Character* pEditor = m_roster->Item(QStringLiteral("Char") + c[RecordField::ModifiedBy]);
    //: %1 is when the character's record was last saved, %2 who saved it.
    m_v.lblLastModified->setText(tr("Last Modified: %1 by %2")
                                     .arg(c[RecordField::ModifiedAt],
                                          //: Who last saved the record: a member who is not in
                                          //: the tree.
                                          pEditor ? pEditor->strName : tr("Unknown")));
    // The rank's titles depend on race and sex, which the rows above may have changed.
    FillRankCombo(c[RecordField::Race], c[RecordField::Sex], m_v.cmbRank);
    SetComboIndex(m_v.cmbRank, c[RecordField::Rank]);
    m_pTraining->FillSkillGrid();
    SelectComputedRank();
    ShowFollowers();
    m_bDisplaying = false;
    ClearEdits();
}

void CharacterSheet::ShowStoredAgain() {
    m_pTraining->Editor().Abandon();
    if (iCurDisplayCharID != 0)
        ShowValues(m_shown);
}

void CharacterSheet::ShowField(const SheetField& row, const QString& strValue) {
    QObject* pControl = row.pControl;
    if (zorv::FieldInfo(row.field).kind == zorv::RecordKind::Skills)
        m_pTraining->ParseSkillData(strValue);
    else if (auto* pLine = qobject_cast<QLineEdit*>(pControl))
        pLine->setText(strValue);
    else if (auto* pText = qobject_cast<QPlainTextEdit*>(pControl))
        pText->setPlainText(strValue);
    else if (auto* pCombo = qobject_cast<QComboBox*>(pControl))
        SetComboIndex(pCombo, strValue);
    else if (row.pOff)
        (strValue == QLatin1String("1") ? qobject_cast<QAbstractButton*>(pControl) : row.pOff)
            ->setChecked(true);
    else if (auto* pCheck = qobject_cast<QCheckBox*>(pControl))
        pCheck->setChecked(Leading(strValue) == 1);
    else if (auto* pLabel = qobject_cast<QLabel*>(pControl))
        pLabel->setText(strValue);
}

void CharacterSheet::FillVassalList(qint16 id) {
    m_v.lstVassals->clear();
    const Character* pRecord = m_roster->Item(CharKey(id));
    if (!pRecord || pRecord->strVassalIDs.isEmpty())
        return;
    for (const QString& strPiece : pRecord->strVassalIDs.split(QLatin1Char(','))) {
        if (const Character* pVassal = m_roster->Item(QStringLiteral("Char") + strPiece.trimmed()))
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
    const int iShown = m_roster->IndexOf(CharKey(iCurDisplayCharID));
    SetComboIndex(m_v.cmbComputedRank,
                  QString::number(iShown < 0 ? 0 : m_roster->ComputedRank(iShown)));
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
    m_current.Reload();
}

void CharacterSheet::ShowFollowers() {
    const qint16 nCounted = m_roster->CountFollowers(CharKey(iCurDisplayCharID));
    const int nMissing = Leading(m_v.txtNumFollowers->text()) - nCounted;
    //: %1 is the number of the character's followers (game word: the characters below it in the
    //: allegiance) the tree shows, %2 how many fewer than the number stored that is.
    m_v.lblNumCountFollowers->setText(
        tr("%1 (Number Missing: %2)").arg(QString::number(nCounted), QString::number(nMissing)));
}

void CharacterSheet::ShowTreeFigures() {
    if (iCurDisplayCharID == 0)
        return;
    FillVassalList(iCurDisplayCharID);
    SelectComputedRank();
    ShowFollowers();
}

void CharacterSheet::RecordChangedElsewhere() {
    // A value still in the skill grid's editor is an edit too, stored or not.
    const qint16 id = iCurDisplayCharID;
    const int iDeadline = m_session.cycle.timerTimeout.interval();
    const Request request(zorv::OpCharInfo, QString(),
                          {{FormKey(zorv::form::kGetCharId), QString::number(id)}});
    if (!Editing()) {
        // Shown again as stored, read beside the user's requests; a record shown meanwhile, or
        // edits begun, keep the sheet as it is.
        m_peek.Start(m_session.cycle, request, iDeadline,
                     [this, id, nShown = m_nShown](const BackgroundRequest::Outcome& outcome) {
                         // A record that cannot be read is no reason for a box nobody
                         // asked for: the sheet stays as it was.
                         if (!outcome.Ok() || iCurDisplayCharID != id || m_nShown != nShown ||
                             Editing() ||
                             ParseCharacterPayload(outcome.strPayload).nFields !=
                                 zorv::kCharacterPayloadFields)
                             return;
                         m_idTellWho = id;
                         DisplayCharInfo(outcome.strPayload);
                         SetCharTabEnable(true);
                     });
        return;
    }
    // Said at once; who and when follow as soon as the stored record names them.
    m_v.lblRecordChanged->setText(
        //: %1 is the character shown.
        tr("%1 was changed by someone else while you were editing.").arg(DisplayedName()) +
        QStringLiteral("  ") + RefusedSave());
    m_v.frameRecordChanged->show();
    m_peek.Start(m_session.cycle, request, iDeadline,
                 [this](const BackgroundRequest::Outcome& outcome) {
                     if (outcome.Ok())
                         PeekAnswered(outcome.strPayload);
                 });
}

void CharacterSheet::PeekAnswered(const QString& strPayload) {
    const CharacterPayload c = ParseCharacterPayload(strPayload);
    const std::optional<Change> change = ChangedBy(c);
    if (Leading(c[RecordField::Id]) != iCurDisplayCharID || !m_v.frameRecordChanged->isVisible() ||
        !change)
        return;
    QString strText;
    if (change->strWho.isEmpty())
        //: %1 is the character shown, %2 when it was changed.
        strText = tr("%1 was changed by someone else at %2 while you were editing.")
                      .arg(DisplayedName(), change->strAt);
    else
        //: %1 is the character shown, %2 the character who changed it, %3 when.
        strText = tr("%1 was changed by %2 at %3 while you were editing.")
                      .arg(DisplayedName(), change->strWho, change->strAt);
    m_v.lblRecordChanged->setText(strText + QStringLiteral("  ") + RefusedSave());
}

std::optional<CharacterSheet::Change> CharacterSheet::ChangedBy(const CharacterPayload& c) const {
    if (c[RecordField::ModifiedAt].isEmpty())
        return std::nullopt;
    // Whoever changed it may have left the allegiance since.
    const qint16 idWho = Leading(c[RecordField::ModifiedBy]);
    return Change{m_roster->IndexOfId(idWho) >= 0 ? m_roster->GetName(CharKey(idWho)) : QString(),
                  c[RecordField::ModifiedAt]};
}

QString CharacterSheet::RefusedSave() {
    //: Follows a sentence saying that someone else changed the character's record.
    return tr("Saving your changes will be refused; reload to see the record as it is stored now.");
}

void CharacterSheet::RecordLeft() {
    const QString strName = m_v.txtName->text();
    ClearSheet();
    //: In the status bar; %1 is the character that was shown. Game word: the allegiance is the
    //: guild's tree of patrons and vassals.
    m_session.stsStatusBar.SetPanel(RequestCycle::kPanelOp,
                                    tr("%1 has left the allegiance").arg(strName));
}

void CharacterSheet::ClearSheet() {
    m_pTraining->Editor().Abandon();
    m_bDisplaying = true;
    iCurDisplayCharID = 0;
    strCurRevision.clear();
    for (const SheetField& row : m_fields)
        ShowField(row, QString());
    //: The label of when the character's record was last saved, while no character is shown.
    m_v.lblLastModified->setText(tr("Last Modified:"));
    FillRankCombo(QStringLiteral("0"), QStringLiteral("0"), m_v.cmbRank);
    SetComboIndex(m_v.cmbRank, QString());
    SelectComputedRank();
    m_v.lstVassals->clear();
    m_tree.ClearImmediateTree();
    m_pTraining->FillSkillGrid();
    m_v.lblNumCountFollowers->clear();
    m_bDisplaying = false;
    ClearEdits();
    SetCharTabEnable(false);
    m_v.frameRecordChanged->hide();
    m_shown = CharacterPayload{};
    m_current.Arrived(0, QString());
}
