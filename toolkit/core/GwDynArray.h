// Array of pointer slots that grows by a step; the base of the system's typed pointer arrays
// (DynGwStringPtrArray, DynEwTypePtrArray, ...). It never owns what the slots point to:
// owning arrays derive from it and delete in their destructors.
#pragma once

#include <cstddef>
#include <vector>

template <typename T>
class GwDynArray {
public:
    // initial: slots reserved; grow: the growth step the owner asked for (kept for callers
    // that ask; the storage grows as needed).
    GwDynArray(int initial, int grow) : m_grow(grow < 1 ? 1 : grow) {
        if (initial > 0)
            m_slots.reserve(static_cast<std::size_t>(initial));
    }
    virtual ~GwDynArray() = default;

    GwDynArray(const GwDynArray&) = delete;
    GwDynArray& operator=(const GwDynArray&) = delete;

    // Slot i for 0 <= i < count(). Index -1 appends a new null slot and returns it. Any other
    // index outside the array returns a spare slot that belongs to no position: it reads null
    // and what is written to it is not kept (the array never grows by a stray index).
    T*& access(int i) {
        if (i == -1) {
            m_slots.push_back(nullptr);
            return m_slots.back();
        }
        if (i < 0 || i >= count()) {
            m_spare = nullptr;
            return m_spare;
        }
        return m_slots[static_cast<std::size_t>(i)];
    }

    // Slot i, or null outside 0..count()-1.
    T* at(int i) const {
        if (i < 0 || i >= count())
            return nullptr;
        return m_slots[static_cast<std::size_t>(i)];
    }

    int count() const { return static_cast<int>(m_slots.size()); }
    int grow_step() const { return m_grow; }

    void clear_slots() { m_slots.clear(); }

private:
    std::vector<T*> m_slots;
    T* m_spare = nullptr;
    int m_grow;
};
