#include "frmAbout.h"

#include "Protocol.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

frmAbout::frmAbout(QWidget* pParent) : QDialog(pParent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About ZORV"));
    auto* pTitle = new QLabel(QStringLiteral("<h2>ZORV</h2>"), this);
    pTitle->setObjectName(QStringLiteral("lblTitle"));
    auto* pVersion = new QLabel(QStringLiteral("Version ") + QLatin1String(zorv::kVersion), this);
    pVersion->setObjectName(QStringLiteral("lblVersion"));
    auto* pText = new QLabel(QStringLiteral("The guild's shared record of its allegiance."), this);
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pTitle);
    pLayout->addWidget(pVersion);
    pLayout->addWidget(pText);
    pLayout->addWidget(pButtons);
}
