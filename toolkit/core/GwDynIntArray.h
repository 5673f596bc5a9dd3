// Growable array of integers.
#pragma once

#include <vector>

class GwDynIntArray {
public:
    GwDynIntArray(int initial = 10, int grow = 10);

    // Element i for 0 <= i < count(); -1 appends a new 0 element; any other index outside the
    // array gives a spare element that reads 0 and is not kept.
    int& access(int i);
    int at(int i) const; // element i, or 0 outside the array
    void add(int value) { access(-1) = value; }
    int count() const { return static_cast<int>(m_items.size()); }
    int contains(int value) const;
    void clear() { m_items.clear(); }
    int grow_step() const { return m_grow; }

private:
    std::vector<int> m_items;
    int m_spare = 0;
    int m_grow;
};
