#include "app/undo_history.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "record/text.h"

namespace ivgen {

namespace {

constexpr std::string_view kPageChangeStep = "Page Change";

constexpr std::array kRecordLists = {
    &CharacterRecord::RaceDesc,  &CharacterRecord::Edges,   &CharacterRecord::Skills,
    &CharacterRecord::Cyberware, &CharacterRecord::Bioware, &CharacterRecord::Powers,
    &CharacterRecord::Spells,    &CharacterRecord::Gear,    &CharacterRecord::Contacts};

size_t ListBytes(const SharedList<std::string>& list) {
  size_t bytes = sizeof(std::string) * list.size();
  for (const std::string& item : list) bytes += item.capacity();
  return bytes;
}

// The name an undo step gives an entry: its first column, without a count, rating or padding.
std::string EntryName(std::string_view entry) {
  const std::string_view name = entry.substr(0, entry.find('\t'));
  return Trim(name.substr(0, name.find('[')));
}

// The entry an action added, removed or changed, for the undo step's name; "" when no list or
// more than one entry changed.
std::string ChangedEntry(const CharacterRecord& before, const CharacterRecord& after) {
  for (auto list :
       {&CharacterRecord::Skills, &CharacterRecord::Cyberware, &CharacterRecord::Bioware, &CharacterRecord::Spells,
        &CharacterRecord::Powers, &CharacterRecord::Gear, &CharacterRecord::Contacts, &CharacterRecord::Edges}) {
    const std::vector<std::string>& old = before.*list;
    const std::vector<std::string>& now = after.*list;
    if (old == now) continue;
    const std::vector<std::string>& longer = now.size() >= old.size() ? now : old;
    const size_t common = std::min(old.size(), now.size());
    size_t i = 0;
    while (i < common && old[i] == now[i]) ++i;
    if (old.size() == now.size() && !std::equal(old.begin() + i + 1, old.end(), now.begin() + i + 1)) return "";
    return i < longer.size() ? EntryName(longer[i]) : "";
  }
  return "";
}

}  // namespace

size_t UnsharedBytes(const Document& step, const Document& now) {
  size_t bytes = sizeof(Document);
  for (auto list : kRecordLists) {
    if (!(step.record.*list).Shares(now.record.*list)) bytes += ListBytes(step.record.*list);
  }
  for (auto list : {&SkillsView::names, &SkillsView::ratings}) {
    if (!(step.skills.*list).Shares(now.skills.*list)) bytes += ListBytes(step.skills.*list);
  }
  return bytes;
}

std::string UndoHistory::UndoText() const { return undo_.empty() ? "&Undo" : "&Undo " + undo_.back().step.action; }

std::string UndoHistory::RedoText() const { return redo_.empty() ? "&Redo" : "&Redo " + redo_.back().step.action; }

void UndoHistory::EndAction(const Document& now) {
  std::optional<UndoStep> finished = std::exchange(running_, std::nullopt);
  if (open_ && openDepth_ == 0) finished = std::exchange(open_, std::nullopt);
  if (finished && !open_) Keep(std::move(*finished), now);
}

void UndoHistory::Open(std::string action, const std::function<UndoStep()>& snapshot) {
  if (openDepth_++ > 0) return;
  if (running_) {
    open_ = std::exchange(running_, std::nullopt);
  } else {
    open_ = snapshot();
  }
  open_->action = std::move(action);
  open_->mergeKey.clear();
}

void UndoHistory::Close(const Document& now, bool insideAction) {
  if (openDepth_ == 0 || --openDepth_ > 0) return;
  if (insideAction) return;
  if (open_) Keep(*std::exchange(open_, std::nullopt), now);
}

void UndoHistory::Keep(UndoStep step, const Document& now) {
  // A step that changed nothing a save writes (a selection, a page shown) is no step.
  if (step.document.record == now.record) return;
  // A page's recount on entry may rewrite a total without changing what a save writes: no step.
  if (step.action == kPageChangeStep && sameFile_(step.document.record, now.record)) return;
  // Typing into one field is one step until something else is done.
  const bool merges = !step.mergeKey.empty() && step.mergeKey == lastMergeKey_ && redo_.empty() && !undo_.empty();
  lastMergeKey_ = step.mergeKey;
  if (merges) return;
  // "Buy" names what was bought; a step that names its subject itself ("Raise Body") keeps it.
  static constexpr std::array<std::string_view, 7> kVerbs = {"Buy",   "Add",  "Remove", "Raise",
                                                             "Lower", "Move", "Update"};
  if (std::find(kVerbs.begin(), kVerbs.end(), step.action) != kVerbs.end()) {
    const std::string entry = ChangedEntry(step.document.record, now.record);
    if (!entry.empty()) step.action += " " + entry;
  }
  for (const Kept& dropped : redo_) bytes_ -= dropped.bytes;
  redo_.clear();
  const size_t bytes = UnsharedBytes(step.document, now);
  undo_.push_back({std::move(step), bytes});
  bytes_ += bytes;
  // The oldest steps go first; the latest is kept however large.
  size_t drop = 0;
  while (undo_.size() - drop > 1 && (undo_.size() - drop > kMaxSteps || bytes_ > maxBytes_)) {
    bytes_ -= undo_[drop++].bytes;
  }
  if (drop > 0) {
    undo_.erase(undo_.begin(), undo_.begin() + static_cast<std::ptrdiff_t>(drop));
    if (undo_.size() < kMaxSteps) {
      notice_ = "The oldest undo steps were let go to keep undo within " + std::to_string(maxBytes_ >> 20) + " MB.";
    }
  }
}

std::optional<UndoStep> UndoHistory::Travel(std::vector<Kept>& from, std::vector<Kept>& to, UndoStep current) {
  if (from.empty() || open_) return std::nullopt;
  lastMergeKey_.clear();
  Kept kept = std::move(from.back());
  from.pop_back();
  bytes_ -= kept.bytes;
  current.action = kept.step.action;
  const size_t bytes = UnsharedBytes(current.document, kept.step.document);
  to.push_back({std::move(current), bytes});
  bytes_ += bytes;
  return std::move(kept.step);
}

void UndoHistory::Clear() {
  undo_.clear();
  redo_.clear();
  bytes_ = 0;
  lastMergeKey_.clear();
  running_.reset();
  open_.reset();
  openDepth_ = 0;
}

}  // namespace ivgen
