#include "frmNotifications.h"

#include "Languages.h"

#include "CriticalError.h"
#include "CsvExport.h"
#include "ErrorTable.h"
#include "Grid.h"
#include "Prompts.h"
#include "Protocol.h"
#include "Records.h"
#include "ReplyFraming.h"
#include "RequestCycle.h"
#include "Session.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace {

struct NotifyFormat {
    const char* szKey;
    const char* szCaption;
};
const NotifyFormat kFormats[] = {
    //: The form of the messages: those a Discord channel's webhook takes
    {"discord", QT_TRANSLATE_NOOP("NotifyFormat", "Discord webhook")},
    //: The form of the messages: those a Slack channel's incoming webhook takes
    {"slack", QT_TRANSLATE_NOOP("NotifyFormat", "Slack incoming webhook")},
    //: The form of the messages: plain JSON, for a receiver of one's own
    {"json", QT_TRANSLATE_NOOP("NotifyFormat", "Plain JSON")},
};

QString Caption(const NotifyFormat& format) {
    return QCoreApplication::translate("NotifyFormat", format.szCaption);
}

// A language as the list shows it: by its own name.
QString LanguageName(const QString& strCode) {
    for (const zorv::Language& language : zorv::kLanguages)
        if (strCode == QLatin1String(language.szCode))
            return QString::fromUtf8(language.szName);
    return strCode;
}

QString FormatCaption(const QString& strKey) {
    for (const NotifyFormat& format : kFormats)
        if (strKey == QLatin1String(format.szKey))
            return Caption(format);
    return strKey;
}

// The kinds as the list shows them: the captions without their shortcut and explanation.
QString KindsCaption(const QStringList& kinds) {
    QStringList shown;
    for (const NotifyKind& kind : kNotifyKinds)
        if (kinds.contains(QLatin1String(kind.szKey))) {
            QString strCaption =
                QCoreApplication::translate("NotifyKind", kind.szCaption).remove(QLatin1Char('&'));
            shown << strCaption.left(strCaption.indexOf(QLatin1String(" (")));
        }
    //: Separates the kinds of change a target is sent, in the list of targets
    return shown.join(QCoreApplication::translate("frmNotifications", ", "));
}

bool IsLoopbackHost(const QString& strHost) {
    return strHost == QLatin1String("localhost") || strHost.startsWith(QLatin1String("127.")) ||
           strHost == QLatin1String("::1");
}

const int kMaxUrlLength = 1000;

// A reply's payload as Latin-1 bytes without the stop marker that an error's payload still holds.
QByteArray PayloadBytes(const QString& strPayload) {
    return PayloadText(strPayload).toLatin1();
}

} // namespace

std::optional<QList<NotifyTarget>> NotifyTarget::Parse(const QString& strPayload) {
    const QByteArray latin1 = PayloadBytes(strPayload);
    QList<NotifyTarget> targets;
    bool bGood = true;
    zorv::ForEachRecord(
        std::string_view(latin1.constData(), latin1.size()), [&](std::string_view strRecord) {
            const zorv::Fields fields = zorv::UnescapedFields(strRecord);
            // A ninth field, the language, from a server that writes in more than English.
            if (fields.size() != 8 && fields.size() != 9) {
                bGood = false;
                return;
            }
            auto Text = [&](int i) { return QString::fromLatin1(fields[std::size_t(i)].c_str()); };
            NotifyTarget target;
            target.strId = Text(0);
            target.strFormat = Text(1);
            target.kinds = Text(2).split(QLatin1Char(','), Qt::SkipEmptyParts);
            target.strShownUrl = Text(3);
            target.strFailingSince = Text(4);
            bool bQueued = false, bDropped = false;
            target.nQueued = Text(5).toInt(&bQueued);
            target.nDropped = Text(6).toInt(&bDropped);
            target.strLastResult = Text(7);
            if (fields.size() > 8)
                target.strLanguage = Text(8);
            bGood = bGood && bQueued && bDropped && !target.strId.isEmpty();
            targets << target;
        });
    if (!bGood)
        return std::nullopt;
    return targets;
}

frmNotifyTarget::frmNotifyTarget(QWidget* pParent) : QDialog(pParent) {
    setObjectName(QStringLiteral("frmNotifyTarget"));
    //: Window title: adding a chat channel that is sent the guild's changes
    setWindowTitle(tr("Add Notifications"));
    txtNotifyUrl = new QLineEdit(this);
    txtNotifyUrl->setObjectName(QStringLiteral("txtNotifyUrl"));
    txtNotifyUrl->setMaxLength(kMaxUrlLength);
    txtNotifyUrl->setPlaceholderText(QStringLiteral("https://discord.com/api/webhooks/..."));
    txtNotifyUrl->setMinimumWidth(fontMetrics().averageCharWidth() * 50);
    cmbNotifyFormat = new QComboBox(this);
    cmbNotifyFormat->setObjectName(QStringLiteral("cmbNotifyFormat"));
    for (const NotifyFormat& format : kFormats)
        cmbNotifyFormat->addItem(Caption(format), QString::fromLatin1(format.szKey));
    cmbNotifyLanguage = new QComboBox(this);
    cmbNotifyLanguage->setObjectName(QStringLiteral("cmbNotifyLanguage"));
    for (const zorv::Language& language : zorv::kLanguages)
        cmbNotifyLanguage->addItem(QString::fromUtf8(language.szName),
                                   QString::fromLatin1(language.szCode));
    // The officer's own language first: the channel's members most likely read it too.
    cmbNotifyLanguage->setCurrentIndex(
        std::max(0, cmbNotifyLanguage->findData(QLocale().name().section(QLatin1Char('_'), 0, 0))));
    auto* pForm = new QFormLayout;
    //: The webhook's web address
    pForm->addRow(tr("&Address:"), txtNotifyUrl);
    //: The form of the messages (Discord, Slack, JSON)
    pForm->addRow(tr("&Format:"), cmbNotifyFormat);
    //: The language the messages are written in
    pForm->addRow(tr("La&nguage:"), cmbNotifyLanguage);
    auto* pKinds = new QVBoxLayout;
    for (std::size_t i = 0; i < std::size(kNotifyKinds); ++i) {
        chkNotifyKind[i] = new QCheckBox(
            QCoreApplication::translate("NotifyKind", kNotifyKinds[i].szCaption), this);
        chkNotifyKind[i]->setObjectName(QStringLiteral("chkNotify") +
                                        QString::fromLatin1(kNotifyKinds[i].szKey));
        chkNotifyKind[i]->setChecked(true);
        pKinds->addWidget(chkNotifyKind[i]);
    }
    //: Before the kinds of change to send to the channel
    pForm->addRow(tr("Send:"), pKinds);
    lblNotifyProblem = new QLabel(this);
    lblNotifyProblem->setObjectName(QStringLiteral("lblNotifyProblem"));
    lblNotifyProblem->setWordWrap(true);
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pForm);
    pLayout->addWidget(lblNotifyProblem);
    pLayout->addWidget(pButtons);
}

QString frmNotifyTarget::Format() const {
    return cmbNotifyFormat->currentData().toString();
}

QString frmNotifyTarget::Language() const {
    return cmbNotifyLanguage->currentData().toString();
}

QString frmNotifyTarget::Kinds() const {
    QStringList kinds;
    for (std::size_t i = 0; i < std::size(kNotifyKinds); ++i)
        if (chkNotifyKind[i]->isChecked())
            kinds << QString::fromLatin1(kNotifyKinds[i].szKey);
    return kinds.join(QLatin1Char(','));
}

QString frmNotifyTarget::Problem() const {
    const QUrl url(txtNotifyUrl->text().trimmed(), QUrl::StrictMode);
    const bool bHttps = url.scheme() == QLatin1String("https");
    const bool bLocal = url.scheme() == QLatin1String("http") && IsLoopbackHost(url.host());
    if (!url.isValid() || url.host().isEmpty() || !(bHttps || bLocal))
        return tr("Give the webhook's whole address, beginning with https:// (http:// only for a "
                  "receiver on this computer).");
    if (Kinds().isEmpty())
        return tr("Choose at least one kind of change to send.");
    return QString();
}

void frmNotifyTarget::accept() {
    const QString strProblem = Problem();
    lblNotifyProblem->setText(strProblem);
    if (strProblem.isEmpty())
        QDialog::accept();
}

frmNotifications::frmNotifications(Session& session, QWidget* pParent)
    : QWidget(pParent, Qt::Window), m_session(session) {
    setObjectName(QStringLiteral("frmNotifications"));
    //: Window title: the chat channels the guild's changes are sent to
    setWindowTitle(tr("Notifications"));
    grdNotifyTargets = new Grid(QStringLiteral("grdNotifyTargets"));
    grdNotifyTargets->setAccessibleName(tr("Notification targets"));
    grdNotifyTargets->Model().SetHeaders(
        {//: Column header: the target's number on the server
         tr("Target"),
         //: Column header: the webhook's address (its host only)
         tr("Address"),
         //: Column header: the form of the messages (Discord, Slack, JSON)
         tr("Format"),
         //: Column header: the kinds of change sent there
         tr("Sends"),
         //: Column header: whether the messages are delivered
         tr("State"),
         //: Column header: the number of messages waiting to be delivered
         tr("Queued"),
         //: Column header: the number of messages given up
         tr("Dropped"),
         //: Column header: what the chat service answered last
         tr("Last Answer"),
         //: Column header: the language the messages are written in
         tr("Language")});
    auto Button = [this](const QString& strText, const char* szName) {
        auto* pButton = new QPushButton(strText, this);
        pButton->setObjectName(QString::fromLatin1(szName));
        pButton->setAutoDefault(false);
        return pButton;
    };
    //: Button: adds a target
    cmdNotifyAdd = Button(tr("&Add..."), "cmdNotifyAdd");
    cmdNotifyTest = Button(tr("Send &Test Message"), "cmdNotifyTest");
    //: Button: removes the selected target
    cmdNotifyRemove = Button(tr("&Remove"), "cmdNotifyRemove");
    //: Button: lists the targets again
    cmdNotifyRefresh = Button(tr("Re&fresh"), "cmdNotifyRefresh");
    // Until the server has listed a target, there is none to test or remove.
    cmdNotifyTest->setEnabled(false);
    cmdNotifyRemove->setEnabled(false);
    lblNotifyInfo = new QLabel(this);
    lblNotifyInfo->setObjectName(QStringLiteral("lblNotifyInfo"));
    lblNotifyInfo->setWordWrap(true);
    // Room for three lines: what was done, the chat service's answer, the targets' state.
    lblNotifyInfo->setMinimumHeight(fontMetrics().lineSpacing() * 3);
    lblNotifyInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* pBar = new QHBoxLayout;
    for (QPushButton* pButton : {cmdNotifyAdd, cmdNotifyTest, cmdNotifyRemove})
        pBar->addWidget(pButton);
    pBar->addStretch();
    pBar->addWidget(cmdNotifyRefresh);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pBar);
    pLayout->addWidget(grdNotifyTargets, 1);
    pLayout->addWidget(lblNotifyInfo);
    // Wide enough for every column of the list to show its header whole.
    setMinimumSize(fontMetrics().averageCharWidth() * 110, fontMetrics().height() * 18);
    resize(1150, 380);

    connect(grdNotifyTargets, &Grid::ExportRequested, this,
            [this] { ExportGrid(*grdNotifyTargets, m_session.prompts); });
    connect(cmdNotifyAdd, &QPushButton::clicked, this, &frmNotifications::AddTarget);
    connect(cmdNotifyTest, &QPushButton::clicked, this, &frmNotifications::TestTarget);
    connect(cmdNotifyRemove, &QPushButton::clicked, this, &frmNotifications::RemoveTarget);
    connect(cmdNotifyRefresh, &QPushButton::clicked, this, &frmNotifications::RefreshTargets);

    RequestCycle& cycle = session.cycle;
    cycle.Route(zorv::OpNotifyTargets, [this](const Reply& reply) { TargetsReply(reply); });
    cycle.Route(zorv::OpNotifyAdd, [this](const Reply&) { Done(tr("Notifications added.")); });
    cycle.Route(zorv::OpNotifyRemove, [this](const Reply&) { Done(tr("Notifications removed.")); });
    cycle.Route(zorv::OpNotifyTest, [this](const Reply& reply) {
        const QString strAnswer = FirstField(reply);
        if (strAnswer.isEmpty())
            Done(tr("The test message was delivered."));
        else
            //: %1 is the chat service's answer, as it gave it
            Done(tr("The test message was delivered (%1).").arg(strAnswer));
    });
    // A failed test is said in the window, with the chat service's answer; a target removed
    // meanwhile by another administrator is said in a box, and the list shown again either way.
    auto Refused = [this](const Reply& reply) {
        const bool bTestFailed = reply.iCode == zorv::CodeNotifyTestFailed;
        if (bTestFailed)
            //: %1 is the chat service's answer, or the reason it could not be reached
            m_strNote =
                tr("The test message could not be delivered: %1.").arg(FirstField(reply).left(160));
        QTimer::singleShot(0, this, &frmNotifications::RefreshTargets);
        return bTestFailed;
    };
    cycle.RouteError(zorv::OpNotifyTest, Refused);
    cycle.RouteError(zorv::OpNotifyRemove, Refused);
}

QString frmNotifications::FirstField(const Reply& reply) {
    const zorv::Fields fields = zorv::UnescapedFields(PayloadBytes(reply.strPayload).toStdString());
    // The service's answer as it came, or the server's reason in the user's language.
    return fields.empty() ? QString() : RefusalSentence(fields);
}

void frmNotifications::Done(const QString& strNote) {
    m_strNote = strNote;
    RefreshTargets();
}

void frmNotifications::ShowAndRefresh() {
    // The administrators' menu is hidden from members; the window checks for itself all the same.
    if (m_session.iCurSecurityLevel != zorv::kSecurityAdministrator) {
        //: "You" stands for "Your"
        m_session.prompts.Inform(tr("You security level is not high enough!"));
        return;
    }
    show();
    raise();
    activateWindow();
    RefreshTargets();
}

void frmNotifications::RefreshTargets() {
    ProcedureGuard Step(m_session.prompts, "GetNotifyTargets");
    Step([&] {
        m_session.cycle.StartOperation(
            Request(zorv::OpNotifyTargets, tr("Downloading Notifications")));
    });
}

void frmNotifications::TargetsReply(const Reply& reply) {
    std::optional<QList<NotifyTarget>> targets = NotifyTarget::Parse(reply.strPayload);
    if (!targets) {
        m_session.prompts.Inform(tr("The server's answer could not be read."));
        return;
    }
    m_targets = std::move(*targets);
    ShowTargets();
}

void frmNotifications::ShowTargets() {
    QList<QStringList> rows;
    int nFailing = 0;
    for (const NotifyTarget& target : m_targets) {
        QString strState;
        if (!target.strFailingSince.isEmpty()) {
            //: A target's state; %1 is the date and time of the first failed delivery
            strState = tr("Failing since %1").arg(target.strFailingSince);
            ++nFailing;
        } else if (target.nQueued) {
            //: A target's state: messages are on their way
            strState = tr("Delivering");
        } else {
            //: A target's state: every message was delivered
            strState = tr("Up to date");
        }
        rows << QStringList{target.strId,
                            target.strShownUrl,
                            FormatCaption(target.strFormat),
                            KindsCaption(target.kinds),
                            strState,
                            QString::number(target.nQueued),
                            QString::number(target.nDropped),
                            target.strLastResult,
                            LanguageName(target.strLanguage)};
    }
    grdNotifyTargets->Model().SetRows(rows);
    // The address, kinds and last answer are what an officer reads: none cut to equal columns.
    grdNotifyTargets->FitColumnsToContents();
    QString strInfo;
    if (m_targets.isEmpty())
        strInfo = tr("The guild's changes are sent nowhere yet. Add a chat channel's webhook to "
                     "send them there.");
    else
        //: The number of chat channels the guild's changes are sent to
        strInfo = tr("%n targets.", nullptr, static_cast<int>(m_targets.size()));
    if (nFailing)
        //: Follows "%n targets."; %n is how many of them fail
        strInfo += QLatin1Char(' ') + tr("%n failing: their messages wait and are sent once the "
                                         "chat service answers again.",
                                         nullptr, nFailing);
    if (!m_strNote.isEmpty())
        strInfo = m_strNote + QLatin1Char(' ') + strInfo;
    m_strNote.clear();
    lblNotifyInfo->setText(strInfo);
    cmdNotifyTest->setEnabled(!m_targets.isEmpty());
    cmdNotifyRemove->setEnabled(!m_targets.isEmpty());
}

const NotifyTarget* frmNotifications::Selected() {
    const QModelIndex current = grdNotifyTargets->currentIndex();
    if (current.isValid()) {
        const QString strId = grdNotifyTargets->TextMatrix(current.row() + 1, 0);
        for (const NotifyTarget& target : m_targets)
            if (target.strId == strId)
                return &target;
    }
    if (m_targets.size() == 1)
        return &m_targets.front();
    lblNotifyInfo->setText(tr("Select a target in the list first."));
    return nullptr;
}

void frmNotifications::AddTarget() {
    // A new dialog each time: the address is a secret, not kept once sent.
    frmNotifyTarget dlg(this);
    if (m_session.prompts.Exec(dlg) != QDialog::Accepted)
        return;
    ProcedureGuard Step(m_session.prompts, "AddNotifyTarget");
    Step([&] {
        m_session.cycle.StartOperation(
            Request(zorv::OpNotifyAdd, tr("Adding Notifications"),
                    {{FormKey(zorv::form::kUrl), dlg.txtNotifyUrl->text().trimmed()},
                     {FormKey(zorv::form::kFormat), dlg.Format()},
                     {FormKey(zorv::form::kKinds), dlg.Kinds()},
                     {FormKey(zorv::form::kLanguage), dlg.Language()}}));
    });
}

void frmNotifications::RemoveTarget() {
    const NotifyTarget* pTarget = Selected();
    if (!pTarget)
        return;
    const QString strId = pTarget->strId;
    if (m_session.prompts.Message(
            //: %1 is the target's address (its host only)
            tr("Stop sending the guild's changes to %1?  Messages not yet delivered there are "
               "dropped.")
                .arg(pTarget->strShownUrl),
            MessagePrompts::Buttons::YesNo, MessagePrompts::Icon::Question,
            tr("Remove Notifications")) != MessagePrompts::Answer::Yes)
        return;
    ProcedureGuard Step(m_session.prompts, "RemoveNotifyTarget");
    Step([&] {
        m_session.cycle.StartOperation(Request(zorv::OpNotifyRemove, tr("Removing Notifications"),
                                               {{FormKey(zorv::form::kTarget), strId}}));
    });
}

void frmNotifications::TestTarget() {
    const NotifyTarget* pTarget = Selected();
    if (!pTarget)
        return;
    ProcedureGuard Step(m_session.prompts, "TestNotifyTarget");
    Step([&] {
        m_session.cycle.StartOperation(Request(zorv::OpNotifyTest, tr("Sending a Test Message"),
                                               {{FormKey(zorv::form::kTarget), pTarget->strId}}));
    });
}
