#pragma once
// Lists leave the program as CSV (RFC 4180, UTF-8): the header row first, then the rows in the
// order shown; a field holding a comma, a quote or a line break is quoted, its quotes doubled,
// and every line ends with CR LF.
#include <QByteArray>

class Grid;
class Prompts;
class QAbstractItemModel;

QByteArray CsvDocument(const QAbstractItemModel& model);

// Asks where to save the grid's rows and writes them whole, or not at all; a file that cannot be
// written gets a message naming it. False when nothing was written.
bool ExportGrid(const Grid& grid, Prompts& prompts);
