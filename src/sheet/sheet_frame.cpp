#include "sheet/sheet_frame.h"

#include <array>
#include <vector>

#include "record/money.h"
#include "record/values.h"
#include "sheet/sheet_gear.h"
#include "sheet/sheet_sections.h"

namespace ivgen {

namespace {

constexpr int kArmourType = 8;
constexpr size_t kNameWidth = 30;
constexpr size_t kLifestylesMax = 101;

// The class ".l" centres while "td.l" aligns left; sheets printed so far look that way.
constexpr std::array<std::string_view, 47> kStylesheet = {
    "<style>/* Ironveil 3 Character Sheet Stylesheet */",
    "body {",
    "    background: white;",
    "    color: black;",
    "    font-family: sans-serif;",
    "    font-size: 8pt;",
    "}",
    ".monitor {text-align: center}",
    "td {    font-size: 8pt;",
    "    text-align: center;",
    "}",
    ".c {text-align: center}",
    ".l {text-align: center}",
    ".r {text-align: right}",
    ".c td, td.c { text-align: center }",
    ".l td, td.l { text-align: left }",
    ".r td, td.r { text-align: right }",
    ".monitor td {",
    "    font-size: 7pt;",
    "    text-align: center;",
    "}",
    "th {",
    "    font-size: 8pt;",
    "    font-weight: normal;",
    "    text-align: left;",
    "}",
    ".armour th.total {",
    "    font-size: 8pt;",
    "    font-weight: bold;",
    "    text-align: left;",
    "}",
    ".monitor th {",
    "    /*font-size: 7pt;*/",
    "    text-align: center;",
    "}",
    ".monitor th.h2 {font-size: 8pt}",
    "th.col {",
    "    text-align: center;",
    "    font-weight: bold;",
    "}",
    "th.heading {",
    "    font-size: 10pt;",
    "    font-weight: bold;",
    "    text-align: center;",
    "    text-transform: uppercase;",
    "}",
    "th.h2 {font-weight: bold}",
};

void WriteHead(SheetText& out, std::string_view sheetName) {
  out.Lines({"<html>", "<head>"});
  out.Line("<title>" + EscapeHtml(sheetName) + " Ironveil 3 Character Sheet</title>");
  for (std::string_view line : kStylesheet) out.Line(line);
  out.Lines({"</style>", "</head>", "<body>"});
}

// A heading cell spanning two columns beside a value spanning two.
void WritePairRow(SheetText& out, std::string_view head, std::string_view value) {
  out.Line(head);
  out.Line("<td colspan=2>" + Cell(value) + "</td></tr>");
}

}  // namespace

void WriteIdentityBlock(SheetText& out, const CharacterRecord& record, const PrintOptions& options) {
  out.Lines({"<div class=l> <!--- Name & info -->", kTableOpen});
  if (options.printPicture) {
    out.Line("<tr><img src=\"" + EscapeHtml(record.GraphicsFilename) + "\" border=\"" + PrintNumber(4) + "\" width=\"" +
             PrintNumber(180) + "\" height=\"" + PrintNumber(220) + "\"></tr>");
  }
  out.Line("<tr><th class=heading colspan=4>BIO-INFO</th></tr>");
  WritePairRow(out, "<tr><th class=h2 colspan=2>Street Name</th>", record.StreetName);
  WritePairRow(out, "<tr><th class=h2 colspan=2>Real Name</th>", record.RealName);
  WritePairRow(out, "<tr><th class=h2 colspan=2>Archetype</th>", record.Archetype);
  out.Line("<tr><th  colspan=4>Vitals</th></tr>");
  out.Line("<tr><th width=" + Quoted(25) + ">Race</th>");
  out.Line("<td width=" + Quoted(25) + ">" + Cell(record.Race) + "</td>");
  out.Line("<th width=" + Quoted(25) + ">Height</th>");
  out.Line("<td width=" + Quoted(25) + " class=r>" + Cell(record.Height) + " cm</td></tr>");
  out.Line("<tr><th>Sex</th><td>" + Cell(record.Gender) + "</td>");
  out.Line("<th>Weight</th><td class=r>" + Cell(record.Weight) + " kg</td></tr>");
  out.Line("<tr><th>Eyes</th><td>" + Cell(record.Eyes) + "</td>");
  out.Line("<th>Hair</th><td>" + Cell(record.Hair) + "</td></tr>");
  WritePairRow(out, "<tr><th colspan=2>Birthdate</th>", record.Birthdate);
  WritePairRow(out, "<tr><th colspan=2>Birthplace</th>", record.Birthplace);
  WritePairRow(out, "<tr><th class=h2 colspan=2>Total Karma</th>", record.KarmaTotal);
  WritePairRow(out, "<tr><th class=h2 colspan=2>Remaining Karma</th>", record.KarmaRemain);
  out.Line("<tr><th class=h2 colspan=4>Description</th></tr>");
  out.Line("<tr><th colspan=4>" + Cell(record.Description) + "</th></tr>");
  if (!record.RaceDesc.empty()) {
    out.Line("<tr><th class=h2 colspan=4>Racial Description</th></tr>");
    for (const std::string& line : record.RaceDesc) out.Line("<tr><th colspan=4>" + Cell(line) + "</th></tr>");
  }
  out.Lines({"</table>", "</div>"});
}

void WriteAssetsBlock(SheetText& out, const CharacterRecord& record) {
  out.Lines(
      {"<div class=r> <!--- Credit & lifestyle --->", kTableOpen, "<tr><th class=heading colspan=4>Assets</th></tr>"});
  out.Line("<tr><th colspan=2 width=" + Quoted(50) + ">Credstick</th>");
  out.Line("<td colspan=2 width=" + Quoted(50) + ">&nbsp;&yen;</td></tr>");
  out.Lines({"<tr><th colspan=2>Credstick</th>", "<td colspan=2>&nbsp;&yen;</td></tr>"});
  out.Line("<tr><th colspan=2>Credstick</th>");
  out.Line("<td colspan=2>" + MoneyLeftText(record) + "&yen;</td></tr>");
  for (int i = 0; i < 2; ++i) out.Lines({"<tr><th colspan=2>&nbsp;</th>", "<td colspan=2>&nbsp;</td></tr>"});
  out.Blank();

  if (!record.Gear.empty()) {
    std::vector<std::string> lifestyles;
    for (const std::string& entry : record.Gear) {
      if (lifestyles.size() < kLifestylesMax && entry.find("Lifestyle") != std::string::npos) {
        lifestyles.push_back(CutCell(entry, kNameWidth));
      }
    }
    const auto at = [&](size_t i) { return i < lifestyles.size() ? lifestyles[i] : std::string(kNbsp); };
    out.Line("<tr><th class=h2 colspan=4>Lifestyle</th></tr>");
    // Two rows always; then a row for every further pair that has begun.
    for (size_t first = 0; first < 4 || lifestyles.size() >= first; first += 2) {
      out.Line("<tr><th colspan=2>" + at(first) + "</th>");
      out.Line("<td colspan=2>" + at(first + 1) + "</td></tr>");
    }
  }
  out.Lines({"</table>", "</div>"});
  out.Blank();
}

void WritePoolsBlock(SheetText& out, const CharacterRecord& record) {
  const DicePools& pools = record.Pools;
  out.Lines({"<!-- Pools -->", "<div class=c>", kTableOpen, "<tr><th class=heading colspan=4>Pools</th></tr>"});
  out.Line("<tr><th class=h2 width=" + Quoted(25) + ">Karma</th>");
  out.Line("<td width=" + Quoted(25) + ">" + Cell(pools.Karma) + "</td>");
  out.Line("<th class=h2 width=" + Quoted(25) + ">Spell</th>");
  out.Line("<td width=" + Quoted(25) + ">" + Cell(pools.Magic) + "</td></tr>");
  // These two rows stay open; the next "<tr>" closes them.
  out.Line("<tr><th class=h2>Combat</th>");
  out.Line("<td>" + Cell(pools.Combat) + "</td>");
  out.Line("<th class=h2>" + Cell(pools.lblPool1) + "</th>");
  out.Line("<td>" + Cell(pools.txtPool1) + "</td>");
  out.Line("<tr><th class=h2>Control</th>");
  out.Line("<td>" + Cell(pools.Control) + "</td>");
  out.Line("<th class=h2>" + Cell(pools.lblPool2) + "</th>");
  out.Line("<td>" + Cell(pools.txtPool2) + "</td>");
  out.Line("<tr><th class=h2>Hacking</th>");
  out.Line("<td>" + Cell(pools.Hacking) + "</td>");
  out.Line("<th class=h2>Astral</th>");
  out.Line("<td>" + Cell(pools.Astral) + "</td></tr>");
  out.Lines({"</table>", "</div>"});
}

void WriteArmourBlock(SheetText& out, const CharacterRecord& record, const GearCatalog& gear) {
  const int concealability = FieldIndex(gear, kArmourType, "Concealability");
  const int ballistic = FieldIndex(gear, kArmourType, "Ballistic");
  const int impact = FieldIndex(gear, kArmourType, "Impact");
  out.Lines({"<div class=armour>", "<!-- Armour -->", kTableOpen, "<tr><th class=heading colspan=4>Armor</th></tr>"});
  out.Line("<tr><th class=col width=" + Quoted(55) + ">Type</th>");
  out.Line("<th class=col width=" + Quoted(15) + ">Conc</th>");
  out.Line("<th class=col width=" + Quoted(15) + ">Ball</th>");
  out.Line("<th class=col width=" + Quoted(15) + ">Imp</th></tr>");
  for (const std::string& entry : record.Gear) {
    if (!IsGearType(entry, kArmourType)) continue;
    out.Line("<tr><td class=l>" + CutCell(entry, kNameWidth) + "</td>");
    out.Line("<td>" + Cell(GearField(entry, concealability)) + "</td>");
    out.Line("<td>" + Cell(GearField(entry, ballistic)) + "</td>");
    out.Line("<td>" + Cell(GearField(entry, impact)) + "</td></tr>");
  }
  // Bone lacing shows only through its impact bonus.
  if (record.ImpactBonus != 0) {
    out.Lines({"<tr><td class=l>Cyber:Bone Lace</td>", "<td>-</td>"});
    out.Line("<td>" + IntText(record.BallisticBonus) + "</td>");
    out.Line("<td>" + IntText(record.ImpactBonus) + "</td></tr>");
  }
  out.Lines({"<tr><td class=l>&nbsp;</td>", "<td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td></tr>",
             "<tr><th class=total>&nbsp;</th>", "<td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td></tr>", "</table>",
             "</div>"});
}

std::string WriteSheet(const CharacterRecord& record, const Catalogs& catalogs, const PrintOptions& options,
                       std::string_view sheetName) {
  SheetText out;
  WriteHead(out, sheetName);
  out.Lines({kLayoutTableOpen, "<tr valign=top>"});
  out.Line("<td width=" + Quoted(25) + "> <!-- Left column -->");
  WriteIdentityBlock(out, record, options);
  out.Blank();
  WriteAssetsBlock(out, record);
  out.Blank();
  WriteEdgesSection(out, record);
  WriteConditionMonitor(out);
  out.Lines({"</div>", "</td>"});
  out.Blank();
  WriteAttributesSection(out, record);
  out.Line("</td><td width=" + Quoted(35) + ">");
  WritePoolsBlock(out, record);
  WriteArmourBlock(out, record, catalogs.gear);
  out.Line("</td><td width=" + Quoted(35) + ">");
  WriteShapeshiftSection(out, record);
  out.Blank();
  out.Line("</td></tr>");
  WriteSkillsSection(out, record);
  WriteWeaponsSection(out, record, catalogs);
  const auto& sections = options.sections;
  if (sections[kPrintPhysAdept]) WritePowersSection(out, record);
  if (sections[kPrintCyberware]) WriteCyberwareSection(out, record);
  if (sections[kPrintBioware]) WriteBiowareSection(out, record);
  if (sections[kPrintSpells]) WriteSpellsSection(out, record);
  out.Blank();
  WriteContactsSection(out, record);
  WriteGearSection(out, record, catalogs.gear);
  out.Lines({"</div>", "</table> <!-- RL and RR columns -->", "</td>", "</tr></table> <!-- Left and Right columns -->",
             "</body>", "</html>"});
  return out.Take();
}

}  // namespace ivgen
