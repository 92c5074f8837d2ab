#include "ChangeHistory.h"

#include "AllegianceView.h"
#include "CharacterSheet.h"
#include "CurrentCharacter.h"
#include "ErrorTable.h"
#include "Prompts.h"
#include "Protocol.h"
#include "Records.h"
#include "ReplyFraming.h"
#include "RequestCycle.h"
#include "Session.h"
#include "StatusBar.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kEntryRole = Qt::UserRole + 1; // the entry's place in the view's list

QPushButton* Button(const QString& strCaption, const char* szName, QWidget* pParent) {
    auto* pButton = new QPushButton(strCaption, pParent);
    pButton->setObjectName(QString::fromLatin1(szName));
    return pButton;
}

} // namespace

HistoryView::HistoryView(const QString& strName, QWidget* pParent) : QWidget(pParent) {
    setObjectName(strName);
    twHistory = new QTreeWidget(this);
    twHistory->setObjectName(QStringLiteral("twHistory"));
    twHistory->setHeaderLabels({//: Column header: when the change was made
                                tr("Date (UTC)"),
                                //: Column header: the member who made the change
                                tr("By"),
                                //: Column header: what the change was
                                tr("Change")});
    twHistory->setAccessibleName(tr("Change History"));
    twHistory->setRootIsDecorated(true);
    twHistory->setUniformRowHeights(true);
    twHistory->header()->setSectionResizeMode(QHeaderView::Interactive);
    twHistory->header()->setStretchLastSection(true);
    //: Button: reads the history again
    cmdRefresh = Button(tr("Refresh"), "cmdHistoryRefresh", this);
    //: Button: reads the page of changes before those shown
    cmdOlder = Button(tr("Older Changes"), "cmdHistoryOlder", this);
    //: Button: undoes the selected change, after asking
    cmdUndo = Button(tr("Undo..."), "cmdHistoryUndo", this);
    cmdUndo->setVisible(false);
    auto* pButtons = new QHBoxLayout;
    pButtons->addWidget(cmdRefresh);
    pButtons->addWidget(cmdOlder);
    pButtons->addStretch();
    pButtons->addWidget(cmdUndo);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(twHistory);
    pLayout->addLayout(pButtons);
    connect(twHistory, &QTreeWidget::currentItemChanged, this, [this] { UpdateButtons(); });
    UpdateButtons();
}

void HistoryView::Show(const HistoryPage& page, bool bAppend) {
    if (!bAppend)
        Clear();
    for (const HistoryEntry& entry : page.entries) {
        const int iIndex = static_cast<int>(m_entries.size());
        m_entries.push_back(entry);
        QString strWhat = DescribeEntry(entry);
        if (entry.lUndoneBy)
            //: %1 is the description of a change, %2 the number of the later change that undid it
            strWhat = tr("%1  (undone by #%2)").arg(strWhat, QString::number(entry.lUndoneBy));
        auto* pItem = new QTreeWidgetItem(twHistory, {entry.strAt, entry.strActor, strWhat});
        pItem->setData(0, kEntryRole, iIndex);
        //: %1 is the change's number in the guild's history
        pItem->setToolTip(2, tr("Change #%1").arg(entry.lSeq));
        for (const HistoryValue& value : entry.values) {
            // Where in the tree a change happened is said by the entry's own line.
            if (value.strField == QLatin1String("patron_id") ||
                value.strField == QLatin1String("join_seq"))
                continue;
            auto* pValue = new QTreeWidgetItem(
                pItem, {QString(), FieldCaption(value.strField), DescribeValue(value)});
            pValue->setData(0, kEntryRole, iIndex);
        }
    }
    m_lNextBefore = page.lNextBefore;
    // The whole date and the whole name; the change takes the rest.
    twHistory->resizeColumnToContents(0);
    twHistory->resizeColumnToContents(1);
    UpdateButtons();
}

void HistoryView::Clear() {
    twHistory->clear();
    m_entries.clear();
    m_lNextBefore = 0;
    UpdateButtons();
}

const HistoryEntry* HistoryView::Selected() const {
    const QTreeWidgetItem* pItem = twHistory->currentItem();
    if (!pItem)
        return nullptr;
    const int iIndex = pItem->data(0, kEntryRole).toInt();
    return iIndex >= 0 && iIndex < static_cast<int>(m_entries.size())
               ? &m_entries[static_cast<std::size_t>(iIndex)]
               : nullptr;
}

void HistoryView::SetAdministrator(bool bAdmin) {
    m_bAdmin = bAdmin;
    cmdUndo->setVisible(bAdmin);
    UpdateButtons();
}

void HistoryView::UpdateButtons() {
    cmdOlder->setEnabled(m_lNextBefore > 0);
    const HistoryEntry* pEntry = Selected();
    cmdUndo->setEnabled(m_bAdmin && pEntry && pEntry->bUndoable);
}

ChangeHistory::ChangeHistory(Session& session, CurrentCharacter& current, AllegianceView& tree,
                             CharacterSheet& sheet, QTabWidget* tabCharInfo, QWidget* pHistoryPage,
                             QWidget* pMainWindow, QObject* pParent)
    : QObject(pParent), m_session(session), m_current(current), m_tree(tree), m_sheet(sheet),
      m_tabCharInfo(tabCharInfo), m_pHistoryPage(pHistoryPage) {
    pCharacterView = new HistoryView(QStringLiteral("frameCharHistory"), pHistoryPage);
    pHistoryPage->layout()->addWidget(pCharacterView);
    // A window of its own: the main tab strip has no room for another caption in the smallest
    // window.
    frmRecentChanges = new QWidget(pMainWindow, Qt::Window);
    frmRecentChanges->setObjectName(QStringLiteral("frmRecentChanges"));
    //: Window title: the guild's latest changes
    frmRecentChanges->setWindowTitle(tr("Recent Changes"));
    frmRecentChanges->resize(720, 460);
    pGuildView = new HistoryView(QStringLiteral("frameRecentChanges"), frmRecentChanges);
    auto* pWindowLayout = new QVBoxLayout(frmRecentChanges);
    pGuildView->layout()->setContentsMargins(0, 0, 0, 0); // the window's margins serve both
    pWindowLayout->addWidget(pGuildView);
    // Closed from the keyboard too, as every other window of the client is.
    //: Button: closes the window
    auto* pClose = Button(tr("Close"), "cmdRecentChangesClose", frmRecentChanges);
    pWindowLayout->addWidget(pClose, 0, Qt::AlignRight);
    connect(pClose, &QPushButton::clicked, frmRecentChanges, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), frmRecentChanges), &QShortcut::activated,
            frmRecentChanges, &QWidget::close);
    connect(pCharacterView->cmdRefresh, &QPushButton::clicked, this, [this] { LoadCharacter(); });
    connect(pCharacterView->cmdOlder, &QPushButton::clicked, this,
            [this] { LoadCharacter(pCharacterView->NextBefore()); });
    connect(pCharacterView->cmdUndo, &QPushButton::clicked, this,
            [this] { Undo(*pCharacterView); });
    connect(pGuildView->cmdRefresh, &QPushButton::clicked, this, [this] { LoadGuild(); });
    connect(pGuildView->cmdOlder, &QPushButton::clicked, this,
            [this] { LoadGuild(pGuildView->NextBefore()); });
    connect(pGuildView->cmdUndo, &QPushButton::clicked, this, [this] { Undo(*pGuildView); });
    // A view is read when it comes into sight, not with every click in the tree.
    connect(tabCharInfo, &QTabWidget::currentChanged, this, [this] {
        if (IsShown(pCharacterView) && m_iLoadedCharacter != m_current.Id())
            LoadCharacter();
    });
    connect(&current, &CurrentCharacter::Changed, this, &ChangeHistory::CharacterShown);
    // A change made from this client makes both views out of date. After every answered
    // request the views that are shown and out of date (or whose read another request dropped)
    // are read again, one after the other, once nothing else runs.
    connect(&session.cycle, &RequestCycle::Answered, this, [this](qint16 msgid) {
        switch (msgid) {
        case zorv::OpAddVassal:
        case zorv::OpRemoveVassal:
        case zorv::OpChangePatron:
        case zorv::OpSaveChar:
        case zorv::OpChangePassword:
        case zorv::OpServerSetup:
        case zorv::OpResetPassword:
        case zorv::OpSecurityLevel:
            m_bGuildStale = true;
            m_iLoadedCharacter = -1;
            break;
        default:
            break;
        }
        QTimer::singleShot(0, this, &ChangeHistory::LoadStale);
    });

    RequestCycle& cycle = session.cycle;
    cycle.Route(zorv::OpCharacterHistory, [this](const Reply& reply) {
        // Read only once its reply is here: another request may drop the read on its way.
        m_iLoadedCharacter = m_iRequestedCharacter;
        Parse(*pCharacterView, reply.strPayload);
    });
    cycle.Route(zorv::OpRecentChanges, [this](const Reply& reply) {
        if (!m_bAppend) // read from the newest: up to date until the next change
            m_bGuildStale = false;
        Parse(*pGuildView, reply.strPayload);
    });
    // A refused read (a server without the history, say) is shown once, not again after every
    // request that follows.
    cycle.RouteError(zorv::OpCharacterHistory, [this](const Reply&) {
        m_iLoadedCharacter = m_iRequestedCharacter;
        return false;
    });
    cycle.RouteError(zorv::OpRecentChanges, [this](const Reply&) {
        m_bGuildStale = false;
        return false;
    });
    cycle.Route(zorv::OpUndo, [this](const Reply&) { Undone(); });
    cycle.RouteError(zorv::OpUndo, [this](const Reply& reply) { return UndoRefused(reply); });
}

bool ChangeHistory::IsShown(HistoryView* pView) const {
    return pView == pCharacterView ? m_tabCharInfo->currentWidget() == m_pHistoryPage
                                   : frmRecentChanges->isVisible();
}

void ChangeHistory::SetAdministrator(bool bAdmin) {
    pCharacterView->SetAdministrator(bAdmin);
    pGuildView->SetAdministrator(bAdmin);
    // Another login sees its guild afresh.
    frmRecentChanges->hide();
    pGuildView->Clear();
    pCharacterView->Clear();
    m_iLoadedCharacter = -1;
}

void ChangeHistory::CharacterShown() {
    // The record was read again, after a click or after a change: its history may have grown.
    pCharacterView->Clear();
    m_iLoadedCharacter = -1;
    FollowBeside();
}

void ChangeHistory::ChangedElsewhere(const QList<qint16>& ids) {
    m_bGuildStale = true;
    if (ids.contains(m_current.Id()))
        m_iLoadedCharacter = -1;
    FollowBeside();
}

void ChangeHistory::FollowBeside() {
    // Nobody asked for these reads, so they go beside the user's requests: no busy pointer, no
    // box; a read that fails leaves the view as it was, stale, for the next read the user makes.
    const qint16 id = m_current.Id();
    const bool bCharacter = m_iLoadedCharacter != id && id != 0 && IsShown(pCharacterView);
    const bool bGuild = m_bGuildStale && IsShown(pGuildView);
    const int iDeadline = m_session.cycle.timerTimeout.interval();
    if (bCharacter) {
        const Request request(zorv::OpCharacterHistory, QString(),
                              {{FormKey(zorv::form::kHistoryId), QString::number(id)}});
        m_follow.Start(m_session.cycle, request, iDeadline, [this, id](const Outcome& outcome) {
            if (!outcome.Ok() || m_current.Id() != id)
                return;
            m_iLoadedCharacter = id;
            pCharacterView->Show(ParseHistoryPayload(PayloadText(outcome.strPayload)), false);
            FollowBeside();
        });
    } else if (bGuild) {
        m_follow.Start(m_session.cycle, Request(zorv::OpRecentChanges), iDeadline,
                       [this](const Outcome& outcome) {
                           if (!outcome.Ok())
                               return;
                           m_bGuildStale = false;
                           pGuildView->Show(ParseHistoryPayload(PayloadText(outcome.strPayload)),
                                            false);
                       });
    }
}

void ChangeHistory::LoadStale() {
    // Whatever runs now was started later; its answer brings the views here again.
    if (m_session.cycle.IsBusy())
        return;
    const bool bCharacter =
        m_iLoadedCharacter != m_current.Id() && m_current.Id() != 0 && IsShown(pCharacterView);
    const bool bGuild = m_bGuildStale && IsShown(pGuildView);
    // One exchange at a time: the guild's view follows once the character's has arrived.
    if (bCharacter)
        LoadCharacter();
    else if (bGuild)
        LoadGuild();
}

void ChangeHistory::LoadCharacter(qint64 lBefore) {
    m_bAppend = lBefore > 0;
    m_iRequestedCharacter = m_current.Id();
    std::vector<RequestCycle::Field> fields = {
        {FormKey(zorv::form::kHistoryId), QString::number(m_current.Id())}};
    if (lBefore > 0)
        fields.emplace_back(FormKey(zorv::form::kBefore), QString::number(lBefore));
    m_session.cycle.StartOperation(zorv::OpCharacterHistory, tr("Downloading Change History"),
                                   fields);
}

void ChangeHistory::LoadGuild(qint64 lBefore) {
    m_bAppend = lBefore > 0;
    std::vector<RequestCycle::Field> fields;
    if (lBefore > 0)
        fields.emplace_back(FormKey(zorv::form::kBefore), QString::number(lBefore));
    m_session.cycle.StartOperation(zorv::OpRecentChanges, tr("Downloading Recent Changes"), fields);
}

void ChangeHistory::ShowRecentChanges() {
    frmRecentChanges->show();
    frmRecentChanges->raise();
    frmRecentChanges->activateWindow();
    LoadGuild();
}

void ChangeHistory::Parse(HistoryView& view, const QString& strPayload) {
    view.Show(ParseHistoryPayload(PayloadText(strPayload)), m_bAppend);
    m_session.cycle.EndWait();
}

void ChangeHistory::Undo(HistoryView& view) {
    // A copy: the prompts below run the event loop, and a reply may refill the view meanwhile.
    const HistoryEntry* pSelected = view.Selected();
    if (!pSelected || !pSelected->bUndoable)
        return;
    const HistoryEntry entry = *pSelected;
    const HistoryEntry* pEntry = &entry;
    // The undo reloads the record, which would drop edits not saved yet.
    if (!m_sheet.MayLeave())
        return;
    //: %1 is the change's number, %2 its date and time, %3 the member who made it, %4 what it
    //: changed
    QString strText = tr("Undo change #%1 of %2 by %3?\n\n%4\n")
                          .arg(pEntry->lSeq)
                          .arg(pEntry->strAt, pEntry->strActor, DescribeEntry(*pEntry));
    QStringList restored;
    for (const HistoryValue& value : pEntry->values) {
        if (value.strField == QLatin1String("patron_id") ||
            value.strField == QLatin1String("join_seq") ||
            value.strField == QLatin1String("default_password"))
            continue;
        if (value.strField == QLatin1String("member")) {
            if (value.strOld.isEmpty())
                //: One of the things an undo does, in "This will %1.": %1 is a character's
                //: name, taken off the guild's roster
                restored << tr("remove %1").arg(value.strNew);
            else
                //: One of the things an undo does, in "This will %1.": %1 is a removed
                //: character's name, put back on the guild's roster
                restored << tr("bring back %1").arg(value.strOld);
            continue;
        }
        //: One of the things an undo does, in "This will %1.": %1 is a field of the record, %2
        //: its former value
        restored << tr("set %1 back to %2")
                        .arg(FieldCaption(value.strField),
                             //: The former value of a field that was empty
                             value.strOld.isEmpty() ? tr("(empty)") : value.strOld);
    }
    if (pEntry->strKind == QLatin1String("add"))
        //: What undoing the addition of a character does, in "This will %1.": %1 is its name
        restored = QStringList{tr("remove %1 from the guild").arg(pEntry->strCharacter)};
    if (!restored.isEmpty()) {
        //: Separates the things an undo does in the list of "This will %1."
        const QString strRestored = restored.join(tr(",\n"));
        //: %1 is the list of what the undo does, such as "set Level back to 12"
        strText += QLatin1Char('\n') + tr("This will %1.").arg(strRestored) + QLatin1Char('\n');
    }
    if (pEntry->strKind == QLatin1String("remove"))
        strText += QLatin1Char('\n') +
                   tr("No password is kept with a removed member: those brought back log in with "
                      "the guild's default password, and an administrator among them comes back "
                      "as a member.") +
                   QLatin1Char('\n');
    if (!m_session.prompts.Confirm(strText))
        return;
    m_session.cycle.StartOperation(zorv::OpUndo, tr("Undoing Change"),
                                   {{FormKey(zorv::form::kCharId), m_session.strCurCharID},
                                    {FormKey(zorv::form::kEntry), QString::number(pEntry->lSeq)}});
}

void ChangeHistory::Undone() {
    m_session.cycle.EndWait();
    m_session.prompts.Inform(tr("The change has been undone."));
    const bool bGuild = IsShown(pGuildView);
    // The tree and the record come again, as after the change it reverses; the record's own
    // history follows it when its tab is shown.
    if (!m_session.cycle.StartAndWait([this] { m_tree.RefreshTree(); }))
        return;
    if (bGuild && !m_session.cycle.StartAndWait([this] { LoadGuild(); }))
        return;
    m_iLoadedCharacter = -1;
    m_current.Reload();
}

bool ChangeHistory::UndoRefused(const Reply& reply) {
    const qint16 iCode = reply.iCode;
    if (iCode != zorv::CodeUndoNotPossible && iCode != zorv::CodeUndoConflict)
        return false;
    const zorv::Fields why =
        zorv::UnescapedFields(PayloadText(reply.strPayload).toLatin1().toStdString());
    const QString strWhy = why.empty() || why[0].empty() ? QString() : RefusalSentence(why);
    QString strText;
    if (strWhy.isEmpty())
        strText = tr("The change cannot be undone.");
    else
        //: %1 is why, a sentence of its own (context Refusal)
        strText = tr("The change cannot be undone: %1.").arg(strWhy);
    if (iCode == zorv::CodeUndoConflict)
        //: Follows "The change cannot be undone." when the record was changed meanwhile; keep
        //: the two spaces before it
        strText += tr("  Nothing was changed.");
    m_session.prompts.Inform(strText);
    return true;
}
