// The shapeshifter's animal-form window: the animal's Body, Quickness and Strength.
#pragma once

#include "app/unit_host.h"
#include "rules/race.h"

namespace ivgen {

class AnimalFormUnit final : public Unit {
 public:
  AnimalFormUnit(UnitHost& host, SpecialsView& view) : host_(host), view_(view) {}

  const SpecialsView& View() const { return view_; }

  /// The spin buttons of animal attribute i (0 Body, 1 Quickness, 2 Strength).
  void Raise(int i);
  void Lower(int i);
  /// "Hide" of the window.
  void Hide();
  /// "Unhide Shifter" on the attributes page.
  void Unhide();

 private:
  UnitHost& host_;
  SpecialsView& view_;
};

}  // namespace ivgen
