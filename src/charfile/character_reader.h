// Open: a character file read back into the record key by key, as the writer wrote it. The
// editor replays the rules that derive the rest (the race, modifier codes, recounts) between
// the steps, so the reader offers one step per group of the file.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "charfile/list_keys.h"
#include "record/character_record.h"
#include "record/ini_file.h"
#include "record/text_file.h"

namespace ivgen {

class CharacterFile {
 public:
  explicit CharacterFile(IniFile ini) : ini_(std::move(ini)) {}

  /// The file at path; nothing when it cannot be read, and problem then says why.
  static std::optional<CharacterFile> Load(const std::string& path, IoResult& problem);

  /// Whether the file has a [System] or a [Character] section: any other text would open as a
  /// nearly empty character that the next save writes over it.
  bool IsCharacter() const;

  /// [System] and [Character]. A missing GraphicsFilename is defaultGif (the writer leaves the
  /// default out), an empty one stays empty. Grade is read only with Initiation 1 or more, which
  /// reads as 1. Shapeshift and OnceThru are false only for "0", "False" or "Faux".
  void ReadCharacter(CharacterRecord& record, const std::string& defaultGif) const;

  /// [Priorities] or [PointSys], as the method read names. An option whose key is missing is
  /// none (-1). The priority rows are taken only when they are the rows 0 to 4 once each; returns
  /// whether they were. The [PointSys] shapeshift is true only for 1.
  bool ReadGeneration(CharacterRecord& record) const;

  /// [Attributes]: bases and racials cut at "+" and "/" (a cell that cannot be cut keeps its
  /// value), the Reaction and Initiative bases, Essence and Bio-index (a decimal comma reads as a
  /// point), the run multiplier, and NuyenSpent from the balance and Maxresources.
  void ReadAttributes(CharacterRecord& record) const;

  /// [Shapeshift]: the animal form's bases, modifiers and run multiplier; totals are left.
  void ReadShapeshift(CharacterRecord& record) const;

  /// [Dice pools].
  void ReadDicePools(CharacterRecord& record) const;

  /// A list's entries up to the first missing or empty key, "_" read as a blank, "~" as a TAB.
  std::vector<std::string> List(const ListKeys& list) const;

  /// [Magic] Tradition, when the key has a value.
  std::optional<int16_t> Tradition() const;

  /// [Gear] TotalWeight.
  float TotalWeight() const;

  /// [Description]: every line followed by CR LF, "_" read as a blank, a line marked empty empty.
  std::string Description() const;

 private:
  std::string Get(std::string_view section, std::string_view key) const { return ini_.Get(section, key); }

  IniFile ini_;
};

}  // namespace ivgen
