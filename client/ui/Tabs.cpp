#include "Tabs.h"

#include <QStringList>
#include <QTabWidget>
#include <QVariant>

int TabIndex(const QTabWidget* pTabs, const QString& strKey) {
    for (int i = 0; i < pTabs->count(); ++i)
        if (TabKey(pTabs, i) == strKey)
            return i;
    return -1;
}

QString TabKey(const QTabWidget* pTabs, int iIndex) {
    const QString strText = pTabs->tabText(iIndex);
    if (const QWidget* pPage = pTabs->widget(iIndex)) {
        const QStringList keyAndCaption = pPage->property(kTabKeyProperty).toStringList();
        if (keyAndCaption.size() == 2 && keyAndCaption[1] == strText)
            return keyAndCaption[0];
    }
    return QString(strText).replace(QLatin1String("&&"), QLatin1String("&"));
}
