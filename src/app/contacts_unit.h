// The Contacts page: the eight texts of a contact, its level and price, and the contact list.
#pragma once

#include <string>

#include "app/unit_host.h"
#include "purchase/contacts.h"
#include "record/money.h"

namespace ivgen {

class ContactsUnit final : public Unit {
 public:
  ContactsUnit(UnitHost& host, ContactsView& view) : host_(host), view_(view) {}

  const ContactsView& View() const { return view_; }

  /// Typing into one of the eight texts, 0 "Name" to 7 "History and Relationships".
  void SetField(int index, std::string_view text) { SetContactField(view_, index, text); }
  /// The buttons: add, "Update", "Remove", "Clear".
  void Add();
  void Update();
  void Remove();
  void Clear() { ClearContact(view_); }
  /// A contact of the list clicked.
  void Choose(int index);
  /// The up and down buttons beside the list.
  void MoveUp();
  void MoveDown();

  /// The money left as of the last purchase, refund or visit.
  void Refresh(RulesContext& ctx) override { view_.moneyLeft = ctx.state.money.contacts; }
  /// Entering the page: the money left as it is now.
  void Entered(RulesContext& ctx) override { ctx.state.money.contacts = MoneyLeftText(ctx.record); }
  /// New: the page's texts are cleared and nothing is chosen.
  void Reset(RulesContext& ctx) override;

 private:
  UnitHost& host_;
  ContactsView& view_;
};

}  // namespace ivgen
