// The error model: every user-visible failure is an exception whose what() is the exact
// message the error box shows (without the full stop the box may append).
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace gearpair {

// Base of every error the program reports to the user.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that is not a number: "'%s' is not a valid floating point value".
class ConversionError : public Error {
public:
    using Error::Error;
};

// Division by zero, an invalid operation or an overflow in the arithmetic of a step.
class FloatError : public Error {
public:
    using Error::Error;
};

// A failed file or directory operation; code is the Windows-style error code.
class FileError : public Error {
public:
    FileError(int code, const std::string& message) : Error(message), code_(code) {}
    int code() const { return code_; }

private:
    int code_;
};

// The text the error box shows for a message: a full stop is appended unless the message is
// empty or its last character is a full stop or sorts below one (a blank, a closing
// parenthesis, a hyphen). A UTF-8 letter ends in a byte above the full stop, as a code point.
std::string ErrorBoxText(std::string_view message);

}  // namespace gearpair
