#include "frmAbout.h"

#include "Protocol.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#ifndef ZORV_BUILD_VERSION
#define ZORV_BUILD_VERSION "unknown"
#endif

frmAbout::frmAbout(QWidget* pParent) : QDialog(pParent) {
    setObjectName(QStringLiteral("frmAbout"));
    //: Window title; ZORV is the program's name
    setWindowTitle(tr("About ZORV"));
    auto Label = [this](const QString& strText, const char* szName) {
        auto* pLabel = new QLabel(strText, this);
        pLabel->setObjectName(QLatin1String(szName));
        pLabel->setWordWrap(true);
        pLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return pLabel;
    };
    auto* pTitle = Label(QStringLiteral("<h2>ZORV</h2>"), "lblTitle");
    //: %1 is the program's version, %2 the version of the protocol it speaks with the server
    auto* pVersion =
        Label(tr("Version %1 (protocol %2)")
                  .arg(QLatin1String(ZORV_BUILD_VERSION), QLatin1String(zorv::kVersion)),
              "lblVersion");
    //: The allegiance: the guild's members, each sworn to a patron above it
    auto* pText =
        Label(tr("The guild's shared record of its allegiance: who is sworn to whom, every "
                 "member's sheet, the guild's lists and its administration."),
              "lblDescription");
    lblLogin = Label(QString(), "lblLogin");
    auto* pLicence = Label(tr("Licensed under the MIT License."), "lblLicence");
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* pLayout = new QVBoxLayout(this);
    for (QWidget* pWidget : {static_cast<QWidget*>(pTitle), static_cast<QWidget*>(pVersion),
                             static_cast<QWidget*>(pText), static_cast<QWidget*>(lblLogin),
                             static_cast<QWidget*>(pLicence)})
        pLayout->addWidget(pWidget);
    pLayout->addWidget(pButtons);
    SetLogin(QString(), QString());
}

void frmAbout::SetLogin(const QString& strServer, const QString& strGuild) {
    if (strServer.isEmpty())
        lblLogin->setText(tr("Not logged in."));
    else if (strGuild.isEmpty())
        //: %1 is the server's address
        lblLogin->setText(tr("Logged in to %1.").arg(strServer));
    else
        //: %1 is the server's address, %2 the guild's name
        lblLogin->setText(tr("Logged in to %1 (%2).").arg(strServer, strGuild));
}
