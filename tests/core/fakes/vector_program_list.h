// An in-memory program list.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "manifest/errors.h"
#include "manifest/program_list.h"

namespace pavonet::testing {

class VectorProgramList final : public ProgramList {
 public:
  std::vector<std::string> entries;
  int selected = -1;
  // Refuses appends once the list holds this many entries.
  std::optional<std::size_t> capacity;

  int Count() const override { return static_cast<int>(entries.size()); }
  std::string Items(int index) const override {
    return entries.at(static_cast<std::size_t>(index));
  }
  int SelectedIndex() const override { return selected; }
  void Append(std::string_view entry) override {
    if (capacity && entries.size() >= *capacity) throw EOutOfResources();
    entries.emplace_back(entry);
  }
};

}  // namespace pavonet::testing
