// The edges and flaws dialog: the character's chosen edges and flaws, their point sum, and the
// limits the settings put on them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "rules/creation_state.h"

namespace ivgen {

inline constexpr const char* kExceedAbsMaxMessage = "Exceed ABS Max Build:";
inline constexpr const char* kMustEqualZeroMessage = "Must equal zero (+1 -1 =0)";

/// The build-point account that point generation and the edges and flaws dialog share: the three
/// limits of the settings and the build points spent in point generation.
struct BuildAccount {
  int16_t maxpoints = 0;
  int16_t MaxAbsEpts = 0;
  int16_t MaxFlawEdge = 5;
  /// Spent in the point-generation dialog; 0 for a new character.
  int16_t BuildPointsUsed = 0;
  bool operator==(const BuildAccount&) const = default;
};

/// What the edges and flaws dialog shows.
struct EdgesView {
  int16_t EdgeSum = 0;
  /// Build points under points ("97/120"), the edge sum alone under priorities ("2/0").
  std::string pointsDisplay = "0/0";
  /// Selected entries of the catalog's edges, its flaws and the character's list; -1 for none.
  int selectedEdge = -1;
  int selectedFlaw = -1;
  int selectedEntry = -1;
  bool removeEnabled = false;
  bool operator==(const EdgesView&) const = default;
};

/// The number between an entry's first "[" and the "]" after it; none for an entry without "[".
/// Text there that does not start with a number counts 0.
std::optional<int> EdgePoints(std::string_view entry);

/// The sum of the point values of the character's edges and flaws, held to the 16-bit range.
int16_t EdgeSum(const CharacterRecord& record);

/// Recomputes the edge sum and the points display.
void CalcEdgePts(RulesContext& ctx, EdgesView& view, const BuildAccount& account);

/// "Edges && Flaws": the display brought up to date, then the dialog opens modally.
void OpenEdges(RulesContext& ctx, EdgesView& view, const BuildAccount& account);

/// Clicks on the three lists; an index outside the list selects nothing.
void SelectEdge(RulesContext& ctx, EdgesView& view, int index);
void SelectFlaw(RulesContext& ctx, EdgesView& view, int index);
void SelectEntry(RulesContext& ctx, EdgesView& view, int index);

/// The add button (or a double click) of the edges list: the selected edge joins the character
/// and its modifier codes apply. Refused silently past maxpoints (build points count only under
/// points) unless Override Limits is on. True when the list changed.
bool AddEdge(RulesContext& ctx, EdgesView& view, const BuildAccount& account);
/// The add button (or a double click) of the flaws list; flaws have no limit.
bool AddFlaw(RulesContext& ctx, EdgesView& view, const BuildAccount& account);
/// The remove button: the selected entry leaves the list and its codes are taken back. Entries
/// without "[" stay.
bool RemoveEdge(RulesContext& ctx, EdgesView& view, const BuildAccount& account);

/// The limit of edges and flaws that "Done" would refuse, as its message says it; "" when they
/// hold. Override Limits is not asked here: Done lifts these limits, the Left to Do pane notes them.
std::string BrokenEdgeLimit(const CharacterRecord& record, const EdgesView& view, const BuildAccount& account);

/// "Done": closes the dialog when the limits hold, otherwise shows why and keeps it open. True
/// when it closed.
bool EdgesDone(RulesContext& ctx, EdgesView& view, const BuildAccount& account);

}  // namespace ivgen
