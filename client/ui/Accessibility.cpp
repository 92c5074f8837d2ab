#include "Accessibility.h"

#include <QLabel>

void NameControlsAfterLabels(QWidget* pRoot) {
    for (QLabel* pLabel : pRoot->findChildren<QLabel*>()) {
        QWidget* pBuddy = pLabel->buddy();
        if (!pBuddy || !pBuddy->accessibleName().isEmpty())
            continue;
        QString strName = pLabel->text();
        strName.remove(QLatin1Char('&'));
        strName = strName.trimmed();
        if (strName.endsWith(QLatin1Char(':')))
            strName.chop(1);
        pBuddy->setAccessibleName(strName.trimmed());
    }
}
