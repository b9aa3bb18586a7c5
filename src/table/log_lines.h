#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvane {

// The message-log lines of one event. The text lives in a buffer inside the
// object, so an event costs no allocation however many are made (the
// simulator makes millions); only unusually long text moves to the heap.
class LogLines {
public:
    static constexpr std::size_t MaxLines = 8;

    // User-provided, so that `{}` does not zero the buffer.
    LogLines() noexcept {}
    LogLines(std::initializer_list<std::string_view> lines)
    {
        for (std::string_view l : lines)
            push_back(l);
    }
    explicit LogLines(const std::vector<std::string>& lines)
    {
        for (const std::string& l : lines)
            push_back(l);
    }
    // Copies and moves take only the text and line ends in use.
    LogLines(const LogLines& o) : m_heap(copyOf(o.m_heap)) { takeCounts(o); }
    LogLines(LogLines&& o) noexcept : m_heap(std::move(o.m_heap)) { takeFrom(o); }
    LogLines& operator=(const LogLines& o)
    {
        if (this != &o) {
            m_heap = copyOf(o.m_heap);
            takeCounts(o);
        }
        return *this;
    }
    LogLines& operator=(LogLines&& o) noexcept
    {
        if (this != &o) {
            m_heap = std::move(o.m_heap);
            takeFrom(o);
        }
        return *this;
    }
    ~LogLines() = default;

    // Adds one line made of the parts, in order.
    template <class... Parts>
    void add(const Parts&... parts)
    {
        if (m_count == MaxLines)
            throw std::length_error("too many log lines in one event");
        const std::array<std::string_view, sizeof...(Parts)> views{std::string_view(parts)...};
        std::size_t length = 0;
        for (std::string_view v : views)
            length += v.size();
        if (!m_heap && m_size + length <= InlineBytes) {
            char* out = reinterpret_cast<char*>(m_inline.data()) + m_size;
            for (std::string_view v : views)
                out = copyShort(out, v);
            m_size += length;
        } else {
            appendToHeap(views.data(), views.size());
        }
        m_end[m_count++] = static_cast<std::uint32_t>(m_size);
    }
    void push_back(std::string_view line) { add(line); }

    std::size_t size() const { return m_count; }
    bool empty() const { return m_count == 0; }
    std::string_view operator[](std::size_t i) const
    {
        const std::uint32_t from = i == 0 ? 0 : m_end[i - 1];
        return {data() + from, m_end[i] - from};
    }
    std::string_view front() const { return (*this)[0]; }
    std::string_view back() const { return (*this)[m_count - 1]; }
    void clear()
    {
        m_count = 0;
        m_size = 0;
        m_heap.reset();
    }

    struct Iterator {
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = const std::string_view*;
        using reference = std::string_view;
        const LogLines* lines;
        std::size_t i;
        std::string_view operator*() const { return (*lines)[i]; }
        Iterator& operator++()
        {
            ++i;
            return *this;
        }
        Iterator operator++(int)
        {
            Iterator old = *this;
            ++i;
            return old;
        }
        bool operator==(const Iterator& o) const { return i == o.i; }
    };
    Iterator begin() const { return {this, 0}; }
    Iterator end() const { return {this, m_count}; }

    std::vector<std::string> lines() const { return {begin(), end()}; }
    bool operator==(const LogLines& o) const
    {
        if (m_count != o.m_count)
            return false;
        for (std::size_t i = 0; i < m_count; ++i)
            if ((*this)[i] != o[i])
                return false;
        return true;
    }

private:
    static constexpr std::size_t InlineBytes = 160;

    // The counts, the line ends and the inline text of another; its heap
    // text, if any, has been taken already.
    void takeCounts(const LogLines& o)
    {
        m_size = o.m_size;
        m_count = o.m_count;
        std::copy_n(o.m_end.data(), m_count, m_end.data());
        if (!m_heap)
            std::copy_n(o.m_inline.data(), m_size, m_inline.data());
    }
    // The same, leaving the other empty.
    void takeFrom(LogLines& o)
    {
        takeCounts(o);
        o.m_size = 0;
        o.m_count = 0;
    }
    static std::unique_ptr<std::string> copyOf(const std::unique_ptr<std::string>& heap)
    {
        return heap ? std::make_unique<std::string>(*heap) : nullptr;
    }
    // Log parts are mostly names of a few dozen bytes: two overlapping
    // moves copy them without a library call.
    static char* copyShort(char* out, std::string_view v)
    {
        const std::size_t n = v.size();
        const char* in = v.data();
        if (n > 32) {
            std::memcpy(out, in, n);
        } else if (n >= 16) {
            std::memcpy(out, in, 16);
            std::memcpy(out + n - 16, in + n - 16, 16);
        } else if (n >= 8) {
            std::memcpy(out, in, 8);
            std::memcpy(out + n - 8, in + n - 8, 8);
        } else if (n >= 4) {
            std::memcpy(out, in, 4);
            std::memcpy(out + n - 4, in + n - 4, 4);
        } else if (n > 0) {
            out[0] = in[0];
            out[n / 2] = in[n / 2];
            out[n - 1] = in[n - 1];
        }
        return out + n;
    }
    const char* data() const
    {
        return m_heap ? m_heap->data() : reinterpret_cast<const char*>(m_inline.data());
    }
    // Rare (a line of long names), so kept out of the callers.
    void appendToHeap(const std::string_view* parts, std::size_t count);
    std::array<unsigned char, InlineBytes> m_inline;
    // All the text, once it outgrows the buffer; a pointer, so that an event
    // without long text costs one store to make and one test to destroy.
    std::unique_ptr<std::string> m_heap;
    std::array<std::uint32_t, MaxLines> m_end;  // only the first m_count are set
    std::size_t m_size = 0;
    std::size_t m_count = 0;
};

}  // namespace corvane
