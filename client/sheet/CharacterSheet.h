#pragma once
// The character sheet: shows the record of the character selected in the tree (operation 107),
// keeps the rank titles in step with race and sex, tracks what the user edited since the record
// was shown, and saves it back (operation 106) under the acting-character rule. The record shown
// last is the only copy of the user's edits, so leaving it with edits unsaved asks first.
#include "BackgroundRequest.h"
#include "CharacterPayload.h"
#include "SheetFields.h"

#include <QObject>
#include <QSet>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

class CurrentCharacter;
class AllegianceView;
class Roster;
class QComboBox;
class QCheckBox;
class Skills;
class SkillTraining;
class frmLogin;
struct Reply;
struct Session;
struct SheetViews;

class CharacterSheet final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CharacterSheet)
public:
    CharacterSheet(Session& session, CurrentCharacter& current, const Roster& roster,
                   Skills& objSkills, SheetViews& views, AllegianceView& tree, frmLogin& login,
                   QObject* pParent = nullptr);
    ~CharacterSheet() override;

    // The character now shown; 0 until the first display.
    qint16 iCurDisplayCharID = 0;
    // The revision of the shown record, as the server sent it; empty from an older server.
    QString strCurRevision;

    // Fills the sheet from the reply to 107.
    void DisplayCharInfo(const QString& strPayload);
    void FillVassalList(qint16 id);
    // Fills cmbBox with the titles for a race and sex given as list positions in text.
    void FillRankCombo(const QString& strRace, const QString& strSex, QComboBox* cmbBox);
    // Selects position 0 for an empty text, else the text's leading number ("Unknown" for a
    // position the list does not have).
    void SetComboIndex(QComboBox* cmbBox, const QString& strValue);
    void cmbRace_Click();
    void cmbSex_Click();

    // Builds and sends the save; false when nothing was sent (the other character's login was
    // cancelled, or building the request failed).
    bool SaveCharChanges();
    void cmdResetChanges_Click();
    void SetCharTabEnable(bool bEnabled);

    // True when the user changed the shown record since it was shown.
    bool HasUnsavedEdits() const;
    // Unsaved edits, or a value open in the skill grid's editor, stored there or not.
    bool Editing() const;
    // Before the sheet shows something else: with unsaved edits, asks whether to save them.
    // True when the caller may go on: saved; discarded, and the sheet shows the record as it was
    // shown again; or nothing to save.
    bool MayLeave();

    SkillTraining& Training() { return *m_pTraining; }

    // What the sheet reads from the roster (the vassals' names, the computed rank, the followers
    // counted) again, after the roster changed below the character shown.
    void ShowTreeFigures();
    // Someone else changed the record shown: without edits it is shown again; with edits a bar
    // over the sheet says that a save will be refused, and offers to reload.
    void RecordChangedElsewhere();
    // The character shown has left the allegiance: the sheet shows nobody.
    void RecordLeft();
    // Empties every field and disables the sheet.
    void ClearSheet();

signals:
    // A record was shown.
    void Displayed();

private:
    void WireEdits();
    // The record's values in every field, as shown or stored: no edits afterwards.
    void ShowValues(const CharacterPayload& c);
    // The record last shown, in place of whatever the user changed since.
    void ShowStoredAgain();
    void ShowField(const SheetField& row, const QString& strValue);
    void MarkChanged(QObject* pControl);
    void ClearEdits();
    void SelectComputedRank();
    void ShowFollowers();
    void SaveReply();
    bool StaleSave(const Reply& reply);
    using Fields = std::vector<std::pair<QString, QString>>;
    void AddTextField(Fields& fields, const QString& strKey, QObject* pControl,
                      bool bInteger = false);
    void AddComboField(Fields& fields, const QString& strKey, QComboBox* cmbBox);
    QString DisplayedName() const;
    // Who changed a record as stored, and when; nullopt when it names no change. strWho is
    // empty when that member has left the allegiance since.
    struct Change {
        QString strWho;
        QString strAt;
    };
    std::optional<Change> ChangedBy(const CharacterPayload& c) const;
    // The sentence that follows the news that someone else changed the record under edits.
    static QString RefusedSave();
    void PeekAnswered(const QString& strPayload);

    Session& m_session;
    CurrentCharacter& m_current;
    const Roster& m_roster;
    Skills& m_skills;
    SheetViews& m_v;
    AllegianceView& m_tree;
    frmLogin& m_login;
    SkillTraining* m_pTraining;
    std::vector<SheetField> m_fields;
    QSet<QObject*> m_changed; // text boxes and lists the user edited since the display
    bool m_bEdited = false;   // anything at all edited since the display
    bool m_bDisplaying = false;
    // The record as stored, asked for beside the user's requests when it changed under edits,
    // to name who changed it without showing it.
    BackgroundRequest m_peek;
    CharacterPayload m_shown; // the record as last shown, for a discard
    qint16 m_idTellWho = 0;   // reloaded because it changed elsewhere: say who changed it
    int m_nShown = 0;         // records displayed, to tell one shown since a read began
};
