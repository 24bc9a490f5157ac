// One target per catalog, chosen when built (IVGEN_FUZZ_CATALOG): the input becomes that catalog
// beside small ones, the editor starts over them, and every listing a page shows of the tables the
// catalog filled is read, as the window would read it.
#include <cstring>

#include "fuzz_support.h"
#include "record/entries.h"
#include "record/values.h"
#include "rules/race.h"

namespace ivgen::fuzz {
namespace {

using Listing = void (*)(ScriptedPlatform&, Editor&);

void ListGear(ScriptedPlatform& platform, Editor& editor) {
  RunScript(platform, editor, "list gear\n");
  const Catalogs& catalogs = editor.CurrentCatalogs();
  for (size_t node = 0; node < catalogs.gear.tree.size(); ++node) {
    const auto group = ShowGearGroup(editor.ProgramFolder(), catalogs.gear, node, editor.Books());
    if (!group) continue;
    // The gear page looks fields up by name and finds the carried-gear divider.
    for (const std::string& item : group->items) {
      const int type = static_cast<int>(Val(TabField(item, 1)));
      for (int position = 0; position <= GearFieldCount(catalogs.gear, type); ++position) {
        FieldIndex(catalogs.gear, type, GearFieldName(catalogs.gear, type, position));
      }
    }
    DivLineWhere(group->items);
  }
}

void ListSpells(ScriptedPlatform& platform, Editor& editor) {
  RunScript(platform, editor, "list spell-categories\n");
  const SpellCatalog& spells = editor.CurrentCatalogs().spells;
  for (const std::string& category : spells.categories) SpellsInCategory(spells, category);
}

// The race page offers the metatypes of each race; choosing each, then leaving the page, reads
// every field of every line.
void ListMetatypes(ScriptedPlatform& platform, Editor& editor) {
  RunScript(platform, editor, "list metatypes\n");
  RulesContext ctx = editor.Rules();
  for (int race = 0; race < kRaceCount; ++race) {
    for (bool shapeshifter : {false, true}) {
      ctx.record.PtsMeta = 1;
      ctx.record.Shapeshift = shapeshifter;
      ChooseRace(ctx, race);
      for (size_t i = 0; i < ctx.state.race.metaList.size(); ++i) ChooseMetatype(ctx, static_cast<int>(i));
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
constexpr char kPowers[] = "list powers\n";
constexpr char kTraditions[] = "list traditions\n";
constexpr char kEdges[] = "list edges\nlist flaws\n";
constexpr char kRanges[] = "list ranges\n";

constexpr struct {
  const char* file;
  Listing listing;
} kCatalogs[] = {
    {"skills.dat", List<kSkills>}, {"cyber.dat", List<kCyberware>}, {"bioware.dat", List<kBioware>},
    {"spells.dat", ListSpells},    {"powers.dat", List<kPowers>},   {"totems.dat", List<kTraditions>},
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
