// The Spells page: the tradition or totem, spells picked from the catalog by category, the spell
// points each one holds, and spell points bought with nuyen.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/books.h"
#include "catalog/catalog_search.h"
#include "rules/creation_state.h"

namespace ivgen {

inline constexpr int32_t kSpellPointPrice = 25000;
/// Spell points are not sold past this many.
inline constexpr float kMaxBoughtSpellPoints = 50;
/// Spell points of one spell without Override Limits.
inline constexpr int kMaxSpellPoints = 6;
inline constexpr const char* kBuySpellPointsCaption = "Buy Spell Pts for $25,000";
/// Headings of the five data columns of a spell, in the order the catalog holds them.
inline constexpr std::array<std::string_view, 5> kSpellColumnHeadings = {"Type", "Targ.", "Dur.", "Range", "Drain"};

/// What the Spells page shows beside the record's spell list, tradition and the spell points
/// display (AttributeView::spellPointsDisplay).
struct SpellsView {
  /// Entry of the category list chosen; -1 for none.
  int selectedCategory = -1;
  /// The spell catalog entries of that category, in catalog order.
  std::vector<std::string> categorySpells;
  /// Entry of categorySpells chosen for adding; -1 for none.
  int selectedSpell = -1;
  /// The search of every category's spells; choosing a match clicks its category and its spell.
  CatalogSearch search;
  /// Entry of the character's spells chosen; -1 for none.
  int selectedChosen = -1;
  bool removeEnabled = false;
  /// The spin buttons that raise and lower the chosen spell's points.
  bool spinnerEnabled = false;
  /// Nuyen left, a plain whole number.
  std::string moneyLeft = "0";
  bool operator==(const SpellsView&) const = default;
};

/// A spell catalog entry or a chosen spell cut into its shown columns: the name and the five data
/// fields, then (for a chosen spell) its points and book reference.
std::vector<std::string> SpellColumns(std::string_view entry);

/// The spell points a chosen spell holds: the two characters after its first "[".
int SpellPoints(std::string_view chosenEntry);

/// A category chosen: lists its spells and drops the spell chosen for adding. An index outside
/// the category list lists nothing.
void SelectSpellCategory(RulesContext& ctx, SpellsView& view, int index);

/// The search box typed: the spells of every category that the text finds.
void SearchSpellCatalog(RulesContext& ctx, SpellsView& view, std::string text);
/// A match clicked: its category and then its spell chosen, as clicks on both choose them. An
/// index outside the matches does nothing.
void ChooseSpellMatch(RulesContext& ctx, SpellsView& view, int index);
/// Which match names the category and the spell chosen now.
void ShowChosenSpellMatch(SpellsView& view);

/// A spell of the category's list chosen for adding; an index outside the list chooses none.
void SelectSpell(SpellsView& view, int index);

/// Adds the spell chosen for adding at one spell point, also past the points available (the
/// display then shows over-spent). A spell of a book not allowed is refused with a message.
/// True when a spell was added.
bool AddSpell(RulesContext& ctx, SpellsView& view, const BookLists& books);

/// One of the character's spells chosen: enables its removal and its spin buttons. An index
/// outside the list chooses none and disables both.
void SelectChosenSpell(RulesContext& ctx, SpellsView& view, int index);

/// The up button: one more point while points are left and the spell holds fewer than 6 (both
/// lifted by Override Limits, never past 99, which is all two digits hold). True when raised.
bool RaiseSpellPoints(RulesContext& ctx, SpellsView& view);
/// The down button: one point less, never below 1. True when lowered.
bool LowerSpellPoints(RulesContext& ctx, SpellsView& view);

/// Removes the chosen spell and gives its points back. True when a spell was removed.
bool RemoveSpell(RulesContext& ctx, SpellsView& view);

/// One spell point for 25,000 nuyen, while at least 1 nuyen stays left and fewer than 50 spell
/// points are available; Override Limits changes neither limit. True when bought.
bool BuySpellPoints(RulesContext& ctx, SpellsView& view);

/// A tradition or totem chosen from the tradition list; an index outside it changes nothing.
/// True when the choice changed.
bool Tradition(RulesContext& ctx, int index);

/// The name of the character's tradition, "" when it has none or the list no longer holds it.
std::string TraditionName(const CharacterRecord& record, const Catalogs& catalogs);

/// After the tradition list was (re)loaded: the tradition of that name is chosen again; when the
/// new list does not hold it (or there was none), its first entry, "Hermetic mage", is chosen,
/// as the list selects it. True when the record's index changed.
bool KeepTradition(RulesContext& ctx, const std::string& name);

}  // namespace ivgen
