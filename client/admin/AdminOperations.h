#pragma once
// The administrator's operations: changing the server set-up, resetting a member's password to
// the default, changing a member's security level, and backing the guild up to a local file.
// Each checks the user's level itself, whatever the menu shows.
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class AllegianceView;
class Roster;
class frmNewServerSetup;
class frmSecLevel;
class QWidget;
struct Reply;
struct Session;

class AdminOperations final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AdminOperations)
public:
    AdminOperations(Session& session, const Roster& roster, AllegianceView& tree,
                    frmNewServerSetup& setup, QWidget* pDialogParent);
    ~AdminOperations() override;

    // Called when the guild's values change, so the caption can follow.
    std::function<void()> fnGuildChanged;

    QString strBackupFile; // the file chosen for the last backup

    void AdminServerSetup();
    void AdminResetPass();
    void AdminChangeSec();
    void AdminBackupDB();
    // Writes the backup payload, less its last character, then CR LF; whole or not at all.
    bool WriteBackupFile(const Reply& reply);

    frmSecLevel& SecLevelDialog() { return *m_pSecLevel; }

private:
    bool LevelGuard();
    // The selected character's record; nullptr (after the message) when none is selected.
    const struct Character* Selected(const QString& strNoSelection);

    Session& m_session;
    const Roster& m_roster;
    AllegianceView& m_tree;
    frmNewServerSetup& m_setup;
    std::unique_ptr<frmSecLevel> m_pSecLevel;
    // The set-up sent last, which the client takes over only once the server has stored it.
    struct SentSetup {
        QString strGuildName;
        int iUseRescueSquad = 0;
        QString strRescueSquadName;
    } m_sentSetup;
};
