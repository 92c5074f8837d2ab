#include "TreeFeed.h"

#include "AllegianceView.h"
#include "Characters.h"
#include "CurrentCharacter.h"
#include "Numbers.h"
#include "Protocol.h"
#include "RequestCycle.h"
#include "ResultCodes.h"
#include "Session.h"
#include "StatusBar.h"
#include "TreePayload.h"

#include <QApplication>
#include <algorithm>
#include <utility>

namespace {

// The server refused the credentials the request went out under (or throttles them).
bool RefusesLogin(qint16 iCode) {
    return iCode >= zorv::CodeUnknownName && iCode <= zorv::CodeLoginThrottled;
}

// A server from before the feed does not know the operation.
bool WithoutFeed(qint16 iCode) {
    return iCode == zorv::CodeInvalidClient || iCode == zorv::CodeInvalidCharacter;
}

bool SameRecord(const Character& a, const Character& b) {
    return a.nID == b.nID && a.strName == b.strName && a.nLevel == b.nLevel && a.nRank == b.nRank &&
           a.nPatronID == b.nPatronID && a.strVassalIDs == b.strVassalIDs &&
           a.iIsMule == b.iIsMule && a.iIsPK == b.iIsPK &&
           a.iIsRescueSquadMember == b.iIsRescueSquadMember;
}

} // namespace

TreeFeed::TreeFeed(Session& session, CurrentCharacter& current, Roster& roster,
                   AllegianceView& tree, QObject* pParent)
    : QObject(pParent), m_session(session), m_current(current), m_roster(roster), m_tree(tree) {
    m_nextPoll.setSingleShot(true);
    connect(&m_nextPoll, &QTimer::timeout, this, &TreeFeed::Poll);
    m_recoverLater.setSingleShot(true);
    connect(&m_recoverLater, &QTimer::timeout, this, &TreeFeed::Recover);
    m_applyLater.setSingleShot(true);
    m_applyLater.setInterval(200);
    connect(&m_applyLater, &QTimer::timeout, this, &TreeFeed::ApplyRecovered);
    m_checkDownload.setInterval(kFirstRetrySeconds * 1000);
    connect(&m_checkDownload, &QTimer::timeout, this, &TreeFeed::CheckDownload);
    m_idle.setInterval(200);
    connect(&m_idle, &QTimer::timeout, this, &TreeFeed::RunIdle);

    RequestCycle& cycle = session.cycle;
    cycle.Route(zorv::OpTreeChanges, [this](const Reply& reply) { CycleReply(reply); });
    cycle.RouteError(zorv::OpTreeChanges, [this](const Reply& reply) { return CycleError(reply); });
    tree.fnRefreshThroughFeed = [this] { return Refresh(); };
    connect(&tree, &AllegianceView::TreeDownloaded, this, &TreeFeed::TreeDownloaded);
    connect(&current, &CurrentCharacter::Changed, this, [this] { ++m_nShown; });
}

TreeFeed::~TreeFeed() {
    Stop();
    m_tree.fnRefreshThroughFeed = nullptr;
}

void TreeFeed::SetEnabled(bool bEnabled) {
    m_bEnabled = bEnabled;
    if (!bEnabled)
        Stop();
}

void TreeFeed::Reset() {
    Stop();
    m_bOffline = false;
    m_bLoginRefused = false;
    m_lGeneration = -1;
    m_lLearned = -1;
    m_asked = Asked::Nothing;
    m_bOffered = true;
    m_bSavedTreeAsked = false;
    m_bPolling = false;
    m_nAnsweredAtOnce = 0;
    m_iRetrySeconds = 0;
    m_whenIdle.clear();
    m_idle.stop();
    SetStatus(QString());
}

void TreeFeed::Stop() {
    StopWatch();
    StopRecovery();
    m_checkDownload.stop();
}

void TreeFeed::StopWatch() {
    m_bWatching = false;
    m_nextPoll.stop();
    m_watch.Stop();
}

void TreeFeed::StopRecovery() {
    m_recovery.Stop();
    m_recoverLater.stop();
    m_applyLater.stop();
    m_pending.reset();
}

bool TreeFeed::Refresh() {
    if (m_bOffline) {
        // Nothing can be downloaded: the user's refresh tries the server now.
        Watch();
        return true;
    }
    if (!m_bEnabled || !m_bOffered)
        return false;
    if (m_lGeneration < 0 && !ShowSavedTree()) {
        DownloadWhole();
        return true;
    }
    m_asked = Asked::Changes;
    m_session.cycle.StartOperation(
        //: The operation under way, shown in the status bar.
        Request(zorv::OpTreeChanges, tr("Downloading Tree Info"),
                {{FormKey(zorv::form::kSince), QString::number(m_lGeneration)}}));
    // Beside it, from the same generation: if another click drops the user's request, the
    // watch still catches up, and whichever answer comes second changes nothing.
    if (!Recovering())
        Watch();
    return true;
}

bool TreeFeed::OpenOffline(qint64 lGeneration, const QString& strPayload) {
    Reset();
    QString strProblem;
    if (lGeneration < 0 || ParseTreePayload(strPayload, strProblem)->Count() == 0)
        return false;
    ShowCopy(strPayload);
    m_lGeneration = lGeneration;
    m_bOffline = true;
    Watch();
    return true;
}

bool TreeFeed::ShowSavedTree() {
    if (!fnSavedTree || std::exchange(m_bSavedTreeAsked, true))
        return false;
    qint64 lGeneration = -1;
    QString strPayload;
    if (!fnSavedTree(lGeneration, strPayload) || lGeneration < 0)
        return false;
    QString strProblem;
    if (ParseTreePayload(strPayload, strProblem)->Count() == 0)
        return false; // unreadable, or empty: the server always sends at least the own character
    ShowCopy(strPayload);
    m_lGeneration = lGeneration; // what it showed; the catch-up asks from here
    return true;
}

void TreeFeed::ShowCopy(const QString& strPayload) {
    StopRecovery();
    m_checkDownload.stop();
    m_bShowingCopy = true;
    m_tree.ParseTreeData(strPayload);
    m_bShowingCopy = false;
}

void TreeFeed::DownloadWhole() {
    // Nothing is watched while the roster is empty for the download, and the user's download
    // makes any recovery under way needless.
    StopWatch();
    StopRecovery();
    m_lGeneration = -1;
    m_lLearned = -1;
    m_asked = Asked::Generation;
    m_session.cycle.StartOperation(
        //: The operation under way, shown in the status bar.
        Request(zorv::OpTreeChanges, tr("Downloading Tree Info"),
                {{FormKey(zorv::form::kSince), QString()}}));
    m_checkDownload.start();
}

void TreeFeed::CheckDownload() {
    if (m_lGeneration >= 0 || !m_bEnabled || !m_bOffered || m_bLoginRefused) {
        m_checkDownload.stop();
        return;
    }
    const qint16 iOp = m_session.cycle.CurrentOp();
    if (m_session.cycle.IsBusy() && (iOp == zorv::OpTreeChanges || iOp == zorv::OpTree))
        return; // still on its way
    // Dropped by another click, refused or timed out: the tree comes beside the user's requests.
    m_checkDownload.stop();
    Recover();
}

void TreeFeed::CycleReply(const Reply& reply) {
    const Asked asked = std::exchange(m_asked, Asked::Nothing);
    TreeChanges changes;
    QString strProblem;
    const bool bRead = ParseTreeChanges(reply.strPayload, changes, strProblem);
    if (asked == Asked::Generation) {
        // A reply without a generation is no feed's: the tree comes whole from now on.
        m_bOffered = bRead;
        m_lLearned = bRead ? changes.lGeneration : -1;
        m_tree.DownloadWholeTree();
        return;
    }
    if (asked != Asked::Changes)
        return;
    if (!bRead || !Apply(changes))
        return DownloadWhole();
    StopRecovery();
    Watch(); // from the generation just reached; a poll still out would only repeat it
    m_session.cycle.EndWait();
}

bool TreeFeed::CycleError(const Reply& reply) {
    const Asked asked = std::exchange(m_asked, Asked::Nothing);
    // A refused login is the user's to hear, as on any of the user's requests.
    if (asked == Asked::Nothing || RefusesLogin(reply.iCode))
        return false;
    if (asked == Asked::Generation) {
        // A server without the feed: the tree comes whole, as it always did. Any other refusal
        // leaves the download without a generation, which the feed learns afterwards itself.
        if (WithoutFeed(reply.iCode))
            m_bOffered = false;
        m_tree.DownloadWholeTree();
        m_session.cycle.KeepWaiting();
        return true;
    }
    // Too old, or a kept tree's server that no longer answers from it: the whole tree.
    DownloadWhole();
    m_session.cycle.KeepWaiting();
    return true;
}

void TreeFeed::TreeDownloaded() {
    if (m_bShowingCopy)
        return; // a kept tree: whoever shows it knows its generation
    m_checkDownload.stop();
    StopRecovery();
    m_lGeneration = std::exchange(m_lLearned, -1);
    if (m_lGeneration >= 0)
        return Watch();
    StopWatch();
    // A download whose generation could not be learned (a passing server fault, say): the feed
    // learns one with a whole tree of its own, beside the user's requests.
    if (m_bEnabled && m_bOffered && !m_bLoginRefused && !m_bOffline)
        Recover();
}

void TreeFeed::Watch() {
    if ((!m_bEnabled && !m_bOffline) || m_lGeneration < 0 || m_bLoginRefused)
        return;
    StopWatch();
    m_bWatching = true;
    Poll();
}

int TreeFeed::DeadlineMs(int iWaitSeconds) const {
    return iWaitSeconds * 1000 + m_session.cycle.timerTimeout.interval();
}

void TreeFeed::Poll() {
    // Offline, the first answer is all that is wanted, at once.
    Request request(zorv::OpTreeChanges, QString(),
                    {{FormKey(zorv::form::kSince), QString::number(m_lGeneration)}});
    if (!m_bOffline)
        request.fields.emplace_back(FormKey(zorv::form::kWait), QString::number(kWaitSeconds));
    m_sent.start();
    m_watch.Start(m_session.cycle, request, DeadlineMs(m_bOffline ? 0 : kWaitSeconds),
                  [this](const Outcome& outcome) { PollAnswered(outcome); });
}

void TreeFeed::PollAnswered(const Outcome& outcome) {
    if (!outcome.bAnswered)
        return PollFailed(outcome.strWhy);
    // Whatever it says, even that the password is wrong, is for the login to hear.
    if (m_bOffline)
        return BackOnline();
    if (RefusesLogin(outcome.iCode))
        return StopForLogin(outcome.iCode);
    if (outcome.iCode == zorv::CodeFeedTooOld)
        return Recover();
    if (!outcome.Ok())
        //: Why the tree's updates paused; it ends a sentence, after a colon. %1 is the code of
        //: the server's error.
        return PollFailed(tr("the server answered error #%1").arg(outcome.iCode));
    const bool bHeld = m_sent.elapsed() >= kWaitSeconds * 1000 / 2;
    TreeChanges changes;
    QString strProblem;
    const bool bRead = ParseTreeChanges(outcome.strPayload, changes, strProblem);
    if (m_iRetrySeconds > 0) {
        m_iRetrySeconds = 0;
        SetStatus(QString());
    }
    if (!bRead || !Apply(changes))
        return Recover();
    // A server that answers at once with nothing does not hold requests: ask now and then. Told
    // twice, since a server that is stopping answers its held requests at once too, and the
    // watch should find that out now, not a poll's interval later.
    if (changes.Empty()) {
        m_nAnsweredAtOnce = bHeld ? 0 : m_nAnsweredAtOnce + 1;
        m_bPolling = m_nAnsweredAtOnce >= 2;
    }
    m_nextPoll.start(m_bPolling ? kPollSeconds * 1000 : 0);
}

int TreeFeed::NextRetrySeconds() {
    m_iRetrySeconds =
        m_iRetrySeconds == 0 ? kFirstRetrySeconds : std::min(2 * m_iRetrySeconds, kMaxRetrySeconds);
    return m_iRetrySeconds;
}

void TreeFeed::PollFailed(const QString& strWhy) {
    const int iSeconds = NextRetrySeconds();
    SetStatus((m_bOffline
                   //: In the status bar, while the tree shown is a copy kept from an earlier run:
                   //: %1 says why the server cannot be reached, %2 is a number of seconds.
                   ? tr("Read-only copy: %1; trying again in %2 s")
                   //: In the status bar: %1 says why the tree's updates paused, %2 is a number of
                   //: seconds.
                   : tr("Tree updates paused: %1; trying again in %2 s"))
                  .arg(strWhy)
                  .arg(iSeconds));
    m_nextPoll.start(iSeconds * 1000);
}

void TreeFeed::Recover() {
    StopWatch();
    StopRecovery();
    m_checkDownload.stop();
    if (!m_bEnabled || m_bLoginRefused)
        return;
    m_recovery.Start(
        m_session.cycle,
        Request(zorv::OpTreeChanges, QString(), {{FormKey(zorv::form::kSince), QString()}}),
        DeadlineMs(0), [this](const Outcome& outcome) { RecoveryGeneration(outcome); });
}

void TreeFeed::RecoveryGeneration(const Outcome& outcome) {
    if (!outcome.bAnswered)
        return RecoveryFailed(outcome.strWhy);
    if (RefusesLogin(outcome.iCode))
        return StopForLogin(outcome.iCode);
    TreeChanges changes;
    QString strProblem;
    qint64 lLearned = -1;
    if (outcome.Ok() && ParseTreeChanges(outcome.strPayload, changes, strProblem))
        lLearned = changes.lGeneration;
    else if (outcome.Ok() || WithoutFeed(outcome.iCode))
        m_bOffered = false; // the tree comes whole, and nothing is watched
    else
        //: Why the tree's updates paused; it ends a sentence, after a colon. %1 is the code of
        //: the server's error.
        return RecoveryFailed(tr("the server answered error #%1").arg(outcome.iCode));
    m_recovery.Start(m_session.cycle, Request(zorv::OpTree), DeadlineMs(0),
                     [this, lLearned](const Outcome& tree) { RecoveryTree(tree, lLearned); });
}

void TreeFeed::RecoveryTree(const Outcome& outcome, qint64 lLearned) {
    if (!outcome.bAnswered)
        return RecoveryFailed(outcome.strWhy);
    if (RefusesLogin(outcome.iCode))
        return StopForLogin(outcome.iCode);
    if (!outcome.Ok())
        //: Why the tree's updates paused; it ends a sentence, after a colon. %1 is the code of
        //: the server's error.
        return RecoveryFailed(tr("the server answered error #%1").arg(outcome.iCode));
    QString strProblem;
    RosterSnapshot tree = ParseTreePayload(outcome.strPayload, strProblem, *m_roster);
    if (!strProblem.isEmpty() || tree->Count() == 0)
        //: Why the tree's updates paused; it ends a sentence, after a colon.
        return RecoveryFailed(tr("the tree the server sent cannot be shown"));
    m_pending = Recovered{lLearned, std::move(tree)};
    ApplyRecovered();
}

void TreeFeed::RecoveryFailed(const QString& strWhy) {
    const int iSeconds = NextRetrySeconds();
    //: In the status bar: %1 says why the tree's updates paused, %2 is a number of seconds.
    SetStatus(tr("Tree updates paused: %1; trying again in %2 s").arg(strWhy).arg(iSeconds));
    m_recoverLater.start(iSeconds * 1000);
}

void TreeFeed::ApplyRecovered() {
    if (!m_pending)
        return;
    // Not under a dialog that reads the roster shown, or asks about the sheet.
    if (QApplication::activeModalWidget())
        return m_applyLater.start();
    const Recovered recovered = std::move(*m_pending);
    m_pending.reset();
    std::optional<Character> before;
    if (const Character* pShown = m_roster->Item(CharKey(m_current.Id())))
        before = *pShown;
    m_iRetrySeconds = 0;
    SetStatus(QString());
    m_lLearned = recovered.lGeneration;
    m_tree.ShowTree(recovered.tree); // TreeDownloaded: the watch goes on from its generation
    TellSheetAfterWhole(before);
    emit Applied({}); // what the guild's history shows may have grown too
}

void TreeFeed::StopForLogin(qint16 iCode) {
    Stop();
    m_bLoginRefused = true;
    m_iRetrySeconds = 0;
    //: In the status bar; %1 is the code of the server's error.
    SetStatus(tr("Tree updates stopped: the server refused this login (error #%1); they go on "
                 "after the next login")
                  .arg(iCode));
}

void TreeFeed::BackOnline() {
    StopWatch();
    m_bOffline = false;
    m_iRetrySeconds = 0;
    SetStatus(QString());
    emit ServerBack();
}

void TreeFeed::SetStatus(const QString& strText) {
    m_session.stsStatusBar.SetPanel(kPanel, strText);
}

bool TreeFeed::Apply(const TreeChanges& changes) {
    // Made no later than the roster shown: a reply that crossed a newer one on the way, or the
    // second answer to the same question.
    if (changes.lGeneration <= m_lGeneration)
        return true;
    if (!changes.Empty()) {
        const RosterSnapshot before = m_roster.Now();
        if (!m_tree.ApplyChanges(changes.changed, changes.left))
            return false;
        TellSheet(changes, before->Item(CharKey(m_current.Id())));
        QList<qint16> ids(changes.left.begin(), changes.left.end());
        for (const Character& c : changes.changed)
            ids << c.nID;
        emit Applied(ids);
    }
    m_lGeneration = changes.lGeneration;
    return true;
}

void TreeFeed::TellSheet(const TreeChanges& changes, const Character* pBefore) {
    CurrentCharacter& current = m_current;
    const qint16 id = current.Id();
    if (id == 0 || !pBefore)
        return;
    if (m_roster->IndexOfId(id) < 0)
        return TellLeft(id);
    const auto it = std::find_if(changes.changed.begin(), changes.changed.end(),
                                 [id](const Character& c) { return c.nID == id; });
    if (it == changes.changed.end())
        return;
    // Records come again after a download that holds them already; those changed nothing. A
    // save shows in the revision, whatever it changed.
    const QString& strRevision =
        changes.revisions[static_cast<std::size_t>(it - changes.changed.begin())];
    const bool bSaved = !strRevision.isEmpty() && !current.Revision().isEmpty() &&
                        strRevision != current.Revision();
    if (!bSaved && SameRecord(*it, *pBefore))
        return;
    // Told once the user's own requests are done; a record shown meanwhile is newer already.
    WhenIdle([this, id, nShown = m_nShown] {
        if (m_current.Id() == id && m_nShown == nShown)
            m_current.ChangedElsewhere();
    });
}

void TreeFeed::TellSheetAfterWhole(const std::optional<Character>& before) {
    const qint16 id = m_current.Id();
    if (id == 0 || !before || before->nID != id)
        return;
    const Character* pNow = m_roster->Item(CharKey(id));
    if (!pNow)
        return TellLeft(id);
    if (SameRecord(*pNow, *before))
        return; // a save that changed nothing of the tree shows at the next change
    WhenIdle([this, id, nShown = m_nShown] {
        if (m_current.Id() == id && m_nShown == nShown)
            m_current.ChangedElsewhere();
    });
}

void TreeFeed::TellLeft(qint16 id) {
    // Not under a question about the sheet's edits: the sheet must still hold them when it is
    // answered.
    WhenIdle([this, id] {
        if (m_current.Id() == id && m_roster->IndexOfId(id) < 0)
            m_current.LeftElsewhere();
    });
}

void TreeFeed::WhenIdle(std::function<void()> fn) {
    m_whenIdle.push_back(std::move(fn));
    if (!m_idle.isActive())
        m_idle.start();
}

void TreeFeed::RunIdle() {
    if (m_session.cycle.IsBusy() || QApplication::activeModalWidget())
        return;
    m_idle.stop();
    for (const std::function<void()>& fn : std::exchange(m_whenIdle, {}))
        fn();
}
