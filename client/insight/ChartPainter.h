#pragma once
// Draws a laid-out allegiance chart with a QPainter whose transform maps chart units to the
// device: the window, the picture and SVG files, the PDF and the printer all draw through here,
// so what is exported is what is shown. Only the boxes and lines that meet the rectangle asked
// for are drawn; far out, where a box is a few pixels wide, each level is drawn as its runs of
// boxes and the words are left out.
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QRectF>
#include <QStringList>

class ChartLayout;
class QPainter;
class QPalette;

struct ChartStyle {
    QColor background;
    QColor boxFill;
    QColor startFill; // the box of the member the chart starts from
    QColor border;
    QColor text;
    QColor line;
    QString strFontFamily;
    bool bCosmeticLines = true; // one device pixel whatever the zoom; off for paper

    // The desktop's colours, light or dark.
    static ChartStyle FromPalette(const QPalette& palette, const QFont& font);
    // Black on white, for paper and files: every mark is black or a light grey that a
    // black-and-white printer keeps apart from the white.
    static ChartStyle Paper(const QFont& font);
};

class ChartPainter {
public:
    // The names' size, in chart units.
    static constexpr qreal kNamePixels = 13;

    ChartPainter(const ChartLayout& chart, const ChartStyle& style);

    // Draws what of the chart meets rScene (in chart units) with the painter's transform; the
    // box of idMarked, if drawn, stands out.
    void Paint(QPainter& painter, const QRectF& rScene, qint16 idMarked) const;
    // The title that the box of the member with this id shows for a rank: by the member's race
    // and sex where the chart's facts know them, else those of an unknown race and sex.
    QString RankTitle(int nRank, qint16 id = -1) const;

private:
    void PaintRuns(QPainter& painter, const QRectF& rScene, qreal rScale) const;
    void PaintLines(QPainter& painter, const QRectF& rScene, int iLevel) const;
    void PaintBox(QPainter& painter, int iBox, bool bWords, bool bMarked) const;

    const ChartLayout& m_chart;
    ChartStyle m_style;
    QFont m_nameFont;
    QFont m_detailFont;
    QFontMetricsF m_nameMetrics;
    QFontMetricsF m_detailMetrics;
    QStringList m_titles;
    QStringList m_kindTitles[3][2]; // by race and sex, each 1-based less one
};
