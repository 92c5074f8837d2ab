#include "TreeFeed.h"

#include "AllegianceView.h"
#include "Characters.h"
#include "CurrentCharacter.h"
#include "Numbers.h"
#include "Protocol.h"
#include "RequestCycle.h"
#include "Session.h"
#include "StatusBar.h"
#include "TreePayload.h"

#include <QApplication>
#include <algorithm>
#include <utility>

namespace {

const QString kTreeStatus = QStringLiteral("Downloading Tree Info");

bool SameRecord(const Character& a, const Character& b) {
    return a.nID == b.nID && a.strName == b.strName && a.nLevel == b.nLevel && a.nRank == b.nRank &&
           a.nPatronID == b.nPatronID && a.strVassalIDs == b.strVassalIDs &&
           a.iIsMule == b.iIsMule && a.iIsPK == b.iIsPK &&
           a.iIsRescueSquadMember == b.iIsRescueSquadMember;
}

} // namespace

TreeFeed::TreeFeed(Session& session, Roster& roster, AllegianceView& tree, QObject* pParent)
    : QObject(pParent), m_session(session), m_roster(roster), m_tree(tree) {
    connect(&m_channel, &HTTPRequest::GotResults, this, &TreeFeed::PollAnswered);
    connect(&m_channel, &HTTPRequest::Error, this, &TreeFeed::PollRefused);
    connect(&m_channel, &HTTPRequest::ConnectFailed, this,
            [this] { PollFailed(QStringLiteral("the server cannot be reached")); });
    connect(&m_channel, &HTTPRequest::ClosedWithoutReply, this,
            [this] { PollFailed(QStringLiteral("the server closed the connection")); });
    connect(&m_channel, &HTTPRequest::UntrustedCertificate, this,
            [this] { PollFailed(QStringLiteral("the server's certificate is not trusted")); });
    m_guard.setSingleShot(true);
    connect(&m_guard, &QTimer::timeout, this,
            [this] { PollFailed(QStringLiteral("the server does not answer")); });
    m_nextPoll.setSingleShot(true);
    connect(&m_nextPoll, &QTimer::timeout, this, &TreeFeed::Poll);
    m_recover.setSingleShot(true);
    connect(&m_recover, &QTimer::timeout, this, [this] {
        if (m_lGeneration >= 0)
            return;
        if (m_asked != Asked::Nothing || m_session.cycle.IsBusy())
            return m_recover.start(); // still on its way
        SetStatus(QStringLiteral("Tree updates paused: the tree could not be downloaded"));
        Recover();
    });
    m_idle.setInterval(200);
    connect(&m_idle, &QTimer::timeout, this, &TreeFeed::RunIdle);

    RequestCycle& cycle = session.cycle;
    cycle.Route(zorv::OpTreeChanges, [this](const Reply& reply) { CycleReply(reply); });
    cycle.RouteError(zorv::OpTreeChanges, [this](const Reply& reply) { return CycleError(reply); });
    tree.fnRefreshThroughFeed = [this] { return Refresh(); };
    connect(&tree, &AllegianceView::TreeDownloaded, this, &TreeFeed::TreeDownloaded);
    connect(session.objCurrentChar, &CurrentCharacter::Changed, this, [this] { ++m_nShown; });
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
    m_recover.stop();
    m_bOffline = false;
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
    m_bWatching = false;
    m_nextPoll.stop();
    m_guard.stop();
    m_channel.Clear();
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
        Request(zorv::OpTreeChanges, kTreeStatus, {{"since", QString::number(m_lGeneration)}}));
    return true;
}

bool TreeFeed::OpenOffline(qint64 lGeneration, const QString& strPayload) {
    Reset();
    QString strProblem;
    if (lGeneration < 0 || ParseTreePayload(strPayload, strProblem)->Count() == 0)
        return false;
    m_tree.ParseTreeData(strPayload);
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
    m_tree.ParseTreeData(strPayload);
    m_lGeneration = lGeneration; // what it showed; the catch-up asks from here
    return true;
}

void TreeFeed::DownloadWhole() {
    // Nothing is watched while the roster is empty for the download.
    Stop();
    m_lGeneration = -1;
    m_lLearned = -1;
    m_asked = Asked::Generation;
    m_session.cycle.StartOperation(Request(zorv::OpTreeChanges, kTreeStatus, {{"since", ""}}));
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
    Watch(); // from the generation just reached; a poll still out would only repeat it
    m_session.cycle.EndWait();
}

bool TreeFeed::CycleError(const Reply& reply) {
    const Asked asked = std::exchange(m_asked, Asked::Nothing);
    if (asked == Asked::Generation) {
        // A server without the feed: the tree comes whole, as it always did.
        if (reply.iCode != zorv::CodeFeedTooOld)
            m_bOffered = false;
        m_tree.DownloadWholeTree();
        m_session.cycle.KeepWaiting();
        return true;
    }
    if (asked == Asked::Changes) {
        // Too old, or a kept tree's server that no longer answers from it: the whole tree.
        DownloadWhole();
        m_session.cycle.KeepWaiting();
        return true;
    }
    return false;
}

void TreeFeed::TreeDownloaded() {
    m_recover.stop();
    m_lGeneration = std::exchange(m_lLearned, -1);
    if (m_lGeneration >= 0)
        Watch();
    else
        Stop();
}

void TreeFeed::Watch() {
    if ((!m_bEnabled && !m_bOffline) || m_lGeneration < 0)
        return;
    Stop();
    m_bWatching = true;
    Poll();
}

void TreeFeed::Poll() {
    // Offline, the first answer is all that is wanted, at once.
    Request request(zorv::OpTreeChanges, QString(), {{"since", QString::number(m_lGeneration)}});
    if (!m_bOffline)
        request.fields.emplace_back("wait", QString::number(kWaitSeconds));
    m_session.cycle.StartOnChannel(m_channel, request);
    m_sent.start();
    m_guard.start(kWaitSeconds * 1000 + m_session.cycle.timerTimeout.interval());
}

void TreeFeed::PollLater(int iSeconds) {
    m_nextPoll.start(iSeconds * 1000);
}

void TreeFeed::PollAnswered() {
    m_guard.stop();
    if (m_bOffline)
        return BackOnline();
    const bool bHeld = m_sent.elapsed() >= kWaitSeconds * 1000 / 2;
    TreeChanges changes;
    QString strProblem;
    const bool bRead = ParseTreeChanges(m_channel.strHTTPData, changes, strProblem);
    if (m_iRetrySeconds > 0) {
        m_iRetrySeconds = 0;
        SetStatus(QString());
    }
    if (!bRead || !Apply(changes)) {
        Stop();
        Recover();
        return;
    }
    // A server that answers at nothing at once does not hold requests: ask now and then.
    // A server that answers at once with nothing does not hold requests: ask now and then. Told
    // twice, since a server that is stopping answers its held requests at once too, and the
    // watch should find that out now, not a poll's interval later.
    if (changes.Empty()) {
        m_nAnsweredAtOnce = bHeld ? 0 : m_nAnsweredAtOnce + 1;
        m_bPolling = m_nAnsweredAtOnce >= 2;
    }
    PollLater(m_bPolling ? kPollSeconds : 0);
}

void TreeFeed::PollRefused() {
    m_guard.stop();
    // Whatever it says, even that the password is wrong, is for the login to hear.
    if (m_bOffline)
        return BackOnline();
    const qint16 iCode = zorv::ReadInt16(m_channel.strResultCode.toStdString());
    if (iCode == zorv::CodeFeedTooOld) {
        Stop();
        Recover();
        return;
    }
    PollFailed(QStringLiteral("the server answered error #%1").arg(iCode));
}

void TreeFeed::PollFailed(const QString& strWhy) {
    m_guard.stop();
    m_channel.Clear();
    m_iRetrySeconds =
        m_iRetrySeconds == 0 ? kFirstRetrySeconds : std::min(2 * m_iRetrySeconds, kMaxRetrySeconds);
    SetStatus((m_bOffline ? QStringLiteral("Read-only copy: %1; trying again in %2 s")
                          : QStringLiteral("Tree updates paused: %1; trying again in %2 s"))
                  .arg(strWhy)
                  .arg(m_iRetrySeconds));
    PollLater(m_iRetrySeconds);
}

void TreeFeed::Recover() {
    Stop();
    WhenIdle([this] {
        DownloadWhole();
        // A download that fails leaves no generation to watch from: tried again, backing off,
        // until one arrives (TreeDownloaded watches from it).
        m_iRetrySeconds = m_iRetrySeconds == 0 ? kFirstRetrySeconds
                                               : std::min(2 * m_iRetrySeconds, kMaxRetrySeconds);
        m_recover.start(m_iRetrySeconds * 1000);
    });
}

void TreeFeed::BackOnline() {
    Stop();
    m_bOffline = false;
    m_iRetrySeconds = 0;
    SetStatus(QString());
    emit ServerBack();
}

void TreeFeed::SetStatus(const QString& strText) {
    m_session.stsStatusBar.SetPanel(kPanel, strText);
}

bool TreeFeed::Apply(const TreeChanges& changes) {
    // Made before the roster shown: a reply that crossed a newer one on the way.
    if (changes.lGeneration < m_lGeneration)
        return true;
    if (!changes.Empty()) {
        const RosterSnapshot before = m_roster.Now();
        if (!m_tree.ApplyChanges(changes.changed, changes.left))
            return false;
        TellSheet(changes, before->Item(CharKey(m_session.objCurrentChar->Id())));
        QList<qint16> ids(changes.left.begin(), changes.left.end());
        for (const Character& c : changes.changed)
            ids << c.nID;
        emit Applied(ids);
    }
    m_lGeneration = changes.lGeneration;
    return true;
}

void TreeFeed::TellSheet(const TreeChanges& changes, const Character* pBefore) {
    CurrentCharacter& current = *m_session.objCurrentChar;
    const qint16 id = current.Id();
    if (id == 0 || !pBefore)
        return;
    if (m_roster->IndexOfId(id) < 0)
        return current.LeftElsewhere();
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
        if (m_session.objCurrentChar->Id() == id && m_nShown == nShown)
            m_session.objCurrentChar->ChangedElsewhere();
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
