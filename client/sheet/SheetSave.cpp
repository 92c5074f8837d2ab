// The sheet's saving: the fields the user changed (and those sent every time) in their order,
// under the acting-character rule, the reply, the refusal of a stale save, and the question
// before leaving unsaved edits.
#include "CharacterSheet.h"

#include "ActingCharacter.h"
#include "AllegianceView.h"
#include "CellEditor.h"
#include "Characters.h"
#include "CriticalError.h"
#include "Numbers.h"
#include "Prompts.h"
#include "Protocol.h"
#include "Records.h"
#include "RequestCycle.h"
#include "Session.h"
#include "SheetViews.h"
#include "SkillTraining.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <utility>
#include <vector>

namespace {

// The highest number an "integer" field is sent with; a larger one is cut to it in its box.
constexpr double kIntegerFieldLimit = 32000;

QString TextOf(QObject* pControl) {
    if (auto* pLine = qobject_cast<QLineEdit*>(pControl))
        return pLine->text();
    if (auto* pText = qobject_cast<QPlainTextEdit*>(pControl))
        return pText->toPlainText();
    return QString();
}

void SetTextOf(QObject* pControl, const QString& strText) {
    if (auto* pLine = qobject_cast<QLineEdit*>(pControl))
        pLine->setText(strText);
    else if (auto* pText = qobject_cast<QPlainTextEdit*>(pControl))
        pText->setPlainText(strText);
}

} // namespace

void CharacterSheet::AddTextField(Fields& fields, const QString& strKey, QObject* pControl,
                                  bool bInteger) {
    if (!m_changed.contains(pControl))
        return;
    if (bInteger &&
        zorv::LeadingNumber(TextOf(pControl).toStdString()).value_or(0) > kIntegerFieldLimit) {
        const bool bDisplaying = std::exchange(m_bDisplaying, true);
        SetTextOf(pControl, QStringLiteral("32000"));
        m_bDisplaying = bDisplaying;
    }
    fields.emplace_back(strKey, TextOf(pControl));
}

void CharacterSheet::AddComboField(Fields& fields, const QString& strKey, QComboBox* cmbBox) {
    if (m_changed.contains(cmbBox))
        fields.emplace_back(strKey, QString::number(cmbBox->currentIndex()));
}

void CharacterSheet::AddCheckField(Fields& fields, const QString& strKey, QCheckBox* chkBox) {
    fields.emplace_back(strKey, chkBox->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}

bool CharacterSheet::SaveCharChanges() {
    // The value still in the skill grid's editor is part of the save (a key saves while it is
    // open); a value the grid refuses keeps the save back with the editor open.
    if (!m_pTraining->Editor().Commit())
        return false;
    RequestCycle& cycle = m_session.cycle;
    // The record saved is the one on the sheet, even when the tree's selection has moved on.
    const QString strSelected = QString::number(iCurDisplayCharID);
    const ActingLogin acting = ChooseActingCharacter(m_session, m_roster, m_login, strSelected);
    if (acting.bCancelled)
        return false;

    // Gathered whole before anything is sent: a failure stops the save, so half an edit is
    // never stored.
    Fields fields;
    try {
        fields.emplace_back(QStringLiteral("charid"), acting.strCharID.trimmed());
        fields.emplace_back(QStringLiteral("updateid"), strSelected.trimmed());
        fields.emplace_back(QStringLiteral("msgid"), QString::number(zorv::OpSaveChar));
        AddTextField(fields, QStringLiteral("NAME"), m_v.txtName);
        AddTextField(fields, QStringLiteral("LEVEL"), m_v.txtLevel, true);
        AddTextField(fields, QStringLiteral("CLASS"), m_v.txtClass);
        AddComboField(fields, QStringLiteral("RACE"), m_v.cmbRace);
        AddComboField(fields, QStringLiteral("RANK"), m_v.cmbRank);
        AddComboField(fields, QStringLiteral("SEX"), m_v.cmbSex);
        fields.emplace_back(QStringLiteral("ISMULE"), m_v.optMuleYes->isChecked()
                                                          ? QStringLiteral("1")
                                                          : QStringLiteral("0"));
        AddTextField(fields, QStringLiteral("MULEFOR"), m_v.txtMuleFor);
        AddTextField(fields, QStringLiteral("LSAT"), m_v.txtLifestone);
        AddTextField(fields, QStringLiteral("TIEDTO"), m_v.txtTieTo);
        AddTextField(fields, QStringLiteral("BIO"), m_v.txtBio);
        AddTextField(fields, QStringLiteral("NUMFOLLOWERS"), m_v.txtNumFollowers, true);
        fields.emplace_back(QStringLiteral("SKILLS"), m_pTraining->UpdateSkills());
        AddTextField(fields, QStringLiteral("REALNAME"), m_v.txtRealName);
        AddTextField(fields, QStringLiteral("CITYSTATE"), m_v.txtCityState);
        AddTextField(fields, QStringLiteral("MISCINFO"), m_v.txtMiscRL);
        AddTextField(fields, QStringLiteral("EMAIL"), m_v.txtEmail);
        AddTextField(fields, QStringLiteral("ICQ"), m_v.txtICQ);
        AddCheckField(fields, QStringLiteral("ISPK"), m_v.chkPK);
        AddCheckField(fields, QStringLiteral("ISRESCUE"), m_v.chkRescue);
        AddCheckField(fields, QStringLiteral("ISPRIVATE"), m_v.chkPrivate);
        AddCheckField(fields, QStringLiteral("CAN_SUMMON"), m_v.chkCanSummon);
        AddTextField(fields, QStringLiteral("MAIN_CHAR"), m_v.txtMainName);
        AddTextField(fields, QStringLiteral("ADMIN_ONLY"), m_v.txtAwards);
        // The record as it was shown: the server refuses the save if someone saved it since.
        if (!strCurRevision.isEmpty())
            fields.emplace_back(QStringLiteral("revision"), strCurRevision);
    } catch (...) {
        ReportCriticalError(m_session.prompts, QStringLiteral("SaveCharChanges"),
                            std::current_exception());
        return false;
    }

    cycle.PrepareConnection(acting.strCharName, acting.strPass);
    for (const auto& [strKey, strValue] : fields)
        cycle.HTTP.AddPostData(strKey, strValue);
    cycle.iCurrentOp = zorv::OpSaveChar;
    cycle.Send();
    return true;
}

void CharacterSheet::SaveReply() {
    m_session.prompts.Inform(
        QStringLiteral("The character's information has been updated.  If you changed the name "
                       "of the character you are logged in as, you'll have to login again."));
    ClearEdits(); // stored: the reload below shows them as the server keeps them
    m_session.cycle.bWaitForOp = false; // a save made before leaving the sheet is done
    m_tree.GetCharInfo();
}

bool CharacterSheet::StaleSave(qint16 iCode) {
    if (iCode != zorv::CodeSaveStale)
        return false;
    QString strPayload = m_session.cycle.HTTP.strHTTPData;
    strPayload.truncate(strPayload.indexOf(QLatin1String(zorv::kStopMarker)));
    const zorv::Fields who = zorv::UnescapedFields(strPayload.toLatin1().toStdString());
    const QString strEditor = who.empty() ? QString() : QString::fromLatin1(who[0].c_str());
    const QString strWhen = who.size() < 2 ? QString() : QString::fromLatin1(who[1].c_str());
    const QString strText =
        DisplayedName() + QStringLiteral(" was changed by ") +
        (strEditor.isEmpty() ? QStringLiteral("someone else") : strEditor) +
        (strWhen.isEmpty() ? QString() : QStringLiteral(" on ") + strWhen) +
        QStringLiteral(" after you opened it, so your changes were not saved.  Do you want to "
                       "load the character as it is stored now?  Your changes will be lost.");
    // The character the question names: when the save was made on the way to another node, the
    // tree's selection has moved on already.
    if (m_session.prompts.Confirm(strText, Prompts::Icon::Exclamation))
        m_tree.ShowCharacter(iCurDisplayCharID);
    return true;
}

bool CharacterSheet::MayLeave() {
    if (!m_pTraining->Editor().Commit())
        return false;
    if (!HasUnsavedEdits())
        return true;
    switch (m_session.prompts.Message(
        QStringLiteral("Save changes to ") + DisplayedName() + QLatin1Char('?'),
        Prompts::Buttons::SaveDiscardCancel, Prompts::Icon::Question, Prompts::AppTitle())) {
    case Prompts::Answer::Discard:
        ClearEdits();
        return true;
    case Prompts::Answer::Save: {
        bool bSent = false;
        const bool bDone = m_session.cycle.StartAndWait([&] {
            bSent = SaveCharChanges();
            if (!bSent)
                m_session.cycle.bWaitForOp = false;
        });
        // Only a save the server took lets the user go on; a refusal keeps the edits here.
        return bSent && bDone && !m_bEdited;
    }
    default:
        return false;
    }
}
