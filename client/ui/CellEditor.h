#pragma once
// The in-place value editor of a grid: a floating edit box laid exactly over the cell being
// edited, in the one column that takes values. Enter on a value cell opens it with the old value
// selected; a digit of the main keyboard opens it starting with that digit; Delete empties the
// current cell in either column. Enter or Down stores a valid value and moves one row down (the
// last row stays); an invalid one gets the message and the box stays open. Leaving the box stores
// a changed valid value. The grid holds the text as typed; whoever listens to CellEdited keeps
// whatever else must follow the cell.
#include <QObject>
#include <QString>
#include <functional>

class Grid;
class Prompts;
class QLineEdit;

class CellEditor final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CellEditor)
public:
    // The grid shows rows of text (its own model); iValueColumn is the column that is edited.
    CellEditor(Grid& grid, int iValueColumn, Prompts& prompts, const QString& strEditName,
               std::function<bool(const QString&)> fnValid, const QString& strInvalidMessage);

    QLineEdit* txtEdit;   // the floating edit box, a child of the grid's viewport
    QString GridEditText; // the cell's text when its edit began
    int iEditRow = 0;     // the cell whose edit began last: data row (1-based) and column
    int iEditColumn = 0;
    QString strPendingKey; // a digit typed on the grid that opens the editor

    // Opens the editor on the current cell, as a click does; nothing on another column.
    void Open();
    bool IsOpen() const;
    // Ends an open edit as leaving the box does, before anything reads the grid: a changed valid
    // value is stored. An invalid one gets the message and the box stays open; false then.
    bool Commit();
    // Ends an open edit without storing what was typed.
    void Abandon();

signals:
    // A cell's text was changed by the user: a valid value stored in the value column, or a cell
    // emptied by Delete (data row 1-based).
    void CellEdited(int iRow, int iColumn, const QString& strText);

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    bool GridKeyDown(int iKey, Qt::KeyboardModifiers modifiers, const QString& strText);
    void EditKeyDown(int iKey);
    void LostFocus();
    void PlaceEditor();
    void Store(int iRow, const QString& strText);

    Grid& m_grid;
    int m_iValueColumn;
    Prompts& m_prompts;
    std::function<bool(const QString&)> m_fnValid;
    QString m_strInvalidMessage;
    bool m_bMessageShown = false;
};
