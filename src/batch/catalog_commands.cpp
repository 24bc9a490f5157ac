// ivgen-batch commands for the Books page and for listing the catalogs as the pages show them.
#include <algorithm>
#include <functional>

#include "batch/script_runner.h"
#include "catalog/line_syntax.h"
#include "purchase/list_rows.h"
#include "record/text.h"
#include "record/values.h"

namespace ivgen {

namespace {

// Tab-separated fields shown as the columns of a list.
std::string Columns(std::string_view entry) { return ReplaceAll(entry, "\t", " | "); }

// A tree entry's fields as columns, without the empty ones at its end.
std::string JoinFields(std::vector<std::string> fields) {
  while (fields.size() > 1 && fields.back().empty()) fields.pop_back();
  return Join(fields, " | ");
}

std::string Indent(int levels) { return std::string(static_cast<size_t>(std::max(levels, 0)) * 2, ' '); }

int FindCode(const std::vector<std::string>& list, const std::string& code) {
  const std::vector<BookRow> rows = BookRows(list);
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].code == code) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

void ScriptRunner::AddCatalogCommands() {
  auto selectByCode = [this](bool allowedList) {
    return [this, allowedList](const ScriptLine& line, std::string& error) {
      const BookLists& books = editor_.Books().Lists();
      const auto& list = allowedList ? books.allowed : books.notAllowed;
      const int index = line.words.size() == 1 ? FindCode(list, line.words[0]) : -1;
      if (index < 0) {
        error = std::string("expects the code of a book in \"") +
                (allowedList ? "Source books allowed" : "Source books not allowed") + "\"";
        return false;
      }
      if (allowedList) {
        editor_.Books().SelectAllowed(index);
      } else {
        editor_.Books().SelectNotAllowed(index);
      }
      return true;
    };
  };

  commands_["books"] = NoArguments([this] {
    const BookLists& books = editor_.Books().Lists();
    auto show = [this](const char* label, const std::vector<std::string>& list, int selected) {
      Say(label);
      const std::vector<BookRow> rows = BookRows(list);
      for (size_t i = 0; i < rows.size(); ++i) {
        Say("  " + Join(rows[i].cells, " | ") + (static_cast<int>(i) == selected ? "  (selected)" : ""));
      }
    };
    show("Source books allowed", books.allowed, books.allowedSelected);
    show("Source books not allowed", books.notAllowed, books.notAllowedSelected);
    Say(std::string("move to not allowed: ") + (books.moveToNotAllowedEnabled ? "enabled" : "disabled") +
        ", move to allowed: " + (books.moveToAllowedEnabled ? "enabled" : "disabled"));
  });
  commands_["books-select-allowed"] = selectByCode(true);
  commands_["books-select-not-allowed"] = selectByCode(false);
  commands_["books-disallow"] =
      Reachable([this] { return editor_.Books().Lists().moveToNotAllowedEnabled; }, "the move to not allowed button",
                NoArguments([this] { editor_.Books().MoveToNotAllowed(); }));
  commands_["books-allow"] =
      Reachable([this] { return editor_.Books().Lists().moveToAllowedEnabled; }, "the move to allowed button",
                NoArguments([this] { editor_.Books().MoveToAllowed(); }));
  commands_["books-save"] = NoArguments([this] { editor_.Books().Save(); });
  commands_["books-reload"] = NoArguments([this] { editor_.Books().Reload(); });
  commands_["book-allowed"] = [this](const ScriptLine& line, std::string& error) {
    if (line.words.size() != 1) {
      error = "expects one book code";
      return false;
    }
    Say("book-allowed " + line.words[0] + "=" + (BookAllowed(editor_.Books().Lists(), line.words[0]) ? "yes" : "no"));
    return true;
  };

  commands_["list"] = [this](const ScriptLine& line, std::string& error) {
    const Catalogs& catalogs = editor_.CurrentCatalogs();
    const std::string what = line.words.empty() ? "" : line.words[0];
    const std::string argument = line.words.size() > 1 ? line.words[1] : "";
    if (line.words.size() > 2 ||
        (!argument.empty() && what != "gear-group" && what != "spells" && what != "metatypes")) {
      error = "too many arguments";
      return false;
    }
    auto entries = [this](const std::vector<std::string>& list) {
      for (const std::string& entry : list) Say(Columns(entry));
    };
    auto tree = [this](const CatalogTree& nodes) {
      for (const TreeNode& node : nodes) Say(Indent(node.indent - 1) + JoinFields(TreeEntryFields(node.text)));
    };
    if (what == "cyberware") {
      tree(catalogs.cyberware);
    } else if (what == "bioware") {
      tree(catalogs.bioware);
    } else if (what == "gear") {
      const std::vector<std::string> titles = GearGroupTitles(catalogs.gear.tree);
      for (size_t i = 0; i < catalogs.gear.tree.size(); ++i) {
        Say(Indent(catalogs.gear.tree[i].indent - 1) + IntText(static_cast<int64_t>(i) + 1) + " " + titles[i]);
      }
    } else if (what == "gear-group") {
      const auto number = WholeNumber(argument, 1, static_cast<int64_t>(catalogs.gear.tree.size()));
      const auto group = number ? ShowGearGroup(editor_.ProgramFolder(), catalogs.gear,
                                                static_cast<size_t>(*number) - 1, editor_.Books().Lists())
                                : std::nullopt;
      if (!group) {
        error = "expects the number of a gear group without groups under it, as 'list gear' shows it";
        return false;
      }
      Say(group->title);
      if (!group->file.ok) SayShown("  (" + group->file.Describe("read") + ")");
      for (const std::string& item : group->items) {
        Say("  " + TrimRight(item.substr(0, item.find('\t'))) + " | " + item.substr(item.find('\t') + 1));
      }
    } else if (what == "spell-categories") {
      entries(catalogs.spells.categories);
    } else if (what == "spells") {
      std::string category;
      for (const std::string& entry : catalogs.spells.categories) {
        if (!argument.empty() && UpperCase(entry.substr(entry.size() - 1)) == UpperCase(argument)) category = entry;
      }
      if (category.empty()) {
        error = "expects the code letter of a spell category";
        return false;
      }
      entries(SpellsInCategory(catalogs.spells, category));
    } else if (what == "powers") {
      entries(catalogs.powers);
    } else if (what == "traditions") {
      entries(catalogs.traditions);
    } else if (what == "edges") {
      entries(catalogs.edges.edges);
    } else if (what == "flaws") {
      entries(catalogs.edges.flaws);
    } else if (what == "metatypes") {
      for (const std::string& meta : catalogs.metaLines) {
        if (meta.empty()) continue;
        if (argument.empty()) {
          Say(meta);
        } else if (meta.substr(0, 1) == argument) {
          Say(meta.size() > 2 ? meta.substr(2) : "");
        }
      }
    } else if (what == "skills") {
      for (const SkillNode& node : catalogs.skills.SkillTable) Say(Indent(node.Level) + TrimRight(node.Name));
    } else if (what == "ranges") {
      for (const RangeRow& row : catalogs.RangeTable) {
        Say(row.Name + " | " + IntText(row.Short) + " | " + IntText(row.Medium) + " | " + IntText(row.Long) + " | " +
            IntText(row.Extreme));
      }
    } else {
      error =
          "expects cyberware, bioware, gear, gear-group N, spell-categories, spells CODE, powers, traditions, edges, "
          "flaws, metatypes [RACE], skills or ranges";
      return false;
    }
    return true;
  };
}

}  // namespace ivgen
