// A platform that answers every prompt at once and draws nothing, so a benchmark times the core.
#pragma once

#include <string>

#include "platform/platform.h"

namespace ivgen {

class QuietPlatform : public Platform {
 public:
  Answer Message(const ShownText&, const std::string&, Icon, Buttons) override { return Answer::Ok; }
  std::string Input(const std::string&, const std::string&, const std::string&) override { return ""; }
  std::string OpenFile(const FileRequest&) override { return ""; }
  std::string SaveFile(const FileRequest&) override { return ""; }
  std::string ChooseFolder(const std::string&) override { return ""; }
  void RunDialog(Dialog) override {}
  void ShowDialog(Dialog) override {}
  void CloseDialog(Dialog) override {}
  void ProgressShow(const std::string&, const std::string&) override {}
  void ProgressStep(const std::string&) override {}
  void ProgressHide() override {}
  void SetBusy(bool) override {}
  void Refused(const std::string&) override {}
  double NextRandom() override { return 0.5; }
  DieState SaveDie() const override { return {RandomSource(1), {}}; }
  void RestoreDie(const DieState&) override {}
};

}  // namespace ivgen
