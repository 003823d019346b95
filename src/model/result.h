#pragma once
// The outcome of a command or a file operation: its value, or the failure.
// A failure keeps what the user is told (Message, and Reason under it; UTF-8,
// simple Japanese, shown as they are) apart from what developers need to
// know (Detail: which file, which system reason) and the errno value behind
// it (Error, 0 if none). TResult<> carries no value: done, or failed.
//
// A failure passes on as a failure of the caller's kind:
//   if (!opened) return opened.Failure();
#include <cassert>
#include <optional>
#include <string>
#include <utility>

namespace mirel {

template <class T = void>
struct TResult;

template <>
struct TResult<void> {
  bool Ok = true;
  std::string Message;  // for the user; empty on success and for silent failures
  std::string Detail;   // for developers; may be empty
  // For the user too: why, in simple words ("ディスクが いっぱいです"), shown
  // under the message; empty when there is nothing to say.
  std::string Reason;
  int Error = 0;  // the errno value behind the failure, 0 if none

  static TResult Done() { return {}; }
  static TResult Failed(std::string message, std::string detail = {}) {
    return TResult{false, std::move(message), std::move(detail), {}};
  }
  explicit operator bool() const { return Ok; }
  // The failure alone, without a value, to be passed on.
  TResult Failure() const { return {Ok, Message, Detail, Reason, Error}; }
  // The same failure told to the user as `message`.
  TResult Told(std::string message) const {
    TResult told = Failure();
    told.Message = std::move(message);
    return told;
  }
};

template <class T>
struct TResult : TResult<void> {
  TResult(T value) : value_(std::move(value)) {}  // NOLINT: a value is a result
  TResult(TResult<void> failure) : TResult<void>(std::move(failure)) { Ok = false; }  // NOLINT

  T& Value() & { return *Checked(); }
  const T& Value() const& { return *Checked(); }
  T&& Value() && { return std::move(*Checked()); }
  T& operator*() & { return *Checked(); }
  const T& operator*() const& { return *Checked(); }
  T* operator->() { return &*Checked(); }
  const T* operator->() const { return &*Checked(); }

 private:
  std::optional<T>& Checked() {
    assert(value_.has_value());
    return value_;
  }
  const std::optional<T>& Checked() const {
    assert(value_.has_value());
    return value_;
  }
  std::optional<T> value_;
};

}  // namespace mirel
