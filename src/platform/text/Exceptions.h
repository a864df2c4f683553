#pragma once
// The class library's exceptions. Every error the program raises on purpose is an
// Exception with a message meant for the user; the kinds let callers and tests tell
// a conversion error from a file error without reading the text.
#include <stdexcept>
#include <string>

class Exception : public std::exception {
public:
  explicit Exception(std::string message) : Message(std::move(message)) {}
  const char* what() const noexcept override { return Message.c_str(); }
  std::string Message;
};

// Text that is no number (StrToInt, StrToFloat).
class EConvertError : public Exception { using Exception::Exception; };
// An index past the end of a line list or a text.
class EStringListError : public Exception { using Exception::Exception; };
// A value outside the range an operation accepts.
class ERangeError : public Exception { using Exception::Exception; };
// A file that cannot be opened for reading.
class EFOpenError : public Exception { using Exception::Exception; };
// A file that cannot be created or written.
class EFCreateError : public Exception { using Exception::Exception; };
// Text that code page 1251 cannot hold.
class EEncodingError : public Exception { using Exception::Exception; };
