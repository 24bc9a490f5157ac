#include "app/race_unit.h"

#include "rules/race.h"

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

}  // namespace ivgen
