// Moving between the pages of the character editor: leaving the priorities page applies the
// grants, the first move from the race page completes the race, entering a page refreshes it.
#pragma once

#include "rules/creation_state.h"

namespace ivgen {

/// The player shows another page: the page changes and PageChange runs. The page already
/// showing, or one outside 0..11, does nothing. True when the typed money changed the character.
bool SwitchPage(RulesContext& ctx, int page);

/// Runs after the page shown (ctx.state.pages.page) changed from previousPage. A page it moves
/// to itself does not run it again. True when an existing character's typed "Money" changed
/// the money granted: that is the player's edit, where the grants are the rules' own.
bool PageChange(RulesContext& ctx, int previousPage);

/// Shows an opened character on the race page. The page change runs as for the player, except
/// that the grants, the typed money and the race are not applied again over what the file holds.
void ShowOpenedCharacter(RulesContext& ctx);

/// Attribute points, active skill points and nuyen from the three priority rows; a row outside
/// 0..4 leaves its grant as it was. The attribute points keep what "ATR" codes added to them.
void ApplyPriorityGrants(RulesContext& ctx);

}  // namespace ivgen
