#include "ChartPainter.h"

#include "ChartLayout.h"
#include "RankTitles.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>
#include <QVarLengthArray>
#include <algorithm>
#include <cmath>

namespace {

// In chart units; a box of the standard metrics holds a margin, three lines and a margin.
constexpr qreal kDetailPixels = 11;
constexpr qreal kPadding = 6;
// Below this many device pixels a line of text cannot be read and is not drawn.
constexpr qreal kLeastTextPixels = 4.5;
// Below this many device pixels a box is drawn as part of its level's runs.
constexpr qreal kLeastBoxPixels = 4;

QColor Mix(const QColor& a, const QColor& b, qreal rShareOfB) {
    return QColor::fromRgbF(
        static_cast<float>(a.redF() * (1 - rShareOfB) + b.redF() * rShareOfB),
        static_cast<float>(a.greenF() * (1 - rShareOfB) + b.greenF() * rShareOfB),
        static_cast<float>(a.blueF() * (1 - rShareOfB) + b.blueF() * rShareOfB));
}

} // namespace

ChartStyle ChartStyle::FromPalette(const QPalette& palette, const QFont& font) {
    ChartStyle style;
    style.background = palette.color(QPalette::Window);
    style.boxFill = palette.color(QPalette::Base);
    style.startFill = Mix(palette.color(QPalette::Base), palette.color(QPalette::Highlight), 0.3);
    style.border = palette.color(QPalette::Text);
    style.text = palette.color(QPalette::Text);
    style.line = Mix(palette.color(QPalette::Window), palette.color(QPalette::WindowText), 0.6);
    style.strFontFamily = font.family();
    style.bCosmeticLines = true;
    return style;
}

ChartStyle ChartStyle::Paper(const QFont& font) {
    ChartStyle style;
    style.background = Qt::white;
    style.boxFill = Qt::white;
    style.startFill = QColor(0xd8, 0xd8, 0xd8);
    style.border = Qt::black;
    style.text = Qt::black;
    style.line = Qt::black;
    style.strFontFamily = font.family();
    style.bCosmeticLines = false;
    return style;
}

namespace {

QFont ChartFont(const QString& strFamily, qreal rPixels, bool bBold) {
    QFont font(strFamily);
    font.setPixelSize(static_cast<int>(rPixels));
    font.setBold(bBold);
    // Names in Latin-1 need no shaping.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

} // namespace

// The tree download holds no race or sex: without the guild's facts the titles are those the
// sheet shows for a character whose race and sex are unknown.
ChartPainter::ChartPainter(const ChartLayout& chart, const ChartStyle& style)
    : m_chart(chart), m_style(style), m_nameFont(ChartFont(style.strFontFamily, kNamePixels, true)),
      m_detailFont(ChartFont(style.strFontFamily, kDetailPixels, false)), m_nameMetrics(m_nameFont),
      m_detailMetrics(m_detailFont), m_titles(RankTitles(QString(), QString())) {
    if (chart.Facts())
        for (int iRace = 1; iRace <= 3; ++iRace)
            for (int iSex = 1; iSex <= 2; ++iSex)
                m_kindTitles[iRace - 1][iSex - 1] =
                    RankTitles(QString::number(iRace), QString::number(iSex));
}

QString ChartPainter::RankTitle(int nRank, qint16 id) const {
    const QStringList* pTitles = &m_titles;
    if (const GuildFacts* pFacts = m_chart.Facts()) {
        const auto found = pFacts->members.constFind(id);
        if (found != pFacts->members.cend() && found->nRace >= 1 && found->nRace <= 3 &&
            found->nSex >= 1 && found->nSex <= 2)
            pTitles = &m_kindTitles[found->nRace - 1][found->nSex - 1];
    }
    return nRank >= 0 && nRank < pTitles->size() ? (*pTitles)[nRank] : (*pTitles)[0];
}

void ChartPainter::Paint(QPainter& painter, const QRectF& rScene, qint16 idMarked) const {
    if (m_chart.Count() == 0)
        return;
    const qreal rScale = std::abs(painter.worldTransform().m11());
    if (m_chart.Metrics().rBoxWidth * rScale < kLeastBoxPixels) {
        PaintRuns(painter, rScene, rScale);
        return;
    }
    const bool bWords = kDetailPixels * rScale >= kLeastTextPixels;
    const int iMarked = idMarked >= 0 ? m_chart.BoxOfId(idMarked) : -1;
    const ChartLayout::Range levels = m_chart.LevelsAcross(rScene.top(), rScene.bottom());
    for (int iLevel = levels.iBegin; iLevel < levels.iEnd; ++iLevel) {
        PaintLines(painter, rScene, iLevel);
        const ChartLayout::Range boxes = m_chart.BoxesAcross(iLevel, rScene.left(), rScene.right());
        for (int iBox = boxes.iBegin; iBox < boxes.iEnd; ++iBox)
            PaintBox(painter, iBox, bWords, iBox == iMarked);
    }
}

void ChartPainter::PaintLines(QPainter& painter, const QRectF& rScene, int iLevel) const {
    if (iLevel == 0)
        return;
    QPen pen(m_style.line);
    pen.setCosmetic(m_style.bCosmeticLines);
    pen.setWidthF(m_style.bCosmeticLines ? 1.0 : 1.2);
    painter.setPen(pen);
    const qreal rJoin = m_chart.JoinY(iLevel);
    const qreal rTop = m_chart.Box(m_chart.LevelBegin(iLevel)).top();
    const qreal rAbove = m_chart.Box(m_chart.LevelBegin(iLevel - 1)).bottom();
    QVarLengthArray<QLineF, 256> lines;
    // Down from each patron to the line across its vassals, and the line across.
    const ChartLayout::Range families =
        m_chart.FamiliesAcross(iLevel, rScene.left(), rScene.right());
    for (int i = families.iBegin; i < families.iEnd; ++i) {
        const ChartLayout::Family family = m_chart.FamilyAt(iLevel, i);
        const qreal rPatron = m_chart.CentreX(family.iPatron);
        lines.append(QLineF(rPatron, rAbove, rPatron, rJoin));
        if (family.iFirst != family.iLast)
            lines.append(QLineF(m_chart.CentreX(family.iFirst), rJoin,
                                m_chart.CentreX(family.iLast), rJoin));
    }
    // Down from the line across to each vassal in view.
    const ChartLayout::Range boxes = m_chart.BoxesAcross(iLevel, rScene.left(), rScene.right());
    for (int iBox = boxes.iBegin; iBox < boxes.iEnd; ++iBox) {
        const qreal rX = m_chart.CentreX(iBox);
        lines.append(QLineF(rX, rJoin, rX, rTop));
    }
    painter.drawLines(lines.constData(), static_cast<int>(lines.size()));
}

void ChartPainter::PaintBox(QPainter& painter, int iBox, bool bWords, bool bMarked) const {
    const QRectF box = m_chart.Box(iBox);
    const Character& member = m_chart.CharacterOf(iBox);
    QPen pen(m_style.border);
    pen.setCosmetic(m_style.bCosmeticLines && !bMarked);
    pen.setWidthF(bMarked ? 3.0 : (m_style.bCosmeticLines ? 1.0 : 1.2));
    // A mule's box is dashed: it reads on paper as well as on screen.
    if (member.iIsMule)
        pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(bMarked ? m_style.startFill : m_style.boxFill);
    painter.drawRect(box);
    if (!bWords)
        return;
    painter.setPen(m_style.text);
    const QRectF inner = box.adjusted(kPadding, kPadding / 2, -kPadding, -kPadding / 2);
    const qreal rLine = inner.height() / 3;
    const QRectF nameLine(inner.left(), inner.top(), inner.width(), rLine);
    painter.setFont(m_nameFont);
    painter.drawText(nameLine, Qt::AlignCenter,
                     m_nameMetrics.elidedText(member.strName, Qt::ElideRight, inner.width()));
    painter.setFont(m_detailFont);
    painter.drawText(nameLine.translated(0, rLine), Qt::AlignCenter,
                     //: In a member's box of the chart; %1 is the character's level
                     QCoreApplication::translate("ChartPainter", "Level %1").arg(member.nLevel));
    painter.drawText(nameLine.translated(0, 2 * rLine), Qt::AlignCenter,
                     m_detailMetrics.elidedText(RankTitle(member.nRank, member.nID), Qt::ElideRight,
                                                inner.width()));
}

void ChartPainter::PaintRuns(QPainter& painter, const QRectF& rScene, qreal rScale) const {
    // Boxes less than a pixel apart on the device make one run: a level costs one rectangle
    // per gap that shows, not one per member.
    // A run is a device pixel high and wide at least, so that a chart far wider than high, or
    // far higher than wide, still shows.
    const qreal rTouch = 1.0 / rScale;
    const qreal rWidth = std::max(m_chart.Metrics().rBoxWidth, rTouch);
    const qreal rHeight = std::max(m_chart.Metrics().rBoxHeight, rTouch);
    const ChartLayout::Range levels = m_chart.LevelsAcross(rScene.top(), rScene.bottom());
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_style.border);
    for (int iLevel = levels.iBegin; iLevel < levels.iEnd; ++iLevel) {
        const ChartLayout::Range boxes = m_chart.BoxesAcross(iLevel, rScene.left(), rScene.right());
        if (boxes.iBegin == boxes.iEnd)
            continue;
        QRectF run = m_chart.Box(boxes.iBegin);
        run.setSize(QSizeF(rWidth, rHeight));
        for (int iBox = boxes.iBegin + 1; iBox < boxes.iEnd; ++iBox) {
            const qreal rLeft = m_chart.CentreX(iBox) - rWidth / 2;
            if (rLeft - run.right() <= rTouch) {
                run.setRight(rLeft + rWidth);
                continue;
            }
            painter.drawRect(run);
            run.moveLeft(rLeft);
            run.setWidth(rWidth);
        }
        painter.drawRect(run);
    }
}
