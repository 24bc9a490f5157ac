// The texts the player types: the identity texts and description of the BioInfo page and the
// typed pools of the Attributes page.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/unit_host.h"

namespace ivgen {

class TextsUnit final : public Unit {
 public:
  explicit TextsUnit(UnitHost& host) : host_(host) {}

  /// Sets one typed text by its file key (StreetName to KarmaRemain, Karma, Hacking, Astral,
  /// lblPool1, lblPool2, txtPool1, txtPool2). Line breaks are dropped. False for another key.
  bool Set(std::string_view key, std::string text);
  /// A text that Set can set; nothing for another key.
  std::optional<std::string> Get(std::string_view key) const;
  /// Sets the description; lone CR and lone LF are taken as line breaks and stored as CR LF.
  void SetDescription(std::string text);

 private:
  UnitHost& host_;
};

}  // namespace ivgen
