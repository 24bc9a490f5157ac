#include "app/contacts_unit.h"

namespace ivgen {

void ContactsUnit::Add() {
  host_.Name("Add");
  host_.Run([this](RulesContext& ctx) { return AddContact(ctx, view_); });
}

void ContactsUnit::Update() {
  host_.Name("Update");
  host_.Run([this](RulesContext& ctx) { return UpdateContact(ctx, view_); });
}

void ContactsUnit::Remove() {
  host_.Name("Remove");
  host_.Run([this](RulesContext& ctx) { return RemoveContact(ctx, view_); });
}

void ContactsUnit::Choose(int index) {
  host_.Run(ViewOnly([this, index](RulesContext& ctx) { SelectContact(ctx, view_, index); }));
}

// Reordering is not a change the save prompt asks about.
void ContactsUnit::MoveUp() {
  host_.Name("Move");
  host_.Run(ViewOnly([this](RulesContext& ctx) { MoveContactUp(ctx, view_); }));
}

void ContactsUnit::MoveDown() {
  host_.Name("Move");
  host_.Run(ViewOnly([this](RulesContext& ctx) { MoveContactDown(ctx, view_); }));
}

void ContactsUnit::Reset(RulesContext& ctx) { ResetContactsPage(ctx, view_); }

}  // namespace ivgen
