// The text of the failure report shown for an exception that left a handler.
#pragma once

#include <string>
#include <string_view>

#include "manifest/code_page.h"

namespace pavonet {

// Appends "." unless the message is empty or already ends in a single-byte
// character at or below "." (so "...(32)" stays as it is).
std::string FailureReportText(std::string_view message, const CodePage& codePage);

}  // namespace pavonet
