#include "app/animal_form_unit.h"

namespace ivgen {

void AnimalFormUnit::Raise(int i) {
  host_.Name("Raise Animal Form");
  host_.Run([&](RulesContext& ctx) { return RaiseAnimalAttribute(ctx, view_, i); });
}

void AnimalFormUnit::Lower(int i) {
  host_.Name("Lower Animal Form");
  host_.Run([&](RulesContext& ctx) { return LowerAnimalAttribute(ctx, view_, i); });
}

void AnimalFormUnit::Hide() {
  host_.Run(ViewOnly([](RulesContext& ctx) { HideAnimalForm(ctx); }));
}

void AnimalFormUnit::Unhide() {
  host_.Run(ViewOnly([](RulesContext& ctx) { UnhideShifter(ctx); }));
}

}  // namespace ivgen
