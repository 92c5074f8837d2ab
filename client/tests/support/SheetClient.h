#pragma once
// The sheet's tests' scripted guild: a tree of five characters, their records as operation 107
// answers them, and a client logged in to the scripted peer showing its own record.
#include "AllegianceModel.h"
#include "AllegianceView.h"
#include "CharacterRecord.h"
#include "CharacterSheet.h"
#include "Characters.h"
#include "MainViews.h"
#include "ScriptedPeer.h"
#include "TestClient.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTreeView>
#include <functional>
#include <map>

namespace sheet_test {

// Ann (1) is a monarch with Bo (2), who has Cy (3); Dan (4) is another monarch with Eve (5).
inline const QByteArray kTree =
    ScriptedPeer::Reply("800", "1|Ann|50|2|-1|2|0|0|0!;2|Bo|40|1|1|3|0|0|0!;"
                               "3|Cy|30|1|2||0|0|0!;4|Dan|20|1|-1|5|0|0|0!;"
                               "5|Eve|10|1|4||0|0|0!;");

// A character record as operation 107 answers it: every field of the record, the given ones
// (by payload position) set, the others plain.
inline QByteArray Record(int id, std::map<int, QByteArray> fields = {}) {
    using F = zorv::RecordField;
    auto At = [](F field) { return zorv::FieldInfo(field).iPayload; };
    QList<QByteArray> all(zorv::kCharacterPayloadFields);
    all[At(F::Id)] = QByteArray::number(id);
    all[At(F::Name)] = QList<QByteArray>{"", "Ann", "Bo", "Cy", "Dan", "Eve"}.value(id, "Nobody");
    all[At(F::Level)] = "30";
    all[At(F::Rank)] = "1";
    all[At(F::Race)] = "1";
    all[At(F::Sex)] = "1";
    all[At(F::IsMule)] = "0";
    all[At(F::Revision)] = "4";
    all[At(F::ModifiedAt)] = "2026-12-01 10:00";
    all[At(F::ModifiedBy)] = "1";
    for (const auto& [i, value] : fields)
        all[i] = value;
    return ScriptedPeer::Reply("800", all.join('|'));
}

// The body of a request as the peer received it.
inline QByteArray Body(const QByteArray& request) {
    return request.mid(request.indexOf("\r\n\r\n") + 4).chopped(2);
}

// A client logged in to the scripted peer, as Bo (a member) unless told otherwise, showing its
// own record.
struct SheetClient : TestClient {
    explicit SheetClient(QByteArray loginFields = "0.3|2|Bo|1|Guild|1|Watch",
                         QByteArray own = Record(2)) {
        peer.queuedReplies << ScriptedPeer::Reply("800", loginFields) << kTree << own;
        LogIn(peer.Address() + "/zorv", "Bo", "secret1");
    }
    bool Shown(qint16 id) {
        return QTest::qWaitFor([&] { return Sheet().iCurDisplayCharID == id; }, 10000);
    }
    SheetViews& V() { return window->views().sheet; }
    CharacterSheet& Sheet() { return window->sheet(); }
    // Clicks a character's node as the user does, with its record queued.
    void Click(qint16 id, const QByteArray& record) {
        peer.queuedReplies << record;
        QTreeView* pTree = window->views().treTreeView;
        QModelIndex node = window->allegiance().MainModel().IndexOfKey(CharKey(id));
        pTree->setCurrentIndex(node);
        emit pTree->clicked(node);
    }
    // Types into a line box as the user does, replacing its text (Latin-1 letters are put in
    // whole, as a paste would).
    static void Type(QLineEdit* pEdit, const QString& strText) {
        pEdit->selectAll();
        QTest::keyClick(pEdit, Qt::Key_Delete);
        for (QChar ch : strText) {
            if (ch.unicode() < 0x80) {
                QTest::keyClicks(pEdit, QString(ch));
            } else {
                pEdit->insert(QString(ch));
                emit pEdit->textEdited(pEdit->text());
            }
        }
    }
    // The request the save sent, once it arrived; the reload after it gets `stored`.
    // `sent` runs at once after the save is sent, before any reply.
    QByteArray SaveBody(const QByteArray& stored, const std::function<void()>& sent = {}) {
        const int i = peer.Connections();
        peer.queuedReplies << ScriptedPeer::Reply("800", "") << stored;
        prompts->ExpectOk(); // the save's confirmation
        Sheet().SaveCharChanges();
        if (sent)
            sent();
        [&] { QTRY_VERIFY(peer.RequestComplete(i)); }();
        return Body(peer.Request(i));
    }

    ScriptedPeer peer;
};

inline QStringList Items(const QListWidget* pList) {
    QStringList items;
    for (int i = 0; i < pList->count(); ++i)
        items << pList->item(i)->text();
    return items;
}

inline QStringList Selected(const QListWidget* pList) {
    QStringList items;
    for (int i = 0; i < pList->count(); ++i)
        if (pList->item(i)->isSelected())
            items << pList->item(i)->text();
    return items;
}

} // namespace sheet_test
