#include "app/todo_unit.h"

#include "record/values.h"
#include "rules/edges.h"

namespace ivgen {

namespace {

// What the point, edge and flaw dialogs show, read in this one place.
struct DialogCounters {
  const EdgesView& edges;
  const BuildAccount& account;
  /// "(BuildPointsUsed + EdgeSum)/maxpoints", as the point dialog shows it.
  const std::string& buildPoints;
};

DialogCounters Counters(const Document& doc) { return {doc.edges, doc.account, doc.generation.pointsDisplay}; }

// A "used/available" display read back as the page shows it.
struct Counter {
  double used = 0;
  double available = 0;
};

Counter Read(const std::string& display) {
  const size_t slash = display.find('/');
  if (slash == std::string::npos) return {Val(display), 0};
  return {Val(display.substr(0, slash)), Val(display.substr(slash + 1))};
}

class Collector {
 public:
  Collector(std::vector<TodoLine>& lines, bool override) : lines_(lines), override_(override) {}

  void Left(int page, std::string text) { lines_.push_back({TodoKind::Left, page, std::move(text)}); }
  void Error(int page, std::string text) {
    lines_.push_back({override_ ? TodoKind::Note : TodoKind::Error, page, std::move(text)});
  }
  // A pool of points: its over-spent marker, else what is still to spend.
  void Points(int page, const std::string& what, const std::string& display, bool overSpent, bool spendable = true) {
    const Counter counter = Read(display);
    if (overSpent) {
      Error(page, what + " over-spent (" + display + ")");
    } else if (spendable && counter.used < counter.available) {
      Left(page, "unspent " + what + ": " + GeneralNumber(counter.available - counter.used) + " (" + display + ")");
    }
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

void TodoUnit::Refresh(RulesContext&) {
  const Document& doc = document_;
  const CharacterRecord& record = doc.record;
  const DialogCounters dialogs = Counters(doc);
  lines_.clear();
  Collector add(lines_, record.OverrideLimits());

  if (record.GeneratorPoints) {
    const Counter build = Read(dialogs.buildPoints);
    if (build.used > build.available) {
      add.Error(kPagePriorities, "build points over the maximum (" + dialogs.buildPoints + ")");
    }
  }
  if (!record.OnceThru) add.Left(kPageRace, "the race page is not completed (go on to Attributes)");
  if (const std::string broken = BrokenEdgeLimit(record, dialogs.edges, dialogs.account); !broken.empty()) {
    add.Error(kPageRace, "edges and flaws: " + broken);
  }
  const AttributeView& attributes = doc.creation.attributes;
  add.Points(kPageAttributes, "attribute points", attributes.pointsDisplay, attributes.overSpent);
  const std::pair<const char*, const SkillPoolView*> pools[] = {{"active skill points", &doc.skills.active},
                                                                {"knowledge skill points", &doc.skills.knowledge},
                                                                {"language skill points", &doc.skills.language}};
  for (const auto& [what, pool] : pools) add.Points(kPageSkills, what, pool->display, pool->stop);
  if (Val(doc.cyberware.essence) < 0) add.Error(kPageCyberware, "Essence below 0 (" + doc.cyberware.essence + ")");
  if (doc.bioware.excessiveWarning) {
    add.Error(kPageBioware, "Warning Excessive Bioware (Bio-index " + doc.bioware.bioIndex + ", Essence Index " +
                                doc.bioware.essenceIndex + ")");
  }
  // Points are only to spend where their page offers them.
  const PageState& pages = doc.creation.pages;
  add.Points(kPageSpells, "spell points", attributes.spellPointsDisplay, attributes.spellsOverSpent,
             pages.spellGroupVisible);
  const Counter power = Read(attributes.powerPointsDisplay);
  add.Points(kPagePowers, "power points", attributes.powerPointsDisplay, power.used > power.available,
             pages.powerGroupVisible);
  // The cyberware page's money is the current one; gear shows it as of its last visit or purchase.
  const std::string& money = doc.cyberware.moneyLeft;
  if (Val(money) < 0) add.Error(kPageGear, "money below zero (" + money + " nuyen left)");
  if (record.StreetName.empty()) {
    add.Left(kPageBioInfo, "no street name (the character sheet's file name comes from it)");
  }
}

}  // namespace ivgen
