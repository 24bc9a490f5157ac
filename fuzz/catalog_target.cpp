// One target per catalog, chosen when built (IVGEN_FUZZ_CATALOG): the input becomes that catalog
// beside small ones, the editor starts over them, and the pages that show the catalog's tables are
// clicked through as a player would, or listed as ivgen-batch lists them.
#include <algorithm>
#include <cstring>
#include <filesystem>

#include "fuzz_support.h"
#include "rules/race.h"

namespace ivgen::fuzz {
namespace {

using Listing = void (*)(ScriptedPlatform&, Editor&);

// Each click reopens gear.dat, as the page does, so clicking every group of a large file would
// take most of a second; a few groups and items, spread over the tree and shifted by the input's
// size, reach every one of them over a run.
constexpr size_t kGearClicks = 8;
constexpr size_t kGearBuys = 4;

size_t Spread(size_t count, size_t wanted) { return std::max<size_t>(1, count / wanted); }

// Groups clicked, items of their shop lists chosen and bought, with money to spend.
void ListGear(ScriptedPlatform& platform, Editor& editor) {
  const size_t shift = std::filesystem::file_size(Folder().PathOf("gear.dat"));
  RunScript(platform, editor, "list gear\noverride on\nmoney 100000000\n");
  GearUnit& gear = editor.Gear();
  const size_t groups = editor.CurrentCatalogs().gear.tree.size();
  const size_t groupStep = Spread(groups, kGearClicks);
  for (size_t node = shift % groupStep; node < groups; node += groupStep) {
    gear.ClickGroup(node);
    const size_t items = gear.View().shopItems.size();
    const size_t itemStep = Spread(items, kGearBuys);
    for (size_t item = shift % itemStep; item < items; item += itemStep) {
      gear.ChooseItem(static_cast<int>(item));
      gear.BuyItem(static_cast<int>(item));
    }
  }
}

void ListSpells(ScriptedPlatform& platform, Editor& editor) {
  RunScript(platform, editor, "list spell-categories\n");
  SpellsUnit& spells = editor.Spells();
  for (size_t category = 0; category < editor.CurrentCatalogs().spells.categories.size(); ++category) {
    spells.SelectCategory(static_cast<int>(category));
    for (size_t spell = 0; spell < spells.View().categorySpells.size(); ++spell) {
      spells.SelectSpell(static_cast<int>(spell));
    }
  }
}

void ListTraditions(ScriptedPlatform& platform, Editor& editor) {
  RunScript(platform, editor, "list traditions\n");
  for (size_t i = 0; i < editor.CurrentCatalogs().traditions.size(); ++i) {
    editor.Spells().ChooseTradition(static_cast<int>(i));
  }
}

void ListPowers(ScriptedPlatform& platform, Editor& editor) {
  RunScript(platform, editor, "list powers\n");
  for (size_t i = 0; i < editor.CurrentCatalogs().powers.size(); ++i) editor.Powers().ShowPower(static_cast<int>(i));
}

// The race rules over a character of their own, with the metatype option, which the editor offers
// only through point-based generation.
class NoHooks final : public CreationHooks {
  void ShowStandardView() override {}
};

// Each race offers its metatypes; choosing each, then leaving the page, reads every field of every
// line.
void ListMetatypes(ScriptedPlatform& platform, Editor& editor) {
  RunScript(platform, editor, "list metatypes\n");
  CharacterRecord record;
  CreationState state;
  NoHooks hooks;
  RulesContext ctx{record, state, platform, hooks, editor.CurrentCatalogs()};
  record.GeneratorPoints = true;
  for (int race = 0; race < kRaceCount; ++race) {
    for (bool shapeshifter : {false, true}) {
      record.PtsMeta = 1;
      record.Shapeshift = shapeshifter;
      ChooseRace(ctx, race);
      for (size_t i = 0; i < state.race.metaList.size(); ++i) ChooseMetatype(ctx, static_cast<int>(i));
    }
  }
  CompleteRacePage(ctx);
}

template <const char* Script>
void List(ScriptedPlatform& platform, Editor& editor) {
  RunScript(platform, editor, Script);
}

constexpr char kSkills[] = "list skills\n";
constexpr char kCyberware[] = "list cyberware\n";
constexpr char kBioware[] = "list bioware\n";
constexpr char kEdges[] = "list edges\nlist flaws\n";
constexpr char kRanges[] = "list ranges\n";

constexpr struct {
  const char* file;
  Listing listing;
} kCatalogs[] = {
    {"skills.dat", List<kSkills>}, {"cyber.dat", List<kCyberware>}, {"bioware.dat", List<kBioware>},
    {"spells.dat", ListSpells},    {"powers.dat", ListPowers},      {"totems.dat", ListTraditions},
    {"gear.dat", ListGear},        {"edge.dat", List<kEdges>},      {"meta.dat", ListMetatypes},
    {"range.dat", List<kRanges>},
};

Listing ListingOf(const char* file) {
  for (const auto& catalog : kCatalogs) {
    if (std::strcmp(catalog.file, file) == 0) return catalog.listing;
  }
  std::fprintf(stderr, "no listing for %s\n", file);
  std::abort();
}

}  // namespace
}  // namespace ivgen::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace ivgen;
  static const fuzz::Listing listing = fuzz::ListingOf(IVGEN_FUZZ_CATALOG);
  fuzz::Folder().Write(IVGEN_FUZZ_CATALOG, fuzz::Bytes(data, size));
  ScriptedPlatform platform;
  Editor editor(platform, fuzz::Folder().Path(), "");
  if (editor.Startup()) listing(platform, editor);
  return 0;
}
