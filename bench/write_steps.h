// Manifests written with bare kernel32 calls, step by step: the baseline is
// one CreateFileA(CREATE_ALWAYS), one WriteFile of the whole document and
// CloseHandle per file; each flag adds one of the steps the program takes.
#pragma once

#include <string>
#include <vector>

namespace pavonet::bench {

struct WriteSteps {
  bool probe = false;       // FindFirstFileA for an existing manifest first
  bool readHeader = false;  // the program's DOS header and PE machine field, each read
                            // by its own open, seek, read and close
  bool reopen = false;      // create, close, reopen for reading and writing, seek to the end
  bool pieces = false;      // the document in 128-byte writes (five for 608 bytes)
};

// Writes `document` to `manifest`, the manifest of `program`, with the given
// steps. Throws std::runtime_error when the file cannot be made.
void WriteManifest(const std::string& program, const std::string& manifest,
                   const std::string& document, WriteSteps steps);

// The same for each manifest path; programs[i] is the program beside
// manifests[i].
void WriteManifests(const std::vector<std::string>& programs,
                    const std::vector<std::string>& manifests, const std::string& document,
                    WriteSteps steps);

// The document written into an existing file both ways, from its start:
// one WriteFile, and 128-byte pieces. Milliseconds for each, the file's
// opening, first write and closing left out.
struct WriteTimes {
  double whole;
  double pieces;
};
WriteTimes TimeWrites(const std::string& manifest, const std::string& document);

}  // namespace pavonet::bench
