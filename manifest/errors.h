// The two failures that leave a command: a file operation refused by the
// system, and the program list refusing an entry.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace pavonet {

// A system error code as GetLastError() reports it.
using ErrorCode = std::uint32_t;

// The system's "file name too long", raised for manifest paths that do not fit.
inline constexpr ErrorCode kErrorFilenameTooLong = 206;

// A failed file operation. what() is the user-facing text for the code.
class EInOutError : public std::runtime_error {
 public:
  explicit EInOutError(ErrorCode code);
  ErrorCode Code() const noexcept { return code_; }

 private:
  ErrorCode code_;
};

// The list box ran out of room for another entry.
class EOutOfResources : public std::runtime_error {
 public:
  EOutOfResources();
};

// The words shown for an I/O error code.
std::string InOutErrorMessage(ErrorCode code);

}  // namespace pavonet
