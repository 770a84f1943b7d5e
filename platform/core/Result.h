#pragma once

#include <string>
#include <utility>
#include <variant>

namespace platform {

// What went wrong in a platform call: a code the caller can branch on and a message
// for people that names the file or device concerned.
struct Error {
    enum class Code { NotFound, Unreadable, BadFormat, Unsupported, WriteFailed, DeviceUnavailable, Other };
    Code code = Code::Other;
    std::string message;
};

// The value of a call that can fail, or its Error.
template <typename T>
class Result {
public:
    Result(T value) : m_data(std::move(value)) {}
    Result(Error error) : m_data(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(m_data); }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return std::get<T>(m_data); }
    T& value() & { return std::get<T>(m_data); }
    T&& value() && { return std::get<T>(std::move(m_data)); }
    const Error& error() const { return std::get<Error>(m_data); }

private:
    std::variant<T, Error> m_data;
};

// For calls that return nothing but can fail.
struct Done {};
using Status = Result<Done>;
inline Status success() { return Done{}; }

} // namespace platform
