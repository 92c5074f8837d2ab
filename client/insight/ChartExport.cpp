#include "ChartExport.h"

#include "ChartLayout.h"
#include "ChartPainter.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

namespace {

// The smallest name on paper, in points.
constexpr qreal kLeastNamePoints = 5;
constexpr qreal kCaptionPoints = 9;
constexpr int kTitlePixels = 18;

using ChartExport::Contents;
using ChartExport::kMargin;
using ChartExport::kTitleBand;

QFont TitleFont() {
    QFont font = QGuiApplication::font();
    font.setPixelSize(kTitlePixels);
    font.setBold(true);
    return font;
}

// Where the title stands: over the chart's left edge, in the band above it.
QRectF TitleRect(const Contents& contents) {
    if (contents.strTitle.isEmpty())
        return QRectF();
    const qreal rWidth = QFontMetricsF(TitleFont()).horizontalAdvance(contents.strTitle);
    return QRectF(contents.chart.Bounds().left(), -kTitleBand, rWidth, kTitleBand / 2.0);
}

// The chart, its title and the margin around them.
QRectF Whole(const Contents& contents) {
    return contents.chart.Bounds()
        .united(TitleRect(contents))
        .adjusted(-kMargin, -kMargin, kMargin, kMargin);
}

void Paint(QPainter& painter, const Contents& contents, const ChartPainter& chartPainter,
           const QRectF& rScene) {
    chartPainter.Paint(painter, rScene, contents.idMarked);
    const QRectF title = TitleRect(contents);
    if (title.isEmpty() || !title.intersects(rScene))
        return;
    painter.setFont(TitleFont());
    painter.setPen(Qt::black);
    painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, contents.strTitle);
}

// How the chart is cut into pages.
struct PagePlan {
    qreal rScale = 1;   // device pixels per chart unit
    QSizeF tile;        // chart units per page
    qreal rCaption = 0; // device pixels above the chart on each page
    int nColumns = 1;
    int nRows = 1;
    QRectF whole; // the chart with its margin
    QRectF Tile(int iRow, int iColumn) const {
        return QRectF(whole.left() + iColumn * tile.width(), whole.top() + iRow * tile.height(),
                      tile.width(), tile.height());
    }
};

PagePlan Plan(const Contents& contents, const QPageLayout& layout, int iResolution) {
    PagePlan plan;
    plan.whole = Whole(contents);
    const QRect page = layout.paintRectPixels(iResolution);
    const qreal rFit =
        std::min(page.width() / plan.whole.width(), page.height() / plan.whole.height());
    const qreal rFull = iResolution / 96.0; // the size on screen at 100 %
    const qreal rLeast = kLeastNamePoints / 72.0 * iResolution / ChartPainter::kNamePixels;
    plan.rScale = std::min(rFit, rFull);
    if (plan.rScale >= rLeast) {
        plan.tile = plan.whole.size();
        return plan;
    }
    plan.rScale = rLeast;
    plan.rCaption = 2 * kCaptionPoints / 72.0 * iResolution;
    plan.tile = QSizeF(page.width() / plan.rScale, (page.height() - plan.rCaption) / plan.rScale);
    plan.nColumns = static_cast<int>(std::ceil(plan.whole.width() / plan.tile.width()));
    plan.nRows = static_cast<int>(std::ceil(plan.whole.height() / plan.tile.height()));
    return plan;
}

// Whether a box or a line of the chart, or the title, meets the rectangle.
bool AnythingIn(const Contents& contents, const QRectF& rect) {
    const ChartLayout& chart = contents.chart;
    if (TitleRect(contents).intersects(rect))
        return true;
    const ChartLayout::Range levels = chart.LevelsAcross(rect.top(), rect.bottom());
    for (int iLevel = levels.iBegin; iLevel < levels.iEnd; ++iLevel) {
        const ChartLayout::Range boxes = chart.BoxesAcross(iLevel, rect.left(), rect.right());
        const ChartLayout::Range families = chart.FamiliesAcross(iLevel, rect.left(), rect.right());
        if (boxes.iBegin < boxes.iEnd || families.iBegin < families.iEnd)
            return true;
    }
    return false;
}

// What a file or a page calls the chart: its title, or a name of its own.
QString Title(const Contents& contents) {
    return contents.strTitle.isEmpty()
               //: The allegiance: the guild's members, each sworn to a patron above it
               ? QCoreApplication::translate("ChartExport", "Allegiance chart")
               : contents.strTitle;
}

ChartStyle PaperStyle() {
    return ChartStyle::Paper(QGuiApplication::font());
}

bool Commit(QSaveFile& file, bool bWritten, QString& strProblem) {
    if (bWritten && file.commit())
        return true;
    strProblem = file.errorString();
    file.cancelWriting();
    return false;
}

} // namespace

namespace ChartExport {

double PictureScale(const Contents& contents) {
    const QRectF whole = Whole(contents);
    const double dPixels = whole.width() * whole.height();
    return std::min({1.0, kMaxPictureSide / whole.width(), kMaxPictureSide / whole.height(),
                     std::sqrt(static_cast<double>(kMaxPicturePixels) / dPixels)});
}

QSize PictureSize(const Contents& contents) {
    const QRectF whole = Whole(contents);
    const double dScale = PictureScale(contents);
    return QSize(static_cast<int>(std::ceil(whole.width() * dScale)),
                 static_cast<int>(std::ceil(whole.height() * dScale)));
}

bool WritePng(const Contents& contents, const QString& strFile, QString& strProblem) {
    QImage image(PictureSize(contents), QImage::Format_RGB32);
    if (image.isNull()) {
        //: Follows "The chart could not be saved to <file>: "
        strProblem = QCoreApplication::translate("ChartExport",
                                                 "there is not enough memory for the picture");
        return false;
    }
    const ChartStyle style = PaperStyle();
    image.fill(style.background);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        const double dScale = PictureScale(contents);
        painter.scale(dScale, dScale);
        const QRectF whole = Whole(contents);
        painter.translate(-whole.topLeft());
        Paint(painter, contents, ChartPainter(contents.chart, style), whole);
    }
    QSaveFile file(strFile);
    return Commit(file, file.open(QIODevice::WriteOnly) && image.save(&file, "PNG"), strProblem);
}

bool WriteSvg(const Contents& contents, const QString& strFile, QString& strProblem) {
    QSaveFile file(strFile);
    if (!file.open(QIODevice::WriteOnly))
        return Commit(file, false, strProblem);
    const QRectF whole = Whole(contents);
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(whole.size().toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), whole.size()));
    svg.setResolution(96);
    svg.setTitle(Title(contents));
    QPainter painter;
    if (!painter.begin(&svg)) {
        //: Follows "The chart could not be saved to <file>: "
        strProblem = QCoreApplication::translate("ChartExport", "the drawing could not be started");
        file.cancelWriting();
        return false;
    }
    const ChartStyle style = PaperStyle();
    painter.fillRect(QRectF(QPointF(0, 0), whole.size()), style.background);
    painter.translate(-whole.topLeft());
    Paint(painter, contents, ChartPainter(contents.chart, style), whole);
    painter.end();
    return Commit(file, true, strProblem);
}

bool WritePdf(const Contents& contents, const QString& strFile, QString& strProblem) {
    QSaveFile file(strFile);
    if (!file.open(QIODevice::WriteOnly))
        return Commit(file, false, strProblem);
    bool bPainted = false;
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(kPdfResolution);
        pdf.setTitle(Title(contents));
        pdf.setCreator(QStringLiteral("ZORV"));
        pdf.setPageLayout(PdfPageLayout(contents));
        bPainted = PaintPages(contents, pdf, pdf.resolution());
    }
    if (!bPainted) {
        //: Follows "The chart could not be saved to <file>: "
        strProblem =
            QCoreApplication::translate("ChartExport", "the document could not be started");
        file.cancelWriting();
        return false;
    }
    return Commit(file, true, strProblem);
}

QPageLayout PdfPageLayout(const Contents& contents) {
    const QRectF whole = Whole(contents);
    return QPageLayout(QPageSize(QPageSize::A4),
                       whole.width() > whole.height() ? QPageLayout::Landscape
                                                      : QPageLayout::Portrait,
                       QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
}

int PageCount(const Contents& contents, const QPageLayout& page, int iResolution) {
    const PagePlan plan = Plan(contents, page, iResolution);
    if (plan.nRows == 1 && plan.nColumns == 1)
        return 1;
    int nPages = 0;
    for (int iRow = 0; iRow < plan.nRows; ++iRow)
        for (int iColumn = 0; iColumn < plan.nColumns; ++iColumn)
            nPages += AnythingIn(contents, plan.Tile(iRow, iColumn)) ? 1 : 0;
    return nPages;
}

bool PaintPages(const Contents& contents, QPagedPaintDevice& device, int iResolution) {
    const PagePlan plan = Plan(contents, device.pageLayout(), iResolution);
    const bool bCut = plan.nRows > 1 || plan.nColumns > 1;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    const ChartStyle style = PaperStyle();
    const ChartPainter chartPainter(contents.chart, style);
    QFont caption = QGuiApplication::font();
    caption.setPointSizeF(kCaptionPoints);
    bool bFirst = true;
    for (int iRow = 0; iRow < plan.nRows; ++iRow) {
        for (int iColumn = 0; iColumn < plan.nColumns; ++iColumn) {
            const QRectF tile = plan.Tile(iRow, iColumn);
            if (bCut && !AnythingIn(contents, tile))
                continue;
            if (!bFirst)
                device.newPage();
            bFirst = false;
            painter.save();
            if (bCut) {
                painter.setFont(caption);
                painter.setPen(style.text);
                //: A page's caption when the chart takes several pages; %1 is the chart's
                //: title, %2 and %3 the page's row and how many rows, %4 and %5 its column and
                //: how many columns
                painter.drawText(
                    QPointF(0, plan.rCaption * 0.6),
                    QCoreApplication::translate("ChartExport", "%1: row %2 of %3, column %4 of %5")
                        .arg(Title(contents), QString::number(iRow + 1),
                             QString::number(plan.nRows), QString::number(iColumn + 1),
                             QString::number(plan.nColumns)));
                painter.translate(0, plan.rCaption);
            }
            painter.scale(plan.rScale, plan.rScale);
            painter.translate(-tile.topLeft());
            painter.setClipRect(tile);
            Paint(painter, contents, chartPainter, tile);
            painter.restore();
        }
    }
    return painter.end();
}

} // namespace ChartExport
