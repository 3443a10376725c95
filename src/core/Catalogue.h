#pragma once

#include <QString>
#include <QVector>

#include <mutex>
#include <optional>

// A dialog catalogue that the user-interface thread rebuilds (the language changes)
// while worker threads look entries up by id.
template<typename Entry> class Catalogue {
public:
    void replace(QVector<Entry> entries)
    {
        const std::lock_guard lock(m_mutex);
        m_entries.swap(entries);
    }

    // The first entry with id; index receives its position.
    std::optional<Entry> find(const QString &id, int *index = nullptr) const
    {
        const std::lock_guard lock(m_mutex);
        for (int i = 0; i < m_entries.size(); ++i) {
            if (m_entries.at(i).id != id)
                continue;
            if (index)
                *index = i;
            return m_entries.at(i);
        }
        return std::nullopt;
    }

    QVector<Entry> entries() const
    {
        const std::lock_guard lock(m_mutex);
        return m_entries;
    }

private:
    mutable std::mutex m_mutex;
    QVector<Entry> m_entries;
};
