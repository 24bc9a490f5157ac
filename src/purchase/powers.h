// The Phys. Adept page: adept powers bought from the catalog, some for a named target or at a
// level, paid with power points up to the Magic total.
#pragma once

#include <string>

#include "catalog/books.h"
#include "rules/creation_state.h"

namespace ivgen {

inline constexpr const char* kMagicianPathOnly = "Priority A plus Path of Magician only";
inline constexpr const char* kEnterSpecificPrompt = "Enter Specific";
inline constexpr const char* kEnterLevelPrompt = "Enter Level";

/// What the Phys. Adept page shows beside the record's power list and the power points display
/// (AttributeView::powerPointsDisplay).
struct PowersView {
  /// Entry of the power catalog chosen; -1 for none.
  int selectedPower = -1;
  /// Entry of the character's powers chosen; -1 for none.
  int selectedOwned = -1;
  /// Cost and note of the power chosen last, in either list.
  std::string shownCost;
  std::string shownNote;
  bool removeEnabled = false;
  bool operator==(const PowersView&) const = default;
};

/// Whether the character may buy "Magical Power": a physical adept on the path of the magician
/// with magic at A.
bool MagicianPath(const CharacterRecord& record);

/// A catalog power chosen: shows its cost and note. An index outside the catalog chooses none.
void ShowPower(RulesContext& ctx, PowersView& view, int index);

/// One of the character's powers chosen: shows its cost and note and enables its removal. An
/// index outside the list chooses none and disables removal.
void SelectOwnedPower(RulesContext& ctx, PowersView& view, int index);

/// Buys the catalog power chosen. A "->" power asks for its target, which is added to its name; a
/// "*" power asks for its level (not a number or below 1: level 1). A cancelled or empty answer
/// buys nothing. Refused with a message without the path of the magician ("Magical Power") or
/// the book; silently when the power points would pass the Magic total (lifted by Override
/// Limits). The power's modifier codes are applied. True when bought.
bool BuyPower(RulesContext& ctx, PowersView& view, const BookLists& books);

/// Removes the chosen power, gives back exactly the cost its entry holds and takes its modifier
/// codes back. True when removed.
bool RemovePower(RulesContext& ctx, PowersView& view);

}  // namespace ivgen
