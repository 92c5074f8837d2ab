#pragma once
// The main window's status bar: panels addressed by key, shown left to right in the order added.
// It shows the request cycle's progress, the busy pointer included.
#include "ProgressDisplay.h"

#include <QMap>
#include <QStatusBar>

class QLabel;

class StatusBar final : public QStatusBar, public ProgressDisplay {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StatusBar)
public:
    explicit StatusBar(QWidget* pParent = nullptr);

    void AddPanel(const QString& strKey, int iStretch = 1);
    // Empty room after the panels, so that they keep their share of the bar's width.
    void AddSpace(int iStretch);
    void SetPanel(const QString& strKey, const QString& strText) override;
    void ShowBusy(bool bBusy) override;
    QString Panel(const QString& strKey) const;

private:
    QMap<QString, QLabel*> m_panels;
};
