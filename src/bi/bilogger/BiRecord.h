#pragma once

#include <string>
#include <utility>
#include <vector>

namespace bilogger {

// One event before it is submitted: its category (the event name) and its own text
// pairs, in the order they were added. The logger adds the standard keys on submit.
class BiRecord {
public:
    explicit BiRecord(std::string category)
        : m_category(std::move(category))
    {
    }

    // A key added twice keeps its last value.
    void add(const std::string &key, const std::string &value) { m_pairs.emplace_back(key, value); }

    const std::string &category() const { return m_category; }
    const std::vector<std::pair<std::string, std::string>> &pairs() const { return m_pairs; }

private:
    std::string m_category;
    std::vector<std::pair<std::string, std::string>> m_pairs;
};

} // namespace bilogger
