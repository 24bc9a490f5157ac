// The Editor's actions on the Priorities, Race and Attributes pages, and the seams through which
// the creation rules reach the units of the other pages.
#include "app/editor.h"

#include "rules/attributes.h"
#include "rules/page_change.h"
#include "rules/priorities.h"
#include "rules/race.h"

namespace ivgen {

// Each seam stays silent until the unit it names is written: the shapeshifter and ghoul rules,
// the albino option, the skill, cyberware, bioware, gear, contact and sheet units.
void Editor::CreationSeams::SCalcMaxUsed() {}
void Editor::CreationSeams::GhoulCheck() {}
void Editor::CreationSeams::AlbinoChoice() {}
void Editor::CreationSeams::AlbinoFlaw() {}
void Editor::CreationSeams::ShowStandardView() { editor_.ShowStandardView(); }
void Editor::CreationSeams::ShowMoneyLeft() {}
void Editor::CreationSeams::RecountSkillPoints() {}
void Editor::CreationSeams::RecountCyberwareEssence() {}
void Editor::CreationSeams::RecountBioIndex() {}
void Editor::CreationSeams::RefreshGearTotals() {}
void Editor::CreationSeams::RefreshContacts() {}
void Editor::CreationSeams::RefreshOverrideView() {}
void Editor::CreationSeams::OfferSheetName(const std::string& /*streetName*/) {}

RulesContext Editor::Rules() { return RulesContext{record_, creation_, platform_, creationSeams_, catalogs_}; }

void Editor::SyncCreationFrame() { frame_.currentPage = creation_.pages.page; }

void Editor::StartCreationPages() {
  RulesContext ctx = Rules();
  StartCreation(ctx);
  SyncCreationFrame();
}

void Editor::ResetCreationPages() {
  RulesContext ctx = Rules();
  ResetCreation(ctx);
  SyncCreationFrame();
}

void Editor::RunPageChange(int from, int to) {
  RulesContext ctx = Rules();
  creation_.pages.page = to;
  ivgen::PageChange(ctx, from);
  SyncCreationFrame();
}

void Editor::RecalcDerivedValues() {
  RulesContext ctx = Rules();
  ivgen::RecalcDerived(ctx);
}

void Editor::SelectPriorityRow(int row) {
  RulesContext ctx = Rules();
  ivgen::SelectPriorityRow(ctx, row);
  SyncCreationFrame();
}

void Editor::MoveAreaUp() {
  RulesContext ctx = Rules();
  if (ivgen::MoveAreaUp(ctx)) document_.Modified = true;
  SyncCreationFrame();
}

void Editor::MoveAreaDown() {
  RulesContext ctx = Rules();
  if (ivgen::MoveAreaDown(ctx)) document_.Modified = true;
  SyncCreationFrame();
}

void Editor::ChooseAdept(int choice) {
  RulesContext ctx = Rules();
  if (ivgen::ChooseAdept(ctx, choice)) document_.Modified = true;
  SyncCreationFrame();
}

void Editor::SetPhysAdMagic(bool on) {
  RulesContext ctx = Rules();
  if (ivgen::SetPhysAdMagic(ctx, on)) document_.Modified = true;
  SyncCreationFrame();
}

void Editor::SetOverrideLimits(bool on) {
  RulesContext ctx = Rules();
  if (ivgen::SetOverrideLimits(ctx, on)) document_.Modified = true;
  SyncCreationFrame();
}

void Editor::ToggleExistingCharacter() { SetOverrideLimits(record_.norules == 0); }

void Editor::SetInitiation(bool on) {
  RulesContext ctx = Rules();
  if (ivgen::SetInitiation(ctx, on)) document_.Modified = true;
  SyncCreationFrame();
}

void Editor::SetGradeText(std::string text) {
  RulesContext ctx = Rules();
  if (ivgen::SetGradeText(ctx, text)) document_.Modified = true;
}

void Editor::SetMoneyText(std::string text) {
  RulesContext ctx = Rules();
  ivgen::SetMoneyText(ctx, text);
}

void Editor::ChoosePriorityGenerator() {
  RulesContext ctx = Rules();
  ivgen::ChoosePriorityGenerator(ctx);
  SyncCreationFrame();
}

void Editor::ChoosePointGenerator() {
  RulesContext ctx = Rules();
  ivgen::ChoosePointGenerator(ctx);
  SyncCreationFrame();
}

void Editor::ClickRace(int race) {
  RulesContext ctx = Rules();
  ivgen::ClickRace(ctx, race);
}

void Editor::ChooseMetatype(int index) {
  RulesContext ctx = Rules();
  ivgen::ChooseMetatype(ctx, index);
}

void Editor::RaiseAttribute(int i) {
  RulesContext ctx = Rules();
  if (ivgen::RaiseAttribute(ctx, i)) document_.Modified = true;
}

void Editor::LowerAttribute(int i) {
  RulesContext ctx = Rules();
  if (ivgen::LowerAttribute(ctx, i)) document_.Modified = true;
}

}  // namespace ivgen
