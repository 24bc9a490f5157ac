// A character ten times a typical one: about 300 gear entries, 100 skills, 50 implants, 60 spells
// and 40 contacts, for the benchmarks of the core and of the window.
#pragma once

#include <random>

#include "app/editor.h"

namespace ivgen {

// Fills the character through the pages' own actions, with Override Limits on so that money and
// points never stop it.
inline void BuildLargeCharacter(Editor& editor) {
  editor.Priorities().SetOverrideLimits(true);
  const Catalogs& catalogs = editor.CurrentCatalogs();
  std::mt19937 random(3);
  auto pick = [&](size_t n) { return n == 0 ? 0 : static_cast<int>(random() % n); };
  editor.SelectPage(kPageSkills);
  for (int i = 0; editor.Record().Skills.size() < 100 && i < 2000; ++i) {
    SkillsUnit& skills = editor.Skills();
    skills.SelectCategory(pick(skills.View().categories.size()));
    skills.SelectCatalogSkill(pick(skills.View().skills.size()));
    skills.Add();
  }
  editor.SelectPage(kPageCyberware);
  for (int i = 0; editor.Record().Cyberware.size() + editor.Record().Bioware.size() < 50 && i < 2000; ++i) {
    i % 2 == 0 ? editor.Cyberware().BuyItem(pick(catalogs.cyberware.size()))
               : editor.Bioware().BuyItem(pick(catalogs.bioware.size()));
  }
  editor.SelectPage(kPageSpells);
  for (int i = 0; editor.Record().Spells.size() < 60 && i < 2000; ++i) {
    SpellsUnit& spells = editor.Spells();
    spells.SelectCategory(pick(8));
    spells.SelectSpell(pick(40));
    spells.Add();
  }
  editor.SelectPage(kPageGear);
  for (int i = 0; editor.Record().Gear.size() < 300 && i < 5000; ++i) {
    editor.Gear().ClickGroup(static_cast<size_t>(pick(catalogs.gear.tree.size())));
    editor.Gear().BuyItem(pick(editor.Gear().View().shopItems.size()));
  }
  editor.SelectPage(kPageContacts);
  for (int i = 0; editor.Record().Contacts.size() < 40 && i < 200; ++i) editor.Contacts().Add();
}

}  // namespace ivgen
