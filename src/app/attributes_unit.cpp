#include "app/attributes_unit.h"

#include "rules/attributes.h"

namespace ivgen {

void AttributesUnit::Raise(int i) {
  host_.Run([i](RulesContext& ctx) { return RaiseAttribute(ctx, i); });
}

void AttributesUnit::Lower(int i) {
  host_.Run([i](RulesContext& ctx) { return LowerAttribute(ctx, i); });
}

void AttributesUnit::Reset(RulesContext& ctx) { RecalcDerived(ctx); }

}  // namespace ivgen
