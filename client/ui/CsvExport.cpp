#include "CsvExport.h"

#include "Grid.h"
#include "Prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

namespace {

QByteArray CsvField(const QString& strText) {
    QByteArray field = strText.toUtf8();
    if (field.contains(',') || field.contains('"') || field.contains('\n') ||
        field.contains('\r')) {
        field.replace('"', "\"\"");
        field = '"' + field + '"';
    }
    return field;
}

} // namespace

QByteArray CsvDocument(const QAbstractItemModel& model) {
    QByteArray document;
    const int nColumns = model.columnCount();
    auto Line = [&](auto cell) {
        for (int c = 0; c < nColumns; ++c) {
            if (c)
                document += ',';
            document += CsvField(cell(c));
        }
        document += "\r\n";
    };
    Line([&](int c) { return model.headerData(c, Qt::Horizontal).toString(); });
    for (int r = 0; r < model.rowCount(); ++r)
        Line([&](int c) { return model.index(r, c).data().toString(); });
    return document;
}

bool ExportGrid(const Grid& grid, Prompts& prompts) {
    //: The title of the file dialog that saves a list.
    const QString strFile =
        prompts.SaveFileName(QCoreApplication::translate("CsvExport", "Export List"),
                             QCoreApplication::translate("CsvExport", "CSV Files (*.csv)"));
    if (strFile.isEmpty())
        return false;
    QSaveFile file(strFile);
    if (file.open(QIODevice::WriteOnly) && file.write(CsvDocument(*grid.model())) >= 0 &&
        file.commit())
        return true;
    //: %1 is the file chosen, %2 why it could not be written.
    prompts.Inform(QCoreApplication::translate("CsvExport", "The list could not be saved to %1: %2")
                       .arg(QDir::toNativeSeparators(strFile), file.errorString()));
    return false;
}
