#pragma once
// Paints the members a search found with a highlight of their own in a tree view, beside the
// selection and the node highlight. Members are held by key, so the mark survives a new tree.
#include <QSet>
#include <QStyledItemDelegate>

class FoundDelegate final : public QStyledItemDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FoundDelegate)
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSet<QString> keys; // "Char" + id of every member marked

    void paint(QPainter* pPainter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
