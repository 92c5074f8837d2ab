#include "CellEditor.h"

#include "Grid.h"
#include "Prompts.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>

CellEditor::CellEditor(Grid& grid, int iValueColumn, Prompts& prompts, const QString& strEditName,
                       std::function<bool(const QString&)> fnValid,
                       const QString& strInvalidMessage)
    : QObject(&grid), m_grid(grid), m_iValueColumn(iValueColumn), m_prompts(prompts),
      m_fnValid(std::move(fnValid)), m_strInvalidMessage(strInvalidMessage) {
    grid.SetCellGrid();
    txtEdit = new QLineEdit(grid.viewport());
    txtEdit->setObjectName(strEditName);
    //: The name a screen reader gives the box that edits a cell of a grid without a header.
    txtEdit->setAccessibleName(grid.Model().Headers().value(iValueColumn, tr("Value")));
    txtEdit->setFrame(false);
    txtEdit->hide();
    grid.installEventFilter(this);
    txtEdit->installEventFilter(this);
    connect(&grid, &QAbstractItemView::clicked, this, [this] { Open(); });
    for (QScrollBar* pBar : {grid.verticalScrollBar(), grid.horizontalScrollBar()})
        connect(pBar, &QScrollBar::valueChanged, this, [this] {
            if (IsOpen())
                PlaceEditor();
        });
}

bool CellEditor::IsOpen() const {
    return !txtEdit->isHidden(); // open even while its window is not on screen
}

void CellEditor::Open() {
    const QModelIndex current = m_grid.currentIndex();
    if (!current.isValid() || current.column() != m_iValueColumn)
        return;
    const QString strCell = m_grid.TextMatrix(current.row() + 1, current.column());
    if (!strPendingKey.isEmpty()) {
        txtEdit->setText(strPendingKey);
        strPendingKey.clear();
        txtEdit->setCursorPosition(1);
    } else {
        txtEdit->setText(strCell);
        txtEdit->selectAll();
    }
    GridEditText = strCell;
    iEditRow = current.row() + 1;
    iEditColumn = current.column();
    PlaceEditor();
    txtEdit->show();
    txtEdit->raise();
    txtEdit->setFocus();
}

bool CellEditor::Commit() {
    if (!IsOpen())
        return true;
    if (txtEdit->text() != GridEditText && !m_fnValid(txtEdit->text())) {
        m_bMessageShown = true;
        m_prompts.Inform(m_strInvalidMessage);
        m_bMessageShown = false;
        txtEdit->setFocus();
        return false;
    }
    LostFocus();
    m_grid.setFocus();
    return true;
}

void CellEditor::Abandon() {
    txtEdit->hide();
}

void CellEditor::PlaceEditor() {
    txtEdit->setGeometry(m_grid.visualRect(m_grid.currentIndex()));
}

void CellEditor::Store(int iRow, const QString& strText) {
    m_grid.Model().SetText(iRow - 1, m_iValueColumn, strText);
    emit CellEdited(iRow, m_iValueColumn, strText);
}

bool CellEditor::eventFilter(QObject* pWatched, QEvent* pEvent) {
    if (pWatched == &m_grid && pEvent->type() == QEvent::KeyPress) {
        auto* pKey = static_cast<QKeyEvent*>(pEvent);
        return GridKeyDown(pKey->key(), pKey->modifiers(), pKey->text());
    }
    if (pWatched == txtEdit) {
        if (pEvent->type() == QEvent::KeyPress) {
            auto* pKey = static_cast<QKeyEvent*>(pEvent);
            const int iKey = pKey->key();
            if (iKey == Qt::Key_Return || iKey == Qt::Key_Enter || iKey == Qt::Key_Down) {
                EditKeyDown(iKey);
                return true; // the box itself never sees Enter
            }
        } else if (pEvent->type() == QEvent::FocusOut && IsOpen() && !m_bMessageShown) {
            LostFocus();
        }
    }
    return QObject::eventFilter(pWatched, pEvent);
}

bool CellEditor::GridKeyDown(int iKey, Qt::KeyboardModifiers modifiers, const QString& strText) {
    const QModelIndex current = m_grid.currentIndex();
    if (iKey == Qt::Key_Return || iKey == Qt::Key_Enter) {
        Open();
        return true;
    }
    // Only the main keyboard's digits start a value; the keypad's do not.
    if (iKey >= Qt::Key_0 && iKey <= Qt::Key_9 && !(modifiers & Qt::KeypadModifier)) {
        if (current.isValid() && current.column() == m_iValueColumn) {
            strPendingKey = strText.isEmpty() ? QString(QChar('0' + (iKey - Qt::Key_0))) : strText;
            Open();
        }
        return true;
    }
    if (iKey == Qt::Key_Delete && current.isValid()) {
        m_grid.Model().SetText(current.row(), current.column(), QString());
        emit CellEdited(current.row() + 1, current.column(), QString());
        return true;
    }
    return false;
}

void CellEditor::EditKeyDown(int) {
    const QString strText = txtEdit->text();
    if (!m_fnValid(strText)) {
        m_bMessageShown = true;
        m_prompts.Inform(m_strInvalidMessage);
        m_bMessageShown = false;
        txtEdit->setFocus();
        return;
    }
    const QModelIndex current = m_grid.currentIndex();
    Store(current.row() + 1, strText);
    GridEditText = strText; // stored: leaving the box now writes nothing more
    const int iLast = m_grid.DataRows() - 1;
    const QModelIndex next =
        m_grid.model()->index(std::min(current.row() + 1, iLast), current.column());
    m_grid.setCurrentIndex(next);
    m_grid.setFocus();
    // Ready for the next value: the new cell is remembered, the box waits hidden.
    GridEditText = m_grid.TextMatrix(next.row() + 1, next.column());
    iEditRow = next.row() + 1;
    iEditColumn = next.column();
    txtEdit->hide();
}

void CellEditor::LostFocus() {
    const QString strText = txtEdit->text();
    if (strText != GridEditText) {
        if (m_fnValid(strText)) {
            Store(iEditRow, strText);
        } else {
            m_bMessageShown = true;
            m_prompts.Inform(m_strInvalidMessage);
            m_bMessageShown = false;
        }
    }
    txtEdit->hide();
}
