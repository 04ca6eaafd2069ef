#pragma once
// A value or the reason there is none. Used wherever an operation can fail in a way the
// caller must turn into a message: `code` is the message number the user would see
// (0 when the failure has no message of its own), `what` names the fault for logs and tests.
#include <string>
#include <utility>
#include <variant>

struct Failure {
    int code = 0;
    std::string what;
};

template <class T> class Result {
  public:
    Result(T value) : v_(std::move(value)) {}
    Result(Failure f) : v_(std::move(f)) {}

    bool ok() const { return v_.index() == 0; }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return std::get<0>(v_); }
    T& value() & { return std::get<0>(v_); }
    T&& value() && { return std::get<0>(std::move(v_)); }
    const T& operator*() const& { return value(); }
    const T* operator->() const { return &value(); }
    const Failure& failure() const { return std::get<1>(v_); }

  private:
    std::variant<T, Failure> v_;
};
