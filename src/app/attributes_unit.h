// The Attributes page: the six attributes' spin buttons, the derived values and the pools.
#pragma once

#include "app/unit_host.h"

namespace ivgen {

class AttributesUnit final : public Unit {
 public:
  explicit AttributesUnit(UnitHost& host) : host_(host) {}

  const AttributeView& View() const { return host_.Creation().attributes; }

  /// The up and down buttons of attribute row i, 0 Body to 5 Willpower.
  void Raise(int i);
  void Lower(int i);

  /// New: the values that follow from the reset attributes.
  void Reset(RulesContext& ctx) override;

 private:
  UnitHost& host_;
};

}  // namespace ivgen
