#pragma once
// Small helpers for building views: every control gets the name the procedures know it by.
#include "Tabs.h"

#include <QGroupBox>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTabWidget>

template <typename T> T* Named(T* pWidget, const char* szName) {
    pWidget->setObjectName(QLatin1String(szName));
    return pWidget;
}

// The caption as the user reads it: tr("...") where it is built.
inline QPushButton* Button(const QString& strCaption, const char* szName, QWidget* pParent) {
    return Named(new QPushButton(strCaption, pParent), szName);
}

inline QGroupBox* Frame(const QString& strCaption, const char* szName, QWidget* pParent) {
    return Named(new QGroupBox(strCaption, pParent), szName);
}

// A caption given as plain bytes is not translated; code built with QT_NO_CAST_FROM_ASCII, whose
// captions all go through the translation, cannot call these.
#ifndef QT_NO_CAST_FROM_ASCII
inline QPushButton* Button(const char* szCaption, const char* szName, QWidget* pParent) {
    return Button(QString::fromLatin1(szCaption), szName, pParent);
}

inline QGroupBox* Frame(const char* szCaption, const char* szName, QWidget* pParent) {
    return Frame(QString::fromLatin1(szCaption), szName, pParent);
}
#endif

// A tab whose key is strKey and whose caption is strCaption, the key as the user reads it; a "&"
// in the caption shows as one "&".
inline QWidget* AddTab(QTabWidget* pTabs, const QString& strKey, const QString& strCaption) {
    auto* pPage = new QWidget(pTabs);
    QString strShown = strCaption;
    strShown.replace(QLatin1Char('&'), QLatin1String("&&"));
    pPage->setProperty(kTabKeyProperty, QStringList{strKey, strShown});
    pTabs->addTab(pPage, strShown);
    return pPage;
}

// A tab whose key is its caption.
inline QWidget* AddTab(QTabWidget* pTabs, const QString& strKey) {
    return AddTab(pTabs, strKey, strKey);
}
