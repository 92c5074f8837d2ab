#pragma once
// Tab strips are keyed by their captions: a caption shows "&&" for a literal "&", which its key
// reads as one "&".
#include <QString>

class QTabWidget;

// The index of the tab whose key is strKey, or -1.
int TabIndex(const QTabWidget* pTabs, const QString& strKey);
// The key of a tab.
QString TabKey(const QTabWidget* pTabs, int iIndex);
