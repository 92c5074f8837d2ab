// The model without a window: the tree payload's reading and refusals, the allegiance index
// built from it (ranks, followers, vassal positions, links), and the character payload.
#include "CharacterPayload.h"
#include "CharacterRecord.h"
#include "Characters.h"
#include "Numbers.h"
#include "Records.h"
#include "TreePayload.h"

#include <QTest>
#include <algorithm>
#include <functional>
#include <random>

namespace {

// A roster from "id:patron:vassals" triples, in the order given.
Characters Roster(const QList<std::tuple<int, int, QString>>& records) {
    Characters roster;
    for (const auto& [id, patron, vassals] : records)
        roster.Add(qint16(id), QStringLiteral("C%1").arg(id), 1, 0, qint16(patron), vassals, 0, 0,
                   0, CharKey(qint16(id)));
    return roster;
}

// The payload read the plain way, through the protocol's own record framing and number rule,
// every record added under its key text: the parser's own reading must agree with it.
QString PlainParse(const QString& strPayload, Characters& roster) {
    roster.Clear();
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
            auto Number = [&](int k) { return zorv::ReadInt16(fields[k]); };
            roster.Add(zorv::ReadInt16(id), Text(fields[1]), Number(2), Number(3), Number(4),
                       Text(fields[5]), Number(6), Number(7), Number(8), strKey);
        });
    if (strProblem.isEmpty())
        strProblem = roster.LinkProblem();
    if (!strProblem.isEmpty())
        roster.Clear();
    return strProblem;
}

// Payloads in the forms a parser gets wrong: a sound tree whose texts vary in every way the
// reading rules allow, or records thrown together from awkward pieces.
QString AwkwardPayload(std::mt19937& random, bool bSound) {
    auto Pick = [&](const QStringList& choices) {
        return choices[int(random() % unsigned(choices.size()))];
    };
    const QStringList numbers{"50",    "50abc", " 7",     "7 ",  "1.5",  "2.5", "-0",     "99999",
                              "+3",    "",      "1e2",    "-1",  "0",    "1",   "-32768", "123456",
                              "00012", "-",     "\u00e9", "12|", "3e-1", ".5",  "1.",     "-2.5"};
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
    void treeNumbers_data();
    void treeNumbers();
    void agreesWithPlainReading();
    void rankRule_data();
    void rankRule();
    void followersAndLinks();
    void answersKeptUntilChange();
    void answersOnUnsoundLinks();
    void longChainIsSafe();
    void characterPayload();
};

void tst_roster::parsing() {
    Characters roster;
    const QString strThree = "1|Ann|50|6|-1|2,3|0|0|1!;2|Bo|30|1|1||1|0|0!;3|Cy|31|1|1||0|1|0!;";
    QCOMPARE(ParseTreePayload(strThree, roster), QString());
    QCOMPARE(roster.Count(), 3);
    QCOMPARE(roster.Item(1)->strName, QStringLiteral("Ann"));
    QCOMPARE(roster.Item("Char1")->iIsRescueSquadMember, qint16(1));
    QCOMPARE(roster.Item("Char2")->iIsMule, qint16(1));
    // Without the final "!;" the last record is not a record, and Ann's list then names a
    // missing vassal: refused.
    QVERIFY(!ParseTreePayload(strThree.chopped(2), roster).isEmpty());
    QCOMPARE(roster.Count(), 0);

    // Patron 0 is a patron, not a root.
    QCOMPARE(ParseTreePayload("0|Zed|1|1|-1|5|0|0|0!;5|Five|1|1|0||0|0|0!;", roster), QString());
    QCOMPARE(roster.Item("Char5")->nPatronID, qint16(0));
    QCOMPARE(ParseTreePayload("", roster), QString());
    QCOMPARE(roster.Count(), 0);
    QCOMPARE(ParseTreePayload("1|A|1|1|-1|2e0|0|0|0!;2|B|1|1|1||0|0|0!;", roster).isEmpty(), false);
}

void tst_roster::refusedPayloads_data() {
    QTest::addColumn<QString>("payload");
    QTest::addColumn<QString>("reason");
    QTest::newRow("eight fields") << "1|Ann|50|6|-1||0|0!;"
                                  << "fewer than nine fields";
    QTest::newRow("id twice") << "1|Ann|1|1|-1||0|0|0!;1|Bo|1|1|-1||0|0|0!;"
                              << "comes twice";
    QTest::newRow("missing vassal") << "1|Ann|1|1|-1|9|0|0|0!;"
                                    << "missing";
    QTest::newRow("listed twice") << "1|A|1|1|-1|3|0|0|0!;2|B|1|1|-1|3|0|0|0!;3|C|1|1|1||0|0|0!;"
                                  << "twice";
    QTest::newRow("under a stranger") << "1|A|1|1|-1|2|0|0|0!;2|B|1|1|5||0|0|0!;5|E|1|1|-1||0|0|0!;"
                                      << "not its patron";
    QTest::newRow("cycle") << "1|A|1|1|2|2|0|0|0!;2|B|1|1|1|1|0|0|0!;"
                           << "cycle";
    QTest::newRow("self") << "1|A|1|1|1|1|0|0|0!;"
                          << "cycle";
}

void tst_roster::refusedPayloads() {
    QFETCH(QString, payload);
    QFETCH(QString, reason);
    Characters roster;
    roster.Add(99, "Old", 1, 1, -1, "", 0, 0, 0, "Char99");
    QString strProblem = ParseTreePayload(payload, roster);
    QVERIFY2(strProblem.contains(reason), qPrintable(strProblem));
    QCOMPARE(roster.Count(), 0);
}

void tst_roster::treeNumbers_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("value");
    QTest::newRow("trailing letters") << "50abc" << 50;
    QTest::newRow("leading blank") << " 7" << 7;
    QTest::newRow("trailing blank") << "7 " << 7;
    QTest::newRow("1.5 to even") << "1.5" << 2;
    QTest::newRow("-2.5 to even") << "-2.5" << -2;
    QTest::newRow("minus zero") << "-0" << 0;
    QTest::newRow("leading zeros") << "00012" << 12;
    QTest::newRow("saturates up") << "99999" << 32767;
    QTest::newRow("saturates down") << "-99999" << -32768;
    QTest::newRow("long digits saturate") << "123456789012345" << 32767;
    QTest::newRow("plus sign") << "+3" << 3;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("sign alone") << "-" << 0;
    QTest::newRow("word") << "abc" << 0;
    QTest::newRow("exponent") << "1e2" << 100;
    QTest::newRow("exponent without digits") << "2e" << 2;
    QTest::newRow("fraction only") << ".6" << 1;
    QTest::newRow("not Latin-1") << QString(QChar(0x100)) + "5" << 0;
}

void tst_roster::treeNumbers() {
    // The direct reading of plain decimal must never part from the general rule.
    QFETCH(QString, field);
    QFETCH(int, value);
    QCOMPARE(int(ReadTreeNumber(field)), value);
    QCOMPARE(int(ReadTreeNumber(field)), int(zorv::ReadInt16(field.toLatin1().toStdString())));
}

void tst_roster::agreesWithPlainReading() {
    // The parser reads the framing, the ids and the numbers its own way; on payloads in every
    // awkward form it must give the roster, the keys, the vassal positions and the refusals that
    // the plain reading gives.
    std::mt19937 random(20261206);
    int nAccepted = 0;
    // One roster read again and again, as the client reads each download: what the last
    // payload left at a position must never stand in for what this one says there.
    Characters parsed;
    parsed.Add(99, "Old", 1, 1, -1, "", 0, 0, 0, "Char99");
    for (int nCase = 0; nCase < 600; ++nCase) {
        QString strPayload = AwkwardPayload(random, nCase % 3 != 0);
        if (nCase % 10 == 0) // what Latin-1 cannot carry
            strPayload.replace("Ann", QString(QChar(0x141)));
        Characters plain;
        const QString strPlain = PlainParse(strPayload, plain);
        const QString strParsed = ParseTreePayload(strPayload, parsed);
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
    std::function<int(int)> Build = [&](int r) -> int {
        int id = nextId++;
        QStringList vassals;
        if (r > 1)
            for (int k = 0; k < 2; ++k)
                vassals << QString::number(Build(r - 1));
        roster.Add(qint16(id), QString::number(id), 1, 0, 0, vassals.join(','), 0, 0, 0,
                   CharKey(qint16(id)));
        return id;
    };
    QStringList top;
    for (int r : vassalRanks)
        top << QString::number(Build(r));
    roster.Add(0, "Top", 1, 0, -1, top.join(','), 0, 0, 0, CharKey(0));
    QCOMPARE(int(roster.CalculateRank(CharKey(0))), rank);
    QCOMPARE(int(roster.Item(CharKey(0))->iComputedRank), rank);
}

void tst_roster::followersAndLinks() {
    // "3, 4" with a blank still names two vassals.
    Characters roster =
        Roster({{1, -1, "2,5"}, {2, 1, "3, 4"}, {3, 2, ""}, {4, 2, ""}, {5, 1, ""}});
    QCOMPARE(int(roster.CountFollowers("Char1")), 4);
    QCOMPARE(int(roster.CountFollowers("Char2")), 2);
    QCOMPARE(int(roster.CountFollowers("Char3")), 0);
    QVERIFY(IsFollower(roster, 1, 3));
    QVERIFY(!IsFollower(roster, 3, 1));
    QVERIFY(!IsFollower(roster, 1, 1));
    QVERIFY(!IsFollower(roster, 1, 9));
    // Names are found whatever their case, the first of two spellings first.
    roster.Item("Char3")->strName = QStringLiteral("Anna");
    roster.Item("Char4")->strName = QStringLiteral("anna");
    QCOMPARE(int(roster.GetID("ANNA")), 3);
    QCOMPARE(roster.GetName("Char9"), QStringLiteral("Unknown"));
    // Even links that loop end: the walk is bounded.
    Characters loop = Roster({{1, 2, ""}, {2, 1, ""}});
    QVERIFY(!IsFollower(loop, 5, 1));
}

void tst_roster::answersKeptUntilChange() {
    // Ranks and follower counts are worked out once and kept: asked again, or asked of a
    // follower, they agree with a fresh roster; once the next download arrives they follow it.
    Characters roster = Roster({{1, -1, "2,3"}, {2, 1, "4,5"}, {3, 1, ""}, {4, 2, ""}, {5, 2, ""}});
    QCOMPARE(int(roster.CalculateRank("Char1")), 2);
    QCOMPARE(int(roster.CalculateRank("Char2")), 2);
    QCOMPARE(int(roster.CalculateRank("Char1")), 2);
    QCOMPARE(int(roster.CountFollowers("Char1")), 4);
    QCOMPARE(int(roster.CountFollowers("Char2")), 2);
    // The next download, into the same roster: 2 is gone, so 1's list names a missing record
    // (refused, and the roster empty), then 3 has two vassals of its own: two rank-2 vassals.
    QVERIFY(!ParseTreePayload("1|A|1|1|-1|2,3|0|0|0!;3|C|1|1|1||0|0|0!;", roster).isEmpty());
    QCOMPARE(int(roster.CountFollowers("Char1")), 0);
    QCOMPARE(ParseTreePayload("1|A|1|1|-1|2,3|0|0|0!;2|B|1|1|1|4,5|0|0|0!;3|C|1|1|1|6,7|0|0|0!;"
                              "4|D|1|1|2||0|0|0!;5|E|1|1|2||0|0|0!;6|F|1|1|3||0|0|0!;"
                              "7|G|1|1|3||0|0|0!;",
                              roster),
             QString());
    QCOMPARE(int(roster.CalculateRank("Char1")), 3);
    QCOMPARE(int(roster.Item("Char3")->iComputedRank), 2);
    QCOMPARE(int(roster.CountFollowers("Char1")), 6);
    QCOMPARE(int(roster.CountFollowers("Char3")), 2);
    // Sound lists are ranked all at once, so a branch nobody asked for has its rank too; the
    // views read ranks without asking first.
    Characters two =
        Roster({{1, -1, "2"}, {2, 1, ""}, {8, -1, "9"}, {9, 8, "10,11"}, {10, 9, ""}, {11, 9, ""}});
    QCOMPARE(int(two.ComputedRank(two.IndexOf("Char8"))), 2);
    QCOMPARE(int(two.CalculateRank("Char1")), 1);
    QCOMPARE(int(two.Item("Char9")->iComputedRank), 2);
    QCOMPARE(int(two.Item("Char10")->iComputedRank), 1);
}

void tst_roster::answersOnUnsoundLinks() {
    // Lists that share a vassal, name a missing one or loop: every answer is the one a roster
    // that never kept anything gives, whatever was asked before.
    const QList<std::tuple<int, int, QString>> shapes[] = {
        // 2 and 3 both list 4, which has a vassal of its own.
        {{1, -1, "2,3"}, {2, 1, "4"}, {3, 1, "4"}, {4, 2, "5,6"}, {5, 4, ""}, {6, 4, ""}},
        // 3 lists 1 above it; 6 is missing.
        {{1, -1, "2,4"}, {2, 1, "3"}, {3, 2, "1,6"}, {4, 1, "5,7"}, {5, 4, ""}, {7, 4, ""}},
    };
    for (const auto& shape : shapes) {
        for (const auto& [first, unused1, unused2] : shape) {
            Characters asked = Roster(shape);
            asked.CalculateRank(CharKey(qint16(first)));
            asked.CountFollowers(CharKey(qint16(first)));
            for (const auto& [id, unused3, unused4] : shape) {
                Characters fresh = Roster(shape);
                const QString strKey = CharKey(qint16(id));
                QCOMPARE(asked.CountFollowers(strKey), fresh.CountFollowers(strKey));
                QCOMPARE(asked.CalculateRank(strKey), fresh.CalculateRank(strKey));
            }
        }
    }
    // The shared vassal's branch is counted once: 1, 2, 3 and 4 list 2 + 1 + 1 + 2 entries.
    Characters shared = Roster(shapes[0]);
    QCOMPARE(int(shared.CountFollowers("Char1")), 6);
    QCOMPARE(int(shared.CalculateRank("Char1")), 3);
    // Inside a loop a rank depends on where the walk began: asked from 1, character 2 stores 1
    // (the loop back to 1 adds nothing); asked from 2 itself, it is 2.
    Characters loop = Roster(shapes[1]);
    QCOMPARE(int(loop.CalculateRank("Char1")), 2);
    QCOMPARE(int(loop.Item("Char2")->iComputedRank), 1);
    QCOMPARE(int(loop.CalculateRank("Char2")), 2);
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
    Characters roster;
    QCOMPARE(ParseTreePayload(strPayload, roster), QString());
    QCOMPARE(roster.Count(), 32767);
    QCOMPARE(int(roster.CountFollowers("Char1")), 32766);
    QCOMPARE(int(roster.CalculateRank("Char1")), 1);
    QVERIFY(IsFollower(roster, 1, 32767));
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
