#pragma once
// The live allegiance: the tree's changes (operation 120) keep the roster shown up to date
// without a whole download.
//
// Generations. The server counts committed changes to the tree; the roster shown holds one
// generation, and every reply to 120 names the generation it was made at. A whole download
// cannot say which generation it reflects, so the feed learns one, G0, with a request of its own
// (an empty `since`) before the download is sent, and the roster is taken to hold G0. A change
// committed between the two is then either in the download or after it, and in both cases it
// comes again from the watch from G0 on: a record changed after G0 comes in its current state,
// and a record the download already holds changes nothing when it is applied again.
//
// Two ways in. The watch runs on an exchange of its own, beside the user's request cycle: a
// long poll (`wait`) that the server holds until a change is committed; when the server answers
// at once with nothing (CGI, or too many waiting requests), a poll every kPollSeconds. It never
// shows the busy pointer or a message box: when the server cannot be reached it says so in its
// status panel and tries again, waiting twice as long each time up to kMaxRetrySeconds. The
// user's own refresh (and the refresh after the user's own operations) asks the feed through
// the request cycle instead, so that it keeps its place among the user's requests. Either way a
// reply the server cannot give (CodeFeedTooOld) or changes that do not make a sound tree lead to
// a whole download, through the request cycle and only while it is idle.
#include "TreeChanges.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <vector>

#include "HTTPRequest.h"

class AllegianceView;
class Roster;
struct Reply;
struct Session;

class TreeFeed final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TreeFeed)
public:
    static constexpr int kWaitSeconds = 25;
    static constexpr int kPollSeconds = 15;
    static constexpr int kFirstRetrySeconds = 2;
    static constexpr int kMaxRetrySeconds = 60;
    static inline const QString kPanel = QStringLiteral("Tree Updates");

    TreeFeed(Session& session, Roster& roster, AllegianceView& tree, QObject* pParent = nullptr);
    ~TreeFeed() override;

    // The tree kept from the last run of this login, if any: its generation and payload. Asked
    // once per login, at its first refresh, which then shows it and only catches up.
    std::function<bool(qint64& lGeneration, QString& strPayload)> fnSavedTree;

    // Off, every refresh is a whole download and nothing is watched.
    void SetEnabled(bool bEnabled);
    // A new login: the generation held so far means nothing for it.
    void Reset();
    // Stops the watch (the window is closing).
    void Stop();
    // Shows a tree kept from an earlier run while its server cannot be reached, and keeps asking
    // the server for changes since it, backing off, until it answers: then ServerBack. False when
    // the copy cannot be read.
    bool OpenOffline(qint64 lGeneration, const QString& strPayload);
    bool Offline() const { return m_bOffline; }

    // The generation the roster shown holds; -1 when none is known.
    qint64 Generation() const { return m_lGeneration; }
    // The watch has a request out, or one planned.
    bool Watching() const { return m_bWatching; }
    // The server answers the watch at once (CGI, or too many waiting): it asks every kPollSeconds.
    bool Polling() const { return m_bPolling; }
    // The watch's exchange, for watching its events.
    const HTTPRequest& Channel() const { return m_channel; }
    // How long the watch waits before it tries again after a failure; 0 while all is well.
    int RetrySeconds() const { return m_iRetrySeconds; }

signals:
    // A set of changes has been applied to the roster shown: the ids of the characters that
    // joined, changed or left.
    void Applied(const QList<qint16>& ids);
    // The server of a tree shown offline has answered: the login can be made now.
    void ServerBack();

private:
    enum class Asked { Nothing, Generation, Changes };

    // RefreshTree through the feed: true when the feed took it over.
    bool Refresh();
    // The generation first, then the whole tree, both in the request cycle.
    void DownloadWhole();
    // Shows the tree kept from the last run, once per login; false when there is none to show.
    bool ShowSavedTree();
    void CycleReply(const Reply& reply);
    bool CycleError(const Reply& reply);
    void TreeDownloaded();

    void Watch();
    void Poll();
    void PollAnswered();
    void PollRefused();
    void PollFailed(const QString& strWhy);
    void PollLater(int iSeconds);
    void BackOnline();
    // The feed cannot go on from the roster shown: the whole tree, once the user's requests are
    // done, and again until it arrives.
    void Recover();
    void SetStatus(const QString& strText);

    // Applies changes newer than the roster's; false when they cannot be applied.
    bool Apply(const TreeChanges& changes);
    // The changes touch the record on the sheet: the sheet hears of it once the user's
    // requests are done.
    void TellSheet(const TreeChanges& changes, const Character* pBefore);
    // Runs fn once the request cycle is idle and no dialog is open.
    void WhenIdle(std::function<void()> fn);
    void RunIdle();

    Session& m_session;
    Roster& m_roster;
    AllegianceView& m_tree;
    bool m_bEnabled = true;
    bool m_bOffered = true; // false once the server has shown it has no feed
    bool m_bSavedTreeAsked = false;
    bool m_bOffline = false;
    qint64 m_lGeneration = -1;
    qint64 m_lLearned = -1; // learned for the whole download under way
    Asked m_asked = Asked::Nothing;

    HTTPRequest m_channel;
    bool m_bWatching = false;
    bool m_bPolling = false; // the server answers at once: poll instead of waiting
    int m_nAnsweredAtOnce = 0; // empty answers in a row that the server did not hold
    int m_iRetrySeconds = 0;
    QElapsedTimer m_sent;
    QTimer m_nextPoll;
    QTimer m_guard; // a poll that neither answers nor fails within its wait and the timeout
    QTimer m_idle;
    QTimer m_recover; // a download made to recover has not arrived
    std::vector<std::function<void()>> m_whenIdle;
    int m_nShown = 0; // records shown on the sheet, to tell a reload already made
};
