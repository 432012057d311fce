// Runs a helper process and collects what it writes to its standard output.
#pragma once

#include <string>

namespace pavonet::bench {

// Starts `commandLine` with its standard output on a pipe, reads until the
// process closes it and waits for the process to end. Throws
// std::runtime_error when the process cannot start or exits non-zero.
std::string RunAndCapture(const std::string& commandLine);

// This program's own path, for starting it again in another mode.
std::string ThisProgram();

}  // namespace pavonet::bench
