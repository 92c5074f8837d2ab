#pragma once
// The guild's three lists (rescue squad, summonable portals, trade skills): each downloaded on
// demand into its grid, sorted by its headers and a way to the character in the tree.
#include <QObject>

class Grid;
class QPushButton;
struct Session;

struct ListControls {
    Grid* grdRescueSquad;
    QPushButton* cmdRefreshRescueSquad;
    Grid* grdPortalList;
    QPushButton* cmdPortalListRefresh;
    Grid* grdTradeSkills;
    QPushButton* cmdGetTradeSkills;
};

class GuildLists final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GuildLists)
public:
    GuildLists(Session& session, const ListControls& controls, QObject* pParent = nullptr);

    void RefreshRescueSquad();
    void RefreshPortalList();
    void RefreshTradeSkillsList();
    void ParseRescueListData(const QString& strPayload);
    void ParsePortalListData(const QString& strPayload);
    void ParseTradeSkillsData(const QString& strPayload);

private:
    Session& m_session;
    ListControls m_controls;
};
