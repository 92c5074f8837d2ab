#pragma once
// The guild's facts (operation 121): what the tree download leaves out of each member's record
// and a view of the whole guild needs, and, for an administrator who asked, who is on the default
// password and when each administrator last logged in. A pure parser, Qt Core only.
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <optional>

struct MemberFacts {
    qint16 nRace = 0; // as the sheet holds them: 0 unknown
    qint16 nSex = 0;
    int nFollowersEntered = 0; // the number the member entered, not the tree's count
    bool bMule = false;
    QString strMainChar;
    QString strModifiedAt; // "YYYY-MM-DD HH:MM" UTC; empty for never
};

struct GuildFacts {
    int nVassalCap = 12;
    QHash<qint16, MemberFacts> members; // by id
    // The administrators' part, when it was asked for and given.
    bool bAdminPart = false;
    QList<qint16> onDefaultPassword; // ids, in the payload's order (the server's: ascending)
    QList<QPair<qint16, QString>> adminLogins; // id, last login ("" for none noted)

    // A payload as the server writes it; nothing for one that is not (no cap first, a record of
    // the wrong length or with an id that is no number).
    static std::optional<GuildFacts> Parse(const QString& strPayload, bool bAdminPart);
};
