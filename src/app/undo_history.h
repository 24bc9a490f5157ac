// Undo and redo: the document as it was before each step the player took, back to the last New,
// Open or reload. Copies of the document share the lists no step changed, so a step costs what
// its action changed; the history is bounded in steps and in bytes.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/document.h"
#include "platform/platform.h"

namespace ivgen {

/// The document as it was before a step, and what the die would have rolled next.
struct UndoStep {
  std::string action;
  /// Steps with the same key that follow each other are one: typing into one field.
  std::string mergeKey;
  Document document;
  DieState die;
  /// Modified as it was then, and which save it was measured against.
  bool modified = false;
  int saveCount = 0;
};

class UndoHistory {
 public:
  static constexpr size_t kMaxSteps = 500;
  static constexpr size_t kMaxBytes = size_t{256} << 20;

  /// sameFile: whether two records save to the same bytes, asked of page changes only.
  explicit UndoHistory(std::function<bool(const CharacterRecord&, const CharacterRecord&)> sameFile,
                       size_t maxBytes = kMaxBytes)
      : sameFile_(std::move(sameFile)), maxBytes_(maxBytes) {}

  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  size_t UndoCount() const { return undo_.size(); }
  /// The Edit menu's texts: "&Undo Buy Reflex Weave", or "&Undo" when there is nothing to undo.
  std::string UndoText() const;
  std::string RedoText() const;
  /// A step is open (a dialog, a print): the actions inside belong to it.
  bool StepOpen() const { return open_.has_value(); }

  /// An outermost named action begins; `before` is the document it found.
  void BeginAction(UndoStep before) { running_ = std::move(before); }
  /// The outermost action ended with the document `now`: its step is kept, or the open step's when
  /// the action closed it.
  void EndAction(const Document& now);
  /// Everything until the matching Close is one step. Opened inside an action, it begins where
  /// that action began.
  void Open(std::string action, const std::function<UndoStep()>& snapshot);
  /// insideAction: the running action's end keeps the step.
  void Close(const Document& now, bool insideAction);

  /// The document to go back to, taking `current` for the way forward; nullopt when none.
  std::optional<UndoStep> Back(UndoStep current) { return Travel(undo_, redo_, std::move(current)); }
  std::optional<UndoStep> Forward(UndoStep current) { return Travel(redo_, undo_, std::move(current)); }
  void Clear();
  /// Why the oldest steps were let go, once; "" when none were.
  std::string TakeNotice() { return std::exchange(notice_, {}); }

 private:
  struct Kept {
    UndoStep step;
    /// What the step holds that the document after it does not share.
    size_t bytes = 0;
  };
  void Keep(UndoStep step, const Document& now);
  std::optional<UndoStep> Travel(std::vector<Kept>& from, std::vector<Kept>& to, UndoStep current);

  std::function<bool(const CharacterRecord&, const CharacterRecord&)> sameFile_;
  size_t maxBytes_;
  std::vector<Kept> undo_;
  std::vector<Kept> redo_;
  size_t bytes_ = 0;
  std::string lastMergeKey_;
  std::optional<UndoStep> running_;
  std::optional<UndoStep> open_;
  int openDepth_ = 0;
  std::string notice_;
};

/// The bytes `step` holds in lists that `now` does not share; the rest of a document is counted as
/// its fixed size.
size_t UnsharedBytes(const Document& step, const Document& now);

}  // namespace ivgen
