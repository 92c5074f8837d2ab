#include "frmAttentionReport.h"

#include "Accessibility.h"
#include "CriticalError.h"
#include "CsvExport.h"
#include "Grid.h"
#include "Prompts.h"
#include "Protocol.h"
#include "RequestCycle.h"
#include "Session.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The controls' names, one per section.
const char* const kGridNames[] = {"grdAttentionSlots", "grdAttentionMissing", "grdAttentionMules",
                                  "grdAttentionStale", "grdAttentionDefault", "grdAttentionAdmins"};

} // namespace

frmAttentionReport::frmAttentionReport(Session& session, const Roster& roster, QWidget* pParent)
    : QWidget(pParent, Qt::Window), m_session(session), m_roster(roster) {
    setObjectName(QStringLiteral("frmAttentionReport"));
    setWindowTitle(QStringLiteral("Attention Report"));
    spnAttentionDays = new QSpinBox(this);
    spnAttentionDays->setObjectName(QStringLiteral("spnAttentionDays"));
    spnAttentionDays->setRange(1, 3650);
    spnAttentionDays->setValue(AttentionReport::kDefaultDays);
    cmdAttentionRefresh = new QPushButton(QStringLiteral("&Refresh"), this);
    cmdAttentionRefresh->setObjectName(QStringLiteral("cmdAttentionRefresh"));
    cmdAttentionRefresh->setAutoDefault(false);
    cmdAttentionExport = new QPushButton(QStringLiteral("&Export List..."), this);
    cmdAttentionExport->setObjectName(QStringLiteral("cmdAttentionExport"));
    cmdAttentionExport->setAutoDefault(false);
    lblAttentionInfo = new QLabel(this);
    lblAttentionInfo->setObjectName(QStringLiteral("lblAttentionInfo"));
    tabAttention = new QTabWidget(this);
    tabAttention->setObjectName(QStringLiteral("tabAttention"));
    tabAttention->setAccessibleName(QStringLiteral("Sections"));
    m_report = AttentionReport::Make(Characters(), GuildFacts(), AttentionReport::kDefaultDays,
                                     QDateTime::currentDateTimeUtc());
    for (int iSection = 0; iSection < AttentionReport::kSections; ++iSection) {
        auto* pGrid = new Grid(QLatin1String(kGridNames[iSection]));
        pGrid->setAccessibleName(m_report.tables[iSection].strTitle);
        pGrid->Model().SetHeaders(m_report.tables[iSection].headers);
        connect(pGrid, &Grid::RowActivated, this, [this](const QString& strName) {
            if (fnShowCharacter)
                fnShowCharacter(strName);
        });
        connect(pGrid, &Grid::ExportRequested, this,
                [this, pGrid] { ExportGrid(*pGrid, m_session.prompts); });
        tabAttention->addTab(pGrid, m_report.tables[iSection].strTitle);
        tabAttention->setTabVisible(iSection, iSection < AttentionReport::DefaultPassword);
        m_grids[static_cast<std::size_t>(iSection)] = pGrid;
    }
    auto* pDaysLabel = new QLabel(QStringLiteral("&Days without a change or a login:"), this);
    pDaysLabel->setBuddy(spnAttentionDays);
    auto* pBar = new QHBoxLayout;
    pBar->addWidget(pDaysLabel);
    pBar->addWidget(spnAttentionDays);
    pBar->addStretch();
    pBar->addWidget(cmdAttentionRefresh);
    pBar->addWidget(cmdAttentionExport);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pBar);
    pLayout->addWidget(tabAttention, 1);
    pLayout->addWidget(lblAttentionInfo);
    connect(spnAttentionDays, &QSpinBox::valueChanged, this, &frmAttentionReport::Recompute);
    connect(cmdAttentionRefresh, &QPushButton::clicked, this, &frmAttentionReport::RefreshReport);
    connect(cmdAttentionExport, &QPushButton::clicked, this, [this] {
        ExportGrid(*m_grids[static_cast<std::size_t>(tabAttention->currentIndex())],
                   m_session.prompts);
    });
    m_session.cycle.Route(zorv::OpGuildFacts, [this](const Reply& reply) { FactsReply(reply); });
    NameControlsAfterLabels(this);
    resize(720, 480);
}

frmAttentionReport::~frmAttentionReport() = default;

bool frmAttentionReport::IsAdministrator() const {
    return m_session.iCurSecurityLevel == zorv::kSecurityAdministrator;
}

void frmAttentionReport::ShowReport() {
    show();
    raise();
    activateWindow();
    RefreshReport();
}

void frmAttentionReport::RefreshReport() {
    ProcedureGuard Step(m_session.prompts, "RefreshAttentionReport");
    Step([&] {
        std::vector<Request::Field> fields;
        if (IsAdministrator())
            fields.emplace_back(QStringLiteral("admin"), QStringLiteral("1"));
        m_session.cycle.StartOperation(
            Request(zorv::OpGuildFacts, QStringLiteral("Downloading Guild Facts"), fields));
    });
}

void frmAttentionReport::FactsReply(const Reply& reply) {
    std::optional<GuildFacts> facts = GuildFacts::Parse(reply.strPayload, IsAdministrator());
    if (!facts) {
        m_session.prompts.Inform(QStringLiteral("The server's answer could not be read."));
        return;
    }
    m_facts = std::move(facts);
    Recompute();
}

void frmAttentionReport::RosterChanged() {
    if (m_facts && isVisible())
        Recompute();
}

void frmAttentionReport::Recompute() {
    if (!m_facts)
        return;
    m_report = AttentionReport::Make(*m_roster, *m_facts, spnAttentionDays->value(),
                                     QDateTime::currentDateTimeUtc());
    for (int iSection = 0; iSection < AttentionReport::kSections; ++iSection) {
        Grid* pGrid = m_grids[static_cast<std::size_t>(iSection)];
        pGrid->Model().SetRows(m_report.tables[iSection].rows);
        const bool bShown = iSection < AttentionReport::DefaultPassword || m_report.bAdminPart;
        tabAttention->setTabVisible(iSection, bShown);
        tabAttention->setTabText(iSection, m_report.tables[iSection].strTitle +
                                               QStringLiteral(" (%1)").arg(pGrid->DataRows()));
    }
    lblAttentionInfo->setText(QStringLiteral("%1 members; vassal cap %2.")
                                  .arg(m_roster->Count())
                                  .arg(m_facts->nVassalCap));
}
