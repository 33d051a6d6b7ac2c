// The one shape of a failure: the line the user is shown, carried from the
// lowest helper up to the handler that prints it and picks the exit code.
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

// Success or the line that says what went wrong.
using Status = Result<void>;

}  // namespace qc
