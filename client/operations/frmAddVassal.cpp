#include "frmAddVassal.h"

#include "Latin1.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmAddVassal::frmAddVassal(QWidget* pParent) : QDialog(pParent) {
    setObjectName(QStringLiteral("frmAddVassal"));
    //: Window title; a vassal is a character sworn to a patron in the allegiance
    setWindowTitle(tr("Add A Vassal"));
    txtVassalName = new QLineEdit(this);
    txtVassalName->setObjectName(QStringLiteral("txtVassalName"));
    AcceptLatin1Only(txtVassalName);
    //: A vassal is a character sworn to a patron; the tree is the allegiance tree
    auto* pNote = new QLabel(tr("This will add a new vassal to the tree.  The new vassal's "
                                "password will be set to the default password for the tree. "),
                             this);
    pNote->setWordWrap(true);
    //: Button: adds the vassal
    cmdOKAddVassal = new QPushButton(tr("Add"), this);
    cmdOKAddVassal->setObjectName(QStringLiteral("cmdOKAddVassal"));
    cmdOKAddVassal->setDefault(true); // Enter adds
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* pForm = new QFormLayout;
    //: The new vassal's character name
    pForm->addRow(tr("Vassal Name"), txtVassalName);
    auto* pButtons = new QHBoxLayout;
    pButtons->addStretch();
    pButtons->addWidget(cmdOKAddVassal);
    pButtons->addWidget(cmdCancel);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pForm);
    pLayout->addWidget(pNote);
    pLayout->addLayout(pButtons);
    connect(cmdOKAddVassal, &QPushButton::clicked, this, &frmAddVassal::cmdOKAddVassal_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmAddVassal::cmdCancel_Click);
}

void frmAddVassal::showEvent(QShowEvent* pEvent) {
    QDialog::showEvent(pEvent);
    txtVassalName->setFocus();
}

void frmAddVassal::cmdOKAddVassal_Click() {
    strVassalName = txtVassalName->text();
    bHitCancel = false;
    accept();
}

void frmAddVassal::cmdCancel_Click() {
    reject();
}

void frmAddVassal::reject() {
    strVassalName.clear();
    bHitCancel = true;
    QDialog::reject();
}
