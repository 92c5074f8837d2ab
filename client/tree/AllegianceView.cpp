#include "AllegianceView.h"

#include "AllegianceModel.h"
#include "Characters.h"
#include "CriticalError.h"
#include "CurrentCharacter.h"
#include "FlatListModel.h"
#include "FoundDelegate.h"
#include "Prompts.h"
#include "Protocol.h"
#include "RequestCycle.h"
#include "Session.h"
#include "StatusBar.h"
#include "Tabs.h"
#include "TreePayload.h"
#include "frmFindChar.h"

#include <QApplication>
#include <QFont>
#include <QHeaderView>
#include <QLineEdit>
#include <QStyle>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTreeView>
#include <algorithm>
#include <utility>

AllegianceView::AllegianceView(Session& session, CurrentCharacter& current, Roster& roster,
                               const AllegianceControls& controls,
                               std::function<void(bool)> SetCharTabEnable, QWidget* pDialogParent)
    : QObject(pDialogParent), m_session(session), m_roster(roster), m_controls(controls),
      m_SetCharTabEnable(std::move(SetCharTabEnable)) {
    m_pMain = new AllegianceModel(roster, this);
    m_pImmediate = new AllegianceModel(roster, this);
    m_pFlat = new FlatListModel(roster, this);
    m_pFind = std::make_unique<frmFindChar>(pDialogParent);
    m_pFind->objCharDB = &roster;
    // Lines and plus/minus signs in either tree style, whatever the desktop's style draws.
    m_pTreeStyle = QStyleFactory::create(QStringLiteral("Windows"));
    if (m_pTreeStyle)
        m_pTreeStyle->setParent(this);
    // The record shown is asked for through the current character; the tree's selection says
    // which one a reload means, and the download is the tree's.
    connect(&current, &CurrentCharacter::LoadRequested, this, &AllegianceView::ShowCharacter);
    connect(&current, &CurrentCharacter::ReloadRequested, this, &AllegianceView::GetCharInfo);
    m_fitTimer.setSingleShot(true);
    connect(&m_fitTimer, &QTimer::timeout, this, &AllegianceView::FitColumns);
    for (QTreeView* pTree : {controls.treTreeView, controls.treImmediateTree}) {
        pTree->setModel(ModelOf(pTree));
        pTree->setUniformRowHeights(true);
        // Names in Latin-1 need no shaping, and shaping every row in view at each layout and
        // each paint is most of what a large tree's refresh spends painting.
        QFont font = pTree->font();
        font.setStyleStrategy(QFont::PreferNoShaping);
        pTree->setFont(font);
        if (m_pTreeStyle)
            pTree->setStyle(m_pTreeStyle);
        // The column is as wide as its widest shown name, so a deep branch scrolls sideways
        // instead of cutting its names short.
        pTree->header()->setStretchLastSection(false);
        pTree->header()->setResizeContentsPrecision(0); // the rows in view, not a thousand
        pTree->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        // Every layout of the rows raises both scroll bars' holders, which repaints them; a
        // holder that paints its own background spares every widget behind it a repaint
        // under the bars (each a tall fill, which Qt spreads over threads).
        for (const char* szHolder : {"qt_scrollarea_vcontainer", "qt_scrollarea_hcontainer"})
            if (auto* pHolder = pTree->findChild<QWidget*>(QLatin1String(szHolder)))
                pHolder->setAutoFillBackground(true);
        for (auto signal : {&QTreeView::expanded, &QTreeView::collapsed})
            connect(pTree, signal, this, [this, pTree] { FitLater(pTree); });
        connect(pTree->model(), &QAbstractItemModel::modelReset, this,
                [this, pTree] { FitLater(pTree); });
        pTree->viewport()->installEventFilter(this);
        // Selecting a node must never make the view open all its ancestors at once.
        pTree->setAutoScroll(false);
        connect(pTree, &QTreeView::expanded, this, &AllegianceView::ExpandGuard);
    }
    controls.grdFlatList->SetTable(m_pFlat);
    connect(controls.treTreeView, &QTreeView::clicked, this,
            &AllegianceView::treTreeView_NodeClick);
    // Moving through the tree with the keys shows each character once the selection rests, so
    // holding an arrow key does not send a request per row. Only the user's keys and mouse arm
    // it: a node the program selects (a new tree, a search, a jump) loads what it means itself.
    m_selectTimer.setSingleShot(true);
    m_selectTimer.setInterval(kSelectPauseMs);
    controls.treTreeView->installEventFilter(this);
    connect(controls.treTreeView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] {
                if (std::exchange(m_bUserMoving, false))
                    m_selectTimer.start();
            });
    connect(&m_selectTimer, &QTimer::timeout, this, &AllegianceView::SelectionRested);
    m_pFound = new FoundDelegate(this);
    controls.treTreeView->setItemDelegate(m_pFound);
    m_jumpTimer.setSingleShot(true);
    m_jumpTimer.setInterval(1000);
    connect(&m_jumpTimer, &QTimer::timeout, this, [this] {
        m_controls.tabMainTab->setCurrentIndex(
            TabIndex(m_controls.tabMainTab, QStringLiteral("Allegiance Tree")));
        QApplication::restoreOverrideCursor();
    });
}

AllegianceView::~AllegianceView() = default;

AllegianceModel* AllegianceView::ModelOf(QTreeView* pTree) const {
    return pTree == m_controls.treImmediateTree ? m_pImmediate : m_pMain;
}

QString AllegianceView::SelectedKey() const {
    return m_pMain->Key(m_controls.treTreeView->currentIndex());
}

void AllegianceView::RememberSelectedNode() {
    QString strKey = SelectedKey();
    if (!strKey.isEmpty()) // with no node selected the last key stands
        strCurrentNodeKey = strKey;
}

void AllegianceView::RefreshTree() {
    ProcedureGuard Step(m_session.prompts, "RefreshTree");
    Step([&] { RememberSelectedNode(); });
    bool bThroughFeed = false;
    Step([&] { bThroughFeed = fnRefreshThroughFeed && fnRefreshThroughFeed(); });
    if (!bThroughFeed)
        DownloadWholeTree();
}

void AllegianceView::DownloadWholeTree() {
    ProcedureGuard Step(m_session.prompts, "RefreshTree");
    Step([&] { RememberSelectedNode(); });
    // The views read the roster, so they empty with it until the download is parsed.
    Step([&] {
        m_pMain->Clear();
        m_pImmediate->Clear();
        m_pFlat->Clear();
        m_roster.Replace(Characters::Empty());
    });
    Step([&] {
        //: The operation under way, shown in the status bar.
        m_session.cycle.StartOperation(zorv::OpTree, tr("Downloading Tree Info"));
    });
}

void AllegianceView::ParseTreeData(const QString& strPayload) {
    QString strProblem;
    RosterSnapshot parsed = ParseTreePayload(strPayload, strProblem, *m_roster);
    if (!strProblem.isEmpty()) {
        m_roster.Replace(std::move(parsed));
        m_pMain->Clear();
        m_pImmediate->Clear();
        m_pFlat->Clear();
        //: %1 says what is wrong with the tree; it begins in lower case.
        m_session.prompts.Inform(
            tr("The allegiance tree the server sent cannot be shown: %1.  Please refresh the tree.")
                .arg(strProblem));
        return;
    }
    ShowTree(std::move(parsed));
}

void AllegianceView::ShowTree(RosterSnapshot tree) {
    m_roster.Replace(std::move(tree));
    GenerateTree(m_controls.treTreeView, -1);
    // The sheet still shows its character: its branch comes back from the new roster, as the
    // tree and the list do.
    if (m_idImmediate)
        m_pImmediate->Generate(*m_idImmediate);
    FillFlatList();
    emit TreeDownloaded();
}

void AllegianceView::GenerateTree(QTreeView* pTree, qint16 idStart) {
    ProcedureGuard Step(m_session.prompts, "GenerateTree");
    AllegianceModel* pModel = ModelOf(pTree);
    // The computed ranks are worked out when a view first shows one, not here: the flat list
    // and the sheet ask the roster for them.
    Step([&] { pModel->Generate(idStart); });
    if (pTree == m_controls.treImmediateTree)
        m_idImmediate = idStart;
    Step([&] {
        QModelIndex node = m_pMain->IndexOfKey(strCurrentNodeKey);
        bool bSaved = node.isValid();
        if (!bSaved) // no key yet, or its character has left: the first node
            node = m_pMain->FirstNode();
        if (!node.isValid())
            return;
        SelectNode(node, true);
        if (bSaved && m_SetCharTabEnable)
            m_SetCharTabEnable(true);
    });
}

void AllegianceView::SelectNode(const QModelIndex& index, bool bExpandNode) {
    QTreeView* pTree = m_controls.treTreeView;
    std::vector<QModelIndex> ancestors;
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
        ancestors.push_back(parent);
    std::reverse(ancestors.begin(), ancestors.end());
    bool bWhole = static_cast<int>(ancestors.size()) < kMaxExpandDepth;
    // The node first, then from the deepest allowed ancestor up, so that only the last
    // expansion lays out rows: each layout that changes the scroll range repaints the scroll
    // bar and everything behind it.
    if (bExpandNode && bWhole)
        pTree->expand(index);
    std::size_t nOpen = std::min<std::size_t>(ancestors.size(), kMaxExpandDepth);
    for (std::size_t i = nOpen; i-- > 0;)
        pTree->expand(ancestors[i]);
    pTree->setCurrentIndex(index);
    m_pMain->SetHighlighted(index);
    if (bWhole)
        pTree->scrollTo(index);
    else
        TooDeep();
}

void AllegianceView::TooDeep() {
    //: %1 is how many generations (levels of the allegiance tree) down a branch is opened.
    m_session.stsStatusBar.SetPanel(
        RequestCycle::kPanelOp,
        tr("That branch is too deep to show whole: it is opened %1 generations down")
            .arg(kMaxExpandDepth));
}

void AllegianceView::ExpandGuard(const QModelIndex& index) {
    auto* pTree = qobject_cast<QTreeView*>(sender());
    if (pTree && ModelOf(pTree)->Depth(index) >= kMaxExpandDepth) {
        pTree->collapse(index);
        TooDeep();
    }
}

void AllegianceView::treTreeView_NodeClick() {
    m_selectTimer.stop();
    if (!MayLeaveCharacter())
        return BackToShownNode();
    m_pMain->SetHighlighted(QModelIndex());
    GetCharInfo();
}

void AllegianceView::SelectionRested() {
    const QString strKey = SelectedKey();
    if (strKey.isEmpty() || strKey == strCurrentNodeKey)
        return; // asked for already (a click, a search, a reselection)
    treTreeView_NodeClick();
}

bool AllegianceView::MayLeaveCharacter() {
    return !fnMayLeaveCharacter || fnMayLeaveCharacter();
}

void AllegianceView::BackToShownNode() {
    const QModelIndex node = m_pMain->IndexOfKey(strCurrentNodeKey);
    if (node.isValid())
        m_controls.treTreeView->setCurrentIndex(node);
    m_selectTimer.stop();
}

void AllegianceView::cmdTreeRefresh_Click() {
    if (MayLeaveCharacter())
        RefreshTree();
}

void AllegianceView::ShowCharacter(qint16 id) {
    const QModelIndex node = m_pMain->IndexOfKey(CharKey(id));
    if (node.isValid())
        SelectNode(node, false);
    strCurrentNodeKey = CharKey(id);
    DownloadCharInfo();
}

void AllegianceView::GetCharInfo() {
    ProcedureGuard Step(m_session.prompts, "GetCharInfo");
    Step([&] { RememberSelectedNode(); });
    DownloadCharInfo();
}

void AllegianceView::DownloadCharInfo() {
    ProcedureGuard Step(m_session.prompts, "GetCharInfo");
    Step([&] {
        m_session.cycle.StartOperation(
            //: The operation under way, shown in the status bar.
            zorv::OpCharInfo, tr("Downloading Character Info"),
            {{FormKey(zorv::form::kGetCharId), strCurrentNodeKey.mid(4)}});
    });
}

void AllegianceView::FindInTree(const QString& strName) {
    qint16 id = m_roster->GetID(strName);
    if (id == -1) {
        m_session.prompts.Inform(tr("That character does not exist!"));
        return;
    }
    QModelIndex node = m_pMain->IndexOfKey(CharKey(id));
    if (node.isValid())
        SelectNode(node, false);
    GetCharInfo();
}

void AllegianceView::cmdFindInTree_Click() {
    if (m_pMain->Count() == 0)
        return;
    QString strName;
    if (PickName(strName) && MayLeaveCharacter())
        FindInTree(strName);
}

bool AllegianceView::PickName(QString& strName) {
    m_pFind->objCharDB = &m_roster;
    m_pFind->Form_Activate();
    m_session.prompts.Exec(*m_pFind);
    if (m_pFind->bHitCancel)
        return false;
    strName = m_pFind->txtName->text();
    return true;
}

void AllegianceView::ExpandCollapseNodes(const QString& strNodeName, bool bExpanded) {
    QModelIndex start = m_pMain->IndexOfKey(strNodeName);
    if (!start.isValid())
        return;
    // The node, its later siblings and all their descendants, in pre-order, with depths.
    std::vector<std::pair<QModelIndex, int>> nodes;
    const int iBase = m_pMain->Depth(start);
    QModelIndex parent = start.parent();
    for (int iRow = start.row(); iRow < m_pMain->rowCount(parent); ++iRow)
        nodes.emplace_back(m_pMain->index(iRow, 0, parent), iBase);
    std::reverse(nodes.begin(), nodes.end());
    std::vector<std::pair<QModelIndex, int>> order;
    order.reserve(static_cast<std::size_t>(m_pMain->Count()));
    while (!nodes.empty()) { // a stack: pops in pre-order
        auto [node, iDepth] = nodes.back();
        nodes.pop_back();
        order.emplace_back(node, iDepth);
        for (int iRow = m_pMain->rowCount(node); iRow-- > 0;)
            nodes.emplace_back(m_pMain->index(iRow, 0, node), iDepth + 1);
    }
    QTreeView* pTree = m_controls.treTreeView;
    if (!bExpanded) {
        for (const auto& [node, iDepth] : order) // top down: hidden nodes cost nothing
            pTree->collapse(node);
        return;
    }
    bool bTooDeep = false;
    // Bottom up: every node but the topmost is expanded while still hidden, so the rows are
    // laid out once, when the top of the branch opens.
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        if (!m_pMain->hasChildren(it->first))
            continue;
        if (it->second >= kMaxExpandDepth) {
            bTooDeep = true;
            continue;
        }
        pTree->expand(it->first);
    }
    if (bTooDeep)
        TooDeep();
}

void AllegianceView::mnuTreeOpExpandAll() {
    for (const Character& character : *m_roster)
        if (character.nPatronID == -1)
            return ExpandCollapseNodes(CharKey(character.nID), true);
}

void AllegianceView::mnuTreeOpCollapseAll() {
    for (const Character& character : *m_roster)
        if (character.nPatronID == -1)
            return ExpandCollapseNodes(CharKey(character.nID), false);
}

void AllegianceView::mnuTreeOpExpandNode() {
    QModelIndex node = m_controls.treTreeView->currentIndex();
    if (!node.isValid())
        return;
    if (m_pMain->hasChildren(node))
        ExpandCollapseNodes(m_pMain->Key(m_pMain->index(0, 0, node)), true);
    if (m_pMain->Depth(node) < kMaxExpandDepth)
        m_controls.treTreeView->expand(node);
}

void AllegianceView::mnuTreeOpCollapseNode() {
    QModelIndex node = m_controls.treTreeView->currentIndex();
    if (!node.isValid())
        return;
    if (m_pMain->hasChildren(node))
        ExpandCollapseNodes(m_pMain->Key(m_pMain->index(0, 0, node)), false);
    m_controls.treTreeView->collapse(node);
}

void AllegianceView::FillFlatList() {
    m_pFlat->Fill();
}

void AllegianceView::JumpToCharacter(const QString& strName) {
    qint16 id = m_roster->GetID(strName);
    if (id == -1 || !MayLeaveCharacter())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QModelIndex node = m_pMain->IndexOfKey(CharKey(id));
    if (node.isValid())
        SelectNode(node, false);
    GetCharInfo();
    if (m_jumpTimer.isActive()) // one cursor for one pending jump
        QApplication::restoreOverrideCursor();
    m_jumpTimer.start();
}

bool AllegianceView::eventFilter(QObject* pWatched, QEvent* pEvent) {
    QTreeView* pMain = m_controls.treTreeView;
    if (pWatched == pMain || pWatched == pMain->viewport()) {
        switch (pEvent->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
            m_bUserMoving = true; // the selection this event moves is the user's
            break;
        case QEvent::KeyRelease:
        case QEvent::MouseButtonRelease:
            m_bUserMoving = false;
            break;
        default:
            break;
        }
    }
    if (pEvent->type() == QEvent::Resize)
        for (QTreeView* pTree : {m_controls.treTreeView, m_controls.treImmediateTree})
            if (pWatched == pTree->viewport())
                FitLater(pTree);
    return QObject::eventFilter(pWatched, pEvent);
}

void AllegianceView::FitLater(QTreeView* pTree) {
    m_toFit.insert(pTree);
    m_fitTimer.start();
}

void AllegianceView::FitColumns() {
    // Only the trees that changed: measuring costs a layout of the rows in view.
    const QSet<QTreeView*> trees = std::exchange(m_toFit, {});
    for (QTreeView* pTree : trees) {
        // Only the rows in view are measured, so this stays cheap on a large tree.
        pTree->resizeColumnToContents(0);
        if (pTree->columnWidth(0) < pTree->viewport()->width())
            pTree->setColumnWidth(0, pTree->viewport()->width());
    }
}

void AllegianceView::ShowFound(const QList<qint16>& found) {
    m_pFound->keys.clear();
    QTreeView* pTree = m_controls.treTreeView;
    for (qint16 id : found) {
        const QModelIndex node = m_pMain->IndexOfKey(CharKey(id));
        if (!node.isValid())
            continue;
        m_pFound->keys.insert(CharKey(id));
        // Open the way to it, as far as a branch may be opened.
        std::vector<QModelIndex> ancestors;
        for (QModelIndex parent = node.parent(); parent.isValid(); parent = parent.parent())
            ancestors.push_back(parent);
        for (std::size_t i = std::min<std::size_t>(ancestors.size(), kMaxExpandDepth); i-- > 0;)
            pTree->expand(ancestors[ancestors.size() - 1 - i]);
    }
    pTree->viewport()->update();
    if (!found.isEmpty())
        m_controls.tabMainTab->setCurrentIndex(
            TabIndex(m_controls.tabMainTab, QStringLiteral("Allegiance Tree")));
}

QSet<QString> AllegianceView::Found() const {
    return m_pFound->keys;
}

void AllegianceView::SetUsePics(bool bUsePics) {
    m_pMain->SetUsePics(bUsePics);
    m_pImmediate->SetUsePics(bUsePics);
}
