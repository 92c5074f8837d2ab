#include "ListBoxes.h"

#include <QListWidget>

void SetAsSelected(QListWidget* lstBox, const QString& strText) {
    for (int i = 0; i < lstBox->count(); ++i) {
        if (lstBox->item(i)->text() == strText) {
            lstBox->setCurrentItem(lstBox->item(i), QItemSelectionModel::Select);
            return;
        }
    }
}
