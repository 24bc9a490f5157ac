#include "batch/contacts_commands.h"

#include <optional>
#include <vector>

#include "platform/scripted_platform.h"
#include "purchase/list_rows.h"
#include "record/text.h"
#include "record/values.h"

namespace ivgen {

namespace {

std::string Enabled(bool enabled) { return enabled ? "enabled" : "disabled"; }

void ShowContacts(const Editor& editor, std::ostream& out) {
  const ContactsView& view = editor.Contacts().View();
  for (int i = 0; i < kContactTextFields; ++i) {
    out << kContactHeadings[static_cast<size_t>(i)] << "="
        << ScriptedPlatform::Visible(view.fields[static_cast<size_t>(i)])
        << (i == kContactLevelField ? std::string("  (") + kContactLevelHint + ")" : "") << "\n";
  }
  out << "Price=" << view.price << "\n";
  out << "Contacts:\n";
  const std::vector<ContactRow> contacts = ContactRows(editor.Record().Contacts);
  for (size_t i = 0; i < contacts.size(); ++i) {
    out << "  " << i + 1 << " " << ScriptedPlatform::Visible(Join(contacts[i].cells, " | "))
        << (static_cast<int>(i) == view.selected ? "  <" : "") << "\n";
  }
  out << "update: " << Enabled(view.updateEnabled) << ", remove: " << Enabled(view.removeEnabled) << "\n";
  out << "Money left=" << view.moneyLeft << "\n";
}

std::optional<int> ContactField(const std::string& word) {
  for (int i = 0; i < kContactTextFields; ++i) {
    if (UpperCase(word) == UpperCase(kContactHeadings[static_cast<size_t>(i)]) || word == IntText(i)) return i;
  }
  return std::nullopt;
}

}  // namespace

void AddContactsCommands(Editor& editor, std::ostream& out, std::map<std::string, BatchCommand>& commands) {
  ContactsUnit& contacts = editor.Contacts();
  commands["contact-set"] = [&contacts](const ScriptLine& line, std::string& error) {
    const auto field = line.words.empty() ? std::nullopt : ContactField(line.words[0]);
    if (!field) {
      error = "expects a field (a heading of the page, or 0 to 7) and its text";
      return false;
    }
    std::string text;
    if (line.words.size() == 2) {
      text = line.words[1];
    } else if (line.words.size() > 2 && line.rest[0] != '"') {
      text = Trim(line.rest.substr(line.rest.find(' ')));
    } else if (line.words.size() > 2) {
      error = "expects the text in quotes after a quoted heading";
      return false;
    }
    contacts.SetField(*field, text);
    return true;
  };
  commands["contact-add"] = NoArguments([&contacts] { contacts.Add(); });
  commands["contact-update"] = Reachable([&contacts] { return contacts.View().updateEnabled; }, "Update",
                                         NoArguments([&contacts] { contacts.Update(); }));
  commands["contact-remove"] = Reachable([&contacts] { return contacts.View().removeEnabled; }, "Remove",
                                         NoArguments([&contacts] { contacts.Remove(); }));
  commands["contact-clear"] = NoArguments([&contacts] { contacts.Clear(); });
  commands["contact-select"] = Choosing([&editor] { return NumberTexts(editor.Record().Contacts.size()); }, "a contact",
                                        [&contacts](int i) { contacts.Choose(i); });
  commands["contact-up"] = NoArguments([&contacts] { contacts.MoveUp(); });
  commands["contact-down"] = NoArguments([&contacts] { contacts.MoveDown(); });
  commands["show-contacts"] = NoArguments([&editor, &out] { ShowContacts(editor, out); });
}

}  // namespace ivgen
