#pragma once
// The guild's chat notifications, for administrators: where the server sends news of the guild's
// changes (a Discord or Slack webhook, or plain JSON), which kinds of change go there, and how
// delivery is going. The server keeps the targets and the messages; this window lists them, adds
// one, removes one and has a test message sent at once. Addresses are secrets: the server shows
// only their host, and the full address is typed here once and sent once.
#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <iterator>
#include <optional>

class Grid;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct Reply;
struct Session;

// One target as operation 123 lists it.
struct NotifyTarget {
    QString strId;
    QString strFormat;   // discord, slack or json
    QStringList kinds;   // joins, departures, moves, security, setup
    QString strShownUrl; // scheme and host only
    QString strFailingSince;
    int nQueued = 0;
    int nDropped = 0;
    QString strLastResult;
    QString strLanguage = QStringLiteral("en"); // its messages' (an older server's: English)

    // The list payload, record by record; nothing for a payload the server would not write.
    static std::optional<QList<NotifyTarget>> Parse(const QString& strPayload);
};

// The kinds of change, as the protocol names them and as the window shows them. The captions
// are shown through their translation under the context "NotifyKind".
struct NotifyKind {
    const char* szKey;
    const char* szCaption;
};
inline constexpr NotifyKind kNotifyKinds[] = {
    //: A kind of change to send to a chat channel: members who join the guild
    {"joins", QT_TRANSLATE_NOOP("NotifyKind", "&Joins")},
    //: A kind of change to send: members who leave, with their vassals below them; the list of
    //: targets shows it without the part in brackets
    {"departures", QT_TRANSLATE_NOOP("NotifyKind", "&Departures (with the branch that left)")},
    //: A kind of change to send: members moved to another patron (the character one is sworn
    //: to)
    {"moves", QT_TRANSLATE_NOOP("NotifyKind", "&Patron changes")},
    //: A kind of change to send: members made administrators or normal users
    {"security", QT_TRANSLATE_NOOP("NotifyKind", "&Security level changes")},
    //: A kind of change to send: the guild's server set-up (its name, its rescue squad)
    {"setup", QT_TRANSLATE_NOOP("NotifyKind", "Server set-&up changes")},
};

// The add dialog: an address, a format and the kinds of change; it checks what it can before the
// server does.
class frmNotifyTarget final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmNotifyTarget)
public:
    explicit frmNotifyTarget(QWidget* pParent);

    QLineEdit* txtNotifyUrl;
    QComboBox* cmbNotifyFormat;
    QComboBox* cmbNotifyLanguage; // the language the messages are written in
    QCheckBox* chkNotifyKind[std::size(kNotifyKinds)];
    QLabel* lblNotifyProblem;

    QString Format() const;
    QString Kinds() const; // comma-separated keys
    QString Language() const;
    // Why the entries cannot be sent, or empty.
    QString Problem() const;

    void accept() override;
};

class frmNotifications final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmNotifications)
public:
    frmNotifications(Session& session, QWidget* pParent);

    Grid* grdNotifyTargets;
    QPushButton* cmdNotifyAdd;
    QPushButton* cmdNotifyTest;
    QPushButton* cmdNotifyRemove;
    QPushButton* cmdNotifyRefresh;
    QLabel* lblNotifyInfo;

    // Shows the window and asks the server for the targets.
    void ShowAndRefresh();
    void RefreshTargets();
    const QList<NotifyTarget>& Targets() const { return m_targets; }

private:
    void AddTarget();
    void RemoveTarget();
    void TestTarget();
    void TargetsReply(const Reply& reply);
    // The selected target; none (after a word in the window) when nothing is selected.
    const NotifyTarget* Selected();
    void ShowTargets();
    // What an operation did, said above the list once it is shown again.
    void Done(const QString& strNote);
    static QString FirstField(const Reply& reply);

    Session& m_session;
    QList<NotifyTarget> m_targets;
    QString m_strNote;
};
