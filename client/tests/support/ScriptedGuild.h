#pragma once
// A server scripted by operation, for the tests of the views and of the live tree: it answers the
// login, the tree and the records at once, the generation for an empty `since` at once, and holds
// every other request for changes until the test answers it.
#include "ScriptedPeer.h"
#include "TreePayload.h"

#include <QMap>
#include <QTest>
#include <QTimer>

struct ScriptedGuild {
    // Ann's allegiance, as the server sends it: by patron id, then in list order.
    static inline const QString kTree = "1|Ann|50|2|-1|2,3|0|0|0!;2|Bo|40|1|1|4|0|0|0!;"
                                        "3|Cy|31|1|1||0|0|0!;4|Dee|20|1|2||0|0|0!;";

    ScriptedPeer peer;
    QString strTree = kTree;
    QString strGeneration = QStringLiteral("5");
    QString strRevision = QStringLiteral("3");                     // of every record 107 gives
    QString strModified = QStringLiteral("2026-12-07 09:30:00|3"); // when, and by whom (an id)
    bool bFeed = true;                 // false: a server from before the feed
    QByteArray generationCode = "800"; // what 120 with an empty `since` is answered with
    int iDelayMs = 0;                  // every answer waits this long, as from a server far away
    QStringList holdOps;               // operations held for the test, as the watch's polls are
    // When set, the answer to a request for changes without a wait: the login waits for it
    // inside its own handler, where the test cannot step in.
    QString strCatchUp;
    struct Seen {
        int i;
        QMap<QString, QString> fields;
    };
    QList<Seen> seen;
    QList<int> held;

    ScriptedGuild() {
        QObject::connect(&peer, &ScriptedPeer::RequestArrived, &peer, [this](int i) {
            QMap<QString, QString> fields;
            const QByteArray request = peer.Request(i);
            const QByteArray body = request.mid(request.indexOf("\r\n\r\n") + 4).trimmed();
            for (const QByteArray& pair : body.split('&'))
                fields.insert(QString::fromLatin1(pair.left(pair.indexOf('='))),
                              QString::fromLatin1(pair.mid(pair.indexOf('=') + 1)));
            seen << Seen{i, fields};
            const QString msgid = fields.value("msgid");
            if (holdOps.contains(msgid))
                held << i;
            else if (msgid == "104")
                Answer(i, "800", "0.3|1|Ann|1|Guild|0|");
            else if (msgid == "100")
                Answer(i, "800", strTree);
            else if (msgid == "107")
                Answer(i, "800", Record(fields.value("getcharid")));
            else if (msgid == "117" || msgid == "118")
                Answer(i, "800", ""); // no history kept
            else if (msgid == "120" && !bFeed)
                Answer(i, "989", "");
            else if (msgid == "120" && fields.value("since").isEmpty())
                Answer(i, generationCode, generationCode == "800" ? strGeneration + "|!;" : "");
            else if (msgid == "120" && !fields.contains("wait") && !strCatchUp.isEmpty())
                Answer(i, "800", strCatchUp);
            else
                held << i;
        });
    }
    // The record 107 answers for an id.
    QString Record(const QString& strId) const {
        return strId + "|" + Name(strId) + QString(21, '|') + strRevision + "|" +
               strModified.section('|', 0, 0) + QString(8, '|') + strModified.section('|', 1) + "|";
    }
    QString Name(const QString& strId) const {
        QString strProblem;
        return ParseTreePayload(strTree, strProblem)->GetName("Char" + strId);
    }
    void Answer(int i, const QByteArray& code, const QString& strPayload) {
        const QByteArray reply = ScriptedPeer::Reply(code, strPayload.toLatin1());
        QTimer::singleShot(iDelayMs, &peer, [this, i, reply] {
            peer.Send(i, reply);
            peer.Close(i);
        });
    }
    // The requests held and still open: the client drops a poll it no longer needs.
    int Held() {
        held.removeIf([this](int i) { return !peer.Open(i); });
        return static_cast<int>(held.size());
    }
    // The msgid and `since` of the request held at position iHeld, as "msgid:since", with
    // "+wait" for a watch's poll.
    QString HeldRequest(int iHeld) {
        const QMap<QString, QString> fields = Fields(held.value(iHeld));
        return fields.value("msgid") + ":" + fields.value("since") +
               (fields.contains("wait") ? "+wait" : "");
    }
    // Answers the request held longest, or the one that HeldRequest names strRequest.
    void AnswerHeld(const QByteArray& code, const QString& strPayload,
                    const QString& strRequest = QString()) {
        Held();
        int iHeld = 0;
        while (!strRequest.isEmpty() && iHeld < held.size() && HeldRequest(iHeld) != strRequest)
            ++iHeld;
        QVERIFY2(iHeld < held.size(), qPrintable("nothing held as " + strRequest));
        Answer(held.takeAt(iHeld), code, strPayload);
    }
    // The fields of the request on connection i.
    QMap<QString, QString> Fields(int i) const {
        for (const Seen& s : seen)
            if (s.i == i)
                return s.fields;
        return {};
    }
    // Each request as "msgid" or "msgid:since", in the order they arrived.
    QStringList Requests() const {
        QStringList requests;
        for (const Seen& s : seen)
            requests << s.fields.value("msgid") +
                            (s.fields.value("msgid") == "120" ? ":" + s.fields.value("since") : "");
        return requests;
    }
    int Count(const QString& strRequest) const { return Requests().count(strRequest); }
};
