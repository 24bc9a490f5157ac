// What a page's unit needs of the Editor: the document to read and the one way to run an action.
#pragma once

#include <functional>
#include <string>

#include "catalog/catalogs.h"
#include "record/character_record.h"
#include "rules/creation_state.h"

namespace ivgen {

/// A rule run as a player's action: true when it changed something a save writes.
using Action = std::function<bool(RulesContext&)>;

/// An action whose rule changes only what a page shows, never what a save writes.
template <typename Rule>
Action ViewOnly(Rule rule) {
  return [rule](RulesContext& ctx) {
    rule(ctx);
    return false;
  };
}

/// What the Editor asks of every page's and dialog's unit. The Editor keeps them in one table and
/// runs these for all of them: Refresh after every action, in one loop, so no view is forgotten.
class Unit {
 public:
  /// New: the unit's part of a fresh character, after the record was reset.
  virtual void Reset(RulesContext&) {}
  /// The catalogs were loaded again; selections into them are chosen afresh. True when that
  /// changed what a save writes.
  virtual bool CatalogsReloaded(RulesContext&) { return false; }
  /// After every action: brings what the unit shows up to date with the document. Reads no file.
  virtual void Refresh(RulesContext&) {}
  /// The player brought the unit's page into view: the totals the page shows as of its last
  /// visit are counted again.
  virtual void Entered(RulesContext&) {}

 protected:
  ~Unit() = default;
};

class UnitHost {
 public:
  /// Runs the action over the document, brings every view up to date, and sets Modified when
  /// the action reports a change a save writes.
  virtual void Run(const Action& action) = 0;
  /// The player's name for the next action ("Buy Reflex Weave"), as undo offers it. An action
  /// without a name is not an undo step of its own.
  virtual void Name(std::string action) = 0;
  /// Names the next action "Typing FIELD"; typing into the same field again joins its step.
  virtual void NameTyping(const std::string& field) = 0;
  /// Everything from here to the matching EndStep is one undo step (a dialog from its opening to
  /// its Done, a print).
  virtual void BeginStep(std::string action) = 0;
  virtual void EndStep() = 0;
  virtual const CharacterRecord& Record() const = 0;
  virtual const CreationState& Creation() const = 0;
  virtual const Catalogs& CurrentCatalogs() const = 0;

 protected:
  ~UnitHost() = default;
};

/// One undo step for as long as it lives: a print, which runs several actions.
class StepScope {
 public:
  StepScope(UnitHost& host, std::string action) : host_(host) { host_.BeginStep(std::move(action)); }
  ~StepScope() { host_.EndStep(); }
  StepScope(const StepScope&) = delete;
  StepScope& operator=(const StepScope&) = delete;

 private:
  UnitHost& host_;
};

}  // namespace ivgen
