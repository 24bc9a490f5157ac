// "Character Generation Using Points": the dialog that spends build points on race, magic,
// resources, attributes and skills.
#pragma once

#include <string>

#include "app/settings.h"
#include "app/unit_host.h"
#include "rules/edges.h"
#include "rules/point_generation.h"

namespace ivgen {

/// The Options dialog may have changed the build limits since the last action.
inline void TakeBuildLimits(const Settings& settings, BuildAccount& account) {
  account.maxpoints = settings.maxpoints;
  account.MaxAbsEpts = settings.MaxAbsEpts;
  account.MaxFlawEdge = settings.MaxFlawEdge;
}

/// Runs a rule of the point dialogs with the build limits in effect taken into the account.
inline void RunWithBuildLimits(UnitHost& host, const Settings& settings, BuildAccount& account, const Action& action) {
  host.Run([&](RulesContext& ctx) {
    TakeBuildLimits(settings, account);
    return action(ctx);
  });
}

class PointGenerationUnit final : public Unit {
 public:
  PointGenerationUnit(UnitHost& host, const Settings& settings, PointGenerationView& view, EdgesView& edges,
                      BuildAccount& account)
      : host_(host), settings_(settings), view_(view), edges_(edges), account_(account) {}

  const PointGenerationView& View() const { return view_; }
  const BuildAccount& Account() const { return account_; }

  // A choice outside its range or a hidden control does nothing.
  /// The dialog came into view: it counts its points again.
  void Activate();
  void ChooseRace(int choice);
  void SetMetaVariants(bool on);
  void SetGhoul(bool on);
  void SetOtaku(bool on);
  void SetNoRules(bool on);
  void SetMagic(bool on);
  void ChooseMagic(int choice);
  void SetPhysAdMagician(bool on);
  void ChooseResources(int choice);
  void SetAttributePoints(std::string text);
  void SetActiveSkills(std::string text);
  void RaiseAttributePoints();
  void LowerAttributePoints();
  void RaiseActiveSkills();
  void LowerActiveSkills();
  /// Its "Edges && Flaws" button.
  void OpenEdgesFromPoints();
  /// "Done"; closing the dialog by its frame is the same.
  void Done();

  void Reset(RulesContext&) override { account_.BuildPointsUsed = 0; }
  void Refresh(RulesContext& ctx) override;
  /// An opened character: the dialog shows the choices its file holds.
  void RestorePointGeneration(RulesContext& ctx);

 private:
  void Run(const Action& action) { RunWithBuildLimits(host_, settings_, account_, action); }

  UnitHost& host_;
  const Settings& settings_;
  PointGenerationView& view_;
  EdgesView& edges_;
  BuildAccount& account_;
};

}  // namespace ivgen
