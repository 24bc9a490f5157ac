#include "app/bioware_unit.h"

namespace ivgen {

void BiowareUnit::ChooseType(int type) {
  RunOnView([type](RulesContext& ctx, BiowareView& view) { SelectBiowareType(ctx, view, type); });
}

}  // namespace ivgen
