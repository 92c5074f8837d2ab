#pragma once
// The attention report window: one sortable list per section of AttentionReport, each exported
// as CSV from its context menu or the Export button, a double click showing the member in the
// tree. The guild's facts come from the server (operation 121) when the window is shown or
// refreshed; the number of days and a new roster are worked in without asking it again. The
// administrators' sections are asked for and shown only to an administrator; the server refuses
// them to anyone else in any case.
#include "AttentionReport.h"

#include <QWidget>
#include <array>
#include <functional>

class Grid;
class GuildFactsSource;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;
struct Session;

class frmAttentionReport final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmAttentionReport)
public:
    frmAttentionReport(Session& session, GuildFactsSource& facts, const Roster& roster,
                       QWidget* pParent);
    ~frmAttentionReport() override;

    // Shows the window and asks the server for the guild's facts.
    void ShowReport();
    void RefreshReport();
    // The roster shown may have been replaced: the report follows it.
    void RosterChanged();

    const AttentionReport& Report() const { return m_report; }
    Grid* SectionGrid(int iSection) const { return m_grids[static_cast<std::size_t>(iSection)]; }

    // A double click on a row: the member's name.
    std::function<void(const QString&)> fnShowCharacter;

    QSpinBox* spnAttentionDays;
    QPushButton* cmdAttentionRefresh;
    QPushButton* cmdAttentionExport;
    QTabWidget* tabAttention;
    QLabel* lblAttentionInfo;

private:
    void Recompute();

    Session& m_session;
    GuildFactsSource& m_facts;
    const Roster& m_roster;
    AttentionReport m_report;
    std::array<Grid*, AttentionReport::kSections> m_grids{};
};
