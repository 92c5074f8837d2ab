#pragma once
// The allegiance chart window: a member's branch, or the whole allegiance, as an organisation
// chart at a chosen depth, with zoom, pan and fit, export to PNG, SVG and PDF, and printing. It
// follows the roster shown: a new download or a set of changes redraws it (RosterChanged), and
// while the window is hidden the new layout waits until it shows again. A double click on a box
// asks the main window to show that member (fnShowCharacter).
#include "ChartExport.h"
#include "ChartLayout.h"

#include <QWidget>
#include <functional>

class ChartCanvas;
class GuildFactsSource;
class Prompts;
class QComboBox;
class QLabel;
class QPushButton;

class frmAllegianceChart final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmAllegianceChart)
public:
    // The depths cmbChartDepth offers, in its order; kAllLevels last.
    static constexpr int kDepths[] = {2, 3, 5, ChartLayout::kAllLevels};
    // An export or a printout of more pages than this asks first.
    static constexpr int kManyPages = 50;

    // With a source of the guild's facts, the boxes' rank titles follow each member's race and
    // sex once the facts arrive (asked for when the window is shown).
    frmAllegianceChart(Prompts& prompts, const Roster& roster, QWidget* pParent,
                       GuildFactsSource* pFacts = nullptr);
    ~frmAllegianceChart() override;

    // Shows the window with the branch of the member with this id, or the whole allegiance for
    // -1 (or an id the roster does not hold).
    void ShowFor(qint16 idCharacter);
    // The roster shown may have been replaced: the chart follows it.
    void RosterChanged();
    // Asked with the name of the member whose box was double-clicked.
    std::function<void(const QString& strName)> fnShowCharacter;
    // The guild's name, for the title of what is exported or printed.
    std::function<QString()> fnGuildName;
    // What an export or a printout draws: the whole chart, its mark, and a title that says
    // whose chart it is, how deep, and when it was made.
    ChartExport::Contents Exported() const;

    const ChartLayout& Chart() const { return m_chart; }
    ChartCanvas* Canvas() const { return picChart; }
    // The member the branch starts from; -1 for the whole allegiance.
    qint16 BranchId() const { return m_idBranch; }

    void cmdChartExport_Click();
    void cmdChartPrint_Click();
    // Writes the whole chart to a file, its kind by its suffix (png, svg or pdf); false, having
    // said why, when it could not.
    bool ExportTo(const QString& strFile);

    QComboBox* cmbChartScope;
    QComboBox* cmbChartDepth;
    QPushButton* cmdChartFit;
    QPushButton* cmdChartZoomIn;
    QPushButton* cmdChartZoomOut;
    QPushButton* cmdChartExport;
    QPushButton* cmdChartPrint;
    QLabel* lblChartInfo;

protected:
    void showEvent(QShowEvent* pEvent) override;

private:
    // Lays the chart out again from the roster shown. The marked box keeps its place in the
    // view when it is still drawn, unless bCentre puts it at the top middle at 100 %.
    void Relayout(bool bCentre);
    void ShowInfo();
    void BoxActivated(int iBox);
    bool MayUsePages(int nPages);

    Prompts& m_prompts;
    const Roster& m_roster;
    GuildFactsSource* m_pFacts;
    ChartLayout m_chart;
    ChartCanvas* picChart;
    qint16 m_idBranch = -1; // the member asked for when the window was opened
    bool m_bStale = false;  // the roster changed while the window was hidden
};
