#include "Tabs.h"

#include <QTabWidget>

int TabIndex(const QTabWidget* pTabs, const QString& strKey) {
    for (int i = 0; i < pTabs->count(); ++i)
        if (TabKey(pTabs, i) == strKey)
            return i;
    return -1;
}

QString TabKey(const QTabWidget* pTabs, int iIndex) {
    return pTabs->tabText(iIndex).replace(QLatin1String("&&"), QLatin1String("&"));
}
