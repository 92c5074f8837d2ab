#pragma once
// The flat listing: one row per roster record, seven columns read from the roster as they are
// shown, so a 32767-member roster costs no copy of its text. Rows start in roster order; a
// header sort reorders them until the next fill.
#include "Grid.h"

#include <vector>

#include "Characters.h"

class FlatListModel final : public SortableModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FlatListModel)
public:
    explicit FlatListModel(const Roster& roster, QObject* pParent = nullptr);

    // Rebuilds the rows from the roster now, in roster order; the rows keep that snapshot.
    void Fill();
    // The same, sorted again as the user last sorted the rows shown: the roster changed under
    // the user's eyes, and rows should not jump back to roster order for that.
    void Refill();
    // The roster now differs from the one shown only in the records at these positions, which
    // keep their places (Characters::KeepsShape): their rows, and the rows naming them as
    // patron, change, and move only as far as the sort shown asks.
    void Follow(const std::vector<int>& positions);
    // The id of the member on a row (0-based), and the row of a member (-1 for none).
    qint16 IdAt(int iRow) const;
    int RowOfId(qint16 id) const;
    void Clear();

    QStringList Headers() const override;
    void SortByColumn(int iColumn, bool bAscending) override;
    QString Text(int iRow, int iColumn) const override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int iRole) const override;
    QVariant headerData(int iSection, Qt::Orientation orientation, int iRole) const override;

private:
    static QString CellText(const Characters& roster, int iRecord, int iColumn);
    // By roster position: the row showing it.
    std::vector<int> RowsByRecord() const;

    const Roster& m_roster;
    RosterSnapshot m_shown = Characters::Empty(); // the roster these rows were made from
    std::vector<int> m_order;                     // roster positions, in display order
    int m_iSortColumn = -1;                       // the rows' sort since the last fill, if any
    bool m_bSortAscending = true;
};
