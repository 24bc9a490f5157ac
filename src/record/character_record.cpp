#include "record/character_record.h"

#include <utility>

namespace ivgen {

void ResetRecordFields(CharacterRecord& record, const std::string& defaultGif) {
  CharacterRecord fresh;
  // What a new character keeps: the player's generation choices and the karma texts.
  fresh.KarmaTotal = std::move(record.KarmaTotal);
  fresh.KarmaRemain = std::move(record.KarmaRemain);
  fresh.Adept = record.Adept;
  fresh.norules = record.norules;
  fresh.Attributes = record.Attributes;
  fresh.Maxresources = record.Maxresources;
  fresh.PriRace = record.PriRace;
  fresh.PriMagic = record.PriMagic;
  fresh.PriAttributes = record.PriAttributes;
  fresh.PriSkills = record.PriSkills;
  fresh.PriResources = record.PriResources;
  fresh.Tradition = record.Tradition;
  fresh.PtsRsel = record.PtsRsel;
  fresh.PtsAttributes = record.PtsAttributes;
  fresh.PtsSkills = record.PtsSkills;
  fresh.PtsResourceSel = record.PtsResourceSel;
  fresh.PtsMeta = record.PtsMeta;
  fresh.PtsGhoul = record.PtsGhoul;
  fresh.PtsOtaku = record.PtsOtaku;
  fresh.PtsNoRules = record.PtsNoRules;
  fresh.PtsPhysAdMagic = record.PtsPhysAdMagic;
  fresh.GraphicsFilename = defaultGif;
  record = std::move(fresh);
}

}  // namespace ivgen
