// The document: everything a save writes and everything the pages and dialogs keep between
// actions (selections, typed fields, totals as the page last showed them). It is one value, so a
// copy of it is the whole character as the player sees it: what undo keeps and tests compare.
#pragma once

#include <string>

#include "purchase/bioware.h"
#include "purchase/contacts.h"
#include "purchase/cyberware.h"
#include "purchase/gear.h"
#include "purchase/powers.h"
#include "purchase/skills.h"
#include "purchase/spells.h"
#include "record/character_record.h"
#include "rules/creation_state.h"
#include "rules/edges.h"
#include "rules/point_generation.h"
#include "rules/race.h"
#include "sheet/print_options.h"

namespace ivgen {

/// What the Print Options dialog and Print to HTML keep.
struct SheetState {
  PrintOptions options;
  /// The preview's, which its PDF and printing share; "Options..." on the preview changes them.
  PrintOptions previewOptions = EverySection();
  bool open = false;
  /// Opened from the sheet preview to change the options only: "Print" prints nothing.
  bool optionsOnly = false;
  /// The name the sheet proposes and puts in its title: the street name at the last page change.
  std::string sheetName;
  /// The path of the sheet the last print wrote; "" when it wrote none.
  std::string written;
  bool operator==(const SheetState&) const = default;
};

struct Document {
  CharacterRecord record;
  /// The priority, race and attribute pages and which page shows.
  CreationState creation;
  SkillsView skills;
  CyberwareView cyberware;
  BiowareView bioware;
  SpellsView spells;
  PowersView powers;
  GearView gear;
  ContactsView contacts;
  PointGenerationView generation;
  EdgesView edges;
  /// The build points both point dialogs count against.
  BuildAccount account;
  SheetState sheet;
  bool operator==(const Document&) const = default;
};

}  // namespace ivgen
