#pragma once
// The guild statistics' page of joins and departures per week: a line chart of the two and their
// numbers as a table beside it, or, when the server keeps no history, a sentence saying so
// instead of a chart of zeros.
#include "GuildActivity.h"

#include <QWidget>

class QChartView;
class QLabel;
class QPainter;
class QTableWidget;

class ActivityPage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ActivityPage)
public:
    static constexpr int kPictureWidth = 900;
    static constexpr int kPictureHeight = 460;

    explicit ActivityPage(QWidget* pParent = nullptr);

    // The server's answer; an unreadable one is said to be so.
    void Show(const QString& strPayload);
    // The server could not be asked, or refused: the reason in words.
    void ShowProblem(const QString& strProblem);
    void SetDark(bool bDark);

    const GuildActivity& Activity() const { return m_activity; }
    bool HasFigures() const { return m_bFigures; }
    // Draws the chart and the table into the rectangle (0, 0, picture width, height).
    void PaintPicture(QPainter& painter, const QString& strTitle) const;

    QChartView* chtActivity;
    QTableWidget* grdStatsActivity;
    QLabel* lblActivity;

private:
    void Fill();

    GuildActivity m_activity;
    bool m_bFigures = false;
    bool m_bDark = false;
};
