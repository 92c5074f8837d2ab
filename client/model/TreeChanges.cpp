#include "TreeChanges.h"

#include "TreePayload.h"
#include "TreeRecord.h"

#include <QCoreApplication>

bool ParseTreeChanges(const QString& strPayload, TreeChanges& changes, QString& strProblem) {
    changes = TreeChanges();
    const qsizetype iEnd = strPayload.indexOf(QLatin1String("!;"));
    if (iEnd < 0) {
        //: Why the changes the server sent are refused (it follows a colon); a generation
        //: numbers the states of the tree.
        strProblem = QCoreApplication::translate("TreeChanges", "the changes carry no generation");
        return false;
    }
    const QStringView header = QStringView(strPayload).left(iEnd).trimmed();
    const qsizetype iBar = header.indexOf(QLatin1Char('|'));
    bool bOk = false;
    // Generations count every change the guild ever made, so they are not held in 16 bits.
    changes.lGeneration = header.left(iBar).trimmed().toLongLong(&bOk);
    if (!bOk || changes.lGeneration < 0) {
        //: Why the changes the server sent are refused (it follows a colon); a generation
        //: numbers the states of the tree.
        strProblem = QCoreApplication::translate("TreeChanges", "the changes carry no generation");
        return false;
    }
    if (iBar >= 0) {
        for (QStringView piece : header.mid(iBar + 1).split(QLatin1Char(','))) {
            piece = piece.trimmed();
            if (piece.isEmpty())
                continue;
            const int id = piece.toInt(&bOk);
            if (!bOk || id < -32768 || id > 32767) {
                //: Why the changes the server sent are refused (it follows a colon).
                strProblem = QCoreApplication::translate("TreeChanges",
                                                         "a member who left has no readable id");
                return false;
            }
            changes.left.push_back(static_cast<qint16>(id));
        }
    }
    const QString strRecords = strPayload.mid(iEnd + 2);
    changes.changed = ReadTreeRecords(strRecords, strProblem);
    if (!strProblem.isEmpty())
        return false;
    // The revisions, record by record as the reader took them: text after the last "!;" is
    // none.
    const QList<QStringView> records = QStringView(strRecords).split(u"!;");
    for (qsizetype i = 0; i + 1 < records.size(); ++i) {
        const QList<QStringView> fields = records[i].split(QLatin1Char('|'));
        constexpr std::size_t iRevision = zorv::At(zorv::TreeField::Revision);
        changes.revisions.push_back(fields.size() > qsizetype(iRevision)
                                        ? fields[qsizetype(iRevision)].trimmed().toString()
                                        : QString());
    }
    changes.revisions.resize(changes.changed.size());
    return true;
}
