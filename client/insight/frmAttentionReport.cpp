#include "frmAttentionReport.h"

#include "Accessibility.h"
#include "CsvExport.h"
#include "Grid.h"
#include "GuildFactsSource.h"
#include "Prompts.h"
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

frmAttentionReport::frmAttentionReport(Session& session, GuildFactsSource& facts,
                                       const Roster& roster, QWidget* pParent)
    : QWidget(pParent, Qt::Window), m_session(session), m_facts(facts), m_roster(roster) {
    setObjectName(QStringLiteral("frmAttentionReport"));
    //: Window title: what in the guild needs an officer's attention
    setWindowTitle(tr("Attention Report"));
    spnAttentionDays = new QSpinBox(this);
    spnAttentionDays->setObjectName(QStringLiteral("spnAttentionDays"));
    spnAttentionDays->setRange(1, 3650);
    spnAttentionDays->setValue(AttentionReport::kDefaultDays);
    //: Button: asks the server for the guild's facts again
    cmdAttentionRefresh = new QPushButton(tr("&Refresh"), this);
    cmdAttentionRefresh->setObjectName(QStringLiteral("cmdAttentionRefresh"));
    cmdAttentionRefresh->setAutoDefault(false);
    //: Button: saves the list shown as a CSV file
    cmdAttentionExport = new QPushButton(tr("&Export List..."), this);
    cmdAttentionExport->setObjectName(QStringLiteral("cmdAttentionExport"));
    cmdAttentionExport->setAutoDefault(false);
    lblAttentionInfo = new QLabel(this);
    lblAttentionInfo->setObjectName(QStringLiteral("lblAttentionInfo"));
    tabAttention = new QTabWidget(this);
    tabAttention->setObjectName(QStringLiteral("tabAttention"));
    //: The report's tabs, one per section
    tabAttention->setAccessibleName(tr("Sections"));
    // Every section's tab shows whole: the window is never narrower than the row of them.
    tabAttention->setUsesScrollButtons(false);
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
    auto* pDaysLabel = new QLabel(tr("&Days without a change or a login:"), this);
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
    connect(&facts, &GuildFactsSource::Arrived, this, &frmAttentionReport::Recompute);
    NameControlsAfterLabels(this);
    resize(720, 480);
}

frmAttentionReport::~frmAttentionReport() = default;

void frmAttentionReport::ShowReport() {
    show();
    raise();
    activateWindow();
    RefreshReport();
}

void frmAttentionReport::RefreshReport() {
    m_facts.Ask();
}

void frmAttentionReport::RosterChanged() {
    if (isVisible())
        Recompute();
}

void frmAttentionReport::Recompute() {
    if (!m_facts.Facts())
        return;
    const GuildFacts& facts = *m_facts.Facts();
    m_report = AttentionReport::Make(*m_roster, facts, spnAttentionDays->value(),
                                     QDateTime::currentDateTimeUtc());
    for (int iSection = 0; iSection < AttentionReport::kSections; ++iSection) {
        Grid* pGrid = m_grids[static_cast<std::size_t>(iSection)];
        pGrid->Model().SetRows(m_report.tables[iSection].rows);
        const bool bShown = iSection < AttentionReport::DefaultPassword || m_report.bAdminPart;
        tabAttention->setTabVisible(iSection, bShown);
        //: A section's tab: %1 is its title, %2 the number of members in it
        tabAttention->setTabText(iSection, tr("%1 (%2)").arg(m_report.tables[iSection].strTitle,
                                                             QString::number(pGrid->DataRows())));
    }
    //: %n is the number of members; %1 the most vassals (characters sworn to a patron) the
    //: guild lets a member have
    lblAttentionInfo->setText(
        tr("%n members; vassal cap %1.", nullptr, m_roster->Count()).arg(facts.nVassalCap));
}
