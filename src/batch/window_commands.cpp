// ivgen-batch commands of the main window itself: the File, Edit, View and Help menus, the About
// box and the page tabs.
#include <functional>
#include <string>

#include "batch/script_runner.h"
#include "record/values.h"
#include "rules/pages.h"

namespace ivgen {

void ScriptRunner::ShowInfo(Dialog dialog, const std::function<void()>& open) {
  open();
  // The player reads the lines and closes the dialog: its only button.
  for (const InfoLine& line : editor_.Info().InfoLines()) SayShown(line.label + ": " + line.value);
  editor_.Info().CloseInfo(dialog);
}

void ScriptRunner::AddWindowCommands() {
  auto ending = [this](std::function<bool()> action) {
    return [this, action](const ScriptLine& line, std::string& error) {
      if (!line.words.empty()) {
        error = "takes no arguments";
        return false;
      }
      if (action()) {
        Say("program ends");
        programEnded_ = true;
      } else {
        Say("program goes on");
      }
      return true;
    };
  };

  commands_["new"] = NoArguments([this] { editor_.New(); });
  commands_["open"] = NoArguments([this] { editor_.Open(); });
  commands_["save"] = NoArguments([this] { editor_.Save(); });
  commands_["saveas"] = NoArguments([this] { editor_.SaveAs(); });
  commands_["exit"] = ending([this] { return editor_.Exit(); });
  commands_["close"] = ending([this] { return editor_.CloseWindow(); });
  commands_["properties"] = NoArguments([this] { ShowInfo(Dialog::Properties, [this] { editor_.Properties(); }); });
  commands_["help"] = NoArguments([this] {
    editor_.Info().HelpContents();
    if (!editor_.Info().Help().open) return;
    for (const GuideSection& section : editor_.Info().Help().sections) {
      if (!section.heading.empty()) Say("contents " + ContentsLine(section));
    }
  });
  commands_["help-search"] = [this](const ScriptLine& line, std::string&) {
    editor_.Info().HelpSearch();
    if (!editor_.Info().Help().open) return true;
    editor_.Info().SearchHelp(TextArgument(line));
    const std::vector<std::string>& found = editor_.Info().Help().found;
    if (found.empty()) Say("found nothing");
    for (const std::string& heading : found) Say("found " + heading);
    return true;
  };
  commands_["help-close"] = Reachable([this] { return editor_.Info().Help().open; }, "the help window",
                                      NoArguments([this] { editor_.Info().CloseHelp(); }));
  commands_["statusbar"] = NoArguments([this] { editor_.ToggleStatusBar(); });
  commands_["about"] = NoArguments([this] { editor_.Info().ShowAbout(); });
  // As the Edit menu's items, which are disabled with nothing to undo or redo.
  commands_["undo"] = Reachable([this] { return editor_.CanUndo(); }, "Undo", NoArguments([this] { editor_.Undo(); }));
  commands_["redo"] = Reachable([this] { return editor_.CanRedo(); }, "Redo", NoArguments([this] { editor_.Redo(); }));
  commands_["show-undo"] = NoArguments([this] {
    out_ << "undo=" << editor_.UndoText() << "\n"
         << "redo=" << editor_.RedoText() << "\n";
  });
  // The About box's buttons exist only while it is open.
  auto inAbout = [this](BatchCommand command) {
    return InWindow(platform_, Dialog::About, "the About box", std::move(command));
  };
  commands_["about-sysinfo"] =
      inAbout(NoArguments([this] { ShowInfo(Dialog::SystemInfo, [this] { editor_.Info().AboutSystemInfo(); }); }));
  commands_["about-ok"] = inAbout(NoArguments([this] { editor_.Info().AboutOk(); }));
  commands_["page"] = [this](const ScriptLine& line, std::string& error) {
    const std::string wanted = TextArgument(line, 0);
    for (int page = 0; page < kPageCount; ++page) {
      if (kPageCaptions[page] == wanted || IntText(page) == wanted) {
        editor_.SelectPage(page);
        return true;
      }
    }
    error = "no page '" + wanted + "'";
    return false;
  };
}

}  // namespace ivgen
