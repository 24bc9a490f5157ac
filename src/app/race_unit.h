// The Race page: the five races and the metatypes of the catalog.
#pragma once

#include "app/unit_host.h"

namespace ivgen {

class RaceUnit final : public Unit {
 public:
  explicit RaceUnit(UnitHost& host) : host_(host) {}

  const RaceView& View() const { return host_.Creation().race; }
  /// The chosen race is one the race page no longer offers (the page says so).
  bool ChosenRaceNotOffered() const;

  /// A race option clicked, 0 Human to 4 Troll; refused while disabled.
  void Click(int race);
  /// A line of the metatype list clicked.
  void ChooseMetatype(int index);

 private:
  UnitHost& host_;
};

}  // namespace ivgen
