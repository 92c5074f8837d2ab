#include "frmAllegianceChart.h"

#include "Accessibility.h"
#include "ChartCanvas.h"
#include "ChartExport.h"
#include "GuildFactsSource.h"
#include "Prompts.h"
#include "ScopeChoice.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QPushButton* Button(const QString& strCaption, const char* szName, QWidget* pParent) {
    auto* pButton = new QPushButton(strCaption, pParent);
    pButton->setObjectName(QLatin1String(szName));
    pButton->setAutoDefault(false);
    return pButton;
}

// Keeps the busy pointer up while a file is written or pages are printed.
struct BusyPointer {
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

} // namespace

frmAllegianceChart::frmAllegianceChart(Prompts& prompts, const Roster& roster, QWidget* pParent,
                                       GuildFactsSource* pFacts)
    : QWidget(pParent, Qt::Window), m_prompts(prompts), m_roster(roster), m_pFacts(pFacts) {
    setObjectName(QStringLiteral("frmAllegianceChart"));
    //: Window title; the allegiance: the guild's members, each sworn to a patron above it
    setWindowTitle(tr("Allegiance Chart"));
    cmbChartScope = new QComboBox(this);
    cmbChartScope->setObjectName(QStringLiteral("cmbChartScope"));
    //: What the chart shows: every member of the allegiance, every monarch at the top
    cmbChartScope->addItems({QString(), tr("Whole allegiance")});
    cmbChartScope->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cmbChartDepth = new QComboBox(this);
    cmbChartDepth->setObjectName(QStringLiteral("cmbChartDepth"));
    for (int nLevels : kDepths)
        if (nLevels == ChartLayout::kAllLevels)
            //: How deep the chart goes: every generation of vassals
            cmbChartDepth->addItem(tr("All levels"));
        else
            //: How deep the chart goes: %n generations, the first member's included
            cmbChartDepth->addItem(tr("%n levels", nullptr, nLevels));
    cmbChartDepth->setCurrentIndex(cmbChartDepth->count() - 1);
    //: Button: fits the whole chart in the window
    cmdChartFit = Button(tr("&Fit"), "cmdChartFit", this);
    cmdChartZoomIn = Button(tr("Zoom &In"), "cmdChartZoomIn", this);
    cmdChartZoomOut = Button(tr("Zoom &Out"), "cmdChartZoomOut", this);
    //: Button: saves the chart as a picture or a document
    cmdChartExport = Button(tr("&Export..."), "cmdChartExport", this);
    cmdChartPrint = Button(tr("&Print..."), "cmdChartPrint", this);
    lblChartInfo = new QLabel(this);
    lblChartInfo->setObjectName(QStringLiteral("lblChartInfo"));
    picChart = new ChartCanvas(this);

    //: Before the choice of a member's branch or the whole allegiance
    auto* pShowLabel = new QLabel(tr("&Show:"), this);
    pShowLabel->setBuddy(cmbChartScope);
    //: Before the choice of how many levels of vassals the chart shows
    auto* pDepthLabel = new QLabel(tr("&Depth:"), this);
    pDepthLabel->setBuddy(cmbChartDepth);
    auto* pBar = new QHBoxLayout;
    pBar->addWidget(pShowLabel);
    pBar->addWidget(cmbChartScope);
    pBar->addWidget(pDepthLabel);
    pBar->addWidget(cmbChartDepth);
    pBar->addSpacing(12);
    for (QPushButton* pButton :
         {cmdChartFit, cmdChartZoomIn, cmdChartZoomOut, cmdChartExport, cmdChartPrint})
        pBar->addWidget(pButton);
    pBar->addStretch();
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pBar);
    pLayout->addWidget(picChart, 1);
    pLayout->addWidget(lblChartInfo);

    connect(cmbChartScope, &QComboBox::currentIndexChanged, this, [this] { Relayout(true); });
    connect(cmbChartDepth, &QComboBox::currentIndexChanged, this, [this] { Relayout(false); });
    connect(cmdChartFit, &QPushButton::clicked, picChart, &ChartCanvas::Fit);
    connect(cmdChartZoomIn, &QPushButton::clicked, picChart, &ChartCanvas::ZoomIn);
    connect(cmdChartZoomOut, &QPushButton::clicked, picChart, &ChartCanvas::ZoomOut);
    connect(cmdChartExport, &QPushButton::clicked, this, &frmAllegianceChart::cmdChartExport_Click);
    connect(cmdChartPrint, &QPushButton::clicked, this, &frmAllegianceChart::cmdChartPrint_Click);
    connect(picChart, &ChartCanvas::BoxActivated, this, &frmAllegianceChart::BoxActivated);
    // Ctrl and + is Ctrl, Shift and = on most keyboards: both zoom in.
    const std::pair<QKeySequence, void (ChartCanvas::*)()> keys[] = {
        {QKeySequence::ZoomIn, &ChartCanvas::ZoomIn},
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), &ChartCanvas::ZoomIn},
        {QKeySequence::ZoomOut, &ChartCanvas::ZoomOut}};
    for (const auto& [key, zoom] : keys)
        connect(new QShortcut(key, this), &QShortcut::activated, picChart, zoom);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_0), this), &QShortcut::activated, this,
            [this] { picChart->SetChart(&m_chart, picChart->Marked(), true); });
    connect(picChart, &ChartCanvas::ZoomChanged, this, &frmAllegianceChart::ShowInfo);
    if (pFacts)
        connect(pFacts, &GuildFactsSource::Arrived, this, [this] {
            m_chart.SetFacts(m_pFacts->Facts());
            picChart->update();
        });
    NameControlsAfterLabels(this);
    resize(960, 640);
}

frmAllegianceChart::~frmAllegianceChart() = default;

void frmAllegianceChart::ShowFor(qint16 idCharacter) {
    m_idBranch = ChooseBranch(*cmbChartScope, *m_roster, idCharacter);
    picChart->SetChart(&m_chart, m_idBranch, false);
    m_bStale = false; // laid out below, once
    show();
    Relayout(true);
    raise();
    activateWindow();
    if (m_pFacts)
        m_pFacts->AskIfIdle();
}

void frmAllegianceChart::RosterChanged() {
    if (m_roster.Now() == m_chart.Snapshot())
        return;
    if (!isVisible()) {
        m_bStale = true;
        return;
    }
    Relayout(false);
}

void frmAllegianceChart::showEvent(QShowEvent* pEvent) {
    QWidget::showEvent(pEvent);
    if (m_bStale && m_roster.Now() != m_chart.Snapshot())
        Relayout(false);
}

void frmAllegianceChart::Relayout(bool bCentre) {
    m_bStale = false;
    const qint16 idStart = cmbChartScope->currentIndex() == 0 ? m_idBranch : qint16(-1);
    const int nLevels = kDepths[std::clamp(cmbChartDepth->currentIndex(), 0, 3)];
    // The marked box stays where it was in the view, if it was drawn and still is.
    const qint16 idMarked = picChart->Marked();
    const int iOld = m_chart.BoxOfId(idMarked);
    const QPointF before = iOld >= 0 ? picChart->ToView(m_chart.Box(iOld).topLeft()) : QPointF();
    m_chart = ChartLayout::Make(m_roster.Now(), idStart, nLevels);
    if (m_pFacts)
        m_chart.SetFacts(m_pFacts->Facts());
    const int iNew = m_chart.BoxOfId(idMarked);
    picChart->SetChart(&m_chart, idMarked, bCentre || iOld < 0);
    if (!bCentre && iOld >= 0 && iNew >= 0)
        picChart->CentreOn(picChart->Centre() + m_chart.Box(iNew).topLeft() -
                           picChart->ToScene(before));
    ShowInfo();
}

void frmAllegianceChart::ShowInfo() {
    QString strInfo;
    if (m_chart.Count() == 0 && m_idBranch >= 0 && cmbChartScope->currentIndex() == 0)
        //: The allegiance: the guild's members, each sworn to a patron above it
        strInfo = tr("That member is no longer in the allegiance.");
    else if (m_chart.Count() == 0)
        //: The allegiance: the guild's members, each sworn to a patron above it
        strInfo = tr("The allegiance is empty.");
    else
        //: %n is the number of members drawn, %1 says on how many levels ("%n levels" below),
        //: %2 is the zoom in per cent
        strInfo = tr("%n members on %1. Zoom %2 %. Double-click a box to show that member.",
                     nullptr, m_chart.Count())
                      .arg(
                          //: Ends "%n members on %1.": how many levels of the chart are drawn
                          tr("%n levels", "members on", m_chart.Levels()),
                          QString::number(qRound(picChart->Zoom() * 100)));
    lblChartInfo->setText(strInfo);
}

void frmAllegianceChart::BoxActivated(int iBox) {
    if (fnShowCharacter)
        fnShowCharacter(m_chart.CharacterOf(iBox).strName);
}

ChartExport::Contents frmAllegianceChart::Exported() const {
    QStringList parts;
    if (fnGuildName && !fnGuildName().isEmpty())
        parts << fnGuildName();
    parts << cmbChartScope->currentText() << cmbChartDepth->currentText()
          << QDate::currentDate().toString(Qt::ISODate);
    //: Separates the parts of an exported chart's title: guild, members shown, depth, date
    return {m_chart, picChart->Marked(), parts.join(tr(", "))};
}

bool frmAllegianceChart::MayUsePages(int nPages) {
    return nPages <= kManyPages ||
           //: %n is the number of pages
           m_prompts.Confirm(tr("The chart takes %n pages at the smallest size that can be read.  "
                                "Choose fewer levels or a branch for fewer pages.  Go on with all "
                                "%n?",
                                nullptr, nPages));
}

void frmAllegianceChart::cmdChartExport_Click() {
    if (m_chart.Count() == 0) {
        m_prompts.Inform(tr("There is no chart to export."));
        return;
    }
    QString strFile = m_prompts.SaveFileName(
        //: Title of the file dialog
        tr("Export Allegiance Chart"),
        //: File-dialog filters, separated by ";;"; keep the patterns in brackets as they are
        tr("PNG Pictures (*.png);;SVG Drawings (*.svg);;PDF Documents (*.pdf)"));
    if (strFile.isEmpty())
        return;
    const QString strSuffix = QFileInfo(strFile).suffix().toLower();
    if (strSuffix != QLatin1String("png") && strSuffix != QLatin1String("svg") &&
        strSuffix != QLatin1String("pdf"))
        strFile += QStringLiteral(".png");
    ExportTo(strFile);
}

bool frmAllegianceChart::ExportTo(const QString& strFile) {
    const QString strSuffix = QFileInfo(strFile).suffix().toLower();
    if (strSuffix == QLatin1String("pdf")) {
        if (!MayUsePages(ChartExport::PageCount(Exported(), ChartExport::PdfPageLayout(Exported()),
                                                ChartExport::kPdfResolution)))
            return false;
    }
    QString strProblem;
    bool bDone = false;
    {
        BusyPointer busy;
        if (strSuffix == QLatin1String("svg"))
            bDone = ChartExport::WriteSvg(Exported(), strFile, strProblem);
        else if (strSuffix == QLatin1String("pdf"))
            bDone = ChartExport::WritePdf(Exported(), strFile, strProblem);
        else
            bDone = ChartExport::WritePng(Exported(), strFile, strProblem);
    }
    if (!bDone) {
        //: %1 is the file's path, %2 the reason
        m_prompts.Inform(tr("The chart could not be saved to %1: %2")
                             .arg(QDir::toNativeSeparators(strFile), strProblem));
        return false;
    }
    if (strSuffix == QLatin1String("png") && ChartExport::PictureScale(Exported()) < 1.0)
        //: %1 is the picture's size in per cent of full size
        m_prompts.Inform(tr("The chart is too large for one picture at full size, so it was saved "
                            "at %1 %.  An SVG or PDF file keeps it whole.")
                             .arg(ChartExport::PictureScale(Exported()) * 100, 0, 'g', 2));
    return true;
}

void frmAllegianceChart::cmdChartPrint_Click() {
    if (m_chart.Count() == 0) {
        m_prompts.Inform(tr("There is no chart to print."));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    const QRectF bounds = m_chart.Bounds();
    printer.setPageOrientation(bounds.width() > bounds.height() ? QPageLayout::Landscape
                                                                : QPageLayout::Portrait);
    QPrintDialog dlg(&printer, this);
    dlg.setObjectName(QStringLiteral("dlgChartPrint"));
    if (m_prompts.Exec(dlg) != QDialog::Accepted)
        return;
    if (!MayUsePages(
            ChartExport::PageCount(Exported(), printer.pageLayout(), printer.resolution())))
        return;
    BusyPointer busy;
    if (!ChartExport::PaintPages(Exported(), printer, printer.resolution()))
        m_prompts.Inform(tr("The chart could not be printed."));
}
