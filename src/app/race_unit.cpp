#include "app/race_unit.h"

namespace ivgen {

bool RaceUnit::ChosenRaceNotOffered() const { return RaceNotOffered(host_.Record(), host_.Creation()); }

void RaceUnit::Click(int race) {
  host_.Name("Choose Race");
  host_.Run([race](RulesContext& ctx) { return ClickRace(ctx, race); });
}

void RaceUnit::ChooseMetatype(int index) {
  host_.Name("Choose Metatype");
  host_.Run([index](RulesContext& ctx) { return ivgen::ChooseMetatype(ctx, index); });
}

void RaceUnit::BeginGhoul() {
  host_.Name("Ghoul Test");
  host_.Run([this](RulesContext& ctx) { return ivgen::BeginGhoul(ctx, specials_); });
}

void RaceUnit::SetAlbino(bool on) {
  host_.Name("Albino");
  host_.Run([this, on](RulesContext& ctx) { return ivgen::SetAlbino(ctx, specials_, on); });
}

void RaceUnit::ChooseAlbinoFlaw(int choice) {
  host_.Name("Albino Flaw");
  host_.Run([this, choice](RulesContext& ctx) { return ivgen::ChooseAlbinoFlaw(ctx, specials_, choice); });
}

void RaceUnit::Reset(RulesContext& ctx) {
  ResetSpecials(ctx, specials_);
  // New sets the method to priorities, so metatypes are no longer offered.
  ctx.state.race.metaGroupVisible = MetaOn(ctx.record) || ctx.record.Shapeshift;
}

}  // namespace ivgen
