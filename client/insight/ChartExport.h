#pragma once
// The whole chart, at the depth chosen, as a file or on paper: always every box, never only the
// part in view, black on white (ChartStyle::Paper) so that it reads printed in black and white.
//
// Pages: a chart that fits a page at a readable size (names of 5 points at least) is drawn on
// one page, as large as it fits up to its size on screen at 100 %; a larger one is cut into
// pages at the smallest readable size, left to right and top to bottom, each page captioned with
// its row and column and pages that would hold nothing left out.
#include <QString>

#include <QPageLayout>
#include <QString>

class ChartLayout;
class QPagedPaintDevice;
class QSize;

namespace ChartExport {

// A picture is at most this many pixels on a side, and this many in all; a larger chart is
// drawn smaller.
constexpr int kMaxPictureSide = 16384;
constexpr qint64 kMaxPicturePixels = 64LL * 1024 * 1024;
// Around the chart, and the band above it that a title takes, in chart units.
constexpr int kMargin = 24;
constexpr int kTitleBand = 40;

// What is exported: the chart, the member whose box stands out, and a line above the chart that
// says what it shows (none when empty).
struct Contents {
    const ChartLayout& chart;
    qint16 idMarked = -1;
    QString strTitle;
};

// The picture's scale: 1 unless the chart is too large for one picture.
double PictureScale(const Contents& contents);
// The picture's size in pixels.
QSize PictureSize(const Contents& contents);

// Each writes the whole file or, with the reason in strProblem, nothing.
bool WritePng(const Contents& contents, const QString& strFile, QString& strProblem);
bool WriteSvg(const Contents& contents, const QString& strFile, QString& strProblem);
bool WritePdf(const Contents& contents, const QString& strFile, QString& strProblem);

// A PDF's pages: A4 with 12 mm margins, turned the way the chart is longer.
QPageLayout PdfPageLayout(const Contents& contents);
constexpr int kPdfResolution = 300;
// How many pages the chart takes with this page layout and resolution.
int PageCount(const Contents& contents, const QPageLayout& page, int iResolution);
// Draws the chart on the device's pages; false when the device cannot be painted on.
bool PaintPages(const Contents& contents, QPagedPaintDevice& device, int iResolution);

} // namespace ChartExport
