#pragma once
// Small helpers for building views: every control gets the name the procedures know it by.
#include <QGroupBox>
#include <QPushButton>
#include <QString>
#include <QTabWidget>

template <typename T> T* Named(T* pWidget, const char* szName) {
    pWidget->setObjectName(QLatin1String(szName));
    return pWidget;
}

inline QPushButton* Button(const char* szCaption, const char* szName, QWidget* pParent) {
    return Named(new QPushButton(QString::fromLatin1(szCaption), pParent), szName);
}

inline QGroupBox* Frame(const char* szCaption, const char* szName, QWidget* pParent) {
    return Named(new QGroupBox(QString::fromLatin1(szCaption), pParent), szName);
}

// A tab whose key is its caption; a "&" in the key shows as one "&".
inline QWidget* AddTab(QTabWidget* pTabs, const QString& strKey) {
    auto* pPage = new QWidget(pTabs);
    QString strCaption = strKey;
    pTabs->addTab(pPage, strCaption.replace(QLatin1Char('&'), QLatin1String("&&")));
    return pPage;
}
