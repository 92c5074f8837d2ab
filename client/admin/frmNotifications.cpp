#include "frmNotifications.h"

#include "CriticalError.h"
#include "CsvExport.h"
#include "Grid.h"
#include "Prompts.h"
#include "Protocol.h"
#include "Records.h"
#include "ReplyFraming.h"
#include "RequestCycle.h"
#include "Session.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace {

struct NotifyFormat {
    const char* szKey;
    const char* szCaption;
};
const NotifyFormat kFormats[] = {
    {"discord", "Discord webhook"},
    {"slack", "Slack incoming webhook"},
    {"json", "Plain JSON"},
};

QString FormatCaption(const QString& strKey) {
    for (const NotifyFormat& format : kFormats)
        if (strKey == QLatin1String(format.szKey))
            return QString::fromLatin1(format.szCaption);
    return strKey;
}

// The kinds as the list shows them: the captions without their shortcut and explanation.
QString KindsCaption(const QStringList& kinds) {
    QStringList shown;
    for (const NotifyKind& kind : kNotifyKinds)
        if (kinds.contains(QLatin1String(kind.szKey))) {
            QString strCaption = QString::fromLatin1(kind.szCaption).remove(QLatin1Char('&'));
            shown << strCaption.left(strCaption.indexOf(QLatin1String(" (")));
        }
    return shown.join(QStringLiteral(", "));
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
            if (fields.size() != 8) {
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
            bGood = bGood && bQueued && bDropped && !target.strId.isEmpty();
            targets << target;
        });
    if (!bGood)
        return std::nullopt;
    return targets;
}

frmNotifyTarget::frmNotifyTarget(QWidget* pParent) : QDialog(pParent) {
    setObjectName(QStringLiteral("frmNotifyTarget"));
    setWindowTitle(QStringLiteral("Add Notifications"));
    txtNotifyUrl = new QLineEdit(this);
    txtNotifyUrl->setObjectName(QStringLiteral("txtNotifyUrl"));
    txtNotifyUrl->setMaxLength(kMaxUrlLength);
    txtNotifyUrl->setPlaceholderText(QStringLiteral("https://discord.com/api/webhooks/..."));
    txtNotifyUrl->setMinimumWidth(fontMetrics().averageCharWidth() * 50);
    cmbNotifyFormat = new QComboBox(this);
    cmbNotifyFormat->setObjectName(QStringLiteral("cmbNotifyFormat"));
    for (const NotifyFormat& format : kFormats)
        cmbNotifyFormat->addItem(QString::fromLatin1(format.szCaption),
                                 QString::fromLatin1(format.szKey));
    auto* pForm = new QFormLayout;
    pForm->addRow(QStringLiteral("&Address:"), txtNotifyUrl);
    pForm->addRow(QStringLiteral("&Format:"), cmbNotifyFormat);
    auto* pKinds = new QVBoxLayout;
    for (std::size_t i = 0; i < std::size(kNotifyKinds); ++i) {
        chkNotifyKind[i] = new QCheckBox(QString::fromLatin1(kNotifyKinds[i].szCaption), this);
        chkNotifyKind[i]->setObjectName(QStringLiteral("chkNotify") +
                                        QString::fromLatin1(kNotifyKinds[i].szKey));
        chkNotifyKind[i]->setChecked(true);
        pKinds->addWidget(chkNotifyKind[i]);
    }
    pForm->addRow(QStringLiteral("Send:"), pKinds);
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
        return QStringLiteral("Give the webhook's whole address, beginning with https:// (http:// "
                              "only for a receiver on this computer).");
    if (Kinds().isEmpty())
        return QStringLiteral("Choose at least one kind of change to send.");
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
    setWindowTitle(QStringLiteral("Notifications"));
    grdNotifyTargets = new Grid(QStringLiteral("grdNotifyTargets"));
    grdNotifyTargets->setAccessibleName(QStringLiteral("Notification targets"));
    grdNotifyTargets->Model().SetHeaders(
        {QStringLiteral("Target"), QStringLiteral("Address"), QStringLiteral("Format"),
         QStringLiteral("Sends"), QStringLiteral("State"), QStringLiteral("Queued"),
         QStringLiteral("Dropped"), QStringLiteral("Last Answer")});
    auto Button = [this](const char* szText, const char* szName) {
        auto* pButton = new QPushButton(QString::fromLatin1(szText), this);
        pButton->setObjectName(QString::fromLatin1(szName));
        pButton->setAutoDefault(false);
        return pButton;
    };
    cmdNotifyAdd = Button("&Add...", "cmdNotifyAdd");
    cmdNotifyTest = Button("Send &Test Message", "cmdNotifyTest");
    cmdNotifyRemove = Button("&Remove", "cmdNotifyRemove");
    cmdNotifyRefresh = Button("Re&fresh", "cmdNotifyRefresh");
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
    cycle.Route(zorv::OpNotifyAdd,
                [this](const Reply&) { Done(QStringLiteral("Notifications added.")); });
    cycle.Route(zorv::OpNotifyRemove,
                [this](const Reply&) { Done(QStringLiteral("Notifications removed.")); });
    cycle.Route(zorv::OpNotifyTest, [this](const Reply& reply) {
        const QString strAnswer = FirstField(reply);
        Done(QStringLiteral("The test message was delivered") +
             (strAnswer.isEmpty() ? QString() : QStringLiteral(" (") + strAnswer + ')') +
             QLatin1Char('.'));
    });
    // A failed test is said in the window, with the chat service's answer; a target removed
    // meanwhile by another administrator is said in a box, and the list shown again either way.
    auto Refused = [this](const Reply& reply) {
        const bool bTestFailed = reply.iCode == zorv::CodeNotifyTestFailed;
        if (bTestFailed)
            m_strNote = QStringLiteral("The test message could not be delivered: ") +
                        FirstField(reply).left(160) + QLatin1Char('.');
        QTimer::singleShot(0, this, &frmNotifications::RefreshTargets);
        return bTestFailed;
    };
    cycle.RouteError(zorv::OpNotifyTest, Refused);
    cycle.RouteError(zorv::OpNotifyRemove, Refused);
}

QString frmNotifications::FirstField(const Reply& reply) {
    const zorv::Fields fields = zorv::UnescapedFields(PayloadBytes(reply.strPayload).toStdString());
    return fields.empty() ? QString() : QString::fromLatin1(fields[0].c_str());
}

void frmNotifications::Done(const QString& strNote) {
    m_strNote = strNote;
    RefreshTargets();
}

void frmNotifications::ShowAndRefresh() {
    // The administrators' menu is hidden from members; the window checks for itself all the same.
    if (m_session.iCurSecurityLevel != zorv::kSecurityAdministrator) {
        m_session.prompts.Inform(QStringLiteral("You security level is not high enough!"));
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
            Request(zorv::OpNotifyTargets, QStringLiteral("Downloading Notifications")));
    });
}

void frmNotifications::TargetsReply(const Reply& reply) {
    std::optional<QList<NotifyTarget>> targets = NotifyTarget::Parse(reply.strPayload);
    if (!targets) {
        m_session.prompts.Inform(QStringLiteral("The server's answer could not be read."));
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
            strState = QStringLiteral("Failing since ") + target.strFailingSince;
            ++nFailing;
        } else {
            strState = target.nQueued ? QStringLiteral("Delivering") : QStringLiteral("Up to date");
        }
        rows << QStringList{target.strId,
                            target.strShownUrl,
                            FormatCaption(target.strFormat),
                            KindsCaption(target.kinds),
                            strState,
                            QString::number(target.nQueued),
                            QString::number(target.nDropped),
                            target.strLastResult};
    }
    grdNotifyTargets->Model().SetRows(rows);
    // The address, kinds and last answer are what an officer reads: none cut to equal columns.
    grdNotifyTargets->FitColumnsToContents();
    QString strInfo =
        m_targets.isEmpty()
            ? QStringLiteral(
                  "The guild's changes are sent nowhere yet. Add a chat channel's webhook "
                  "to send them there.")
            : QString::number(m_targets.size()) + QStringLiteral(" targets.");
    if (nFailing)
        strInfo += QStringLiteral(" ") + QString::number(nFailing) +
                   QStringLiteral(" failing: their messages wait and are sent once the chat "
                                  "service answers again.");
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
    lblNotifyInfo->setText(QStringLiteral("Select a target in the list first."));
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
            Request(zorv::OpNotifyAdd, QStringLiteral("Adding Notifications"),
                    {{FormKey(zorv::form::kUrl), dlg.txtNotifyUrl->text().trimmed()},
                     {FormKey(zorv::form::kFormat), dlg.Format()},
                     {FormKey(zorv::form::kKinds), dlg.Kinds()}}));
    });
}

void frmNotifications::RemoveTarget() {
    const NotifyTarget* pTarget = Selected();
    if (!pTarget)
        return;
    const QString strId = pTarget->strId;
    if (m_session.prompts.Message(
            QStringLiteral("Stop sending the guild's changes to ") + pTarget->strShownUrl +
                QStringLiteral("?  Messages not yet delivered there are dropped."),
            MessagePrompts::Buttons::YesNo, MessagePrompts::Icon::Question,
            QStringLiteral("Remove Notifications")) != MessagePrompts::Answer::Yes)
        return;
    ProcedureGuard Step(m_session.prompts, "RemoveNotifyTarget");
    Step([&] {
        m_session.cycle.StartOperation(Request(zorv::OpNotifyRemove,
                                               QStringLiteral("Removing Notifications"),
                                               {{FormKey(zorv::form::kTarget), strId}}));
    });
}

void frmNotifications::TestTarget() {
    const NotifyTarget* pTarget = Selected();
    if (!pTarget)
        return;
    ProcedureGuard Step(m_session.prompts, "TestNotifyTarget");
    Step([&] {
        m_session.cycle.StartOperation(Request(zorv::OpNotifyTest,
                                               QStringLiteral("Sending a Test Message"),
                                               {{FormKey(zorv::form::kTarget), pTarget->strId}}));
    });
}
