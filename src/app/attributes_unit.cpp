#include "app/attributes_unit.h"

#include "rules/attributes.h"

namespace ivgen {

namespace {

std::string AttributeName(int i) {
  return i >= 0 && i < kAttributeCount ? std::string(kAttributeKeys[static_cast<size_t>(i)]) : "Attribute";
}

}  // namespace

void AttributesUnit::Raise(int i) {
  host_.Name("Raise " + AttributeName(i));
  host_.Run([i](RulesContext& ctx) { return RaiseAttribute(ctx, i); });
}

void AttributesUnit::Lower(int i) {
  host_.Name("Lower " + AttributeName(i));
  host_.Run([i](RulesContext& ctx) { return LowerAttribute(ctx, i); });
}

void AttributesUnit::Reset(RulesContext& ctx) { RecalcDerived(ctx); }

}  // namespace ivgen
