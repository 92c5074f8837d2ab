#pragma once
// The chart on screen: zoom (the wheel, Ctrl and +, - or 0), pan (dragging, the arrow keys) and
// fitting the whole chart in view. It paints only the part of the chart in view, through
// ChartPainter, so a chart of the whole allegiance pans as smoothly as a small one.
#include "ChartPainter.h"

#include <QPointF>
#include <QWidget>

class ChartLayout;

class ChartCanvas final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChartCanvas)
public:
    static constexpr qreal kMaxZoom = 4.0;
    static constexpr qreal kZoomStep = 1.25;

    explicit ChartCanvas(QWidget* pParent = nullptr);
    ~ChartCanvas() override;

    // The chart to show; it must outlive the canvas or the next SetChart. The point of the
    // chart at the view's centre stays where it is unless bCentreOnMarked, which puts the
    // marked box (or the first top box) at the top middle of the view at 100 %.
    void SetChart(const ChartLayout* pChart, qint16 idMarked, bool bCentreOnMarked);
    qint16 Marked() const { return m_idMarked; }

    // The zoom the user chose: 1 is 100 %.
    qreal Zoom() const { return m_rZoom; }
    // View pixels per chart unit: the zoom, on a desktop set to larger text made larger.
    qreal Scale() const { return m_rBase * m_rZoom; }
    // Zooms about a point of the view, keeping the chart's point under it in place.
    void SetZoom(qreal rZoom, const QPointF& anchor);
    void SetZoom(qreal rZoom) { SetZoom(rZoom, QPointF(width() / 2.0, height() / 2.0)); }
    void ZoomIn() { SetZoom(m_rZoom * kZoomStep); }
    void ZoomOut() { SetZoom(m_rZoom / kZoomStep); }
    // The whole chart in view, at 100 % at most.
    void Fit();
    // The chart's point at the view's centre, in chart units.
    QPointF Centre() const { return m_centre; }
    void CentreOn(const QPointF& scene);
    // Where a point of the chart is in the view, and back.
    QPointF ToView(const QPointF& scene) const;
    QPointF ToScene(const QPointF& view) const;
    // The chart's rectangle in view.
    QRectF SceneInView() const;

signals:
    // A double click on a box, or Enter on the marked one; the box is marked first.
    void BoxActivated(int iBox);
    void ZoomChanged();

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void changeEvent(QEvent* pEvent) override;
    void wheelEvent(QWheelEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;

private:
    // Takes the desktop's colours and text size.
    void FollowDesktop();
    // The zoom that puts the whole chart in view.
    qreal FitZoom() const;
    // The least zoom: the whole chart in view, or a tenth, whichever is less.
    qreal MinZoom() const;
    // Marks a box and brings it into view.
    void MoveMark(int iBox);
    // The box an arrow key leads to from a box: its patron, its first vassal, or its neighbour
    // on its level; -1 for none.
    int Neighbour(int iBox, int iKey) const;

    const ChartLayout* m_pChart = nullptr;
    ChartStyle m_style;
    qint16 m_idMarked = -1;
    qreal m_rZoom = 1.0;
    qreal m_rBase = 1.0; // the scale of 100 %
    QPointF m_centre;
    QPointF m_dragFrom; // view position of the last drag step
    bool m_bDragging = false;
};
