#pragma once
// Helpers for the list boxes of the sheet.
#include <QString>

class QListWidget;

// Selects the first item whose text is exactly strText (letter case counts) and makes it the
// current item, keeping the items already selected; nothing when no item matches.
void SetAsSelected(QListWidget* lstBox, const QString& strText);
