// The one shape of a failure: a fragment that says what failed ("cannot
// write <path>: Permission denied"), carried from the lowest helper up to
// the command that reports it. That command adds "error: " in front, through
// errorln (common/console.h), and picks the exit code; nothing below it
// writes the prefix. A few exact lines have none, and their commands print
// them as they stand with errln: the refusals of set-time (the clock
// setting's bare words), the server choice's "No Quorvandel servers found.
// ..." and "Invalid selection.", and a discovery socket that cannot open
// ("socket: <why>", as perror words it).
// A result must be looked at: a failure that is ignored on purpose is cast
// away with (void) where it happens.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace qc {

struct Error {
    std::string message;
};

template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::move(value)) {}
    Result(Error error) : state_(std::move(error)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }
    T& operator*() { return std::get<0>(state_); }
    const T& operator*() const { return std::get<0>(state_); }
    T* operator->() { return &std::get<0>(state_); }
    const T* operator->() const { return &std::get<0>(state_); }
    const std::string& error() const { return std::get<1>(state_).message; }

private:
    std::variant<T, Error> state_;
};

template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error) : error_(std::move(error.message)) {}

    bool ok() const { return !error_; }
    explicit operator bool() const { return ok(); }
    const std::string& error() const { return *error_; }

private:
    std::optional<std::string> error_;
};

// Success or the fragment that says what went wrong.
using Status = Result<void>;

}  // namespace qc
