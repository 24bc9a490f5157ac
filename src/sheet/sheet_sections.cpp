#include "sheet/sheet_sections.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "entry/list_entries.h"
#include "record/values.h"
#include "rules/race.h"

namespace ivgen {

namespace {

constexpr size_t kActiveSkillsMax = 50;
constexpr size_t kKnowledgeSkillsMax = 51;
constexpr int kNotesLines = 12;

// A row opening and its three value cells, the last closing the row.
void WriteValueRow(SheetText& out, std::string_view opening, std::string_view natural, std::string_view augmented,
                   std::string_view altered) {
  out.Line(opening);
  out.Line("<td>" + std::string(natural) + "</td>");
  out.Line("<td>" + std::string(augmented) + "</td>");
  out.Line("<td>" + std::string(altered) + "</td></tr>");
}

void WriteDerivedRow(SheetText& out, std::string_view opening, const DerivedRow& row) {
  WriteValueRow(out, opening, Cell(row.Base), "(" + EscapeHtml(row.Modifier) + ")", Cell(row.Total));
}

// Cells of an attribute read as numbers and summed, in the form the attribute page shows.
std::string SumOfCells(std::initializer_list<std::string_view> cells) {
  double sum = 0;
  for (std::string_view cell : cells) sum += Val(cell);
  return GeneralNumber(sum);
}

void WriteAttributeHeads(SheetText& out, std::string_view heading) {
  out.Lines({kTableOpen, heading, "<tr><td width=\"40%\"></td>"});
  WriteHeads(out, {{"Nat", 20}, {"Aug", 20}, {"Alt", 20}}, false, RowEnd::OwnLine);
}

constexpr std::array<std::string_view, kAttributeCount> kAttributeRowOpenings = {
    "<tr><th>Body</th> ",    "<tr><th>Quickness</th>",    "<tr><th>Strength</th>",
    "<tr><th>Charisma</th>", "<tr><th>Intelligence</th>", "<tr><th>Willpower</th>"};

// The name of an edge or flaw: catalog entries have it as a column; racial and ghoul flaws are
// one field and end it at their "[".
std::string EdgeName(std::string_view entry) {
  const EdgeEntry edge = ParseEntry<EdgeEntry>(entry);
  if (edge.shape.Tabbed()) return edge.name;
  return TrimRight(entry.substr(0, entry.find('[')));
}

std::string EdgeValue(std::string_view entry) {
  const size_t open = entry.find('[');
  if (open == std::string_view::npos) return "";
  const std::string_view rest = entry.substr(open + 1);
  return std::string(rest.substr(0, rest.find(']')));
}

// Cyberware and bioware print alike; only the cost's column, its label and the comments differ.
// The fields print as stored, so a cyberware grade code shows on whichever is last.
template <typename Entry>
void WriteImplantSection(SheetText& out, const std::vector<std::string>& entries, std::string Entry::*cost,
                         std::string_view title, std::string_view costLabel, std::string_view comment) {
  out.Line("<!-- " + std::string(comment) + "  -->");
  out.Lines({"<tr><td colspan=3>", kTableOpen});
  out.Line("<tr><th class=heading colspan=5>" + std::string(title) + "</th></tr>");
  WriteHeads(out, {{"Name", 40}, {"Slot(1-6)", 5}, {"Stress", 10}, {"Notes", 45}}, false, RowEnd::OwnLine);
  for (const std::string& entry : entries) {
    const std::vector<std::string> fields = StoredFields<Entry>(entry);
    out.Line("<tr><td class=l>" + Cell(FieldOf(fields, &Entry::name) + std::string(costLabel) + FieldOf(fields, cost)) +
             "</td>");
    out.Lines({"<td class=l>&nbsp;</td>", "<td class=l>&nbsp;</td>"});
    out.Line("<td class=l>" + Cell(FieldOf(fields, &Entry::book) + "|" + FieldOf(fields, &Entry::note)) + "</td></tr>");
  }
  out.Lines({"<tr><td class=l>&nbsp;</td>", "<td class=l>&nbsp;</td>", "<td class=l>&nbsp;</td>",
             "<td class=l>&nbsp;</td></tr>", "</table>"});
  out.Line("</td></tr> <!-- " + std::string(comment) + " -->");
  out.Blank();
}

}  // namespace

void WriteEdgesSection(SheetText& out, const CharacterRecord& record) {
  out.Lines({"<!-- Edges and Flaws -->", kTableOpen, "<tr><th class=heading colspan=2>Edges &amp; Flaws</th></tr>",
             "<tr><td class=l width=\"85%\">&nbsp;</td>", "<td width=\"15%\">&nbsp;</td></tr>"});
  for (const std::string& entry : record.Edges) {
    out.Line("<tr><td class=l>" + Cell(EdgeName(entry)) + "</td>");
    out.Line("<td>" + Cell(EdgeValue(entry)) + "</td></tr>");
  }
  out.Line("</table>");
}

void WriteConditionMonitor(SheetText& out) {
  constexpr std::string_view kBlankHeads[] = {"<tr><th class=h2>&nbsp;</th>", "<th class=h2>&nbsp;</th>"};
  constexpr std::string_view kEmpty = "<td>&nbsp;</td>";
  constexpr std::string_view kEmptyEnd = "<td>&nbsp;</td></tr>";
  out.Lines({"<div class=monitor>", "<!-- Condition Monitor -->", kTableOpen,
             "<tr><th class=heading colspan=8>Condition Monitor</th></tr>", "<tr><th class=col colspan=2>Stun</th>",
             "<th class=col colspan=2>Physical</th>", "<th class=col colspan=3>Overdamage</th></tr>"});
  out.Lines({"<tr><td width=\"25%\" rowspan=2>+1 to TNs</td>", "<th width=\"5%\" class=h2>L</th>",
             "<th width=\"5%\" class=h2>L</th>", "<td width=\"25%\" rowspan=2>+1 to TNs</td>",
             "<td width=\"5%\">&nbsp;</td>", "<td width=\"5%\">&nbsp;</td>", "<td width=\"5%\">&nbsp;</td></tr>"});
  out.Lines({kBlankHeads[0], kBlankHeads[1], kEmpty, kEmpty, kEmptyEnd});
  out.Lines({"<tr><td rowspan=3>+2 to TNs</td>", "<th class=h2>M</th>", "<th class=h2>M</th>",
             "<td rowspan=3>+2 to TNs</td>", kEmpty, kEmpty, kEmptyEnd});
  out.Lines({kBlankHeads[0], kBlankHeads[1], kEmpty, kEmpty, kEmptyEnd});
  out.Lines({kBlankHeads[0], kBlankHeads[1], kEmpty, kEmpty, kEmpty, "</tr>"});
  out.Lines({"<tr><td rowspan=4>+3 to TNs</td>", "<th class=h2>S</th>", "<th class=h2>S</th>",
             "<td rowspan=4>+3 to TNs</td>", "</tr>"});
  out.Lines({kBlankHeads[0], kBlankHeads[1], "<td colspan=4 rowspan=4></td>"});
  for (int i = 0; i < 2; ++i) out.Lines({"</tr>", kBlankHeads[0], kBlankHeads[1]});
  out.Line("</tr>");
  out.Lines({"<tr><td>Unconscious</td>", "<th class=h2>D</th>", "<th class=h2>D</th>", "<td>Dying</td>", "</tr>",
             "<tr><th colspan=7>Stun overflows into Physical</th></tr>", "</table>"});
}

void WriteAttributesSection(SheetText& out, const CharacterRecord& record) {
  out.Lines({"<td width=\"75%\"> <!-- Right column -->", kLayoutTableOpen, "<tr valign=top><td width=\"30%\">",
             "<!-- Attributes -->"});
  WriteAttributeHeads(out, "<tr><th class=heading colspan=4>Attributes</th></tr>");
  for (int i = 0; i < kAttributeCount; ++i) {
    const AttributeRow& row = record.Attr[i];
    WriteValueRow(out, kAttributeRowOpenings[i], SumOfCells({row.Base, row.Racial, row.BioModifier}),
                  Cell(row.Modifier), Cell(row.Total));
  }
  WriteValueRow(out, "<tr><th>Essence</th>", "6", kNbsp, Cell(record.EssenceText));
  WriteValueRow(out, "<tr><th>Run Mult.</th>", Cell(record.RunMult), kNbsp, kNbsp);
  WriteValueRow(out, "<tr><th>Magic</th>", Cell(record.Magic.Base), Cell(record.Magic.Modifier),
                Cell(record.Magic.Total));
  WriteDerivedRow(out, "<tr><th>Reaction</th>", record.Reaction);
  WriteDerivedRow(out, "<tr><th>Init. Dice</th>", record.Initative);
  out.Line("</table>");
}

void WriteShapeshiftSection(SheetText& out, const CharacterRecord& record) {
  if (!record.Shapeshift) {
    out.Lines({"<!-- Notepad -->", kTableOpen, "<tr><th class=heading colspan=4>Notes</th></tr>"});
    for (int i = 0; i < kNotesLines; ++i) out.Line("<tr><td>&nbsp</td></tr>");
    out.Line("</table>");
    return;
  }
  const ShapeshiftGroup& animal = record.Animal;
  out.Line("<!-- Attributes2 -->");
  WriteAttributeHeads(out, "<tr><th class=heading colspan=4>SS Attr</th></tr>");
  for (int i = 0; i < kAttributeCount; ++i) {
    // The animal form has its own Body, Quickness and Strength; the mind stays the character's.
    if (i < static_cast<int>(animal.Attr.size())) {
      const DerivedRow& row = animal.Attr[i];
      WriteValueRow(out, kAttributeRowOpenings[i], Cell(row.Base), Cell(row.Modifier), Cell(row.Total));
    } else {
      const AttributeRow& row = record.Attr[i];
      WriteValueRow(out, kAttributeRowOpenings[i], SumOfCells({row.Base, row.Racial}), Cell(row.Modifier),
                    Cell(row.Total));
    }
  }
  WriteValueRow(out, "<tr><th>Essence</th>", "6", kNbsp, Cell(record.EssenceText));
  WriteValueRow(out, "<tr><th>Run Mult.</th>", Cell(animal.RunMult), kNbsp, kNbsp);
  WriteValueRow(out, "<tr><th>Combat Pool</th>", AnimalCombatPool(record), "&nbsp", "&nbsp");
  WriteDerivedRow(out, "<tr><th>Reaction</th>", animal.Reaction);
  WriteDerivedRow(out, "<tr><th>Init. Dice</th>", animal.Initative);
  out.Line("</table>");
}

void WriteSkillsSection(SheetText& out, const CharacterRecord& record) {
  std::vector<std::string> active;
  std::vector<std::string> knowledge;
  for (const std::string& entry : record.Skills) {
    const bool isKnowledge = entry.find("(KNO)") != std::string::npos || entry.find("(LAN)") != std::string::npos;
    std::vector<std::string>& column = isKnowledge ? knowledge : active;
    if (column.size() < (isKnowledge ? kKnowledgeSkillsMax : kActiveSkillsMax)) column.push_back(Cell(entry));
  }
  out.Lines({"<td colspan=4>", "<!-- Skills -->", kTableOpen, "<tr><th class=heading colspan=9>Skills</th></tr>"});
  WriteHeads(out, {{"Active", 50}, {"Knowledge & Language", 50}}, true, RowEnd::InLastHead);
  const auto at = [](const std::vector<std::string>& column, size_t k) {
    return k < column.size() ? column[k] : std::string(kNbsp);
  };
  for (size_t k = 0; k < std::max(active.size(), knowledge.size()); ++k) {
    out.Line("<tr><td class=l>" + at(active, k) + "</td>");
    out.Line("<th class=1>" + at(knowledge, k) + "</th></tr>");
  }
  for (int i = 0; i < 2; ++i) out.Lines({"<tr><td class=l>&nbsp;</td>", "<td>&nbsp;</td></tr>"});
  out.Line("</table>");
}

void WritePowersSection(SheetText& out, const CharacterRecord& record) {
  out.Lines({"<!-- Physical Adept Powers -->", "<tr><td colspan=3>", kTableOpen,
             "<tr><th class=heading colspan=5>Physical Adept Powers</th></tr>"});
  WriteHeads(out, {{"Name", 45}, {"Cost", 8}, {"Notes", 50}}, false, RowEnd::OwnLine);
  for (const PowerEntry& power : ParseEntries<PowerEntry>(record.Powers)) {
    out.Line("<tr><td class=l>" + Cell(power.name) + "</td>");
    out.Line("<td class=c>" + Cell(power.cost) + "</td>");
    out.Line("<td class=l>" + Cell(power.book + ":" + power.note) + "</td></tr>");
  }
  for (int i = 0; i < 2; ++i) {
    out.Lines({"<tr><td>&nbsp;</td>", "<td class=c>&nbsp;</td>", "<td class=c>&nbsp;</td></tr>"});
  }
  out.Lines({"</table>", "</td></tr>"});
  out.Blank();
}

void WriteCyberwareSection(SheetText& out, const CharacterRecord& record) {
  WriteImplantSection(out, record.Cyberware, &CyberwareEntry::essence, "Cyberware", " E:", "Cyber");
}

void WriteBiowareSection(SheetText& out, const CharacterRecord& record) {
  WriteImplantSection(out, record.Bioware, &BiowareEntry::bioIndex, "Bioware", " BI:", "Bio");
}

void WriteSpellsSection(SheetText& out, const CharacterRecord& record) {
  out.Lines({"<tr><td colspan=3>", "<!-- Spells -->", kTableOpen, "<tr><th class=heading colspan=8>Spells</th></tr>"});
  WriteHeads(
      out,
      {{"Name", 25}, {"Lev", 3}, {"Typ", 3}, {"Target", 8}, {"Dur", 3}, {"Range", 7}, {"Drain", 12}, {"Notes", 25}},
      false, RowEnd::InLastHead);
  for (const std::string& entry : record.Spells) {
    const SpellEntry spell = ParseEntry<SpellEntry>(entry);
    out.Line("<tr><td class=l>" + Cell(spell.name) + "</td>");
    for (const std::string* cell :
         {&spell.points, &spell.type, &spell.target, &spell.duration, &spell.range, &spell.drain})
      out.Line("<td>" + Cell(*cell) + "</td>");
    // The notes take any fields after the book as well.
    out.Line("<td class=l>" + Cell(FieldsFrom(StoredFields<SpellEntry>(entry), &SpellEntry::book)) + "</td></tr>");
  }
  out.Line("<tr><td class=l>&nbsp;</td>");
  for (int i = 0; i < 6; ++i) out.Line("<td>&nbsp;</td>");
  out.Lines({"<td class=l>&nbsp;</td></tr>", "</table>", "</td></tr> <!-- Spells -->"});
}

void WriteContactsSection(SheetText& out, const CharacterRecord& record) {
  out.Lines({"<tr><td colspan=3>", kTableOpen, "<tr><th class=heading colspan=6>Contacts</th></tr>"});
  WriteHeads(out,
             {{"Name", 25}, {"Occup.", 12}, {"Archetype", 10}, {"Race/Desc", 25}, {"Location/LTG#", 15}, {"Lev", 5}},
             false, RowEnd::InLastHead);
  for (const ContactEntry& contact : ParseEntries<ContactEntry>(record.Contacts)) {
    out.Line("<tr><td class=l>" + Cell(contact.name) + "</td>");
    for (const std::string* cell : {&contact.occupation, &contact.archetype, &contact.description, &contact.location})
      out.Line("<td>" + Cell(*cell) + "</td>");
    out.Line("<td class=c>" + Cell(contact.level) + "</td></tr>");
  }
  out.Lines({"<tr><td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td>", "<td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td></tr>",
             "</table>", "</td></tr>", "</table><!-- Contacts -->"});
}

}  // namespace ivgen
