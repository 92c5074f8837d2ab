#include "TreePayload.h"

#include "Characters.h"
#include "Numbers.h"
#include "Records.h"

#include <QByteArray>
#include <charconv>
#include <string_view>
#include <vector>

namespace {

QString Refuse(Characters& roster, const QString& strReason) {
    roster.Clear();
    return strReason;
}

// Every listed vassal exists, is listed once, names the list's owner as its patron, and hangs
// below a character nobody lists: otherwise the lists would draw a node twice or loop.
QString CheckLinks(const Characters& roster) {
    const int nCount = roster.Count();
    std::vector<int> listedBy(static_cast<std::size_t>(nCount), -1);
    for (int i = 0; i < nCount; ++i) {
        for (int v : roster.VassalIndexes(i)) {
            const QString strOwner = roster.At(i).strName;
            if (v < 0)
                return QStringLiteral("a vassal of %1 is missing").arg(strOwner);
            if (listedBy[static_cast<std::size_t>(v)] >= 0)
                return QStringLiteral("%1 is listed as a vassal twice").arg(roster.At(v).strName);
            if (roster.At(v).nPatronID != roster.At(i).nID)
                return QStringLiteral("%1 is listed under %2, who is not its patron")
                    .arg(roster.At(v).strName, strOwner);
            listedBy[static_cast<std::size_t>(v)] = i;
        }
    }
    std::vector<int> reached;
    for (int i = 0; i < nCount; ++i)
        if (listedBy[static_cast<std::size_t>(i)] < 0)
            reached.push_back(i);
    for (std::size_t k = 0; k < reached.size(); ++k)
        for (int v : roster.VassalIndexes(reached[k]))
            reached.push_back(v);
    if (static_cast<int>(reached.size()) != nCount)
        return QStringLiteral("the patron links form a cycle");
    return QString();
}

} // namespace

QString ParseTreePayload(const QString& strPayload, Characters& roster) {
    roster.Clear();
    const QByteArray bytes = strPayload.toLatin1();
    const std::string_view payload(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    roster.Reserve(static_cast<int>(bytes.count("!;")));
    auto Text = [](std::string_view s) {
        return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
    };
    int nRecord = 0;
    QString strProblem;
    std::vector<std::string_view> fields;
    zorv::ForEachRecord(payload, [&](std::string_view record) {
        ++nRecord;
        if (!strProblem.isEmpty())
            return;
        zorv::FieldViews(record, fields);
        if (fields.size() < 9) {
            strProblem = QStringLiteral("record %1 has fewer than nine fields").arg(nRecord);
            return;
        }
        const std::string_view idText = zorv::TrimBlanks(fields[0]);
        const qint16 nID = zorv::ReadInt16(idText);
        // The key is "Char" + the id's text; an id written as the convention writes it needs
        // no key text of its own.
        char szId[8];
        const auto written = std::to_chars(szId, szId + sizeof szId, nID);
        const bool bConventional = idText == std::string_view(szId, written.ptr - szId);
        const QString strKey = bConventional ? QString() : QStringLiteral("Char") + Text(idText);
        if ((bConventional ? roster.IndexOfId(nID) : roster.IndexOf(strKey)) >= 0) {
            strProblem = QStringLiteral("the id %1 comes twice").arg(Text(idText));
            return;
        }
        if (bConventional)
            roster.AddKeyed(nID, Text(fields[1]), zorv::ReadInt16(fields[2]),
                            zorv::ReadInt16(fields[3]), zorv::ReadInt16(fields[4]), Text(fields[5]),
                            zorv::ReadInt16(fields[6]), zorv::ReadInt16(fields[7]),
                            zorv::ReadInt16(fields[8]));
        else
            roster.Add(nID, Text(fields[1]), zorv::ReadInt16(fields[2]), zorv::ReadInt16(fields[3]),
                       zorv::ReadInt16(fields[4]), Text(fields[5]), zorv::ReadInt16(fields[6]),
                       zorv::ReadInt16(fields[7]), zorv::ReadInt16(fields[8]), strKey);
    });
    if (strProblem.isEmpty())
        strProblem = CheckLinks(roster);
    return strProblem.isEmpty() ? QString() : Refuse(roster, strProblem);
}
