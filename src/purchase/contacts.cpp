#include "purchase/contacts.h"

#include <array>
#include <limits>

#include "record/ini_file.h"
#include "record/money.h"
#include "record/values.h"

namespace ivgen {

namespace {

// What the eight texts may hold together: a saved entry is one value of the character file,
// which also holds the tabs between the twelve fields and the price.
constexpr size_t kContactTextBudget = IniFile::kMaxValueLength - (NewFieldCount<ContactEntry>() - 1) - 11;

// The column behind each of the page's eight texts.
constexpr auto kTextColumns = [] {
  std::array<std::string ContactEntry::*, kContactTextFields> members{};
  for (size_t i = 0; i < members.size(); ++i) members[i] = ContactEntry::Columns()[i].member;
  return members;
}();

bool HasSelection(const CharacterRecord& record, const ContactsView& view) {
  return view.selected >= 0 && view.selected < static_cast<int>(record.Contacts.size());
}

void Deselect(ContactsView& view) {
  view.selected = -1;
  view.removeEnabled = false;
  view.updateEnabled = false;
}

}  // namespace

void SetContactField(ContactsView& view, int index, std::string_view text) {
  if (index < 0 || index >= kContactTextFields) return;
  std::string clean;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      clean += "\r\n";
    } else {
      clean += c == kTab || c == '~' ? ' ' : c;
    }
  }
  size_t others = 0;
  for (int i = 0; i < kContactTextFields; ++i) {
    if (i != index) others += view.fields[static_cast<size_t>(i)].size();
  }
  const size_t room = others < kContactTextBudget ? kContactTextBudget - others : 0;
  if (clean.size() > room) {
    clean.resize(room);
    // Half a line break would come back as a stray character.
    if (!clean.empty() && clean.back() == '\r') clean.pop_back();
  }
  view.fields[static_cast<size_t>(index)] = std::move(clean);
}

int32_t ContactPrice(const CharacterRecord& record, double level) {
  if (level == 2) return kBuddyPrice;
  if (level == 3) return kFriendForLifePrice;
  return record.Level1Contacts < kFreeContacts ? 0 : kContactPrice;
}

bool AddContact(RulesContext& ctx, ContactsView& view) {
  CharacterRecord& record = ctx.record;
  std::string& levelText = view.fields[kContactLevelField];
  if (!(Val(levelText) > 0)) levelText = "1";
  const double level = Val(levelText);

  const int32_t price = ContactPrice(record, level);
  // A level-1 contact is counted even when it is then refused.
  if (level != 2 && level != 3 && record.Level1Contacts < std::numeric_limits<int16_t>::max()) {
    ++record.Level1Contacts;
  }

  if (!CanAfford(record, price)) {
    ctx.platform.Message(kNotEnoughNuyen, kAppTitle, Icon::None, Buttons::Ok);
    return false;
  }
  view.price = IntText(price);
  ContactEntry contact;
  for (size_t i = 0; i < kTextColumns.size(); ++i) contact.*kTextColumns[i] = view.fields[i];
  contact.price = view.price;
  SpendNuyen(record, price);
  record.Contacts.push_back(FormatEntry(contact));
  ShowMoneyLeft(ctx);
  return true;
}

bool UpdateContact(RulesContext& ctx, ContactsView& view) {
  CharacterRecord& record = ctx.record;
  if (!HasSelection(record, view)) return false;
  const auto place = record.Contacts.begin() + view.selected;
  const std::string before = *place;
  const int16_t counted = record.Level1Contacts;
  record.Contacts.erase(place);
  if (!AddContact(ctx, view)) {
    // A refused update must not lose the contact the player chose.
    record.Contacts.insert(record.Contacts.begin() + view.selected, before);
    record.Level1Contacts = counted;
    return false;
  }
  // The chosen entry is gone: nothing is left for Update or Remove until a click.
  Deselect(view);
  return true;
}

bool RemoveContact(RulesContext& ctx, ContactsView& view) {
  CharacterRecord& record = ctx.record;
  if (!HasSelection(record, view)) return false;
  const auto place = record.Contacts.begin() + view.selected;
  RefundNuyen(record, ParseEntry<ContactEntry>(*place).Price());
  record.Contacts.erase(place);
  Deselect(view);
  ShowMoneyLeft(ctx);
  return true;
}

void ClearContact(ContactsView& view) {
  view.fields = {};
  view.fields[kContactLevelField] = "1";
}

void SelectContact(RulesContext& ctx, ContactsView& view, int index) {
  if (index < 0 || index >= static_cast<int>(ctx.record.Contacts.size())) return;
  const ContactEntry contact = ParseEntry<ContactEntry>(ctx.record.Contacts[static_cast<size_t>(index)]);
  for (size_t i = 0; i < kTextColumns.size(); ++i) view.fields[i] = contact.*kTextColumns[i];
  view.price = contact.price;
  view.selected = index;
  view.removeEnabled = true;
  view.updateEnabled = true;
}

int16_t CountLevel1Contacts(const CharacterRecord& record) {
  int16_t count = 0;
  for (const std::string& entry : record.Contacts) {
    if (CInt(ParseEntry<ContactEntry>(entry).Level()) == 1 && count < std::numeric_limits<int16_t>::max()) ++count;
  }
  return count;
}

void MoveContactUp(RulesContext& ctx, ContactsView& view) {
  MoveListEntry(ctx.record.Contacts.Edit(), view.selected, -1);
}

void MoveContactDown(RulesContext& ctx, ContactsView& view) {
  MoveListEntry(ctx.record.Contacts.Edit(), view.selected, 1);
}

void ResetContactsPage(RulesContext& ctx, ContactsView& view) {
  Deselect(view);
  ClearContact(view);
  view.price.clear();
  ctx.state.money.contacts = MoneyLeftText(ctx.record);
}

}  // namespace ivgen
