// The sheet's saving: the fields the user changed (and those sent every time) in their order,
// under the acting-character rule, the reply, the refusal of a stale save, and the question
// before leaving unsaved edits.
#include "CharacterSheet.h"

#include "ActingCharacter.h"
#include "AllegianceView.h"
#include "CellEditor.h"
#include "Characters.h"
#include "CriticalError.h"
#include "CurrentCharacter.h"
#include "Numbers.h"
#include "Prompts.h"
#include "Protocol.h"
#include "Records.h"
#include "ReplyFraming.h"
#include "RequestCycle.h"
#include "Session.h"
#include "SheetFields.h"
#include "SheetViews.h"
#include "SkillTraining.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>
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

bool CharacterSheet::SaveCharChanges() {
    // The value still in the skill grid's editor is part of the save (a key saves while it is
    // open); a value the grid refuses keeps the save back with the editor open.
    if (!m_pTraining->Editor().Commit())
        return false;
    // A sheet that shows nobody (its character left meanwhile) has nothing to save.
    if (iCurDisplayCharID == 0)
        return false;
    // The record saved is the one on the sheet, even when the tree's selection has moved on.
    const QString strSelected = QString::number(iCurDisplayCharID);
    const ActingLogin acting = ChooseActingCharacter(m_session, m_roster, m_login, strSelected);
    if (acting.bCancelled)
        return false;

    // Gathered whole before anything is sent: a failure stops the save, so half an edit is
    // never stored.
    Request request{zorv::OpSaveChar};
    request.strCharName = acting.strCharName;
    request.strPass = acting.strPass;
    request.head = {{FormKey(zorv::form::kCharId), acting.strCharID.trimmed()},
                    {QLatin1String(zorv::kSaveTarget), strSelected.trimmed()}};
    Fields& fields = request.fields;
    try {
        // In the order the save carries its fields, whatever the order of the sheet's table.
        for (zorv::RecordField field : zorv::kSaveOrder) {
            auto found =
                std::find_if(m_fields.begin(), m_fields.end(),
                             [field](const SheetField& row) { return row.field == field; });
            if (found == m_fields.end())
                continue;
            const SheetField& row = *found;
            const zorv::RecordFieldInfo& info = zorv::FieldInfo(field);
            const QString strKey = QString::fromLatin1(info.szSaveKey);
            if (info.kind == zorv::RecordKind::Skills)
                fields.emplace_back(strKey, m_pTraining->UpdateSkills());
            else if (auto* pCombo = qobject_cast<QComboBox*>(row.pControl))
                AddComboField(fields, strKey, pCombo);
            else if (auto* pButton = qobject_cast<QAbstractButton*>(row.pControl))
                fields.emplace_back(strKey, pButton->isChecked() ? QStringLiteral("1")
                                                                 : QStringLiteral("0"));
            else
                AddTextField(fields, strKey, row.pControl, info.kind == zorv::RecordKind::Number);
        }
        // The record as it was shown: the server refuses the save if someone saved it since.
        if (!strCurRevision.isEmpty())
            fields.emplace_back(QLatin1String(zorv::kSaveRevision), strCurRevision);
    } catch (...) {
        ReportCriticalError(m_session.prompts, QStringLiteral("SaveCharChanges"),
                            std::current_exception());
        return false;
    }

    m_session.cycle.StartOperation(request);
    return true;
}

void CharacterSheet::SaveReply() {
    m_session.prompts.Inform(
        tr("The character's information has been updated.  If you changed the name of the "
           "character you are logged in as, you'll have to login again."));
    ClearEdits();              // stored: the reload below shows them as the server keeps them
    m_session.cycle.EndWait(); // a save made before leaving the sheet is done
    m_current.Reload();
}

bool CharacterSheet::StaleSave(const Reply& reply) {
    if (reply.iCode != zorv::CodeSaveStale)
        return false;
    // A reply cut short still names who changed the record and when, as far as it came.
    const zorv::Fields who =
        zorv::UnescapedFields(PayloadText(reply.strPayload).toLatin1().toStdString());
    const QString strEditor = who.empty() ? QString() : QString::fromLatin1(who[0].c_str());
    const QString strWhen = who.size() < 2 ? QString() : QString::fromLatin1(who[1].c_str());
    QString strText;
    if (strEditor.isEmpty() && strWhen.isEmpty())
        //: %1 is the character shown.
        strText = tr("%1 was changed by someone else after you opened it, so your changes were not "
                     "saved.")
                      .arg(DisplayedName());
    else if (strEditor.isEmpty())
        //: %1 is the character shown, %2 when it was changed.
        strText = tr("%1 was changed by someone else on %2 after you opened it, so your changes "
                     "were not saved.")
                      .arg(DisplayedName(), strWhen);
    else if (strWhen.isEmpty())
        //: %1 is the character shown, %2 the character who changed it.
        strText = tr("%1 was changed by %2 after you opened it, so your changes were not saved.")
                      .arg(DisplayedName(), strEditor);
    else
        //: %1 is the character shown, %2 the character who changed it, %3 when.
        strText =
            tr("%1 was changed by %2 on %3 after you opened it, so your changes were not saved.")
                .arg(DisplayedName(), strEditor, strWhen);
    strText +=
        QStringLiteral("  ") +
        tr("Do you want to load the character as it is stored now?  Your changes will be lost.");
    // The character the question names: when the save was made on the way to another node, the
    // tree's selection has moved on already.
    if (m_session.prompts.Confirm(strText, Prompts::Icon::Exclamation))
        m_current.Load(iCurDisplayCharID);
    return true;
}

bool CharacterSheet::MayLeave() {
    if (!m_pTraining->Editor().Commit())
        return false;
    if (!HasUnsavedEdits())
        return true;
    switch (m_session.prompts.Message(
        //: %1 is the character shown.
        tr("Save changes to %1?").arg(DisplayedName()), Prompts::Buttons::SaveDiscardCancel,
        Prompts::Icon::Question, Prompts::AppTitle())) {
    case Prompts::Answer::Discard:
        // Whatever the caller shows next, if anything: a later save sends only what the user
        // changes after this.
        ShowStoredAgain();
        return true;
    case Prompts::Answer::Save: {
        bool bSent = false;
        const bool bDone = m_session.cycle.StartAndWait([&] {
            bSent = SaveCharChanges();
            if (!bSent)
                m_session.cycle.EndWait();
        });
        // Only a save the server took lets the user go on; a refusal keeps the edits here.
        return bSent && bDone && !m_bEdited;
    }
    default:
        return false;
    }
}
