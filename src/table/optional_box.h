#pragma once

#include <memory>
#include <optional>
#include <utility>

namespace corvane {

// An optional value kept on the heap, with the value semantics of
// std::optional. For a member that is almost always empty: it costs one
// pointer instead of the value's size, so the object that holds it stays small
// and cheap to make (few events carry a message box; the simulator makes
// millions of events).
template <class T>
class OptionalBox {
public:
    OptionalBox() noexcept = default;
    OptionalBox(std::nullopt_t) noexcept {}
    OptionalBox(const T& value) : m_value(std::make_unique<T>(value)) {}
    OptionalBox(T&& value) : m_value(std::make_unique<T>(std::move(value))) {}
    OptionalBox(std::optional<T> value)
    {
        if (value)
            m_value = std::make_unique<T>(std::move(*value));
    }
    OptionalBox(const OptionalBox& o) : m_value(o.m_value ? std::make_unique<T>(*o.m_value) : nullptr) {}
    OptionalBox(OptionalBox&&) noexcept = default;
    OptionalBox& operator=(const OptionalBox& o)
    {
        if (this != &o)
            m_value = o.m_value ? std::make_unique<T>(*o.m_value) : nullptr;
        return *this;
    }
    OptionalBox& operator=(OptionalBox&&) noexcept = default;
    ~OptionalBox() = default;

    bool has_value() const { return m_value != nullptr; }
    explicit operator bool() const { return has_value(); }
    const T& operator*() const { return *m_value; }
    T& operator*() { return *m_value; }
    const T* operator->() const { return m_value.get(); }
    T* operator->() { return m_value.get(); }
    T value_or(T fallback) const { return m_value ? *m_value : std::move(fallback); }
    void reset() { m_value.reset(); }

    bool operator==(const OptionalBox& o) const
    {
        return has_value() == o.has_value() && (!has_value() || *m_value == *o.m_value);
    }

private:
    std::unique_ptr<T> m_value;
};

}  // namespace corvane
