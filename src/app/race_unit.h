// The Race page: the five races and the metatypes of the catalog, and what belongs to a race
// beyond them: the ghoul's transformation and the albino option.
#pragma once

#include "app/unit_host.h"
#include "rules/race.h"

namespace ivgen {

class RaceUnit final : public Unit {
 public:
  RaceUnit(UnitHost& host, SpecialsView& specials) : host_(host), specials_(specials) {}

  const RaceView& View() const { return host_.Creation().race; }
  /// The ghoul button, the albino option and the animal form's values.
  const SpecialsView& Specials() const { return specials_; }
  /// The chosen race is one the race page no longer offers (the page says so).
  bool ChosenRaceNotOffered() const;

  /// A race option clicked, 0 Human to 4 Troll; refused while disabled.
  void Click(int race);
  /// A line of the metatype list clicked.
  void ChooseMetatype(int index);
  /// "Begin Ghoul" on the attributes page.
  void BeginGhoul();
  void SetAlbino(bool on);
  void ChooseAlbinoFlaw(int choice);

  void Reset(RulesContext& ctx) override;
  void Refresh(RulesContext& ctx) override { RefreshSpecials(ctx, specials_); }
  // What the creation rules ask at the race page's completion and when a metatype is chosen.
  void SCalcMaxUsed(RulesContext& ctx) { ivgen::SCalcMaxUsed(ctx, specials_); }
  void GhoulCheck(RulesContext& ctx) { ivgen::GhoulCheck(ctx, specials_); }
  void AlbinoChoice(RulesContext& ctx) { ivgen::AlbinoChoice(ctx, specials_); }
  void AlbinoFlaw(RulesContext& ctx) { ivgen::AlbinoFlaw(ctx, specials_); }
  /// An opened character: the ghoul button it bought and has not used yet.
  void Opened(RulesContext& ctx) { RestoreGhoulButton(ctx, specials_); }

 private:
  UnitHost& host_;
  SpecialsView& specials_;
};

}  // namespace ivgen
