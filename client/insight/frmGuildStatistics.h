#pragma once
// The guild statistics window: for the whole guild or the selected member's branch, a bar chart
// and its table of numbers for members by level (bands of ten), by rank, by vassals sworn to
// them, by race and by sex, counted from the roster shown (GuildStatistics) and following it as
// the chart window does; race and sex come from the guild's facts, asked for when it is shown;
// and the whole guild's joins and departures per week (ActivityPage). Each chart is saved as a
// PNG or SVG picture with its table drawn beside it.
#include "GuildStatistics.h"

class ActivityPage;

#include <QWidget>
#include <array>

class GuildFactsSource;
class Prompts;
class RequestCycle;
class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QPainter;
class QPushButton;
class QTabWidget;
class QTableWidget;

class frmGuildStatistics final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmGuildStatistics)
public:
    static constexpr int kPages = 5; // levels, ranks, vassals, races, sexes
    // A saved picture: the chart, and the table beside it.
    static constexpr int kPictureChartWidth = 640;
    static constexpr int kPictureTableWidth = 260;
    static constexpr int kPictureHeight = 460;

    // Without a source of facts, race and sex count every member as unknown; without a request
    // cycle, the joins and departures are never asked for.
    frmGuildStatistics(Prompts& prompts, const Roster& roster, QWidget* pParent,
                       GuildFactsSource* pFacts = nullptr, RequestCycle* pCycle = nullptr);
    ~frmGuildStatistics() override;

    // Shows the figures of the branch of the member with this id, or of the whole guild for -1
    // (or an id the roster does not hold).
    void ShowFor(qint16 idCharacter);
    // ShowFor, and the joins and departures asked for afresh from the server's history, once the
    // request cycle is free (not to drop a request that another window started).
    void ShowWithActivity(qint16 idCharacter);
    // The roster shown may have been replaced: the figures follow it.
    void RosterChanged();

    const GuildStatistics& Statistics() const { return m_stats; }
    const StatisticsTable& Table(int iPage) const;
    QChartView* View(int iPage) const { return m_views[static_cast<std::size_t>(iPage)]; }
    QTableWidget* Grid(int iPage) const { return m_grids[static_cast<std::size_t>(iPage)]; }
    // The page after the others: the whole guild's joins and departures per week, from the
    // server's change history.
    ActivityPage& Activity() const { return *m_pActivity; }

    // Saves the chart of the page shown, asking for the file.
    void cmdStatsSave_Click();
    // Writes one page's chart and table as a picture, PNG or SVG by the file's suffix; false,
    // having said why, when it could not.
    bool SaveTo(int iPage, const QString& strFile);

    QComboBox* cmbStatsScope;
    QTabWidget* tabStatistics;
    QPushButton* cmdStatsSave;
    QLabel* lblStatsInfo;

protected:
    void showEvent(QShowEvent* pEvent) override;
    void changeEvent(QEvent* pEvent) override;

private:
    void AskActivity();
    void Recount();
    void Fill();
    // Draws a page's chart and table into the rectangle (0, 0, picture width, height).
    void PaintPicture(QPainter& painter, int iPage) const;

    Prompts& m_prompts;
    const Roster& m_roster;
    GuildFactsSource* m_pFacts;
    RequestCycle* m_pCycle;
    bool m_bActivityWanted = false;                 // asked for, and waiting for the request cycle
    RosterSnapshot m_counted = Characters::Empty(); // the roster the figures come from
    GuildStatistics m_stats;
    qint16 m_idBranch = -1;
    bool m_bStale = false;
    std::array<QChartView*, kPages> m_views{};
    std::array<QTableWidget*, kPages> m_grids{};
    ActivityPage* m_pActivity;
};
