#include "DialogButtons.h"

#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

QHBoxLayout* DialogButtons(QDialog* pDialog, QPushButton*& cmdOK, QPushButton*& cmdCancel) {
    //: A button that ends a dialog, taking what was entered.
    cmdOK = new QPushButton(QCoreApplication::translate("DialogButtons", "OK"), pDialog);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    //: A button that ends a dialog, dropping what was entered.
    cmdCancel = new QPushButton(QCoreApplication::translate("DialogButtons", "Cancel"), pDialog);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* pRow = new QHBoxLayout;
    pRow->addStretch();
    pRow->addWidget(cmdOK);
    pRow->addWidget(cmdCancel);
    return pRow;
}
