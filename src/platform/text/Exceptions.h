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
// A file that cannot be opened or read. `Reason` is the message's last sentence, the
// reason alone; `Missing` tells that nothing has the file's name, so that a caller
// may take a file not yet there apart from one it may not read.
class EFOpenError : public Exception {
public:
  EFOpenError(std::string message, std::string reason, bool missing)
      : Exception(std::move(message)), Reason(std::move(reason)), Missing(missing) {}
  std::string Reason;
  bool Missing;
};
// A file that cannot be created or written.
class EFCreateError : public Exception { using Exception::Exception; };
// Text that code page 1251 cannot hold.
class EEncodingError : public Exception { using Exception::Exception; };
