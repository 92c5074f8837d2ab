#include "ChartCanvas.h"

#include "ChartLayout.h"

#include <QFontInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {
constexpr qreal kMargin = 20;    // around the chart, in view pixels, when it is fitted
constexpr qreal kArrowStep = 60; // view pixels per arrow key
// The size of the desktop's text that the chart's words match at 100 %.
constexpr qreal kPlainTextPixels = 12;
} // namespace

ChartCanvas::ChartCanvas(QWidget* pParent) : QWidget(pParent) {
    setObjectName(QStringLiteral("picChart"));
    //: The allegiance: the guild's members, each sworn to a patron above it
    setAccessibleName(tr("Allegiance chart"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::OpenHandCursor);
    setMinimumSize(320, 200);
    setToolTip(tr("Drag to move the chart, turn the wheel to zoom, double-click a box to show "
                  "that member.  Alt and the arrow keys move the mark from box to box; Enter "
                  "shows the marked member."));
    FollowDesktop();
}

ChartCanvas::~ChartCanvas() = default;

void ChartCanvas::FollowDesktop() {
    m_style = ChartStyle::FromPalette(palette(), font());
    // A desktop set to larger text gets a larger chart at 100 %, never a smaller one.
    m_rBase = std::max<qreal>(1.0, QFontInfo(font()).pixelSize() / kPlainTextPixels);
}

void ChartCanvas::SetChart(const ChartLayout* pChart, qint16 idMarked, bool bCentreOnMarked) {
    m_pChart = pChart;
    m_idMarked = idMarked;
    if (bCentreOnMarked && m_pChart && m_pChart->Count() > 0) {
        int iBox = idMarked >= 0 ? m_pChart->BoxOfId(idMarked) : -1;
        if (iBox < 0)
            iBox = 0;
        m_rZoom = 1.0;
        const QRectF box = m_pChart->Box(iBox);
        m_centre = QPointF(box.center().x(), box.top() + (height() / 2.0 - kMargin) / Scale());
    }
    update();
    emit ZoomChanged();
}

qreal ChartCanvas::FitZoom() const {
    if (!m_pChart || m_pChart->Count() == 0)
        return 1.0;
    const QRectF bounds = m_pChart->Bounds();
    const qreal rFit = std::min((width() - 2 * kMargin) / std::max<qreal>(bounds.width(), 1),
                                (height() - 2 * kMargin) / std::max<qreal>(bounds.height(), 1));
    return std::max<qreal>(rFit / m_rBase, 1e-6);
}

qreal ChartCanvas::MinZoom() const {
    return std::min<qreal>(FitZoom(), 0.1);
}

void ChartCanvas::SetZoom(qreal rZoom, const QPointF& anchor) {
    rZoom = std::clamp(rZoom, MinZoom(), kMaxZoom);
    const QPointF scene = ToScene(anchor);
    m_rZoom = rZoom;
    // The same chart point under the anchor as before.
    m_centre += scene - ToScene(anchor);
    update();
    emit ZoomChanged();
}

void ChartCanvas::Fit() {
    if (!m_pChart || m_pChart->Count() == 0)
        return;
    m_rZoom = std::min<qreal>(1.0, FitZoom());
    m_centre = m_pChart->Bounds().center();
    update();
    emit ZoomChanged();
}

void ChartCanvas::CentreOn(const QPointF& scene) {
    m_centre = scene;
    update();
}

QPointF ChartCanvas::ToView(const QPointF& scene) const {
    return (scene - m_centre) * Scale() + QPointF(width() / 2.0, height() / 2.0);
}

QPointF ChartCanvas::ToScene(const QPointF& view) const {
    return (view - QPointF(width() / 2.0, height() / 2.0)) / Scale() + m_centre;
}

QRectF ChartCanvas::SceneInView() const {
    return QRectF(ToScene(QPointF(0, 0)), ToScene(QPointF(width(), height())));
}

void ChartCanvas::paintEvent(QPaintEvent* pEvent) {
    QPainter painter(this);
    painter.fillRect(pEvent->rect(), m_style.background);
    if (!m_pChart)
        return;
    painter.translate(width() / 2.0, height() / 2.0);
    painter.scale(Scale(), Scale());
    painter.translate(-m_centre);
    const QRectF scene(ToScene(pEvent->rect().topLeft()),
                       ToScene(QPointF(pEvent->rect().right() + 1, pEvent->rect().bottom() + 1)));
    ChartPainter(*m_pChart, m_style).Paint(painter, scene, m_idMarked);
}

void ChartCanvas::changeEvent(QEvent* pEvent) {
    // A change between a light and a dark desktop, or of its font, shows at once.
    if (pEvent->type() == QEvent::PaletteChange || pEvent->type() == QEvent::FontChange) {
        FollowDesktop();
        update();
    }
    QWidget::changeEvent(pEvent);
}

void ChartCanvas::wheelEvent(QWheelEvent* pEvent) {
    const qreal rSteps = pEvent->angleDelta().y() / 120.0;
    if (rSteps != 0)
        SetZoom(m_rZoom * std::pow(kZoomStep, rSteps), pEvent->position());
    pEvent->accept();
}

void ChartCanvas::mousePressEvent(QMouseEvent* pEvent) {
    if (pEvent->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(pEvent);
    m_bDragging = true;
    m_dragFrom = pEvent->position();
    setCursor(Qt::ClosedHandCursor);
}

void ChartCanvas::mouseMoveEvent(QMouseEvent* pEvent) {
    if (!m_bDragging)
        return QWidget::mouseMoveEvent(pEvent);
    m_centre -= (pEvent->position() - m_dragFrom) / Scale();
    m_dragFrom = pEvent->position();
    update();
}

void ChartCanvas::mouseReleaseEvent(QMouseEvent* pEvent) {
    if (pEvent->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(pEvent);
    m_bDragging = false;
    setCursor(Qt::OpenHandCursor);
}

void ChartCanvas::mouseDoubleClickEvent(QMouseEvent* pEvent) {
    if (!m_pChart || pEvent->button() != Qt::LeftButton)
        return;
    const int iBox = m_pChart->BoxAt(ToScene(pEvent->position()));
    if (iBox < 0)
        return;
    MoveMark(iBox);
    emit BoxActivated(iBox);
}

void ChartCanvas::MoveMark(int iBox) {
    m_idMarked = m_pChart->CharacterOf(iBox).nID;
    const QRectF box = m_pChart->Box(iBox);
    if (!SceneInView().contains(box))
        m_centre = box.center();
    update();
}

int ChartCanvas::Neighbour(int iBox, int iKey) const {
    const int iLevel = m_pChart->LevelOf(iBox);
    switch (iKey) {
    case Qt::Key_Up:
        return m_pChart->Parent(iBox);
    case Qt::Key_Down:
        return m_pChart->ChildCount(iBox) > 0 ? m_pChart->FirstChild(iBox) : -1;
    case Qt::Key_Left:
        return iBox > m_pChart->LevelBegin(iLevel) ? iBox - 1 : -1;
    case Qt::Key_Right:
        return iBox + 1 < m_pChart->LevelEnd(iLevel) ? iBox + 1 : -1;
    default:
        return -1;
    }
}

void ChartCanvas::keyPressEvent(QKeyEvent* pEvent) {
    const int iKey = pEvent->key();
    const bool bArrow =
        iKey == Qt::Key_Left || iKey == Qt::Key_Right || iKey == Qt::Key_Up || iKey == Qt::Key_Down;
    const bool bDrawn = m_pChart && m_pChart->Count() > 0;
    const int iMarked = bDrawn ? m_pChart->BoxOfId(m_idMarked) : -1;
    // With Alt the arrows move the mark from box to box, and Enter shows the marked member, as
    // a double click on its box does.
    if (bArrow && (pEvent->modifiers() & Qt::AltModifier)) {
        if (bDrawn) {
            const int iNext = iMarked < 0 ? 0 : Neighbour(iMarked, iKey);
            if (iNext >= 0)
                MoveMark(iNext);
        }
        return;
    }
    if ((iKey == Qt::Key_Return || iKey == Qt::Key_Enter) && iMarked >= 0) {
        emit BoxActivated(iMarked);
        return;
    }
    if (!bArrow)
        return QWidget::keyPressEvent(pEvent);
    const QPointF step(iKey == Qt::Key_Left    ? -kArrowStep
                       : iKey == Qt::Key_Right ? kArrowStep
                                               : 0,
                       iKey == Qt::Key_Up     ? -kArrowStep
                       : iKey == Qt::Key_Down ? kArrowStep
                                              : 0);
    CentreOn(m_centre + step / Scale());
}
