#include "sheet/sheet_gear.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "entry/list_entries.h"
#include "record/values.h"

namespace ivgen {

namespace {

constexpr std::string_view kFourEmptyCells = "<td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td>";
constexpr size_t kGearColumnMax = 100;

// The carried-gear divider's index, or -1 when the player removed it: then nothing is marked not
// carried, and the first entry is gear like any other rather than a divider to skip.
int DividerIndex(const std::vector<std::string>& gear) {
  const int index = DivLineWhere(gear);
  const bool present = static_cast<size_t>(index) < gear.size() && gear[index].find("===") != std::string::npos;
  return present ? index : -1;
}

// How one gear type fills the weapon columns: the field behind each column ("" for none) and
// whether its name gets a "+" and its row the ranges.
struct WeaponLayout {
  int type;
  std::string_view damage, concealability, reach, mode, ammo;
  bool ranged;
  bool accessory;
};

constexpr WeaponLayout kMelee{1, "Damage", "Concealability", "Reach", "", "", false, false};
constexpr WeaponLayout kThrown{2, "Damage", "Concealability", "Reach", "", "", false, false};
constexpr WeaponLayout kFirearm{3, "Damage", "Concealability", "Reach", "Mode", "Ammunition", true, false};
constexpr WeaponLayout kMount{6, "Mount", "Concealability", "Rating", "", "", true, true};
constexpr WeaponLayout kAccessory{5, "Damage", "Concealability", "", "", "", true, true};
constexpr WeaponLayout kHeavy{4, "Damage", "Concealability", "Reach", "Mode", "Ammo", false, false};

std::string Field(const GearCatalog& gear, std::string_view entry, int type, std::string_view name) {
  if (name.empty()) return "";
  return GearField(entry, FieldIndex(gear, type, name));
}

// The last range row whose name, trimmed, occurs in the entry decides; a blank name matches all.
std::array<std::string, 4> Ranges(const std::vector<RangeRow>& table, std::string_view entry) {
  std::array<std::string, 4> cells;
  for (const RangeRow& row : table) {
    if (entry.find(Trim(row.Name)) == std::string_view::npos) continue;
    cells = {IntText(row.Short), IntText(row.Medium), IntText(row.Long), IntText(row.Extreme)};
  }
  return cells;
}

void WriteWeaponRow(SheetText& out, const Catalogs& catalogs, std::string_view entry, const WeaponLayout& layout,
                    bool notCarried) {
  const GearCatalog& gear = catalogs.gear;
  const auto field = [&](std::string_view name) { return Cell(Field(gear, entry, layout.type, name)); };
  // The name cell keeps the TAB that closes the name column.
  std::string name = ParseEntry<GearEntry>(entry).name + kTab;
  if (layout.accessory) name += "+";
  out.Line("<tr><td class=l>" + Cell(name) + "</td>");
  out.Line("<td>" + field(layout.damage) + "</td>");
  out.Line("<td>" + field(layout.concealability) + "</td>");
  out.Line("<td>" + field(layout.reach) + "</td>");
  if (layout.ranged) {
    for (const std::string& range : Ranges(catalogs.RangeTable, entry)) out.Line("<td>" + Cell(range) + "</td>");
  } else {
    out.Line(kFourEmptyCells);
  }
  out.Line("<td>" + field(layout.mode) + "</td>");
  out.Line("<td>" + field(layout.ammo) + "</td>");
  out.Line("<td>" + Cell(Field(gear, entry, layout.type, "Weight") + (notCarried ? "X" : "")) + "</td></tr>");
}

}  // namespace

void WriteWeaponsSection(SheetText& out, const CharacterRecord& record, const Catalogs& catalogs) {
  out.Lines(
      {"<tr><td colspan=3>", "<!-- Weapons -->", kTableOpen, "<tr><th class=heading colspan=10>Weapons</th></tr>"});
  WriteHeads(out,
             {{"Type", 25},
              {"Dmg", 7},
              {"Con", 3},
              {"Rch", 3},
              {"Sht (4)", 5},
              {"Med (5)", 6},
              {"Lng (6)", 6},
              {"XtM (7)", 6},
              {"Mode", 5},
              {"Ammo", 4},
              {"Wt.", 5}},
             true, RowEnd::OwnLine);

  const int divider = DividerIndex(record.Gear);
  // Heavy weapons come last and never show the not-carried mark.
  const std::array<std::vector<const WeaponLayout*>, 4> passes = {
      {{&kMelee}, {&kThrown}, {&kFirearm, &kMount, &kAccessory}, {&kHeavy}}};
  for (size_t pass = 0; pass < passes.size(); ++pass) {
    for (size_t i = 0; i < record.Gear.size(); ++i) {
      const std::string& entry = record.Gear[i];
      for (const WeaponLayout* layout : passes[pass]) {
        if (!IsGearType(entry, layout->type)) continue;
        const bool notCarried = pass < 3 && static_cast<int>(i) <= divider;
        WriteWeaponRow(out, catalogs, entry, *layout, notCarried);
        break;
      }
    }
  }
  out.Lines(
      {"<tr><td class=l>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td>", "<td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td>",
       "<td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td></tr>", "</table>", "</td></tr>"});
}

void WriteGearSection(SheetText& out, const CharacterRecord& record, const GearCatalog& gear) {
  struct Item {
    std::string text;
    std::string weight;
  };
  std::vector<Item> notCarried;
  std::vector<Item> carried;
  const int divider = DividerIndex(record.Gear);
  for (size_t i = 0; i < record.Gear.size(); ++i) {
    const std::string& entry = record.Gear[i];
    const GearEntry item = ParseEntry<GearEntry>(entry);
    const int type = IntFloor(Val(item.TypeText()));
    // Weapons, armour and lifestyles have places of their own on the sheet.
    if ((type >= 1 && type <= 6) || type == 8 || type == 25 || static_cast<int>(i) == divider) continue;
    std::vector<Item>& column = static_cast<int>(i) < divider ? notCarried : carried;
    if (column.size() >= kGearColumnMax) continue;
    column.push_back(
        {Cell(item.name + "@" + Field(gear, entry, type, "Book-Page")), Cell(Field(gear, entry, type, "Weight"))});
  }
  const auto at = [](const std::vector<Item>& column, size_t k) {
    return k < column.size() ? column[k] : Item{std::string(kNbsp), std::string(kNbsp)};
  };

  out.Lines({"<!-- Gear -->", "<div class=l>", kTableOpen});
  WriteHeads(out, {{"Not Carried Gear", 43}, {"Wt", 7}, {"Carried Gear", 43}, {"Wt", 7}}, false, RowEnd::InLastHead);
  out.Line("<tr><td width=" + Quoted(43) + ">" + at(notCarried, 0).text + "</td>");
  out.Line("<td width=" + Quoted(7) + ">" + at(notCarried, 0).weight + "</td>");
  out.Line("<td width=" + Quoted(43) + ">" + at(carried, 0).text + "</td>");
  out.Line("<td width=" + Quoted(7) + ">" + at(carried, 0).weight + "</td></tr>");
  // A short list still gets three empty rows to write in; a list of three gets only its own.
  size_t rows = std::max(notCarried.size(), carried.size());
  rows = rows < 3 ? 3 : rows - 1;
  for (size_t k = 1; k <= rows; ++k) {
    out.Line("<tr><td>" + at(notCarried, k).text + "</td>");
    out.Line("<td>" + at(notCarried, k).weight + "</td>");
    out.Line("<td>" + at(carried, k).text + "</td>");
    out.Line("<td>" + at(carried, k).weight + "</td></tr>");
  }
  out.Line("<tr><td>&nbsp;</td><td>&nbsp;</td><td>Total Weight</td>");
  out.Line("<td>" + GeneralNumber(record.TotalWeight) + "</td></tr>");
  out.Lines({"</table>", "</tr></td>"});
}

}  // namespace ivgen
