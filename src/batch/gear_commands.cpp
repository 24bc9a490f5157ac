#include "batch/gear_commands.h"

#include <functional>
#include <optional>
#include <vector>

#include "platform/scripted_platform.h"
#include "purchase/list_rows.h"
#include "record/text.h"
#include "record/values.h"

namespace ivgen {

namespace {

std::string Enabled(bool enabled) { return enabled ? "enabled" : "disabled"; }

// A list entry named by its number as the show commands print it (from 1), or by its text.
std::optional<int> Pick(const std::vector<std::string>& texts, const std::string& word) {
  for (size_t i = 0; i < texts.size(); ++i) {
    if (word == IntText(static_cast<int64_t>(i) + 1) || word == texts[i]) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::string Marked(int i, int selected) { return i == selected ? "  <" : ""; }

void ShowGear(const Editor& editor, std::ostream& out) {
  const GearView& view = editor.Gear().View();
  const std::vector<std::string> names = GearShopNames(view.shopItems);
  out << "Group:" << (view.groupTitle.empty() ? "" : " " + view.groupTitle) << "\n";
  for (size_t i = 0; i < names.size(); ++i) {
    out << "  " << i + 1 << " " << names[i] << Marked(static_cast<int>(i), view.shopSelected) << "\n";
  }
  out << "Item:" << (view.itemTitle.empty() ? "" : " " + view.itemTitle) << (view.valuesEnabled ? "" : " (greyed out)")
      << "\n";
  for (const GearField& field : view.fields) out << "  " << field.name << "=" << field.value << "\n";
  out << "Number of items=" << view.countText << ", buy: " << Enabled(view.buyEnabled) << "\n";
  out << "Gear:\n";
  const std::vector<GearRow> gear = GearRows(editor.Record().Gear, editor.CurrentCatalogs().gear);
  for (size_t i = 0; i < gear.size(); ++i) {
    out << "  " << i + 1 << " " << Join(gear[i].cells, " | ") << Marked(static_cast<int>(i), view.ownedSelected)
        << "\n";
  }
  out << "remove: " << Enabled(view.removeEnabled) << "\n";
  out << "Total weight=" << view.totalWeight << ", money left=" << view.moneyLeft << "\n";
}

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
        << Marked(static_cast<int>(i), view.selected) << "\n";
  }
  out << "update: " << Enabled(view.updateEnabled) << ", remove: " << Enabled(view.removeEnabled) << "\n";
  out << "Money left=" << view.moneyLeft << "\n";
}

// A command whose one argument picks an entry of a list.
BatchCommand Choosing(std::function<std::vector<std::string>()> texts, std::string what,
                      std::function<void(int)> action) {
  return [texts = std::move(texts), what = std::move(what), action = std::move(action)](const ScriptLine& line,
                                                                                        std::string& error) {
    const std::string word = line.words.size() == 1 ? line.words[0] : line.rest;
    const auto index = Pick(texts(), word);
    if (!index) {
      error = "expects the number or name of " + what + ", not '" + word + "'";
      return false;
    }
    action(*index);
    return true;
  };
}

std::optional<int> ContactField(const std::string& word) {
  for (int i = 0; i < kContactTextFields; ++i) {
    if (UpperCase(word) == UpperCase(kContactHeadings[static_cast<size_t>(i)]) || word == IntText(i)) return i;
  }
  return std::nullopt;
}

}  // namespace

void AddGearCommands(Editor& editor, std::ostream& out, std::map<std::string, BatchCommand>& commands) {
  GearUnit& gear = editor.Gear();
  ContactsUnit& contacts = editor.Contacts();
  auto shop = [&gear] { return GearShopNames(gear.View().shopItems); };
  auto numbers = [](size_t count) {
    std::vector<std::string> texts(count);
    for (size_t i = 0; i < count; ++i) texts[i] = IntText(static_cast<int64_t>(i) + 1);
    return texts;
  };

  commands["gear-group"] =
      Choosing([&editor] { return GearGroupTitles(editor.CurrentCatalogs().gear.tree); }, "a node of the gear tree",
               [&gear](int node) { gear.ClickGroup(static_cast<size_t>(node)); });
  commands["gear-item"] = Choosing(shop, "an item of the shop list", [&gear](int i) { gear.ChooseItem(i); });
  commands["gear-count"] = [&gear](const ScriptLine& line, std::string&) {
    gear.SetCount(line.words.size() == 1 ? line.words[0] : line.rest);
    return true;
  };
  const BatchCommand buyButton =
      Reachable([&gear] { return gear.View().buyEnabled; }, "the buy button", NoArguments([&gear] { gear.Buy(); }));
  const BatchCommand doubleClick = Choosing(shop, "an item of the shop list", [&gear](int i) { gear.BuyItem(i); });
  commands["gear-buy"] = [buyButton, doubleClick](const ScriptLine& line, std::string& error) {
    return line.words.empty() ? buyButton(line, error) : doubleClick(line, error);
  };
  commands["gear-select"] = Choosing([&editor, numbers] { return numbers(editor.Record().Gear.size()); },
                                     "an entry of the gear list", [&gear](int i) { gear.ChooseOwned(i); });
  commands["gear-remove"] = Reachable([&gear] { return gear.View().removeEnabled; }, "the remove button",
                                      NoArguments([&gear] { gear.Remove(); }));
  commands["gear-up"] = NoArguments([&gear] { gear.MoveUp(); });
  commands["gear-down"] = NoArguments([&gear] { gear.MoveDown(); });
  commands["show-gear"] = NoArguments([&editor, &out] { ShowGear(editor, out); });

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
  commands["contact-select"] = Choosing([&editor, numbers] { return numbers(editor.Record().Contacts.size()); },
                                        "a contact", [&contacts](int i) { contacts.Choose(i); });
  commands["contact-up"] = NoArguments([&contacts] { contacts.MoveUp(); });
  commands["contact-down"] = NoArguments([&contacts] { contacts.MoveDown(); });
  commands["show-contacts"] = NoArguments([&editor, &out] { ShowContacts(editor, out); });
}

}  // namespace ivgen
