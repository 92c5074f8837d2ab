#pragma once
// The change history in the client: a "History" tab on the character sheet (the shown
// character's changes) and a "Recent Changes" window of the whole guild (Tree Operations menu),
// each newest first, a page at a time, with "Undo" for administrators. An undo asks first, saying
// what it will put back, and afterwards the tree and the record come again as after the change it
// reverses.
#include "BackgroundRequest.h"
#include "HistoryPayload.h"

#include <QList>
#include <QWidget>

#include <functional>

struct Reply;

class CurrentCharacter;
class AllegianceView;
class CharacterSheet;
class QPushButton;
class QTabWidget;
class QTreeWidget;
struct Session;

class HistoryView final : public QWidget {
    Q_OBJECT
public:
    HistoryView(const QString& strName, QWidget* pParent = nullptr);

    // Replaces the entries, or adds an older page below them.
    void Show(const HistoryPage& page, bool bAppend);
    void Clear();
    // The entry of the selected row (an entry or one of its values); null when none.
    const HistoryEntry* Selected() const;
    qint64 NextBefore() const { return m_lNextBefore; }
    void SetAdministrator(bool bAdmin);

    QTreeWidget* twHistory;
    QPushButton* cmdRefresh;
    QPushButton* cmdOlder;
    QPushButton* cmdUndo;

private:
    void UpdateButtons();

    std::vector<HistoryEntry> m_entries;
    qint64 m_lNextBefore = 0;
    bool m_bAdmin = false;
};

class ChangeHistory final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChangeHistory)
public:
    // The sheet's view goes into pHistoryPage, a page of tabCharInfo; the guild's into a window
    // of pMainWindow's.
    ChangeHistory(Session& session, CurrentCharacter& current, AllegianceView& tree,
                  CharacterSheet& sheet, QTabWidget* tabCharInfo, QWidget* pHistoryPage,
                  QWidget* pMainWindow, QObject* pParent = nullptr);

    HistoryView* pCharacterView; // on the character sheet, tab "History"
    HistoryView* pGuildView;     // in the window "Recent Changes"
    QWidget* frmRecentChanges;

    // After a login: the Undo buttons show for administrators only.
    void SetAdministrator(bool bAdmin);
    // The sheet shows another character (or the same one again).
    void CharacterShown();
    // Others changed these characters: the guild's view and, when it shows one of them, the
    // character's view are out of date.
    void ChangedElsewhere(const QList<qint16>& ids);
    // Reads again the views that are shown and out of date, when no exchange is running.
    void LoadStale();
    void LoadCharacter(qint64 lBefore = 0);
    void LoadGuild(qint64 lBefore = 0);
    // Shows the guild's window, read afresh.
    void ShowRecentChanges();
    void Undo(HistoryView& view);

private:
    using Outcome = BackgroundRequest::Outcome;
    // Reads the views that a change elsewhere made stale, on an exchange of their own.
    void FollowBeside();
    void Parse(HistoryView& view, const QString& strPayload);
    void Undone();
    bool UndoRefused(const Reply& reply);
    bool IsShown(HistoryView* pView) const;

    Session& m_session;
    CurrentCharacter& m_current;
    AllegianceView& m_tree;
    CharacterSheet& m_sheet;
    QTabWidget* m_tabCharInfo;
    QWidget* m_pHistoryPage;
    bool m_bAppend = false;
    qint16 m_iLoadedCharacter = -1;    // whose entries the sheet's view holds; -1 none
    qint16 m_iRequestedCharacter = -1; // whose entries were asked for last
    bool m_bGuildStale = false;        // a change was made since the guild's view was read
    BackgroundRequest m_follow;        // the reads after a change elsewhere
};
