#pragma once
// The sheet's controls for the fields of the character record, one row each: the display fills
// them, the change tracking watches them and the save reads them, all from this one table, in
// the order the save sends them. What a row shows and sends follows from its field's kind and
// its control's type:
//   QLineEdit, QPlainTextEdit  the text; sent when edited (a Number kind is cut to 32000)
//   QComboBox                  the position; sent when a choice was made
//   QCheckBox                  "1" checks it; sent every time
//   QRadioButton + pOff        a Yes/No pair: "1" checks the first; sent every time
//   Grid (Skills)              the skill grid; sent every time
//   QLabel                     shown only
// The form keys come from the record's own table; a field without one is never sent.
#include "CharacterRecord.h"

#include <vector>

class QAbstractButton;
class QObject;
struct SheetViews;

struct SheetField {
    zorv::RecordField field;
    QObject* pControl;
    QAbstractButton* pOff = nullptr; // the "No" of a Yes/No pair
};

std::vector<SheetField> SheetFieldTable(SheetViews& v);
