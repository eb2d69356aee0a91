#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

/// The outcome of reading or writing a file: what was read (nothing for a write), or the
/// German description of why it failed. Every file operation of the core reports this way.
template <typename T = std::monostate> class FileResult {
public:
    /// Success, with what was read.
    FileResult(T value = T{}) : m_value(std::move(value)) {}
    static FileResult Failed(std::string description) {
        FileResult result;
        result.m_value.reset();
        result.m_failure = std::move(description);
        return result;
    }

    bool Ok() const { return m_value.has_value(); }
    explicit operator bool() const { return Ok(); }
    /// What was read; only after success.
    const T& operator*() const& { return *m_value; }
    T&& operator*() && { return std::move(*m_value); }
    const T* operator->() const { return &*m_value; }
    /// Why it failed; "" after success.
    const std::string& Failure() const { return m_failure; }

private:
    std::optional<T> m_value;
    std::string m_failure;
};

/// Success when `failure` is empty, else the failure it describes.
inline FileResult<> FailedIf(std::string failure) {
    return failure.empty() ? FileResult<>() : FileResult<>::Failed(std::move(failure));
}
