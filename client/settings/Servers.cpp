#include "Servers.h"

namespace {

template <typename T> T* Find(QList<T>& items, const QString& strKey) {
    for (T& item : items)
        if (item.Key.compare(strKey, Qt::CaseInsensitive) == 0)
            return &item;
    return nullptr;
}

template <typename T> void RemoveKey(QList<T>& items, const QString& strKey) {
    items.removeIf(
        [&](const T& item) { return item.Key.compare(strKey, Qt::CaseInsensitive) == 0; });
}

} // namespace

PlayerInfo& Players::Add(const QString& strName) {
    m_items.append({strName, strName});
    return m_items.last();
}

PlayerInfo* Players::Item(const QString& strKey) {
    return Find(m_items, strKey);
}
void Players::Remove(const QString& strKey) {
    RemoveKey(m_items, strKey);
}

bool Players::HasName(const QString& strName) const {
    for (const PlayerInfo& player : m_items)
        if (player.strName == strName)
            return true;
    return false;
}

ServerInfo& Servers::Add(const QString& strKey) {
    m_items.append({strKey, Players()});
    return m_items.last();
}

ServerInfo* Servers::Item(const QString& strKey) {
    return Find(m_items, strKey);
}
void Servers::Remove(const QString& strKey) {
    RemoveKey(m_items, strKey);
}
