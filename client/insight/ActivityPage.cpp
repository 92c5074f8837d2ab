#include "ActivityPage.h"

#include <QApplication>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

namespace {

QChart* MakeChart(const GuildActivity& activity, bool bDark, const QString& strTitle) {
    auto* pChart = new QChart;
    pChart->setTheme(bDark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    pChart->setAnimationOptions(QChart::NoAnimation);
    pChart->setTitle(strTitle);
    auto* pJoined = new QLineSeries;
    pJoined->setName(ActivityPage::tr("Joined"));
    auto* pLeft = new QLineSeries;
    pLeft->setName(ActivityPage::tr("Left"));
    pLeft->setPen(QPen(pLeft->pen().color(), 2, Qt::DashLine)); // told apart in black and white
    int nMax = 1;
    for (std::size_t i = 0; i < activity.weeks.size(); ++i) {
        const GuildActivity::Week& week = activity.weeks[i];
        pJoined->append(static_cast<qreal>(i), week.nJoined);
        pLeft->append(static_cast<qreal>(i), week.nLeft);
        nMax = std::max({nMax, week.nJoined, week.nLeft});
    }
    pChart->addSeries(pJoined);
    pChart->addSeries(pLeft);
    auto* pWeeks = new QCategoryAxis;
    //: Axis title: the weeks, each by the Monday it starts on
    pWeeks->setTitleText(ActivityPage::tr("Week starting"));
    pWeeks->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    pWeeks->setRange(0, std::max<qreal>(1, static_cast<qreal>(activity.weeks.size()) - 1));
    for (std::size_t i = 0; i < activity.weeks.size(); i += 4)
        pWeeks->append(activity.weeks[i].strWeek, static_cast<qreal>(i));
    pWeeks->setLabelsAngle(-45);
    auto* pCounts = new QValueAxis;
    pCounts->setRange(0, nMax);
    pCounts->setLabelFormat(QStringLiteral("%d"));
    pCounts->setTickCount(std::min(nMax, 8) + 1);
    //: Axis title: numbers of members
    pCounts->setTitleText(ActivityPage::tr("Members"));
    pChart->addAxis(pWeeks, Qt::AlignBottom);
    pChart->addAxis(pCounts, Qt::AlignLeft);
    for (QLineSeries* pSeries : {pJoined, pLeft}) {
        pSeries->attachAxis(pWeeks);
        pSeries->attachAxis(pCounts);
    }
    return pChart;
}

} // namespace

ActivityPage::ActivityPage(QWidget* pParent) : QWidget(pParent) {
    chtActivity = new QChartView(this);
    chtActivity->setObjectName(QStringLiteral("chtActivity"));
    chtActivity->setRenderHint(QPainter::Antialiasing);
    chtActivity->setMinimumSize(380, 280);
    chtActivity->setAccessibleName(tr("Chart of joins and departures"));
    grdStatsActivity = new QTableWidget(0, 3, this);
    grdStatsActivity->setObjectName(QStringLiteral("grdStatsActivity"));
    grdStatsActivity->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdStatsActivity->setAccessibleName(tr("Table of joins and departures"));
    grdStatsActivity->setHorizontalHeaderLabels(
        {//: Column header: the week, by the Monday it starts on
         tr("Week"),
         //: Column header and line of the chart: members who joined the guild that week
         tr("Joined"),
         //: Column header and line of the chart: members who left the guild that week
         tr("Left")});
    grdStatsActivity->verticalHeader()->hide();
    grdStatsActivity->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grdStatsActivity->setMinimumWidth(200);
    lblActivity = new QLabel(this);
    lblActivity->setObjectName(QStringLiteral("lblActivity"));
    lblActivity->setWordWrap(true);
    auto* pRow = new QHBoxLayout;
    pRow->addWidget(chtActivity, 3);
    pRow->addWidget(grdStatsActivity, 1);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(lblActivity);
    pLayout->addLayout(pRow, 1);
    ShowProblem(tr("Asking the server…"));
}

void ActivityPage::Show(const QString& strPayload) {
    if (!ParseGuildActivity(strPayload, m_activity))
        return ShowProblem(tr("The server's answer cannot be read."));
    m_bFigures = !m_activity.KeepsNone();
    Fill();
}

void ActivityPage::ShowProblem(const QString& strProblem) {
    m_activity = GuildActivity();
    m_bFigures = false;
    lblActivity->setText(strProblem);
    Fill();
}

void ActivityPage::SetDark(bool bDark) {
    m_bDark = bDark;
    Fill();
}

void ActivityPage::Fill() {
    chtActivity->setVisible(m_bFigures);
    grdStatsActivity->setVisible(m_bFigures);
    if (!m_activity.strKept.isEmpty())
        lblActivity->setText(m_activity.Caveat());
    lblActivity->setVisible(!lblActivity->text().isEmpty());
    if (!m_bFigures)
        return;
    QChart* pOld = chtActivity->chart();
    chtActivity->setChart(
        MakeChart(m_activity, m_bDark, tr("Members joining and leaving per week")));
    delete pOld;
    grdStatsActivity->setRowCount(static_cast<int>(m_activity.weeks.size()));
    for (int iRow = 0; iRow < static_cast<int>(m_activity.weeks.size()); ++iRow) {
        const GuildActivity::Week& week = m_activity.weeks[static_cast<std::size_t>(iRow)];
        const QString texts[] = {week.strWeek, QString::number(week.nJoined),
                                 QString::number(week.nLeft)};
        for (int iColumn = 0; iColumn < 3; ++iColumn) {
            auto* pItem = new QTableWidgetItem(texts[iColumn]);
            if (iColumn > 0)
                pItem->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grdStatsActivity->setItem(iRow, iColumn, pItem);
        }
    }
}

void ActivityPage::PaintPicture(QPainter& painter, const QString& strTitle) const {
    constexpr int kChartWidth = 620;
    const QRectF chartArea(0, 0, kChartWidth, kPictureHeight);
    painter.fillRect(QRectF(0, 0, kPictureWidth, kPictureHeight), Qt::white);
    {
        QGraphicsScene scene;
        QChart* pChart = MakeChart(m_activity, false, strTitle);
        scene.addItem(pChart); // the scene owns it
        pChart->setGeometry(chartArea);
        // The chart lays itself out when asked, which a scene never shown does not do.
        QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        scene.render(&painter, chartArea, chartArea);
    }
    // The numbers beside it, a row per week under a header.
    const int nRows = static_cast<int>(m_activity.weeks.size()) + 1;
    const qreal rRow = (kPictureHeight - 40.0) / nRows;
    QFont font = QApplication::font();
    font.setPixelSize(static_cast<int>(std::max<qreal>(8, rRow * 0.7)));
    painter.setPen(Qt::black);
    const qreal rLeft = kChartWidth + 12;
    const qreal rWidth = kPictureWidth - rLeft - 12;
    for (int iRow = 0; iRow < nRows; ++iRow) {
        const QRectF row(rLeft, 20 + iRow * rRow, rWidth, rRow);
        font.setBold(iRow == 0);
        painter.setFont(font);
        const GuildActivity::Week* pWeek =
            iRow == 0 ? nullptr : &m_activity.weeks[static_cast<std::size_t>(iRow - 1)];
        const QString cells[] = {pWeek ? pWeek->strWeek : tr("Week"),
                                 pWeek ? QString::number(pWeek->nJoined) : tr("Joined"),
                                 pWeek ? QString::number(pWeek->nLeft) : tr("Left")};
        const qreal rCell = rWidth / 3;
        for (int iColumn = 0; iColumn < 3; ++iColumn)
            painter.drawText(QRectF(row.left() + iColumn * rCell, row.top(), rCell - 4, rRow),
                             (iColumn == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter,
                             cells[iColumn]);
        if (iRow == 0)
            painter.drawLine(row.bottomLeft(), row.bottomRight());
    }
}
