#pragma once
// The remembered servers and, for each, the characters used on it. Keys are compared without
// regard to case; enumeration keeps the order of insertion.
#include <QList>
#include <QString>

struct PlayerInfo {
    QString Key;
    QString strName;
};

class Players {
public:
    PlayerInfo& Add(const QString& strName);
    // nullptr when no player has that key.
    PlayerInfo* Item(const QString& strKey);
    PlayerInfo& Item(int iPosition) { return m_items[iPosition - 1]; } // 1-based
    int Count() const { return static_cast<int>(m_items.size()); }
    void Remove(const QString& strKey);
    bool HasName(const QString& strName) const; // exact comparison

    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    QList<PlayerInfo> m_items;
};

struct ServerInfo {
    QString Key; // the address without "HTTP://"
    Players objPlayers;
};

class Servers {
public:
    ServerInfo& Add(const QString& strKey);
    ServerInfo* Item(const QString& strKey);
    ServerInfo& Item(int iPosition) { return m_items[iPosition - 1]; } // 1-based
    int Count() const { return static_cast<int>(m_items.size()); }
    void Remove(const QString& strKey);
    void Clear() { m_items.clear(); }

    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    QList<ServerInfo> m_items;
};
