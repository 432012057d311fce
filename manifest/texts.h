// Everything the program says to the user, in the ANSI code page
// (Shift-JIS), so each text reaches the message windows byte for byte.
#pragma once

#include <string_view>

namespace pavonet::texts {

extern const std::string_view kApplicationTitle;
extern const std::string_view kChooseExecutable;
extern const std::string_view kChooseFile;
extern const std::string_view kSelectOne;
extern const std::string_view kAlreadyStyled;
extern const std::string_view kDone;
extern const std::string_view kAddFiles;
// The overwrite question: these pieces, then the entry's full path. The
// bracket is left open on purpose; the path ends the text.
extern const std::string_view kOverwritePrompt;
extern const std::string_view kCannotInsertLine;

}  // namespace pavonet::texts
