#include "purchase/skills.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

#include "entry/list_entries.h"
#include "record/values.h"
#include "rules/attributes.h"

namespace ivgen {

namespace {

// A rating must still fit the record's 16-bit pools after being doubled and summed.
constexpr int kRatingMax = 9999;

int Rating(int read) { return std::clamp(read, 0, kRatingMax); }

// The ratings are their own column, so a bracket inside a name never counts.
std::string WithRatings(std::string_view entry, SkillRatings ratings) {
  SkillEntry skill = ParseEntry<SkillEntry>(entry);
  std::string& text = skill.RatingsText();
  text.erase(std::min(text.find('['), text.size()));
  text += "[" + IntText(ratings.base);
  // "[B/0]" would cost -1 and pay the player back; a specialization at 0 is a plain skill.
  if (ratings.specialization > 0) text += "/" + IntText(ratings.specialization);
  text += "]";
  return FormatEntry(skill);
}

// Points are counted by the code up to the first ")", not the three letters the buttons read.
std::string CountedClassCode(std::string_view entry) {
  const size_t open = entry.find('(');
  if (open == std::string_view::npos) return "";
  const size_t close = entry.find(')', open + 1);
  if (close == std::string_view::npos) return "";
  return std::string(entry.substr(open + 1, close - open - 1));
}

// A pool's used value and its allowance.
struct PoolRef {
  int16_t& used;
  int allowance;
};

PoolRef Pool(CharacterRecord& record, SkillPool pool) {
  switch (pool) {
    case SkillPool::Knowledge:
      return {record.KnowledgePointsUsed, record.KnowledgeAllowance};
    case SkillPool::Language:
      return {record.LanguagePointsUsed, record.LanguageAllowance};
    case SkillPool::Active:
      break;
  }
  return {record.CurSkill, record.PtsSkills};
}

// The incremental check: it only decides whether a change goes ahead; the recount after it sets
// the used values for good.
bool PayFromPool(RulesContext& ctx, std::string_view classCode, int cost) {
  const SkillPool which = PoolOfClass(classCode);
  const PoolRef pool = Pool(ctx.record, which);
  if (pool.used + cost > pool.allowance) {
    const char* name = which == SkillPool::Knowledge  ? "knowledge"
                       : which == SkillPool::Language ? "language"
                                                      : "active";
    return Refuse(ctx, std::string("Not enough ") + name + " skill points: " + IntText(pool.used) + " of " +
                           IntText(pool.allowance) + " spent");
  }
  pool.used = CInt(pool.used + cost);
  return true;
}

// A "[" or "]" would be read as ratings, a TAB would split the entry, and a "~" comes back as a
// TAB after a save and reopen.
bool UsableAnswer(std::string_view text) { return !text.empty() && text.find_first_of("[]\t~") == std::string::npos; }

std::string NodeName(const RulesContext& ctx, const std::vector<int>& nodes, int row) {
  if (row < 0 || row >= static_cast<int>(nodes.size())) return "";
  const auto& table = ctx.catalogs.skills.SkillTable;
  const int node = nodes[static_cast<size_t>(row)];
  return node >= 0 && node < static_cast<int>(table.size()) ? TrimRight(table[static_cast<size_t>(node)].Name) : "";
}

void ShowPool(SkillPoolView& pool, int used, int allowance) {
  pool.display = IntText(used) + "/" + IntText(allowance);
  pool.stop = used > allowance;
}

// Appends an entry, selects it and recounts.
void AppendSkill(RulesContext& ctx, SkillsView& view, const std::string& name, std::string_view ratings) {
  ctx.record.Skills.push_back(FormatEntry(SkillEntry{TrimRight(name), std::string(ratings), {}}));
  SelectSkill(ctx, view, static_cast<int>(ctx.record.Skills.size()) - 1);
  RecountSkillPoints(ctx, view);
}

std::string* SelectedEntry(RulesContext& ctx, const SkillsView& view) {
  if (view.selected < 0 || view.selected >= static_cast<int>(ctx.record.Skills.size())) return nullptr;
  return &ctx.record.Skills[static_cast<size_t>(view.selected)];
}

bool Rewrite(RulesContext& ctx, SkillsView& view, std::string& entry, SkillRatings ratings) {
  entry = WithRatings(entry, ratings);
  RecountSkillPoints(ctx, view);
  return true;
}

bool MoveSelected(RulesContext& ctx, SkillsView& view, int step) {
  auto& list = ctx.record.Skills;
  const int to = view.selected + step;
  if (SelectedEntry(ctx, view) == nullptr || to < 0 || to >= static_cast<int>(list.size())) return false;
  std::swap(list[static_cast<size_t>(view.selected)], list[static_cast<size_t>(to)]);
  view.selected = to;
  RefreshSkillList(ctx.record, view);
  return true;
}

}  // namespace

std::vector<int> SkillChain(const SkillCatalog& catalog, int first) {
  std::vector<int> nodes;
  const int size = static_cast<int>(catalog.SkillTable.size());
  for (int i = first; i >= 0 && i < size && static_cast<int>(nodes.size()) < kSkillListMax;
       i = catalog.SkillTable[static_cast<size_t>(i)].NextSibling) {
    nodes.push_back(i);
  }
  return nodes;
}

int SkillEntryCost(const CharacterRecord& record, std::string_view entry) {
  const SkillRatings ratings = ParseSkillEntry(entry);
  const int effective = ratings.specialization > 0 ? ratings.specialization - 1 : ratings.base;
  const int linked = Attrvalue(record, CountedClassCode(entry));
  return effective <= linked ? effective : 2 * effective - linked;
}

namespace {
void ListSkills(const CharacterRecord& record, SkillsView& view);
}  // namespace

void RefreshSkillList(const CharacterRecord& record, SkillsView& view) {
  if (!view.listedFrom.Shares(record.Skills)) ListSkills(record, view);
  if (view.selected >= static_cast<int>(record.Skills.size())) {
    view.selected = -1;
    view.removeEnabled = view.spinnerEnabled = view.orderEnabled = view.adjustersEnabled = false;
  }
}

namespace {

void ListSkills(const CharacterRecord& record, SkillsView& view) {
  view.listedFrom = record.Skills;
  std::vector<std::string> names, ratings;
  names.reserve(record.Skills.size());
  ratings.reserve(record.Skills.size());
  for (SkillEntry& skill : ParseEntries<SkillEntry>(record.Skills)) {
    names.push_back(std::move(skill.name));
    ratings.push_back(std::move(skill.ratings));
  }
  // Kept when unchanged, so an undo step goes on sharing them.
  if (view.names != names) view.names = std::move(names);
  if (view.ratings != ratings) view.ratings = std::move(ratings);
}

}  // namespace

SkillRatings ParseSkillEntry(std::string_view entry) {
  const BracketPair ratings = SkillEntry::RatingsOf(entry);
  return {Rating(ratings.first), Rating(ratings.second)};
}

std::string SkillClassCode(std::string_view entry) {
  const size_t open = entry.find('(');
  return open == std::string_view::npos ? "" : std::string(entry.substr(open + 1, 3));
}

SkillPool PoolOfClass(std::string_view code) {
  if (code == "LAN") return SkillPool::Language;
  if (code == "KNO") return SkillPool::Knowledge;
  return SkillPool::Active;
}

void ShowSkillCategories(RulesContext& ctx, SkillsView& view) {
  view.categories.clear();
  for (const std::string& name : ctx.catalogs.skills.categories) {
    if (view.categories.size() >= kSkillCategoriesMax) break;
    view.categories.push_back(TrimRight(name));
  }
}

void SelectSkillCategory(RulesContext& ctx, SkillsView& view, int category) {
  const SkillCatalog& catalog = ctx.catalogs.skills;
  const bool valid = category >= 0 && category < static_cast<int>(catalog.SkillCategoryStart.size());
  view.category = valid ? category : -1;
  view.skillNodes.clear();
  if (valid) {
    const int start = catalog.SkillCategoryStart[static_cast<size_t>(category)];
    if (start >= 0 && start < static_cast<int>(catalog.SkillTable.size())) {
      view.skillNodes = SkillChain(catalog, catalog.SkillTable[static_cast<size_t>(start)].FirstChild);
    }
  }
  view.skills.clear();
  for (int row = 0; row < static_cast<int>(view.skillNodes.size()); ++row) {
    view.skills.push_back(NodeName(ctx, view.skillNodes, row));
  }
  SelectCatalogSkill(ctx, view, -1);
}

void SelectCatalogSkill(RulesContext& ctx, SkillsView& view, int row) {
  const bool valid = row >= 0 && row < static_cast<int>(view.skillNodes.size());
  view.skill = valid ? row : -1;
  view.addEnabled = valid;
  // Offered for knowledge skills only: anything else would be charged to the wrong pool.
  view.furtherVisible = valid && SkillClassCode(view.skills[static_cast<size_t>(row)]) == "KNO";
  view.furtherEnabled = view.furtherVisible;
  view.specializationNodes.clear();
  view.specializations.clear();
  if (valid) {
    const auto& table = ctx.catalogs.skills.SkillTable;
    const int node = view.skillNodes[static_cast<size_t>(row)];
    if (node >= 0 && node < static_cast<int>(table.size())) {
      view.specializationNodes = SkillChain(ctx.catalogs.skills, table[static_cast<size_t>(node)].FirstChild);
    }
  }
  for (int i = 0; i < static_cast<int>(view.specializationNodes.size()); ++i) {
    view.specializations.push_back(NodeName(ctx, view.specializationNodes, i));
  }
  view.specialization = -1;
}

std::vector<CatalogMatch> SearchSkills(const SkillCatalog& catalog, std::string_view text) {
  std::vector<CatalogMatch> matches;
  if (text.empty()) return matches;
  const auto& table = catalog.SkillTable;
  auto name = [&table](int node) { return TrimRight(table[static_cast<size_t>(node)].Name); };
  const size_t categories =
      std::min({catalog.categories.size(), catalog.SkillCategoryStart.size(), kSkillCategoriesMax});
  for (size_t category = 0; category < categories; ++category) {
    const int start = catalog.SkillCategoryStart[category];
    if (start < 0 || start >= static_cast<int>(table.size())) continue;
    const std::string group = TrimRight(catalog.categories[category]);
    const std::vector<int> skills = SkillChain(catalog, table[static_cast<size_t>(start)].FirstChild);
    for (size_t row = 0; row < skills.size(); ++row) {
      const std::string skill = name(skills[row]);
      const int at = static_cast<int>(category);
      if (SearchFinds(text, skill, group)) matches.push_back({skill, group, at, static_cast<int>(row)});
      const std::vector<int> specializations = SkillChain(catalog, table[static_cast<size_t>(skills[row])].FirstChild);
      for (size_t s = 0; s < specializations.size(); ++s) {
        std::string specialization = name(specializations[s]);
        if (!SearchFinds(text, specialization, {})) continue;
        matches.push_back(
            {std::move(specialization), group + " / " + skill, at, static_cast<int>(row), static_cast<int>(s)});
      }
    }
  }
  return matches;
}

void SearchSkillCatalog(RulesContext& ctx, SkillsView& view, std::string text) {
  view.search.matches = SearchSkills(ctx.catalogs.skills, text);
  view.search.text = std::move(text);
  ShowChosenSkillMatch(view);
}

void ChooseSkillMatch(RulesContext& ctx, SkillsView& view, int index) {
  const CatalogMatch* found = MatchAt(view.search, index);
  if (found == nullptr) return;
  const CatalogMatch match = *found;
  SelectSkillCategory(ctx, view, match.groupAt);
  SelectCatalogSkill(ctx, view, match.itemAt);
  if (match.detailAt >= 0) SelectSpecialization(ctx, view, match.detailAt);
}

void ShowChosenSkillMatch(SkillsView& view) {
  auto chosen = [&view](int detail) {
    return FindMatch(view.search, [&view, detail](const CatalogMatch& match) {
      return match.groupAt == view.category && match.itemAt == view.skill && match.detailAt == detail;
    });
  };
  const int exact = chosen(view.specialization);
  view.search.chosen = exact >= 0 || view.skill < 0 ? exact : chosen(-1);
}

void SelectSpecialization(RulesContext&, SkillsView& view, int row) {
  view.specialization = row >= 0 && row < static_cast<int>(view.specializations.size()) ? row : -1;
}

bool AddSkill(RulesContext& ctx, SkillsView& view) {
  const std::string skill = NodeName(ctx, view.skillNodes, view.skill);
  if (skill.empty()) return false;
  const std::string code = SkillClassCode(skill);
  std::string name = skill;
  std::string ratings = "[1]";
  int cost = 1;
  const std::string specialization = NodeName(ctx, view.specializationNodes, view.specialization);
  if (!specialization.empty()) {
    ratings = "[1/3]";
    cost = Attrvalue(ctx.record, code) == 1 ? 3 : 2;
    if (specialization.ends_with("->")) {
      const std::string answer = Trim(
          ctx.platform.Input("Enter " + specialization.substr(0, specialization.size() - 2), kSpecializationTitle, ""));
      if (!UsableAnswer(answer)) return false;
      name += "/" + answer;
    } else {
      name += "/" + specialization;
    }
  }
  if (!PayFromPool(ctx, code, cost)) return false;
  AppendSkill(ctx, view, name, ratings);
  return true;
}

bool AddKnowledgeSpecialization(RulesContext& ctx, SkillsView& view) {
  const std::string skill = NodeName(ctx, view.skillNodes, view.skill);
  if (!view.furtherEnabled || skill.empty()) return false;
  const std::string answer = Trim(ctx.platform.Input(kKnowledgeSkillPrompt, kKnowledgeSkillTitle, ""));
  if (!UsableAnswer(answer)) return false;
  if (!PayFromPool(ctx, "KNO", 2)) return false;
  // Without a chosen specialization the typed text is the specialization, not an empty one.
  const std::string specialization = NodeName(ctx, view.specializationNodes, view.specialization);
  AppendSkill(ctx, view, skill + (specialization.empty() ? "" : "/" + specialization) + "/" + answer, "[1/3]");
  return true;
}

void SelectSkill(RulesContext& ctx, SkillsView& view, int index) {
  const bool valid = index >= 0 && index < static_cast<int>(ctx.record.Skills.size());
  view.selected = valid ? index : -1;
  view.removeEnabled = view.spinnerEnabled = view.orderEnabled = view.adjustersEnabled = valid;
}

bool RaiseSkill(RulesContext& ctx, SkillsView& view) {
  std::string* entry = SelectedEntry(ctx, view);
  if (entry == nullptr) return false;
  SkillRatings ratings = ParseSkillEntry(*entry);
  const std::string code = SkillClassCode(*entry);
  const int linked = Attrvalue(ctx.record, code);
  const int step = linked < ratings.base + 1 || linked < ratings.specialization ? 2 : 1;
  const bool underCeilings = ratings.base < 6 && ratings.specialization < 7;
  if (!ctx.record.OverrideLimits() && !underCeilings) {
    return Refuse(ctx, "A skill stops at 6 (a specialization at 7) without Override Limits");
  }
  if (std::max(ratings.base, ratings.specialization) >= kRatingMax) return false;
  if (!PayFromPool(ctx, code, step)) return false;
  ++ratings.base;
  if (ratings.specialization > 0) ++ratings.specialization;
  return Rewrite(ctx, view, *entry, ratings);
}

bool LowerSkill(RulesContext& ctx, SkillsView& view) {
  std::string* entry = SelectedEntry(ctx, view);
  if (entry == nullptr) return false;
  SkillRatings ratings = ParseSkillEntry(*entry);
  if (ratings.base <= 1) return Refuse(ctx, "A skill rating cannot go below 1; Remove takes the skill away");
  const std::string code = SkillClassCode(*entry);
  const int linked = Attrvalue(ctx.record, code);
  const int refund = linked < ratings.base || linked < ratings.specialization - 1 ? 2 : 1;
  int16_t& used = Pool(ctx.record, PoolOfClass(code)).used;
  used = CInt(used - refund);
  --ratings.base;
  if (ratings.specialization > 0) --ratings.specialization;
  return Rewrite(ctx, view, *entry, ratings);
}

bool AdjustBaseRating(RulesContext& ctx, SkillsView& view, int step) {
  std::string* entry = SelectedEntry(ctx, view);
  if (!ctx.record.OverrideLimits() || entry == nullptr) return false;
  SkillRatings ratings = ParseSkillEntry(*entry);
  if (step > 0 && ratings.base > 0 && ratings.base < kRatingMax) {
    ++ratings.base;
  } else if (step < 0 && ratings.base > 1) {
    --ratings.base;
  } else {
    return false;
  }
  return Rewrite(ctx, view, *entry, ratings);
}

bool AdjustSpecializationRating(RulesContext& ctx, SkillsView& view, int step) {
  std::string* entry = SelectedEntry(ctx, view);
  if (!ctx.record.OverrideLimits() || entry == nullptr) return false;
  SkillRatings ratings = ParseSkillEntry(*entry);
  if (ratings.specialization <= 0 || step == 0 || (step > 0 && ratings.specialization >= kRatingMax)) return false;
  ratings.specialization += step > 0 ? 1 : -1;
  return Rewrite(ctx, view, *entry, ratings);
}

bool RemoveSkill(RulesContext& ctx, SkillsView& view) {
  if (SelectedEntry(ctx, view) == nullptr) return false;
  auto& list = ctx.record.Skills;
  list.erase(list.begin() + view.selected);
  SelectSkill(ctx, view, -1);
  RecountSkillPoints(ctx, view);
  return true;
}

bool MoveSkillUp(RulesContext& ctx, SkillsView& view) { return MoveSelected(ctx, view, -1); }

bool MoveSkillDown(RulesContext& ctx, SkillsView& view) { return MoveSelected(ctx, view, 1); }

SkillPointCount CountSkillPoints(const CharacterRecord& record, int knowledgeAllowance, int languageAllowance) {
  // Active, knowledge, language; wide enough that no list of ratings can overflow it.
  std::array<int64_t, 3> totals{};
  for (const std::string& entry : record.Skills) {
    totals[static_cast<size_t>(PoolOfClass(CountedClassCode(entry)))] += SkillEntryCost(record, entry);
  }
  int64_t& active = totals[static_cast<size_t>(SkillPool::Active)];
  // Knowledge and language points beyond their allowance are paid from active points.
  auto settle = [&](SkillPool pool, int allowance) {
    const int64_t total = totals[static_cast<size_t>(pool)];
    if (total <= allowance) return CInt(static_cast<double>(total));
    active += total - allowance;
    return CInt(allowance);
  };
  SkillPointCount count;
  count.knowledge = settle(SkillPool::Knowledge, knowledgeAllowance);
  count.language = settle(SkillPool::Language, languageAllowance);
  count.active = CInt(static_cast<double>(active));
  return count;
}

void RecountSkillPoints(RulesContext& ctx, SkillsView& view) {
  CharacterRecord& record = ctx.record;
  const SkillPointCount count = CountSkillPoints(record, record.KnowledgeAllowance, record.LanguageAllowance);
  record.KnowledgePointsUsed = count.knowledge;
  record.LanguagePointsUsed = count.language;
  record.CurSkill = count.active;
  ShowPool(view.active, record.CurSkill, record.PtsSkills);
  ShowPool(view.knowledge, record.KnowledgePointsUsed, record.KnowledgeAllowance);
  ShowPool(view.language, record.LanguagePointsUsed, record.LanguageAllowance);
  RefreshSkillList(record, view);
}

void ShowOverrideView(RulesContext& ctx, SkillsView& view) { view.adjustersVisible = ctx.record.OverrideLimits(); }

}  // namespace ivgen
