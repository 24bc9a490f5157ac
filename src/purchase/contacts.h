// The contacts page: people the character knows, described by eight texts and a level that sets
// their price, the first two level-1 contacts free.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "entry/list_entries.h"
#include "purchase/gear.h"
#include "rules/creation_state.h"

namespace ivgen {

/// The page's eight texts are the entry's first eight columns, in their order; the list shows the
/// level and the price at their columns.
inline constexpr int kContactTextFields = 8;
inline constexpr int kContactLevelField = static_cast<int>(ColumnIndex(&ContactEntry::level));
inline constexpr int kContactPriceField = static_cast<int>(ColumnIndex(&ContactEntry::price));
static_assert(kContactLevelField < kContactTextFields && kContactPriceField == kContactTextFields);

/// The headings of the eight texts, in the order of the entry's fields 0 to 7.
inline constexpr std::array<const char*, kContactTextFields> kContactHeadings = {
    "Name", "Archetype",   "Occupation",         "Location",
    "LTG#", "Affiliation", "Race & Description", "History and Relationships"};
inline constexpr const char* kContactLevelHint = "1-Contact 2-Buddy 3-Friend for Life";
inline constexpr const char* kNotEnoughNuyen = "Not enough nuyen!";

inline constexpr int32_t kBuddyPrice = 10000;
inline constexpr int32_t kFriendForLifePrice = 200000;
inline constexpr int32_t kContactPrice = 5000;
inline constexpr int kFreeContacts = 2;

/// Everything the contacts page shows that the rules decide.
struct ContactsView {
  /// The eight texts as typed; field 5 is the level.
  std::array<std::string, kContactTextFields> fields{"", "", "", "", "", "1", "", ""};
  /// The price of the contact chosen or added last.
  std::string price;
  int selected = -1;
  bool removeEnabled = false;
  bool updateEnabled = false;
  std::string moneyLeft = "0";
  bool operator==(const ContactsView&) const = default;
};

/// Typing into one of the eight texts. A TAB or "~" would split the entry when it is saved and
/// becomes a blank; line breaks become CR LF; the eight together are cut to what a saved entry
/// holds. An index outside 0..7 does nothing.
void SetContactField(ContactsView& view, int index, std::string_view text);

/// Adds a contact from the eight texts, priced by its level; "Not enough nuyen!" when money is
/// short, whatever Override Limits says. True when the contact was added.
bool AddContact(RulesContext& ctx, ContactsView& view);
/// What a contact of a level costs now: a Buddy (2) 10,000, a Friend for Life (3) 200,000, any
/// other level 5,000 once two level-1 contacts were counted and nothing before.
int32_t ContactPrice(const CharacterRecord& record, double level);

/// Takes the chosen contact out, unrefunded, and adds it again from the eight texts at the end
/// of the list, leaving no contact chosen and "Update" and "Remove" disabled. When money is short the contact stays as
/// it was, where it was, and chosen.
bool UpdateContact(RulesContext& ctx, ContactsView& view);

/// Removes the chosen contact and refunds the price it holds, leaving no contact chosen.
bool RemoveContact(RulesContext& ctx, ContactsView& view);

/// Empties the eight texts; the level becomes "1".
void ClearContact(ContactsView& view);

/// Chooses a contact: its texts and price fill the page. An index outside the list does nothing.
void SelectContact(RulesContext& ctx, ContactsView& view, int index);

/// The number of contacts whose level, read as a whole number, is 1.
int16_t CountLevel1Contacts(const CharacterRecord& record);

/// The up and down buttons: the chosen contact moves one place and the selection follows.
void MoveContactUp(RulesContext& ctx, ContactsView& view);
void MoveContactDown(RulesContext& ctx, ContactsView& view);

/// New or Open: nothing of the new list is chosen; money left is shown again.
void ResetContactsPage(RulesContext& ctx, ContactsView& view);

}  // namespace ivgen
