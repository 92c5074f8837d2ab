#include "StatusBar.h"

#include <QApplication>
#include <QLabel>

StatusBar::StatusBar(QWidget* pParent) : QStatusBar(pParent) {
    setObjectName(QStringLiteral("stsStatusBar"));
    setSizeGripEnabled(true);
}

void StatusBar::AddPanel(const QString& strKey, int iStretch) {
    auto* pLabel = new QLabel(this);
    pLabel->setObjectName(strKey);
    pLabel->setFrameShape(QFrame::StyledPanel);
    pLabel->setFrameShadow(QFrame::Sunken);
    addPermanentWidget(pLabel, iStretch);
    m_panels.insert(strKey, pLabel);
}

void StatusBar::AddSpace(int iStretch) {
    addPermanentWidget(new QWidget(this), iStretch);
}

void StatusBar::SetPanel(const QString& strKey, const QString& strText) {
    if (QLabel* pLabel = m_panels.value(strKey))
        pLabel->setText(strText);
}

void StatusBar::ShowBusy(bool bBusy) {
    if (bBusy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

QString StatusBar::Panel(const QString& strKey) const {
    QLabel* pLabel = m_panels.value(strKey);
    return pLabel ? pLabel->text() : QString();
}
