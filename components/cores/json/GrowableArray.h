#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <type_traits>

namespace netcomp::json {

// An array of plain items in storage lent by its owner, so that several arrays share one
// block. Only an array that outgrows its lent storage gets a heap block of its own.
template <typename T> class GrowableArray {
    static_assert(std::is_trivially_copyable_v<T>);

public:
    GrowableArray() = default;
    GrowableArray(const GrowableArray&) = delete;
    GrowableArray& operator=(const GrowableArray&) = delete;

    // Starts empty in capacity items at storage; drops any block of its own.
    void lend(T* storage, std::size_t capacity)
    {
        m_data = storage;
        m_size = 0;
        m_capacity = capacity;
        m_own.reset();
    }
    void release() { lend(nullptr, 0); }

    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    const T* data() const { return m_data; }
    T& operator[](std::size_t i) { return m_data[i]; }
    const T& operator[](std::size_t i) const { return m_data[i]; }
    T& back() { return m_data[m_size - 1]; }

    void push_back(T item)
    {
        if (m_size == m_capacity) {
            grow(m_size + 1);
        }
        m_data[m_size++] = item;
    }
    void pop_back() { --m_size; }
    void truncate(std::size_t size) { m_size = size; }
    // Appends items that are not in this array.
    void append(const T* items, std::size_t count)
    {
        if (count > m_capacity - m_size) {
            grow(m_size + count);
        }
        if (count) {
            std::memcpy(m_data + m_size, items, count * sizeof(T));
        }
        m_size += count;
    }
    // Room for up to count items after the last; setEnd takes in those written.
    T* makeRoom(std::size_t count)
    {
        if (count > m_capacity - m_size) {
            grow(m_size + count);
        }
        return m_data + m_size;
    }
    void setEnd(const T* end) { m_size = static_cast<std::size_t>(end - m_data); }

private:
    void grow(std::size_t needed)
    {
        const std::size_t capacity = std::max(needed, 2 * m_capacity);
        auto block = std::make_unique_for_overwrite<T[]>(capacity);
        if (m_size) {
            std::memcpy(block.get(), m_data, m_size * sizeof(T));
        }
        m_data = block.get();
        m_capacity = capacity;
        m_own = std::move(block);
    }

    T* m_data = nullptr;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
    std::unique_ptr<T[]> m_own;
};

} // namespace netcomp::json
