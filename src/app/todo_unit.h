// The Left to Do pane: every open point of the character, one line each, counted from the character
// as it is now by the functions its page counts with, so no line waits for a page to be visited.
#pragma once

#include <string>
#include <vector>

#include "app/document.h"
#include "app/unit_host.h"
#include "purchase/skills.h"

namespace ivgen {

inline constexpr const char* kNothingLeftToDo = "Nothing left to do";

/// Unspent points are left; a broken limit is an error, and under Override Limits only a note.
enum class TodoKind { Left, Error, Note };

struct TodoLine {
  TodoKind kind = TodoKind::Left;
  /// The page that shows the marker or counter, where a click on the line leads.
  int page = kPagePriorities;
  std::string text;
  bool operator==(const TodoLine&) const = default;
};

/// "left", "error" or "note".
std::string TodoKindName(TodoKind kind);
/// How the pane and ivgen-batch check print a line: "left Attributes: 4 attribute points to spend (26/30)".
std::string TodoLineText(const TodoLine& line);
/// How the window's pane words a line, its kind shown by an icon beside it:
/// "Unspent knowledge skill points: 5 (0/5) (Skills)".
std::string TodoSentence(const TodoLine& line);
/// The pane's tooltip for a kind's icon: "Error", "To do", "Note".
std::string TodoKindCaption(TodoKind kind);

class TodoUnit final : public Unit {
 public:
  explicit TodoUnit(const Document& document) : document_(document) {}

  const std::vector<TodoLine>& Lines() const { return lines_; }
  /// The left and error lines; notes ask nothing of the player.
  int OpenCount() const;
  /// The status bar's field: "3 things left to do", or "Nothing left to do".
  std::string CountText() const;

  void Refresh(RulesContext& ctx) override;

 private:
  /// The skill points as last counted and what they were counted from: a long skill list is
  /// counted again only when it or the attributes its costs depend on changed.
  struct SkillCount {
    SharedList<std::string> skills;
    std::vector<std::string> totals;
    SkillPointCount count;
  };
  SkillPointCount CountSkills(const CharacterRecord& record, int knowledge, int language);

  const Document& document_;
  std::vector<TodoLine> lines_;
  SkillCount skillCount_;
};

}  // namespace ivgen
