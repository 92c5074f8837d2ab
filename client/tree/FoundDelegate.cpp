#include "FoundDelegate.h"

#include "AllegianceModel.h"

#include <QPainter>

void FoundDelegate::paint(QPainter* pPainter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
    if (!keys.isEmpty() && keys.contains(index.data(AllegianceModel::KeyRole).toString())) {
        // A soft gold under the text, so the selection still reads on top of it.
        pPainter->fillRect(option.rect, QColor(255, 226, 140));
    }
    QStyledItemDelegate::paint(pPainter, option, index);
}
