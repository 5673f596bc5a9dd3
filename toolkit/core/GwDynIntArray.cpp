#include "GwDynIntArray.h"

#include <algorithm>

GwDynIntArray::GwDynIntArray(int initial, int grow) : m_grow(grow < 1 ? 1 : grow) {
    if (initial > 0)
        m_items.reserve(static_cast<size_t>(initial));
}

int& GwDynIntArray::access(int i) {
    if (i == -1) {
        m_items.push_back(0);
        return m_items.back();
    }
    if (i < 0 || i >= count()) {
        m_spare = 0;
        return m_spare;
    }
    return m_items[static_cast<size_t>(i)];
}

int GwDynIntArray::at(int i) const {
    if (i < 0 || i >= count())
        return 0;
    return m_items[static_cast<size_t>(i)];
}

int GwDynIntArray::contains(int value) const {
    return std::find(m_items.begin(), m_items.end(), value) != m_items.end() ? 1 : 0;
}
