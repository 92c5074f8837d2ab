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
    setWindowTitle(QStringLiteral("About ZORV"));
    auto Label = [this](const QString& strText, const char* szName) {
        auto* pLabel = new QLabel(strText, this);
        pLabel->setObjectName(QLatin1String(szName));
        pLabel->setWordWrap(true);
        pLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return pLabel;
    };
    auto* pTitle = Label(QStringLiteral("<h2>ZORV</h2>"), "lblTitle");
    auto* pVersion =
        Label(QStringLiteral("Version ") + QLatin1String(ZORV_BUILD_VERSION) +
                  QStringLiteral(" (protocol ") + QLatin1String(zorv::kVersion) + QLatin1Char(')'),
              "lblVersion");
    auto* pText = Label(QStringLiteral("The guild's shared record of its allegiance: who is sworn "
                                       "to whom, every member's sheet, the guild's lists and "
                                       "its administration."),
                        "lblDescription");
    lblLogin = Label(QString(), "lblLogin");
    auto* pLicence = Label(QStringLiteral("Licensed under the MIT License."), "lblLicence");
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
    lblLogin->setText(strServer.isEmpty()
                          ? QStringLiteral("Not logged in.")
                          : QStringLiteral("Logged in to ") + strServer +
                                (strGuild.isEmpty()
                                     ? QString()
                                     : QStringLiteral(" (") + strGuild + QLatin1Char(')')) +
                                QLatin1Char('.'));
}
