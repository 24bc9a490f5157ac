#include "app/edges_unit.h"

namespace ivgen {

void EdgesUnit::Open() {
  Run(ViewOnly([&](RulesContext& ctx) { OpenEdges(ctx, view_, account_); }));
}

void EdgesUnit::SelectEdge(int index) {
  Run(ViewOnly([&](RulesContext& ctx) { ivgen::SelectEdge(ctx, view_, index); }));
}

void EdgesUnit::SelectFlaw(int index) {
  Run(ViewOnly([&](RulesContext& ctx) { ivgen::SelectFlaw(ctx, view_, index); }));
}

void EdgesUnit::SelectEntry(int index) {
  Run(ViewOnly([&](RulesContext& ctx) { ivgen::SelectEntry(ctx, view_, index); }));
}

void EdgesUnit::AddEdge() {
  host_.Name("Add");
  Run([&](RulesContext& ctx) { return ivgen::AddEdge(ctx, view_, account_); });
}

void EdgesUnit::AddFlaw() {
  host_.Name("Add");
  Run([&](RulesContext& ctx) { return ivgen::AddFlaw(ctx, view_, account_); });
}

void EdgesUnit::Remove() {
  host_.Name("Remove");
  Run([&](RulesContext& ctx) { return RemoveEdge(ctx, view_, account_); });
}

void EdgesUnit::Done() {
  host_.Name("Done");
  Run(ViewOnly([&](RulesContext& ctx) { EdgesDone(ctx, view_, account_); }));
}

void EdgesUnit::CalcEdgePts(RulesContext& ctx) {
  TakeBuildLimits(settings_, account_);
  ivgen::CalcEdgePts(ctx, view_, account_);
}

}  // namespace ivgen
