#include "frmFindChar.h"

#include "Characters.h"

#include "DialogButtons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

frmFindChar::frmFindChar(QWidget* pParent) : QDialog(pParent) {
    setObjectName(QStringLiteral("frmFindChar"));
    setWindowTitle(tr("Find Character"));
    txtName = new QLineEdit(this);
    txtName->setObjectName(QStringLiteral("txtName"));
    lstNames = new QListView(this);
    lstNames->setObjectName(QStringLiteral("lstNames"));
    lstNames->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstNames->setUniformItemSizes(true); // 32767 names lay out at once
    m_pNames = new QStringListModel(this);
    lstNames->setModel(m_pNames);
    QHBoxLayout* pButtons = DialogButtons(this, cmdOK, cmdCancel);
    auto* pLayout = new QVBoxLayout(this);
    auto* pLabel = new QLabel(tr("Character Name"), this);
    pLabel->setBuddy(txtName);
    //: The name a screen reader gives the list of the characters found.
    lstNames->setAccessibleName(tr("Characters"));
    txtName->setAccessibleName(tr("Character Name"));
    pLayout->addWidget(pLabel);
    pLayout->addWidget(txtName);
    pLayout->addWidget(lstNames);
    pLayout->addLayout(pButtons);

    connect(txtName, &QLineEdit::textEdited, this, [this] { txtName_KeyUp(); });
    connect(lstNames, &QListView::clicked, this,
            [this](const QModelIndex& index) { txtName->setText(index.data().toString()); });
    connect(cmdOK, &QPushButton::clicked, this, &frmFindChar::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmFindChar::cmdCancel_Click);
}

void frmFindChar::showEvent(QShowEvent* pEvent) {
    QDialog::showEvent(pEvent);
    txtName->setFocus();
}

void frmFindChar::Form_Activate() {
    bHitCancel = true;
    txtName->clear();
    txtName_KeyUp();
}

void frmFindChar::txtName_KeyUp() {
    QStringList names;
    if (objCharDB) {
        const QString strPrefix = txtName->text();
        for (const Character& character : **objCharDB)
            if (character.strName.startsWith(strPrefix, Qt::CaseInsensitive))
                names << character.strName;
    }
    m_pNames->setStringList(names);
}

QStringList frmFindChar::Names() const {
    return m_pNames->stringList();
}

void frmFindChar::cmdOK_Click() {
    bHitCancel = false;
    accept();
}

void frmFindChar::cmdCancel_Click() {
    reject();
}

void frmFindChar::reject() {
    bHitCancel = true;
    QDialog::reject();
}
