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
// at once with nothing (CGI, or too many waiting requests), a poll every kPollSeconds. The user's
// own refresh (and the refresh after the user's own operations) asks the feed through the request
// cycle instead, so that it keeps its place among the user's requests, and sets the watch going
// again beside it, so that a refresh the user drops with another click loses nothing.
//
// Nothing the user did not start goes through the request cycle: when the watch cannot go on
// from the roster shown (CodeFeedTooOld, or changes that do not make a sound tree) the feed
// recovers on an exchange of its own too (the generation, then the whole tree) and shows the
// tree once no dialog is open. None of it shows the busy pointer or a message box, drops or
// delays a user's request, or is dropped by one; each step ends in a reply or a deadline, a
// failure is said in the status panel and tried again, waiting twice as long each time up to
// kMaxRetrySeconds. A refused login (950-954) stops it all until the user's next login.
#include "TreeChanges.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>
#include <vector>

#include "BackgroundRequest.h"
#include "Characters.h"

class CurrentCharacter;
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

    TreeFeed(Session& session, CurrentCharacter& current, Roster& roster, AllegianceView& tree,
             QObject* pParent = nullptr);
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
    // The whole tree is being fetched, or waits to be shown, beside the user's requests.
    bool Recovering() const {
        return m_recovery.Running() || m_recoverLater.isActive() || m_pending.has_value();
    }
    // The server refused the login the watch goes out under: nothing is asked until a new one.
    bool StoppedForLogin() const { return m_bLoginRefused; }
    // The server answers the watch at once (CGI, or too many waiting): it asks every kPollSeconds.
    bool Polling() const { return m_bPolling; }
    // The watch's exchange, for watching its events.
    const HTTPRequest& Channel() const { return m_watch.Channel(); }
    // How long the feed waits before it tries again after a failure; 0 while all is well.
    int RetrySeconds() const { return m_iRetrySeconds; }

signals:
    // A set of changes has been applied to the roster shown: the ids of the characters that
    // joined, changed or left; none when a whole tree the feed recovered replaced it.
    void Applied(const QList<qint16>& ids);
    // The server of a tree shown offline has answered: the login can be made now.
    void ServerBack();

private:
    enum class Asked { Nothing, Generation, Changes };
    using Outcome = BackgroundRequest::Outcome;

    // RefreshTree through the feed: true when the feed took it over.
    bool Refresh();
    // The user's whole download: the generation first, then the whole tree, both in the request
    // cycle.
    void DownloadWhole();
    // Shows the tree kept from the last run, once per login; false when there is none to show.
    bool ShowSavedTree();
    // Shows a tree kept from an earlier run, whose generation the caller sets.
    void ShowCopy(const QString& strPayload);
    void CycleReply(const Reply& reply);
    bool CycleError(const Reply& reply);
    void TreeDownloaded();
    // The user's whole download has not arrived and is no longer under way: recover.
    void CheckDownload();

    void Watch();
    void StopWatch();
    void Poll();
    void PollAnswered(const Outcome& outcome);
    void PollFailed(const QString& strWhy);
    void BackOnline();
    // The feed cannot go on from the roster shown: the whole tree, on the feed's own exchange.
    void Recover();
    void RecoveryGeneration(const Outcome& outcome);
    void RecoveryTree(const Outcome& outcome, qint64 lLearned);
    void RecoveryFailed(const QString& strWhy);
    // Shows the tree recovered once no dialog is open.
    void ApplyRecovered();
    void StopRecovery();
    // The server refused the login: the watch and the recovery stop until the next login.
    void StopForLogin(qint16 iCode);
    // Twice the last wait before a retry, from kFirstRetrySeconds up to kMaxRetrySeconds.
    int NextRetrySeconds();
    int DeadlineMs(int iWaitSeconds) const;
    void SetStatus(const QString& strText);

    // Applies changes newer than the roster's; false when they cannot be applied.
    bool Apply(const TreeChanges& changes);
    // The changes touch the record on the sheet: the sheet hears of it once the user's
    // requests are done.
    void TellSheet(const TreeChanges& changes, const Character* pBefore);
    // A whole tree replaced the one the sheet's character was read from.
    void TellSheetAfterWhole(const std::optional<Character>& before);
    // Tells the sheet, once idle, that the character id left while it was shown.
    void TellLeft(qint16 id);
    // Runs fn once the request cycle is idle and no dialog is open.
    void WhenIdle(std::function<void()> fn);
    void RunIdle();

    struct Recovered {
        qint64 lGeneration = -1;
        RosterSnapshot tree;
    };

    Session& m_session;
    CurrentCharacter& m_current;
    Roster& m_roster;
    AllegianceView& m_tree;
    bool m_bEnabled = true;
    bool m_bOffered = true; // false once the server has shown it has no feed
    bool m_bSavedTreeAsked = false;
    bool m_bOffline = false;
    bool m_bLoginRefused = false;
    bool m_bShowingCopy = false;
    qint64 m_lGeneration = -1;
    qint64 m_lLearned = -1; // learned for the whole download under way
    Asked m_asked = Asked::Nothing;

    BackgroundRequest m_watch;
    bool m_bWatching = false;
    bool m_bPolling = false;   // the server answers at once: poll instead of waiting
    int m_nAnsweredAtOnce = 0; // empty answers in a row that the server did not hold
    int m_iRetrySeconds = 0;
    QElapsedTimer m_sent;
    QTimer m_nextPoll;
    BackgroundRequest m_recovery;
    QTimer m_recoverLater;
    std::optional<Recovered> m_pending; // recovered, shown once no dialog is open
    QTimer m_applyLater;
    QTimer m_checkDownload; // the user's whole download, until it arrives
    QTimer m_idle;
    std::vector<std::function<void()>> m_whenIdle;
    int m_nShown = 0; // records shown on the sheet, to tell a reload already made
};
