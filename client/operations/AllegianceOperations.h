#pragma once
// The operations that change the allegiance or a login: adding a vassal under the selected
// character, removing one of its vassals with the whole branch below, moving it to a new patron,
// and changing a password. Each sends the lists of the tree as the user saw it, so that the server
// refuses to act on an allegiance the user has not seen; each success downloads the tree again
// and shows the selected character's record.
#include <QObject>
#include <QString>
#include <memory>

class CurrentCharacter;
class AllegianceView;
class CharacterSheet;
class Roster;
class frmAddVassal;
class frmChangePassword;
class frmLogin;
class QWidget;
struct ActingLogin;
struct Request;
struct Session;
struct SheetViews;

class AllegianceOperations final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AllegianceOperations)
public:
    // The dialogs are parented to pDialogParent for their placement and owned here.
    AllegianceOperations(Session& session, CurrentCharacter& current, const Roster& roster,
                         AllegianceView& tree, CharacterSheet& sheet, SheetViews& views,
                         frmLogin& login, QWidget* pDialogParent);
    ~AllegianceOperations() override;

    void AddVassal();
    void RemoveVassal();
    void ChangePatron();
    void ChangePassword();

    frmAddVassal& AddVassalDialog() { return *m_pAddVassal; }
    frmChangePassword& ChangePasswordDialog() { return *m_pChangePassword; }

private:
    // The id text of the selected node ("Char" left off).
    QString SelectedId() const;
    // The request of operation msgid under the acting character's login, with its status text
    // (none when empty).
    static Request Open(const ActingLogin& acting, qint16 msgid, const QString& strStatus);
    // After a success: its message, a new tree, the wait for it, then the record again.
    void Reload(const QString& strMessage);

    Session& m_session;
    CurrentCharacter& m_current;
    const Roster& m_roster;
    AllegianceView& m_tree;
    CharacterSheet& m_sheet;
    SheetViews& m_views;
    frmLogin& m_login;
    std::unique_ptr<frmAddVassal> m_pAddVassal;
    std::unique_ptr<frmChangePassword> m_pChangePassword;
    QString m_strNewPassword; // asked for by the last change of password
};
