#include "ListPayloads.h"

#include "CharacterRecord.h"
#include "Escape.h"
#include "Numbers.h"
#include "Records.h"

#include <QCoreApplication>

namespace {

// Fields 1.. of each record, unescaped: the server writes "|", "!;" and "&" inside a field as
// its escapes, which are the wire's and not the member's text.
ListRows Rows(const QString& strPayload, int nColumns) {
    const QByteArray bytes = strPayload.toLatin1();
    ListRows rows;
    std::vector<std::string_view> fields;
    zorv::ForEachRecord(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                        [&](std::string_view record) {
                            zorv::FieldViews(record, fields);
                            QStringList row;
                            for (int c = 0; c < nColumns; ++c) {
                                const std::size_t i = static_cast<std::size_t>(c) + 1;
                                if (i >= fields.size()) {
                                    row << QString();
                                    continue;
                                }
                                const std::string strCell = zorv::UnescapeValue(fields[i]);
                                row << QString::fromLatin1(strCell.data(),
                                                           static_cast<qsizetype>(strCell.size()));
                            }
                            rows << row;
                        });
    return rows;
}

} // namespace

QStringList ListHeaders(const zorv::GuildList& list) {
    QStringList headers{//: A column of a guild list: the character's name.
                        QCoreApplication::translate("Field", "Name"),
                        //: A column of a guild list: the character's level, a number.
                        QCoreApplication::translate("Field", "Level")};
    for (std::size_t i = 0; i < list.nColumns; ++i)
        headers << QCoreApplication::translate("Field", list.pColumns[i].szCaption);
    return headers;
}

ListRows ParseListRows(const QString& strPayload, int nColumns) {
    return Rows(strPayload, nColumns);
}

ListRows ParseRescueRows(const QString& strPayload) {
    ListRows rows = ParseListRows(strPayload, kRescueColumns);
    //: A cell of the rescue squad list (game word: the members who come to rescue the guild's
    //: characters): the flag of its column is set.
    const QString strYes = QCoreApplication::translate("ListPayloads", "Yes");
    //: A cell of the rescue squad list: the flag of its column is not set.
    const QString strNo = QCoreApplication::translate("ListPayloads", "No");
    for (std::size_t i = 0; i < zorv::kRescueList.nColumns; ++i) {
        if (zorv::FieldInfo(zorv::kRescueList.pColumns[i].field).kind != zorv::RecordKind::Flag)
            continue;
        for (QStringList& row : rows) {
            QString& strFlag = row[2 + static_cast<qsizetype>(i)];
            strFlag = strFlag == QLatin1String("1") ? strYes : strNo;
        }
    }
    return rows;
}

ListRows ParseSearchRows(const QString& strPayload) {
    if (strPayload.isEmpty())
        //: The only row of the skill search's results when no character matches.
        return {QStringList{QCoreApplication::translate("ListPayloads", "None Found!"), QString(),
                            QString(), QString()}};
    ListRows rows = ParseListRows(strPayload, kSearchColumns);
    for (QStringList& row : rows) {
        // A code that no race has shows as nothing, not as "Unknown" (race 0).
        const qint16 iRace = zorv::ReadInt16(row[3].toStdString());
        row[3] = iRace >= 0 && static_cast<std::size_t>(iRace) < std::size(zorv::kRaceNames)
                     ? QCoreApplication::translate("Race", zorv::kRaceNames[iRace])
                     : QString();
    }
    return rows;
}
