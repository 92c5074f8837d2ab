#pragma once
// The allegiance views and their procedures: the tree download and its parsing, the tree of
// the whole allegiance and the immediate tree of one character, the search by name, expanding
// and collapsing, the flat listing, and the jump from any list to a character.
//
// Qt's tree view lays out expanded branches recursively, one call per generation, so no path is
// ever expanded deeper than kMaxExpandDepth generations; the status bar says so when a branch
// is too deep to open whole.
#include "Characters.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class CurrentCharacter;
class AllegianceModel;
class FlatListModel;
class Grid;
class QModelIndex;
class QTabWidget;
class QStyle;
class QTreeView;
class FoundDelegate;
class frmFindChar;
struct Session;

struct AllegianceControls {
    QTreeView* treTreeView;
    QTreeView* treImmediateTree;
    Grid* grdFlatList;
    QTabWidget* tabMainTab;
};

class AllegianceView final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AllegianceView)
public:
    static constexpr int kMaxExpandDepth = 1000;

    AllegianceView(Session& session, CurrentCharacter& current, Roster& roster,
                   const AllegianceControls& controls, std::function<void(bool)> SetCharTabEnable,
                   QWidget* pDialogParent);
    ~AllegianceView() override;

    // The key of the node to select again after the next tree generation.
    QString strCurrentNodeKey;
    // Asked before the user's choice shows another character or a new tree; false keeps the
    // character shown (the sheet holds edits the user will not give up).
    std::function<bool()> fnMayLeaveCharacter;
    // How long the selection must rest after a keyboard move before its record is asked for.
    static constexpr int kSelectPauseMs = 300;

    // A new tree: through the feed when one is set and watching (fnRefreshThroughFeed), else a
    // whole download.
    void RefreshTree();
    // The whole tree again; the views are empty until it is parsed (TreeDownloaded).
    void DownloadWholeTree();
    // Set by the feed: takes a refresh over and returns true, or returns false and leaves it to
    // a whole download.
    std::function<bool()> fnRefreshThroughFeed;
    // The roster with changed records in place and the members who left taken out; the tree, the
    // immediate tree and the flat list follow it keeping their selection, open branches, sort
    // and scroll position. False, with nothing changed, when the result is not a sound tree:
    // only a whole download can say what the tree is then.
    bool ApplyChanges(const std::vector<Character>& changed, const std::vector<qint16>& left);
    // The immediate tree shows nobody: its character has left.
    void ClearImmediateTree();
    // The refresh buttons: a new tree, once the shown character may be left.
    void cmdTreeRefresh_Click();
    void ParseTreeData(const QString& strPayload);
    // Shows a whole tree read already (a sound one), as a download's is shown.
    void ShowTree(RosterSnapshot tree);
    void GenerateTree(QTreeView* pTree, qint16 idStart);
    void FillFlatList();
    void GetCharInfo();
    // Selects a character's node and downloads that character's record, whatever was selected.
    void ShowCharacter(qint16 id);
    void FindInTree(const QString& strName);
    void cmdFindInTree_Click();
    // The find dialog for a name field of the sheet; true with the name when the user chose OK.
    bool PickName(QString& strName);
    void ExpandCollapseNodes(const QString& strNodeName, bool bExpanded);
    void mnuTreeOpExpandAll();
    void mnuTreeOpCollapseAll();
    void mnuTreeOpExpandNode();
    void mnuTreeOpCollapseNode();
    // A double click on a list's row: select the character's node, request its record and,
    // about a second later, show the tree.
    void JumpToCharacter(const QString& strName);
    void SetUsePics(bool bUsePics);
    // Marks the members with these ids in the tree, opening the branches that lead to them and
    // showing the tree; an empty list clears the marks.
    void ShowFound(const QList<qint16>& found);
    // The keys of the members marked as found.
    QSet<QString> Found() const;

    AllegianceModel& MainModel() { return *m_pMain; }
    AllegianceModel& ImmediateModel() { return *m_pImmediate; }
    FlatListModel& FlatList() { return *m_pFlat; }
    frmFindChar& FindDialog() { return *m_pFind; }
    // The selected node's key, or an empty text.
    QString SelectedKey() const;

signals:
    // A whole download has been parsed and shown.
    void TreeDownloaded();

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    // Downloads the record of the character strCurrentNodeKey names.
    void DownloadCharInfo();
    AllegianceModel* ModelOf(QTreeView* pTree) const;
    void RememberSelectedNode();
    // Selects a node, opens its ancestors as far as allowed and highlights it.
    void SelectNode(const QModelIndex& index, bool bExpandNode);
    void treTreeView_NodeClick();
    void SelectionRested();
    bool MayLeaveCharacter();
    // Selects the node of the character requested last again, asking for nothing.
    void BackToShownNode();
    void ExpandGuard(const QModelIndex& index);
    void TooDeep();
    void FitColumns();

    Session& m_session;
    Roster& m_roster;
    AllegianceControls m_controls;
    std::function<void(bool)> m_SetCharTabEnable;
    AllegianceModel* m_pMain;
    AllegianceModel* m_pImmediate;
    FlatListModel* m_pFlat;
    // Parented to the window for its placement, but ours: it reads the roster, so it must not
    // outlive this view.
    std::unique_ptr<frmFindChar> m_pFind;
    QTimer m_jumpTimer;
    QTimer m_selectTimer;
    bool m_bUserMoving = false; // a key or mouse press on the tree is being handled
    FoundDelegate* m_pFound;
    QStyle* m_pTreeStyle = nullptr;
    std::optional<qint16> m_idImmediate; // whose branch the immediate tree shows
    QTimer m_fitTimer;        // gathers a burst of expansions into one fitting of the columns
    QSet<QTreeView*> m_toFit; // the trees that fitting waits for
    void FitLater(QTreeView* pTree);
};
