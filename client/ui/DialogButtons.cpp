#include "DialogButtons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

QHBoxLayout* DialogButtons(QDialog* pDialog, QPushButton*& cmdOK, QPushButton*& cmdCancel) {
    cmdOK = new QPushButton(QStringLiteral("OK"), pDialog);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), pDialog);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* pRow = new QHBoxLayout;
    pRow->addStretch();
    pRow->addWidget(cmdOK);
    pRow->addWidget(cmdCancel);
    return pRow;
}
