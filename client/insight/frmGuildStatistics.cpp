#include "frmGuildStatistics.h"

#include "Accessibility.h"
#include "ActivityPage.h"
#include "GuildFactsSource.h"
#include "Prompts.h"
#include "Protocol.h"
#include "RequestCycle.h"
#include "ScopeChoice.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <numeric>

namespace {

// The tabs' captions in English, shown translated, and the controls' names.
const char* const kPageNames[] = {
    //: Tab: the members by bands of levels
    QT_TRANSLATE_NOOP("frmGuildStatistics", "Levels"),
    //: Tab: the members by rank in the allegiance
    QT_TRANSLATE_NOOP("frmGuildStatistics", "Ranks"),
    //: Tab: the members by how many vassals (characters sworn to them) they have
    QT_TRANSLATE_NOOP("frmGuildStatistics", "Vassals"),
    //: Tab: the members by race
    QT_TRANSLATE_NOOP("frmGuildStatistics", "Races"),
    //: Tab: the members by sex, male or female
    QT_TRANSLATE_NOOP("frmGuildStatistics", "Sexes")};

// The ticks of a count axis fall on whole numbers: 1, 2 or 5 times a power of ten, eight
// intervals at most.
int TickStep(int nMax) {
    for (int nPower = 1;; nPower *= 10)
        for (int nStep : {1, 2, 5})
            if (nStep * nPower * 8 >= nMax)
                return nStep * nPower;
}

QChart* MakeChart(const StatisticsTable& table, QChart::ChartTheme theme, const QString& strTitle) {
    auto* pChart = new QChart;
    pChart->setTheme(theme);
    pChart->setAnimationOptions(QChart::NoAnimation);
    pChart->setTitle(strTitle);
    pChart->legend()->hide();
    //: Numbers of members: the bars, the axis of the counts and the column of the numbers
    auto* pSet = new QBarSet(frmGuildStatistics::tr("Members"));
    for (int nCount : table.counts)
        *pSet << nCount;
    auto* pSeries = new QBarSeries;
    pSeries->append(pSet);
    pSeries->setLabelsVisible(true);
    pChart->addSeries(pSeries);
    auto* pCategories = new QBarCategoryAxis;
    pCategories->append(table.labels);
    pCategories->setTitleText(table.strCategory);
    // Many bars leave each label too little room across: slanted, and never cut short.
    pCategories->setTruncateLabels(false);
    if (table.labels.size() > 8)
        pCategories->setLabelsAngle(-90);
    pChart->addAxis(pCategories, Qt::AlignBottom);
    pSeries->attachAxis(pCategories);
    auto* pCounts = new QValueAxis;
    const int nMax = std::accumulate(table.counts.begin(), table.counts.end(), 1,
                                     [](int a, int b) { return std::max(a, b); });
    const int nStep = TickStep(nMax);
    pCounts->setRange(0, (nMax + nStep - 1) / nStep * nStep);
    pCounts->setTickType(QValueAxis::TicksDynamic);
    pCounts->setTickAnchor(0);
    pCounts->setTickInterval(nStep);
    pCounts->setLabelFormat(QStringLiteral("%d"));
    pCounts->setTitleText(frmGuildStatistics::tr("Members"));
    pChart->addAxis(pCounts, Qt::AlignLeft);
    pSeries->attachAxis(pCounts);
    return pChart;
}

} // namespace

frmGuildStatistics::frmGuildStatistics(Prompts& prompts, const Roster& roster, QWidget* pParent,
                                       GuildFactsSource* pFacts, RequestCycle* pCycle)
    : QWidget(pParent, Qt::Window), m_prompts(prompts), m_roster(roster), m_pFacts(pFacts),
      m_pCycle(pCycle) {
    setObjectName(QStringLiteral("frmGuildStatistics"));
    setWindowTitle(tr("Guild Statistics"));
    cmbStatsScope = new QComboBox(this);
    cmbStatsScope->setObjectName(QStringLiteral("cmbStatsScope"));
    //: What the figures count: every member of the guild
    cmbStatsScope->addItems({QString(), tr("Whole guild")});
    cmbStatsScope->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cmdStatsSave = new QPushButton(tr("&Save Chart..."), this);
    cmdStatsSave->setObjectName(QStringLiteral("cmdStatsSave"));
    cmdStatsSave->setAutoDefault(false);
    lblStatsInfo = new QLabel(this);
    lblStatsInfo->setObjectName(QStringLiteral("lblStatsInfo"));
    tabStatistics = new QTabWidget(this);
    tabStatistics->setObjectName(QStringLiteral("tabStatistics"));
    // Every tab whole, in any language: the window is as wide as its captions need.
    tabStatistics->setUsesScrollButtons(false);
    //: The window's tabs, one per count
    tabStatistics->setAccessibleName(tr("Figures"));
    for (int iPage = 0; iPage < kPages; ++iPage) {
        const QString strCaption = tr(kPageNames[iPage]);
        auto* pPage = new QWidget;
        auto* pView = new QChartView(pPage);
        pView->setObjectName(QStringLiteral("cht") + QLatin1String(kPageNames[iPage]));
        pView->setRenderHint(QPainter::Antialiasing);
        pView->setMinimumSize(380, 280); // below this the axes crowd the bars out
        //: %1 is the tab's caption, such as "Levels"
        pView->setAccessibleName(tr("Chart of %1").arg(strCaption));
        auto* pGrid = new QTableWidget(0, 2, pPage);
        pGrid->setObjectName(QStringLiteral("grdStats") + QLatin1String(kPageNames[iPage]));
        pGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        //: %1 is the tab's caption, such as "Levels"
        pGrid->setAccessibleName(tr("Table of %1").arg(strCaption));
        pGrid->verticalHeader()->hide();
        pGrid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
        pGrid->horizontalHeader()->setStretchLastSection(true);
        pGrid->setMinimumWidth(200);
        auto* pLayout = new QHBoxLayout(pPage);
        pLayout->addWidget(pView, 3);
        pLayout->addWidget(pGrid, 1);
        tabStatistics->addTab(pPage, strCaption);
        m_views[static_cast<std::size_t>(iPage)] = pView;
        m_grids[static_cast<std::size_t>(iPage)] = pGrid;
    }
    m_pActivity = new ActivityPage;
    //: Tab: members who joined and who left the guild, per week
    tabStatistics->addTab(m_pActivity, tr("Joins and Departures"));
    //: Before the choice of a member's branch or the whole guild
    auto* pShowLabel = new QLabel(tr("S&how:"), this);
    pShowLabel->setBuddy(cmbStatsScope);
    auto* pBar = new QHBoxLayout;
    pBar->addWidget(pShowLabel);
    pBar->addWidget(cmbStatsScope);
    pBar->addStretch();
    pBar->addWidget(cmdStatsSave);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pBar);
    pLayout->addWidget(tabStatistics, 1);
    pLayout->addWidget(lblStatsInfo);
    connect(cmbStatsScope, &QComboBox::currentIndexChanged, this, &frmGuildStatistics::Recount);
    connect(cmdStatsSave, &QPushButton::clicked, this, &frmGuildStatistics::cmdStatsSave_Click);
    if (pFacts)
        connect(pFacts, &GuildFactsSource::Arrived, this, [this] {
            if (isVisible())
                Recount();
        });
    if (pCycle) {
        connect(pCycle, &RequestCycle::Answered, this,
                [this] { QTimer::singleShot(0, this, &frmGuildStatistics::AskActivity); });
        pCycle->Route(zorv::OpGuildActivity,
                      [this](const Reply& reply) { m_pActivity->Show(reply.strPayload); });
        // A server from before the count answers that it has no such operation: said in the
        // page, not in a box.
        pCycle->RouteError(zorv::OpGuildActivity, [this](const Reply& reply) {
            m_pActivity->ShowProblem(
                //: %1 is the server's number for the error
                tr("The server did not count joins and departures (error #%1).").arg(reply.iCode));
            return true;
        });
    }
    NameControlsAfterLabels(this);
    resize(900, 560);
}

void frmGuildStatistics::ShowWithActivity(qint16 idCharacter) {
    ShowFor(idCharacter);
    if (!m_pCycle)
        return;
    if (m_pCycle->IsOffline())
        return m_pActivity->ShowProblem(
            tr("Joins and departures need the server, which cannot be reached."));
    m_pActivity->ShowProblem(tr("Asking the server…"));
    m_bActivityWanted = true;
    AskActivity();
}

void frmGuildStatistics::AskActivity() {
    // After the request the window may have started for its facts, which this one would drop.
    if (!m_bActivityWanted || m_pCycle->IsBusy())
        return;
    m_bActivityWanted = false;
    m_pCycle->StartOperation(
        Request(zorv::OpGuildActivity, tr("Downloading Joins and Departures")));
}

frmGuildStatistics::~frmGuildStatistics() = default;

const StatisticsTable& frmGuildStatistics::Table(int iPage) const {
    const StatisticsTable* tables[kPages] = {&m_stats.byLevel, &m_stats.byRank, &m_stats.bySlots,
                                             &m_stats.byRace, &m_stats.bySex};
    return *tables[iPage >= 0 && iPage < kPages ? iPage : 0];
}

void frmGuildStatistics::ShowFor(qint16 idCharacter) {
    m_idBranch = ChooseBranch(*cmbStatsScope, *m_roster, idCharacter);
    m_bStale = false; // counted below, once
    show();
    Recount();
    raise();
    activateWindow();
    // Race and sex are counted again once the facts arrive.
    if (m_pFacts)
        m_pFacts->AskIfIdle();
}

void frmGuildStatistics::RosterChanged() {
    if (m_roster.Now() == m_counted)
        return;
    if (!isVisible()) {
        m_bStale = true;
        return;
    }
    Recount();
}

void frmGuildStatistics::showEvent(QShowEvent* pEvent) {
    QWidget::showEvent(pEvent);
    if (m_bStale && m_roster.Now() != m_counted)
        Recount();
}

void frmGuildStatistics::changeEvent(QEvent* pEvent) {
    // The charts take the desktop's light or dark colours.
    if (pEvent->type() == QEvent::PaletteChange && m_counted)
        Fill();
    QWidget::changeEvent(pEvent);
}

void frmGuildStatistics::Recount() {
    m_bStale = false;
    m_counted = m_roster.Now();
    const qint16 idStart = cmbStatsScope->currentIndex() == 0 ? m_idBranch : qint16(-1);
    m_stats =
        GuildStatistics::Count(*m_counted, idStart, m_pFacts ? m_pFacts->Facts().get() : nullptr);
    Fill();
}

void frmGuildStatistics::Fill() {
    const bool bDark = palette().color(QPalette::Window).lightness() < 128;
    m_pActivity->SetDark(bDark);
    for (int iPage = 0; iPage < kPages; ++iPage) {
        const StatisticsTable& table = Table(iPage);
        QChartView* pView = View(iPage);
        QChart* pOld = pView->chart();
        pView->setChart(MakeChart(table, bDark ? QChart::ChartThemeDark : QChart::ChartThemeLight,
                                  table.strTitle));
        delete pOld;
        QTableWidget* pGrid = Grid(iPage);
        pGrid->setHorizontalHeaderLabels({table.strCategory, tr("Members")});
        pGrid->setRowCount(static_cast<int>(table.counts.size()) + 1);
        for (int iRow = 0; iRow <= static_cast<int>(table.counts.size()); ++iRow) {
            const bool bTotal = iRow == static_cast<int>(table.counts.size());
            auto* pLabel =
                //: The last row of a table: all members counted
                new QTableWidgetItem(bTotal ? tr("Total") : table.labels[iRow]);
            auto* pCount = new QTableWidgetItem(QString::number(
                bTotal ? table.Total() : table.counts[static_cast<std::size_t>(iRow)]));
            pCount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            pGrid->setItem(iRow, 0, pLabel);
            pGrid->setItem(iRow, 1, pCount);
        }
    }
    //: The tree: the allegiance tree of the main window
    lblStatsInfo->setText(tr("%n members counted from the tree shown.", nullptr, m_stats.nMembers));
}

void frmGuildStatistics::PaintPicture(QPainter& painter, int iPage) const {
    if (iPage == kPages)
        return m_pActivity->PaintPicture(painter,
                                         //: A saved picture's title; %1 is today's date
                                         tr("Members joining and leaving the guild, %1")
                                             .arg(QDate::currentDate().toString(Qt::ISODate)));
    const StatisticsTable& table = Table(iPage);
    const QRectF chartArea(0, 0, kPictureChartWidth, kPictureHeight);
    painter.fillRect(QRectF(0, 0, kPictureChartWidth + kPictureTableWidth, kPictureHeight),
                     Qt::white);
    {
        QGraphicsScene scene;
        // A picture says whose figures it shows, and when.
        QChart* pChart = MakeChart(table, QChart::ChartThemeLight,
                                   QStringList{table.strTitle, cmbStatsScope->currentText(),
                                               QDate::currentDate().toString(Qt::ISODate)}
                                       //: Separates the parts of a saved picture's title:
                                       //: what it counts, whose members, the date
                                       .join(tr(", ")));
        scene.addItem(pChart); // the scene owns it
        pChart->setGeometry(chartArea);
        // The chart lays itself out when asked, which a scene never shown does not do.
        QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        scene.render(&painter, chartArea, chartArea);
    }
    // The numbers beside it: a header, a row per bar, the total.
    const int nRows = static_cast<int>(table.counts.size()) + 2;
    const qreal rRow = std::min<qreal>(22, (kPictureHeight - 40.0) / nRows);
    QFont font = QApplication::font();
    font.setPixelSize(static_cast<int>(std::max<qreal>(8, rRow * 0.6)));
    painter.setPen(Qt::black);
    const qreal rLeft = kPictureChartWidth + 12;
    const qreal rWidth = kPictureTableWidth - 24;
    for (int iRow = 0; iRow < nRows; ++iRow) {
        const QRectF row(rLeft, 20 + iRow * rRow, rWidth, rRow);
        const bool bHeader = iRow == 0;
        const bool bTotal = iRow == nRows - 1;
        font.setBold(bHeader || bTotal);
        painter.setFont(font);
        const QString strLabel = bHeader  ? table.strCategory
                                 : bTotal ? tr("Total")
                                          : table.labels[iRow - 1];
        const QString strCount =
            bHeader ? tr("Members")
                    : QString::number(bTotal ? table.Total()
                                             : table.counts[static_cast<std::size_t>(iRow - 1)]);
        painter.drawText(row.adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, strLabel);
        painter.drawText(row.adjusted(0, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, strCount);
        if (bHeader || iRow == nRows - 2)
            painter.drawLine(row.bottomLeft(), row.bottomRight());
    }
}

void frmGuildStatistics::cmdStatsSave_Click() {
    QString strFile = m_prompts.SaveFileName(
        //: Title of the file dialog
        tr("Save Chart"),
        //: File-dialog filters, separated by ";;"; keep the patterns in brackets as they are
        tr("PNG Pictures (*.png);;SVG Drawings (*.svg)"));
    if (strFile.isEmpty())
        return;
    const QString strSuffix = QFileInfo(strFile).suffix().toLower();
    if (strSuffix != QLatin1String("png") && strSuffix != QLatin1String("svg"))
        strFile += QStringLiteral(".png");
    const int iPage = tabStatistics->currentIndex();
    if (iPage == kPages && !m_pActivity->HasFigures())
        return m_prompts.Inform(tr("There are no joins and departures to save."));
    SaveTo(iPage, strFile);
}

bool frmGuildStatistics::SaveTo(int iPage, const QString& strFile) {
    const QSize size(kPictureChartWidth + kPictureTableWidth, kPictureHeight);
    QSaveFile file(strFile);
    bool bWritten = file.open(QIODevice::WriteOnly);
    if (bWritten && QFileInfo(strFile).suffix().toLower() == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(iPage == kPages ? tr("Members joining and leaving") : Table(iPage).strTitle);
        QPainter painter;
        bWritten = painter.begin(&svg);
        if (bWritten) {
            PaintPicture(painter, iPage);
            bWritten = painter.end();
        }
    } else if (bWritten) {
        QImage image(size, QImage::Format_RGB32);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            PaintPicture(painter, iPage);
        }
        bWritten = image.save(&file, "PNG");
    }
    if (bWritten && file.commit())
        return true;
    const QString strProblem = file.errorString();
    file.cancelWriting();
    //: %1 is the file's path, %2 the reason
    m_prompts.Inform(tr("The chart could not be saved to %1: %2")
                         .arg(QDir::toNativeSeparators(strFile), strProblem));
    return false;
}
