// The scripted platform stands in for the person in every end-to-end test, so its answering
// rules are what the scenarios rely on.
#include "platform/scripted_platform.h"

#include <gtest/gtest.h>

namespace ivgen {
namespace {

TEST(ScriptedPlatform, AnswersFromTheQueueAndDefaultsToTheFirstButton) {
  ScriptedPlatform platform;
  platform.QueueAnswer("no");
  EXPECT_EQ(platform.Message("Save?", "New character", Icon::Warning, Buttons::YesNoCancel), Answer::No);
  EXPECT_EQ(platform.Message("Save?", "New character", Icon::Warning, Buttons::YesNoCancel), Answer::Yes);
  // An answer that is not one of the box's buttons falls back to the first button.
  platform.QueueAnswer("Cancel");
  EXPECT_EQ(platform.Message("Really?", "Exit", Icon::None, Buttons::YesNo), Answer::Yes);
  EXPECT_EQ(platform.Input("Name?", "Contact", "x"), "") << "an unanswered input box is cancelled";
  EXPECT_EQ(platform.OpenFile({"Open", "Ironveil 3 (*.iv3)|*.iv3", "iv3", ""}), "");
  EXPECT_EQ(platform.Log(), (std::vector<std::string>{
                                "message [New character] (warning, Yes/No/Cancel) Save? -> No",
                                "message [New character] (warning, Yes/No/Cancel) Save? -> Yes",
                                "message [Exit] (Yes/No) Really? -> Yes",
                                "input [Contact] Name? {x} -> \"\"",
                                "open-file [Open] Ironveil 3 (*.iv3)|*.iv3 -> \"\"",
                            }));
}

TEST(ScriptedPlatform, QueuedRollsComeFirstThenARepeatableSequence) {
  ScriptedPlatform first(7);
  ScriptedPlatform second(7);
  first.QueueRandom(0.99);
  EXPECT_DOUBLE_EQ(first.NextRandom(), 0.99);
  for (int i = 0; i < 100; ++i) {
    const double value = first.NextRandom();
    EXPECT_DOUBLE_EQ(value, second.NextRandom());
    EXPECT_GE(value, 0.0);
    EXPECT_LT(value, 1.0);
  }
}

TEST(ScriptedPlatform, RecordsDialogsAndProgressOnce) {
  ScriptedPlatform platform;
  platform.ShowDialog(Dialog::AnimalForm);
  platform.ShowDialog(Dialog::AnimalForm);
  platform.CloseDialog(Dialog::AnimalForm);
  platform.CloseDialog(Dialog::AnimalForm);
  platform.ProgressShow("Reloading files", "Loading ....");
  platform.ProgressStep("Cyberware");
  platform.ProgressHide();
  platform.ProgressHide();
  EXPECT_EQ(platform.Log(), (std::vector<std::string>{"dialog AnimalForm", "closed AnimalForm",
                                                      "progress [Reloading files] Loading ....", "progress Cyberware",
                                                      "progress closed"}));
}

}  // namespace
}  // namespace ivgen
