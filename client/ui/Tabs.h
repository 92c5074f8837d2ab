#pragma once
// Tab strips are keyed by their captions as first shown, in English: a caption shows "&&" for a
// literal "&", which its key reads as one "&". A tab added by AddTab (Build.h) keeps its key on
// its page while it shows the caption it was added with, translated or not; a tab whose caption
// was set otherwise is keyed by the caption it shows.
#include <QString>

class QTabWidget;

// The page's property that holds its key and the caption it was added with.
inline constexpr const char* kTabKeyProperty = "zorvTabKey";

// The index of the tab whose key is strKey, or -1.
int TabIndex(const QTabWidget* pTabs, const QString& strKey);
// The key of a tab.
QString TabKey(const QTabWidget* pTabs, int iIndex);
