// The edges and flaws dialog, opened from the race page or from the point-generation dialog.
#pragma once

#include "app/point_generation_unit.h"
#include "rules/edges.h"

namespace ivgen {

class EdgesUnit final : public Unit {
 public:
  EdgesUnit(UnitHost& host, const Settings& settings, EdgesView& view, BuildAccount& account)
      : host_(host), settings_(settings), view_(view), account_(account) {}

  const EdgesView& View() const { return view_; }
  const BuildAccount& Account() const { return account_; }

  /// The race page's "Edges && Flaws" button.
  void Open();
  void SelectEdge(int index);
  void SelectFlaw(int index);
  void SelectEntry(int index);
  void AddEdge();
  void AddFlaw();
  void Remove();
  /// "Done"; closing the dialog by its frame is the same.
  void Done();

  void Reset(RulesContext& ctx) override {
    view_ = EdgesView{};
    CatalogsReloaded(ctx);
  }
  /// A load selects the first edge and the first flaw, so "Add Edge" and "Add Flaw" take them.
  bool CatalogsReloaded(RulesContext& ctx) override {
    view_.selectedEdge = ctx.catalogs.edges.edges.empty() ? -1 : 0;
    view_.selectedFlaw = ctx.catalogs.edges.flaws.empty() ? -1 : 0;
    return false;
  }
  void Refresh(RulesContext& ctx) override { CalcEdgePts(ctx); }
  void CalcEdgePts(RulesContext& ctx);

 private:
  void Run(const Action& action) { RunWithBuildLimits(host_, settings_, account_, action); }

  UnitHost& host_;
  const Settings& settings_;
  EdgesView& view_;
  BuildAccount& account_;
};

}  // namespace ivgen
