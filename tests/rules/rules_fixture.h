// A character, its page state and a scripted platform, wired as the Editor wires them, with a
// seam that records what the rules asked of the units of other pages.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/scripted_platform.h"
#include "record/character_record.h"
#include "rules/creation_state.h"

namespace ivgen {

class RecordingHooks : public CreationHooks {
 public:
  std::vector<std::string> calls;
  void ShowStandardView() override { calls.push_back("ShowStandardView"); }
};

/// A started program with a new character, as the player first sees it.
class RulesTest : public ::testing::Test {
 protected:
  RulesTest() {
    StartCreation(ctx);
    ResetRecordFields(record, "");
    ResetCreation(ctx);
    hooks.calls.clear();
  }

  /// Replaces the metatype catalog lines the rules read.
  void SetMetaLines(const std::vector<std::string>& lines) {
    catalogs.metaLines = {};
    for (size_t i = 0; i < lines.size() && i < catalogs.metaLines.size(); ++i) catalogs.metaLines[i] = lines[i];
  }

  /// The six bases, racials, modifiers or totals as one text, for example "1 1 1 1 1 1".
  std::string Column(std::string AttributeRow::*cell) const {
    std::string out;
    for (const AttributeRow& row : record.Attr) out += (out.empty() ? "" : " ") + row.*cell;
    return out;
  }

  CharacterRecord record;
  CreationState state;
  ScriptedPlatform platform;
  RecordingHooks hooks;
  Catalogs catalogs;
  RulesContext ctx{record, state, platform, hooks, catalogs};
};

}  // namespace ivgen
