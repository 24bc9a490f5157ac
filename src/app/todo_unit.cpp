#include "app/todo_unit.h"

#include "purchase/bioware.h"
#include "purchase/cyberware.h"
#include "purchase/skills.h"
#include "record/money.h"
#include "record/values.h"
#include "rules/attributes.h"
#include "rules/edges.h"
#include "rules/point_generation.h"
#include "sheet/print_sheet.h"

namespace ivgen {

namespace {

/// Beyond this much money left, printing's cut is worth a note.
constexpr int32_t kMoneyNoteAbove = 5000;

class Collector {
 public:
  Collector(std::vector<TodoLine>& lines, bool override) : lines_(lines), override_(override) {}

  void Left(int page, std::string text) { lines_.push_back({TodoKind::Left, page, std::move(text)}); }
  void Note(int page, std::string text) { lines_.push_back({TodoKind::Note, page, std::move(text)}); }
  void Error(int page, std::string text) {
    lines_.push_back({override_ ? TodoKind::Note : TodoKind::Error, page, std::move(text)});
  }
  // A pool of points: over-spent, else what is still to spend; display is "used/available".
  void Points(int page, const std::string& what, double used, double available, const std::string& display,
              bool spendable = true) {
    if (used > available) {
      Error(page, what + " over-spent (" + display + ")");
    } else if (spendable && used < available) {
      Left(page, "unspent " + what + ": " + GeneralNumber(available - used) + " (" + display + ")");
    }
  }
  void Points(int page, const std::string& what, int used, int available) {
    Points(page, what, used, available, IntText(used) + "/" + IntText(available));
  }

 private:
  std::vector<TodoLine>& lines_;
  bool override_;
};

}  // namespace

std::string TodoKindName(TodoKind kind) {
  switch (kind) {
    case TodoKind::Left:
      return "left";
    case TodoKind::Error:
      return "error";
    case TodoKind::Note:
      return "note";
  }
  return "";
}

std::string TodoLineText(const TodoLine& line) {
  return TodoKindName(line.kind) + " " + std::string(kPageCaptions[line.page]) + ": " + line.text;
}

std::string TodoSentence(const TodoLine& line) {
  std::string text = line.text;
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
  return text + " (" + std::string(kPageCaptions[line.page]) + ")";
}

std::string TodoKindCaption(TodoKind kind) {
  switch (kind) {
    case TodoKind::Left:
      return "To do";
    case TodoKind::Error:
      return "Error";
    case TodoKind::Note:
      return "Note";
  }
  return "";
}

int TodoUnit::OpenCount() const {
  int count = 0;
  for (const TodoLine& line : lines_) count += line.kind != TodoKind::Note;
  return count;
}

std::string TodoUnit::CountText() const {
  const int count = OpenCount();
  if (count == 0) return kNothingLeftToDo;
  return IntText(count) + (count == 1 ? " thing" : " things") + " left to do";
}

SkillPointCount TodoUnit::CountSkills(const CharacterRecord& record, int knowledge, int language) {
  std::vector<std::string> totals{record.Reaction.Total, IntText(knowledge), IntText(language)};
  for (const AttributeRow& row : record.Attr) totals.push_back(row.Total);
  if (!skillCount_.skills.Shares(record.Skills) || skillCount_.totals != totals) {
    skillCount_ = {record.Skills, std::move(totals), CountSkillPoints(record, knowledge, language)};
  }
  return skillCount_.count;
}

// Every line is counted from the character as it is now, by the functions the pages count with,
// so a page shows the same once it is entered and no line waits for a visit.
void TodoUnit::Refresh(RulesContext&) {
  const Document& doc = document_;
  const CharacterRecord& record = doc.record;
  lines_.clear();
  Collector add(lines_, record.OverrideLimits());

  // Until the grants are taken, every count below would compare with nothing granted yet.
  if (!doc.creation.pages.prioritiesDone) {
    add.Left(kPagePriorities, std::string("choose the ") + (record.GeneratorPoints ? "build points" : "priorities") +
                                  ", then go on to Race");
    return;
  }
  if (record.GeneratorPoints) {
    const int used = PointCost(record, doc.generation) + EdgeSum(record);
    if (used > doc.account.maxpoints) {
      add.Error(kPagePriorities,
                "build points over the maximum (" + IntText(used) + "/" + IntText(doc.account.maxpoints) + ")");
    }
  }
  if (!record.OnceThru) add.Left(kPageRace, "the race page is not completed (go on to Attributes)");
  if (const std::string broken = BrokenEdgeLimit(record, doc.edges, doc.account); !broken.empty()) {
    add.Error(kPageRace, "edges and flaws: " + broken);
  }

  add.Points(kPageAttributes, "attribute points", AttributePointsSpent(record), record.Attributes);
  for (int i = 0; i < kAttributeCount; ++i) {
    const int32_t base = CLng(CellValue(record.Attr[i].Base));
    if (base > record.NaturalMax[i]) {
      add.Error(kPageAttributes, std::string(kAttributeKeys[i]) + " over its maximum (" + IntText(base) + ", maximum " +
                                     IntText(record.NaturalMax[i]) + ")");
    }
  }

  const int knowledge = KnowledgeAllowanceOf(record);
  const int language = LanguageAllowanceOf(record);
  const SkillPointCount skills = CountSkills(record, knowledge, language);
  add.Points(kPageSkills, "active skill points", skills.active, record.PtsSkills);
  add.Points(kPageSkills, "knowledge skill points", skills.knowledge, knowledge);
  add.Points(kPageSkills, "language skill points", skills.language, language);

  const double essence = InstalledEssence(record);
  if (Hundredths(essence) < 0) add.Error(kPageCyberware, "Essence below 0 (" + FormatFixed2(essence) + ")");
  if (ExcessiveBioware(record, essence)) {
    add.Error(kPageBioware, "Warning Excessive Bioware (Bio-index " + FormatFixed2(BioIndexHundredths(record) / 100.0) +
                                ", Essence Index " + GeneralNumber(essence + 3) + ")");
  }

  // Points are only to spend where their page offers them.
  const double spellPoints = record.SpellPointsUsed;
  add.Points(kPageSpells, "spell points", spellPoints, record.MagicPts,
             GeneralNumber(spellPoints) + "/" + GeneralNumber(record.MagicPts),
             record.MagicUser() && record.MagicPts > 0);
  const std::string magic = MagicTotalText(record);
  add.Points(kPagePowers, "power points", record.PowerPointsUsed, Val(magic),
             GeneralNumber(record.PowerPointsUsed) + "/" + magic, record.Adept == 0);

  const int32_t money = MoneyLeft(record);
  if (money < 0) add.Error(kPageGear, "money below zero (" + MoneyLeftText(record) + " nuyen left)");
  if (money > kMoneyNoteAbove && !record.OverrideLimits()) {
    const int32_t least = record.Maxresources - FinalizedNuyenSpent(record, 1);
    const int32_t most = record.Maxresources - FinalizedNuyenSpent(record, 6);
    add.Note(kPageGear, NuyenText(money) + " nuyen unspent: Print to HTML keeps " + NuyenText(least) + " to " +
                            NuyenText(most) + " of it (a tenth, plus a cash roll of 300 to 1,800)");
  }
  if (record.StreetName.empty()) {
    add.Left(kPageBioInfo, "no street name (the character sheet's file name comes from it)");
  }
}

}  // namespace ivgen
