// The dialogs of point-based generation and of edges and flaws, and the special kinds of
// character: the ghoul button, the albino option and the shapeshifter's animal-form window.
#pragma once

#include <functional>
#include <string>

#include "app/settings.h"
#include "app/unit_host.h"
#include "rules/edges.h"
#include "rules/point_generation.h"
#include "rules/specials.h"

namespace ivgen {

class PointsUnit final : public Unit {
 public:
  PointsUnit(UnitHost& host, const Settings& settings, PointGenerationView& generation, EdgesView& edges,
             SpecialsView& specials, BuildAccount& account)
      : host_(host),
        settings_(settings),
        generation_(generation),
        edges_(edges),
        specials_(specials),
        account_(account) {}

  const PointGenerationView& Generation() const { return generation_; }
  const EdgesView& Edges() const { return edges_; }
  const SpecialsView& Specials() const { return specials_; }
  const BuildAccount& Account() const { return account_; }

  // "Character Generation Using Points"; a choice outside its range or a hidden control does
  // nothing.
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

  // The edges and flaws dialog.
  /// The race page's "Edges && Flaws" button.
  void OpenEdges();
  void SelectEdge(int index);
  void SelectFlaw(int index);
  void SelectEntry(int index);
  void AddEdge();
  void AddFlaw();
  void Remove();
  /// "Done"; closing the dialog by its frame is the same.
  void EdgesDone();

  // The ghoul, the albino and the animal form.
  void BeginGhoul();
  void SetAlbino(bool on);
  void ChooseAlbinoFlaw(int choice);
  void RaiseAnimal(int i);
  void LowerAnimal(int i);
  void HideAnimalForm();
  void UnhideShifter();

  // What the Editor runs: New, after every action, and the creation rules' hooks.
  void Reset(RulesContext& ctx) override;
  /// A load selects the first edge and the first flaw, so "Add Edge" and "Add Flaw" take them.
  bool CatalogsReloaded(RulesContext& ctx) override {
    edges_.selectedEdge = ctx.catalogs.edges.edges.empty() ? -1 : 0;
    edges_.selectedFlaw = ctx.catalogs.edges.flaws.empty() ? -1 : 0;
    return false;
  }
  void Refresh(RulesContext& ctx) override;
  void SCalcMaxUsed(RulesContext& ctx) { ivgen::SCalcMaxUsed(ctx, specials_); }
  void GhoulCheck(RulesContext& ctx) { ivgen::GhoulCheck(ctx, specials_); }
  void AlbinoChoice(RulesContext& ctx) { ivgen::AlbinoChoice(ctx, specials_); }
  void AlbinoFlaw(RulesContext& ctx) { ivgen::AlbinoFlaw(ctx, specials_); }
  /// An opened character: the dialog shows the choices its file holds.
  void RestorePointGeneration(RulesContext& ctx);
  void CalcEdgePts(RulesContext& ctx);
  /// An opened character: the ghoul button it bought and has not used yet.
  void Opened(RulesContext& ctx) { RestoreGhoulButton(ctx, specials_); }

 private:
  void TakeSettings();
  /// Runs a rule with the settings in effect taken into the account.
  void Run(const Action& action);
  /// Runs a rule that changes only what the dialogs show.
  void Show(const std::function<void(RulesContext&)>& rule);

  UnitHost& host_;
  const Settings& settings_;
  PointGenerationView& generation_;
  EdgesView& edges_;
  SpecialsView& specials_;
  BuildAccount& account_;
};

}  // namespace ivgen
