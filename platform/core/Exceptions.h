#pragma once
// Errors the layer raises. Each carries the text the error box shows.
#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

// A control could not take what it was given (the text area is full).
class EOutOfResources : public Exception { using Exception::Exception; };
// A file could not be created or truncated.
class EFCreateError : public Exception { using Exception::Exception; };
// Writing to a stream failed or fell short.
class EWriteError : public Exception { using Exception::Exception; };
// A list was asked for an index it does not have.
class EStringListError : public Exception { using Exception::Exception; };
