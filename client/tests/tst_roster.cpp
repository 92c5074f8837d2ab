// The model without a window: the tree payload's reading and refusals, the allegiance index
// built from it (ranks, followers, vassal positions, links), and the character payload.
#include "CharacterPayload.h"
#include "CharacterRecord.h"
#include "Characters.h"
#include "Numbers.h"
#include "Records.h"
#include "RosterRecords.h"
#include "TreeChanges.h"
#include "TreePayload.h"
#include "TreeRecord.h"

#include <QTest>
#include <algorithm>
#include <climits>
#include <functional>
#include <map>
#include <random>
#include <set>

namespace {

// A snapshot from "id:patron:vassals" triples, in the order given, read as a download is.
RosterSnapshot Snapshot(const QList<std::tuple<int, int, QString>>& records) {
    QString strPayload;
    for (const auto& [id, patron, vassals] : records)
        strPayload += QStringLiteral("%1|C%1|1|0|%2|%3|0|0|0!;").arg(id).arg(patron).arg(vassals);
    QString strProblem;
    RosterSnapshot roster = ParseTreePayload(strPayload, strProblem);
    if (!strProblem.isEmpty())
        qFatal("%s", qPrintable(strProblem));
    return roster;
}

// The record of id in a snapshot, as the changes to it would carry it.
Character Record(const RosterSnapshot& roster, int id) {
    return roster->At(roster->IndexOfId(id));
}

// The payload read the plain way, through the protocol's own record framing and number rule,
// every record added under its key text: the parser's own reading must agree with it.
QString PlainParse(const QString& strPayload, Characters& roster) {
    const QByteArray bytes = strPayload.toLatin1();
    auto Text = [](std::string_view s) {
        return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
    };
    QString strProblem;
    int nRecord = 0;
    std::vector<std::string_view> fields;
    zorv::ForEachRecord(
        std::string_view(bytes.constData(), std::size_t(bytes.size())),
        [&](std::string_view record) {
            ++nRecord;
            if (!strProblem.isEmpty())
                return;
            zorv::FieldViews(record, fields);
            if (fields.size() < 9) {
                strProblem = QStringLiteral("record %1 has fewer than nine fields").arg(nRecord);
                return;
            }
            const std::string_view id = zorv::TrimBlanks(fields[0]);
            const QString strKey = QStringLiteral("Char") + Text(id);
            if (roster.IndexOf(strKey) >= 0) {
                strProblem = QStringLiteral("the id %1 comes twice").arg(Text(id));
                return;
            }
            using F = zorv::TreeField;
            auto Number = [&](F field) { return zorv::ReadInt16(fields[zorv::At(field)]); };
            Character c;
            c.nID = zorv::ReadInt16(id);
            c.strName = Text(fields[zorv::At(F::Name)]);
            c.nLevel = Number(F::Level);
            c.nRank = Number(F::Rank);
            c.nPatronID = Number(F::Patron);
            c.strVassalIDs = Text(fields[zorv::At(F::Vassals)]);
            c.iIsMule = Number(F::Mule);
            c.iIsPK = Number(F::PK);
            c.iIsRescueSquadMember = Number(F::Rescue);
            roster.Add(std::move(c), strKey);
        });
    if (strProblem.isEmpty())
        strProblem = roster.LinkProblem();
    if (!strProblem.isEmpty())
        roster = Characters();
    return strProblem;
}

// Payloads in the forms a parser gets wrong: a sound tree whose texts vary in every way the
// reading rules allow, or records thrown together from awkward pieces.
QString AwkwardPayload(std::mt19937& random, bool bSound) {
    auto Pick = [&](const QStringList& choices) {
        return choices[int(random() % unsigned(choices.size()))];
    };
    const QStringList numbers =
        QStringList{"50",     "50abc",  " 7",    "7 ",     "1.5",    "2.5", "-0",
                    "99999",  "+3",     "",      "1e2",    "-1",     "0",   "1",
                    "-32768", "123456", "00012", "-",      "\u00e9", "12|", "3e-1",
                    ".5",     "1.",     "-2.5",  "-99999", "abc",    "2e",  ".6"}
        << "123456789012345" << QString(QChar(0x100)) + "5";
    const QStringList names{"Ann", " Old Tom ", "a!b", "", "Zo\u00eb", "x!", "!y", "  "};
    const int nRecords = 1 + int(random() % 12);
    std::vector<int> patrons(std::size_t(nRecords) + 1, -1);
    std::vector<QStringList> vassals(std::size_t(nRecords) + 1);
    for (int id = 2; id <= nRecords; ++id) {
        patrons[std::size_t(id)] = 1 + int(random() % unsigned(id - 1));
        QString strPiece = QString::number(id);
        if (random() % 4 == 0) // forms that name the same record
            strPiece = Pick({" " + strPiece, strPiece + " ", " " + strPiece + " "});
        vassals[std::size_t(patrons[std::size_t(id)])] << strPiece;
    }
    QString strPayload;
    for (int id = 1; id <= nRecords; ++id) {
        QStringList fields{QString::number(id),
                           Pick(names),
                           Pick(numbers),
                           Pick(numbers),
                           QString::number(patrons[std::size_t(id)]),
                           vassals[std::size_t(id)].join(','),
                           Pick(numbers),
                           Pick(numbers),
                           Pick(numbers)};
        if (!bSound) {
            fields[0] =
                Pick({QString::number(id), " " + QString::number(id), "0" + QString::number(id),
                      "+" + QString::number(id), "-1", "99999", QString::number(id) + "x"});
            fields[4] = Pick({fields[4], Pick(numbers)});
            fields[5] = Pick({fields[5], fields[5] + ",", "," + fields[5], "3,,4", "+2", "02",
                              "40000", "2,2", " 2 ,3"});
            if (random() % 6 == 0)
                fields.removeLast();
        }
        if (random() % 4 == 0)
            fields << Pick({"extra", "", "a!b", "1|2"});
        QString strRecord = fields.join('|');
        if (random() % 4 == 0)
            strRecord = Pick({" ", "  "}) + strRecord + Pick({"", " "});
        strPayload += strRecord + "!;";
    }
    return strPayload + Pick({"", "", "tail|1|2", "x!", "!", " ", "1|2|3|4|5|6|7|8|9"});
}

} // namespace

class tst_roster final : public QObject {
    Q_OBJECT

private slots:
    void parsing();
    void refusedPayloads_data();
    void refusedPayloads();
    void agreesWithPlainReading();
    void rankRule_data();
    void rankRule();
    void followersAndLinks();
    void snapshotsWithChanges();
    void changesAgreeWithDownload();
    void changesFollowAGuild();
    void longChainIsSafe();
    void characterPayload();
};

void tst_roster::parsing() {
    const QString strThree = "1|Ann|50|6|-1|2,3|0|0|1!;2|Bo|30|1|1||1|0|0!;3|Cy|31|1|1||0|1|0!;";
    QString strProblem;
    RosterSnapshot roster = ParseTreePayload(strThree, strProblem);
    QCOMPARE(strProblem, QString());
    QCOMPARE(roster->Count(), 3);
    QCOMPARE(roster->At(0).strName, QStringLiteral("Ann"));
    QCOMPARE(roster->Item("Char1")->iIsRescueSquadMember, qint16(1));
    QCOMPARE(roster->Item("Char2")->iIsMule, qint16(1));
    // Without the final "!;" the last record is not a record, and Ann's list then names a
    // missing vassal: refused.
    QCOMPARE(ParseTreePayload(strThree.chopped(2), strProblem)->Count(), 0);
    QVERIFY(!strProblem.isEmpty());

    // Patron 0 is a patron, not a root.
    roster = ParseTreePayload("0|Zed|1|1|-1|5|0|0|0!;5|Five|1|1|0||0|0|0!;", strProblem);
    QCOMPARE(strProblem, QString());
    QCOMPARE(roster->Item("Char5")->nPatronID, qint16(0));
    QCOMPARE(ParseTreePayload("", strProblem)->Count(), 0);
    QCOMPARE(strProblem, QString());
    ParseTreePayload("1|A|1|1|-1|2e0|0|0|0!;2|B|1|1|1||0|0|0!;", strProblem);
    QVERIFY(!strProblem.isEmpty());
}

void tst_roster::refusedPayloads_data() {
    QTest::addColumn<QString>("payload");
    QTest::addColumn<QString>("reason");
    auto Row = [](const char* szName, const char* szPayload, const char* szReason) {
        QTest::newRow(szName) << QString(szPayload) << QString(szReason);
    };
    Row("eight fields", "1|Ann|50|6|-1||0|0!;", "fewer than nine fields");
    Row("id twice", "1|Ann|1|1|-1||0|0|0!;1|Bo|1|1|-1||0|0|0!;", "comes twice");
    Row("missing vassal", "1|Ann|1|1|-1|9|0|0|0!;", "missing");
    Row("listed twice", "1|A|1|1|-1|3|0|0|0!;2|B|1|1|-1|3|0|0|0!;3|C|1|1|1||0|0|0!;", "twice");
    Row("under a stranger", "1|A|1|1|-1|2|0|0|0!;2|B|1|1|5||0|0|0!;5|E|1|1|-1||0|0|0!;",
        "not its patron");
    Row("cycle", "1|A|1|1|2|2|0|0|0!;2|B|1|1|1|1|0|0|0!;", "cycle");
    Row("self", "1|A|1|1|1|1|0|0|0!;", "cycle");
}

void tst_roster::refusedPayloads() {
    QFETCH(QString, payload);
    QFETCH(QString, reason);
    QString strProblem;
    QCOMPARE(ParseTreePayload(payload, strProblem, *Snapshot({{99, -1, ""}}))->Count(), 0);
    QVERIFY2(strProblem.contains(reason), qPrintable(strProblem));
}

void tst_roster::agreesWithPlainReading() {
    // The parser reads the framing, the ids and the numbers its own way; on payloads in every
    // awkward form it must give the roster, the keys, the vassal positions and the refusals that
    // the plain reading gives.
    std::mt19937 random(20261206);
    int nAccepted = 0;
    // Each payload read against the roster the last one made, as the client reads each
    // download: what the last payload left at a position must never stand in for what this one
    // says there.
    RosterSnapshot last = Snapshot({{99, -1, ""}});
    for (int nCase = 0; nCase < 600; ++nCase) {
        QString strPayload = AwkwardPayload(random, nCase % 3 != 0);
        if (nCase % 10 == 0) // what Latin-1 cannot carry
            strPayload.replace("Ann", QString(QChar(0x141)));
        Characters plain;
        const QString strPlain = PlainParse(strPayload, plain);
        QString strParsed;
        const RosterSnapshot next = ParseTreePayload(strPayload, strParsed, *last);
        last = next;
        const Characters& parsed = *next;
        const QByteArray context = "payload: " + strPayload.toUtf8();
        QVERIFY2(strParsed == strPlain,
                 context + "\nparser: " + strParsed.toUtf8() + "\nplain: " + strPlain.toUtf8());
        QVERIFY2(parsed.Count() == plain.Count(), context);
        nAccepted += strParsed.isEmpty() && parsed.Count() > 0;
        for (int i = 0; i < plain.Count(); ++i) {
            const Character& want = plain.At(i);
            const Character& got = parsed.At(i);
            QVERIFY2(got.nID == want.nID && got.strName == want.strName &&
                         got.nLevel == want.nLevel && got.nRank == want.nRank &&
                         got.nPatronID == want.nPatronID && got.strVassalIDs == want.strVassalIDs &&
                         got.iIsMule == want.iIsMule && got.iIsPK == want.iIsPK &&
                         got.iIsRescueSquadMember == want.iIsRescueSquadMember,
                     context + "\nrecord " + QByteArray::number(i));
            const IndexSpan wantVassals = plain.VassalIndexes(i);
            const IndexSpan gotVassals = parsed.VassalIndexes(i);
            QVERIFY2(std::equal(wantVassals.begin(), wantVassals.end(), gotVassals.begin(),
                                gotVassals.end()),
                     context + "\nvassals of record " + QByteArray::number(i));
            const QString strKey = QStringLiteral("Char") + QString::number(want.nID);
            QVERIFY2(parsed.IndexOf(strKey) == plain.IndexOf(strKey),
                     context + "\n" + strKey.toUtf8());
        }
    }
    QVERIFY2(nAccepted > 100, QByteArray::number(nAccepted)); // the sound cases mostly pass
}

void tst_roster::rankRule_data() {
    QTest::addColumn<QList<int>>("vassalRanks"); // each vassal gets a chain giving that rank
    QTest::addColumn<int>("rank");
    QTest::newRow("no vassals") << QList<int>{} << 1;
    QTest::newRow("one of 3") << QList<int>{3} << 3;
    QTest::newRow("3 and 3") << QList<int>{3, 3} << 4;
    QTest::newRow("5, 3, 3: ties only at the top") << QList<int>{5, 3, 3} << 5;
    QTest::newRow("3, 5, 5") << QList<int>{3, 5, 5} << 6;
    QTest::newRow("10 and 10: capped") << QList<int>{10, 10} << 10;
}

void tst_roster::rankRule() {
    QFETCH(QList<int>, vassalRanks);
    QFETCH(int, rank);
    // A vassal of rank r: a balanced pair of rank r-1 vassals below it, built bottom up.
    Characters roster;
    int nextId = 1;
    std::function<int(int, int)> Build = [&](int r, int patron) -> int {
        int id = nextId++;
        QStringList vassals;
        if (r > 1)
            for (int k = 0; k < 2; ++k)
                vassals << QString::number(Build(r - 1, id));
        roster.Add(RosterRecord(qint16(id), QString::number(id), qint16(patron), vassals.join(',')),
                   CharKey(qint16(id)));
        return id;
    };
    QStringList top;
    for (int r : vassalRanks)
        top << QString::number(Build(r, 0));
    roster.Add(RosterRecord(0, "Top", -1, top.join(',')), CharKey(0));
    QCOMPARE(roster.LinkProblem(), QString());
    QCOMPARE(int(roster.CalculateRank(CharKey(0))), rank);
}

void tst_roster::followersAndLinks() {
    // "3, 4" with a blank still names two vassals.
    const RosterSnapshot roster =
        Snapshot({{1, -1, "2,5"}, {2, 1, "3, 4"}, {3, 2, ""}, {4, 2, ""}, {5, 1, ""}});
    QCOMPARE(int(roster->CountFollowers("Char1")), 4);
    QCOMPARE(int(roster->CountFollowers("Char2")), 2);
    QCOMPARE(int(roster->CountFollowers("Char3")), 0);
    QVERIFY(IsFollower(*roster, 1, 3));
    QVERIFY(!IsFollower(*roster, 3, 1));
    QVERIFY(!IsFollower(*roster, 1, 1));
    QVERIFY(!IsFollower(*roster, 1, 9));
    // Names are found whatever their case, the first of two spellings first.
    QString strProblem;
    const RosterSnapshot names = ParseTreePayload(
        "1|Bo|1|1|-1||0|0|0!;3|Anna|1|1|-1||0|0|0!;4|anna|1|1|-1||0|0|0!;", strProblem);
    QCOMPARE(int(names->GetID("ANNA")), 3);
    QCOMPARE(names->GetName("Char9"), QStringLiteral("Unknown"));
    // Links built by hand that loop: no answer from the forest, and the walk up still ends.
    Characters loop;
    loop.Add(RosterRecord(1, "A", 2, "2"), "Char1");
    loop.Add(RosterRecord(2, "B", 1, "1"), "Char2");
    QVERIFY(!IsFollower(loop, 5, 1));
    QCOMPARE(int(loop.CalculateRank("Char1")), 0);
    QCOMPARE(int(loop.CountFollowers("Char1")), 0);
}

void tst_roster::snapshotsWithChanges() {
    // 1 lists 2 and 3; 2 lists 4 and 5: rank 2 for 1 and 2, four followers under 1.
    const RosterSnapshot before =
        Snapshot({{1, -1, "2,3"}, {2, 1, "4,5"}, {3, 1, ""}, {4, 2, ""}, {5, 2, ""}});
    QCOMPARE(int(before->CalculateRank("Char1")), 2);
    QCOMPARE(int(before->CountFollowers("Char1")), 4);

    // 3 takes two new vassals, 6 and 7; 2 loses 5, who leaves; 2 is renamed.
    Character three = Record(before, 3), two = Record(before, 2);
    three.strVassalIDs = "6,7";
    two.strVassalIDs = "4";
    two.strName = "Renamed";
    std::vector<Character> changed{two, three};
    for (qint16 id : {6, 7})
        changed.push_back(Character{id, QStringLiteral("New %1").arg(id), 1, 1, 3, "", 0, 0, 0, 0});
    QString strProblem;
    const RosterSnapshot after = before->WithChanges(changed, {5}, strProblem);
    QCOMPARE(strProblem, QString());
    QVERIFY(after);
    // Changed records keep their places, the new ones join at the end, the one that left is gone.
    QStringList order;
    for (const Character& c : *after)
        order << c.strName;
    QCOMPARE(order, QStringList({"C1", "Renamed", "C3", "C4", "New 6", "New 7"}));
    QCOMPARE(after->IndexOf("Char5"), -1);
    QCOMPARE(after->IndexOfId(7), 5);
    // Its index is its own: 3 now has two rank-1 vassals, 2 only one.
    QCOMPARE(int(after->CalculateRank("Char3")), 2);
    QCOMPARE(int(after->CalculateRank("Char2")), 1);
    QCOMPARE(int(after->CountFollowers("Char1")), 5);
    QCOMPARE(after->ListedBy(after->IndexOfId(6)), after->IndexOfId(3));
    // The snapshot it came from is untouched, answers and all.
    QCOMPARE(before->Count(), 5);
    QCOMPARE(before->Item("Char2")->strName, QStringLiteral("C2"));
    QCOMPARE(int(before->CalculateRank("Char2")), 2);
    QCOMPARE(int(before->CountFollowers("Char1")), 4);

    // Changes that leave a list naming a member who left make no snapshot: only a whole
    // download can say what the tree is then.
    QVERIFY(!before->WithChanges({}, {4}, strProblem));
    QVERIFY(strProblem.contains("missing"));
    QVERIFY(!before->WithChanges({Character{4, "Four", 1, 1, 2, "1", 0, 0, 0, 0}}, {}, strProblem));
    QVERIFY(strProblem.contains("cycle") || strProblem.contains("not its patron"));
}

// Each record as the payload writes it, in roster order.
QStringList Records(const Characters& roster) {
    QStringList records;
    for (const Character& c : roster)
        records << QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8|%9")
                       .arg(c.nID)
                       .arg(c.strName)
                       .arg(c.nLevel)
                       .arg(c.nRank)
                       .arg(c.nPatronID)
                       .arg(c.strVassalIDs)
                       .arg(c.iIsMule)
                       .arg(c.iIsPK)
                       .arg(c.iIsRescueSquadMember);
    return records;
}

void tst_roster::changesAgreeWithDownload() {
    // Two monarchs, 5 before 1 as they joined; the rest by patron id, then list order.
    const QString strBefore = "5|M5|9|1|-1|3,8|0|0|0!;1|M1|9|1|-1|2,4|0|0|0!;2|A|1|1|1|6|0|0|0!;"
                              "4|B|1|1|1||0|0|0!;6|C|1|1|2||0|0|0!;3|D|1|1|5||0|0|0!;"
                              "8|E|1|1|5||0|0|0!;";
    // 4 moves from 1 to the end of 5's list, 6 leaves, 2 is renamed, 9 founds a third
    // allegiance and 7 swears to 3; 8 is untouched. The download afterwards:
    const QString strAfter = "5|M5|9|1|-1|3,8,4|0|0|0!;1|M1|9|1|-1|2|0|0|0!;9|New|1|1|-1||0|0|1!;"
                             "2|Renamed|1|1|1||0|0|0!;7|G|2|1|3||1|0|0!;3|D|1|1|5|7|0|0|0!;"
                             "8|E|1|1|5||0|0|0!;4|B|1|1|5||0|0|0!;";
    // The changes: every record but 8's, in the download's order, after the header.
    QString strFeed = "42|6!;" + strAfter;
    strFeed.remove("8|E|1|1|5||0|0|0!;");
    // Saved sheets carry their revision in a tenth field, which the tree's readers skip.
    strFeed.replace("2|Renamed|1|1|1||0|0|0!;", "2|Renamed|1|1|1||0|0|0|17!;");
    strFeed.replace("7|G|2|1|3||1|0|0!;", "7|G|2|1|3||1|0|0|3!;");
    strFeed += "<STOP_HERE>";
    QString strProblem;
    const RosterSnapshot before = ParseTreePayload(strBefore, strProblem);
    const RosterSnapshot fresh = ParseTreePayload(strAfter, strProblem);
    QCOMPARE(strProblem, QString());
    TreeChanges changes;
    QVERIFY2(ParseTreeChanges(strFeed, changes, strProblem), qPrintable(strProblem));
    QCOMPARE(changes.lGeneration, qint64(42));
    QCOMPARE(changes.left, std::vector<qint16>{6});
    QCOMPARE(int(changes.changed.size()), 7);
    QCOMPARE(changes.revisions.size(), changes.changed.size());
    for (std::size_t i = 0; i < changes.changed.size(); ++i) {
        const qint16 id = changes.changed[i].nID;
        QCOMPARE(changes.revisions[i], id == 2   ? QString("17")
                                       : id == 7 ? QString("3")
                                                 : QString());
    }

    RosterSnapshot after = before->WithChanges(changes.changed, changes.left, strProblem);
    QVERIFY2(after, qPrintable(strProblem));
    QCOMPARE(Records(*after), Records(*fresh));
    QCOMPARE(after->IndexOf("Char9"), fresh->IndexOf("Char9"));
    QCOMPARE(int(after->CalculateRank("Char5")), int(fresh->CalculateRank("Char5")));
    // Written out, as a tree kept between runs is, it reads back the same.
    QCOMPARE(Records(*ParseTreePayload(TreePayloadOf(*after), strProblem)), Records(*fresh));
    // The same changes again, as they come after a download that already holds them, change
    // nothing.
    after = after->WithChanges(changes.changed, changes.left, strProblem);
    QVERIFY(after);
    QCOMPARE(Records(*after), Records(*fresh));

    // A reply without its header, or with a record cut short, is not read at all.
    QVERIFY(!ParseTreeChanges("1|Ann|50|6|-1||0|0|1", changes, strProblem));
    QVERIFY(!ParseTreeChanges("x|!;", changes, strProblem));
    QVERIFY(!ParseTreeChanges("7|!;1|Ann|50!;", changes, strProblem));
    QVERIFY(strProblem.contains("fewer than nine"));
    QVERIFY(ParseTreeChanges("7|!;<STOP_HERE>", changes, strProblem));
    QVERIFY(changes.Empty());
}

namespace {

// A guild as the server holds it, changed at random the ways members change it (joining,
// leaving with their vassals freed, swearing to another patron, renaming), to check a roster
// following the changes against the download of the same guild.
struct Guild {
    struct Member {
        int patron = -1;
        QList<int> vassals;
        QString strName;
    };
    std::map<int, Member> members;
    std::mt19937 random{7};

    int Any() {
        auto it = members.begin();
        std::advance(it, int(random() % unsigned(members.size())));
        return it->first;
    }
    bool Below(int id, int patron) const { // whether patron stands above id
        for (int p = members.at(id).patron; p != -1; p = members.at(p).patron)
            if (p == patron)
                return true;
        return false;
    }
    void Swear(int id, int patron, std::set<int>& touched) {
        Member& m = members[id];
        if (m.patron != -1) {
            members[m.patron].vassals.removeOne(id);
            touched.insert(m.patron);
        }
        m.patron = patron;
        if (patron != -1) {
            QList<int>& list = members[patron].vassals;
            list.insert(int(random() % unsigned(list.size() + 1)), id);
            touched.insert(patron);
        }
        touched.insert(id);
    }
    // One change set: touched members' records, and the ids that left.
    void Change(std::set<int>& touched, std::vector<qint16>& left) {
        for (int n = 1 + int(random() % 3); n-- > 0;) {
            const unsigned what = random() % 4;
            if (what == 0 || members.size() < 3) {
                int id = 1;
                while (members.count(id))
                    id = 1 + int(random() % 200);
                const int patron = members.empty() || random() % 5 == 0 ? -1 : Any();
                members[id].strName = QStringLiteral("J%1").arg(id);
                Swear(id, patron, touched);
            } else if (what == 1) {
                const int id = Any();
                for (int v : QList<int>(members[id].vassals))
                    Swear(v, -1, touched);
                Swear(id, -1, touched);
                members.erase(id);
                touched.erase(id);
                left.push_back(qint16(id));
            } else if (what == 2) {
                const int id = Any(), patron = random() % 4 == 0 ? -1 : Any();
                if (patron != id && (patron == -1 || !Below(patron, id)))
                    Swear(id, patron, touched);
            } else {
                const int id = Any();
                members[id].strName += QLatin1Char('+');
                touched.insert(id);
            }
        }
    }
    Character CharacterOf(int id) const {
        const Member& m = members.at(id);
        QStringList vassals;
        for (int v : m.vassals)
            vassals << QString::number(v);
        return Character{qint16(id),        m.strName, 1, 0, qint16(m.patron),
                         vassals.join(','), 0,         0, 0, 0};
    }
    // The download: by patron id, under one patron in list order; monarchs in the order they
    // stood in the roster before, new ones last.
    QString Download(const Characters& before) const {
        std::vector<std::tuple<int, int, int, int>> order;
        int nNew = 0;
        for (const auto& [id, m] : members) {
            const int place =
                m.patron == -1 ? INT_MAX : int(members.at(m.patron).vassals.indexOf(id));
            const int i = before.IndexOfId(id);
            order.emplace_back(m.patron, place, i >= 0 ? i : 100000 + nNew++, id);
        }
        std::sort(order.begin(), order.end());
        Characters download;
        for (const auto& entry : order) {
            const Character c = CharacterOf(std::get<3>(entry));
            download.AddKeyed(c);
        }
        return TreePayloadOf(download);
    }
};

} // namespace

void tst_roster::changesFollowAGuild() {
    Guild guild;
    QString strProblem;
    RosterSnapshot roster = Characters::Empty();
    for (int nRound = 0; nRound < 400; ++nRound) {
        std::set<int> touched;
        std::vector<qint16> left;
        guild.Change(touched, left);
        std::vector<Character> changed;
        for (int id : touched)
            changed.push_back(guild.CharacterOf(id));
        std::shuffle(changed.begin(), changed.end(), guild.random);
        const QString strDownload = guild.Download(*roster);
        roster = roster->WithChanges(changed, left, strProblem);
        QVERIFY2(roster, qPrintable(QStringLiteral("round %1: %2").arg(nRound).arg(strProblem)));
        QCOMPARE(Records(*roster), Records(*ParseTreePayload(strDownload, strProblem)));
        for (const Character& c : *roster)
            if (nRound % 20 == 0)
                QCOMPARE(roster->Followers(roster->IndexOfId(c.nID)), [&] {
                    int n = 0;
                    for (const auto& entry : guild.members)
                        n += guild.Below(entry.first, c.nID);
                    return n;
                }());
    }
}

void tst_roster::longChainIsSafe() {
    // 32767 generations: rank, follower count and the link checks run without recursion.
    QString strPayload;
    strPayload.reserve(32767 * 40);
    for (int id = 1; id <= 32767; ++id)
        strPayload += QStringLiteral("%1|Link %1|10|1|%2|%3|0|0|0!;")
                          .arg(id)
                          .arg(id == 1 ? -1 : id - 1)
                          .arg(id < 32767 ? QString::number(id + 1) : QString());
    QString strProblem;
    const RosterSnapshot roster = ParseTreePayload(strPayload, strProblem);
    QCOMPARE(strProblem, QString());
    QCOMPARE(roster->Count(), 32767);
    QCOMPARE(int(roster->CountFollowers("Char1")), 32766);
    QCOMPARE(int(roster->CalculateRank("Char1")), 1);
    QVERIFY(IsFollower(*roster, 1, 32767));
}

void tst_roster::characterPayload() {
    // Every field lands at the place the record's table gives it, unescaped; a short payload
    // leaves the rest empty and says how many came; fields beyond the record's are ignored.
    QStringList sent;
    for (int i = 0; i < zorv::kCharacterPayloadFields; ++i)
        sent << QStringLiteral("f%1").arg(i);
    sent[1] = QStringLiteral("Ann (amp) Bo (pipe) (end)");
    const CharacterPayload c = ParseCharacterPayload(sent.join('|') + QStringLiteral("|extra"));
    QCOMPARE(c.nFields, zorv::kCharacterPayloadFields + 1);
    QCOMPARE(c[zorv::RecordField::Name], QStringLiteral("Ann & Bo | !;"));
    QCOMPARE(c[zorv::RecordField::NumFollowers], QStringLiteral("f6"));
    QCOMPARE(c[zorv::RecordField::Revision], QStringLiteral("f22"));
    QCOMPARE(c[zorv::RecordField::Awards], QStringLiteral("f32"));
    for (const zorv::RecordFieldInfo& info : zorv::kRecordFields)
        if (info.field != zorv::RecordField::Name)
            QCOMPARE(c[info.field], QStringLiteral("f%1").arg(info.iPayload));

    // An older server's 22 fields: the newer ones stay empty.
    const CharacterPayload old = ParseCharacterPayload(sent.mid(0, 22).join('|'));
    QCOMPARE(old.nFields, 22);
    QCOMPARE(old[zorv::RecordField::ICQ], QStringLiteral("f21"));
    QCOMPARE(old[zorv::RecordField::Revision], QString());
    QCOMPARE(old[zorv::RecordField::Awards], QString());
}

QTEST_MAIN(tst_roster)
#include "tst_roster.moc"
