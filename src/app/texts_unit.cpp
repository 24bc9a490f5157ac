#include "app/texts_unit.h"

#include "record/record_fields.h"

namespace ivgen {

namespace {

const RecordField* TypedField(std::string_view key) {
  for (const RecordField& field : RecordFields()) {
    if (field.typed && field.key == key) return &field;
  }
  return nullptr;
}

std::string WithoutLineBreaks(const std::string& text) {
  std::string kept;
  kept.reserve(text.size());
  for (char c : text) {
    if (c != '\r' && c != '\n') kept += c;
  }
  return kept;
}

}  // namespace

bool TextsUnit::Set(std::string_view key, std::string text) {
  const RecordField* field = TypedField(key);
  if (field == nullptr) return false;
  text = WithoutLineBreaks(text);
  host_.NameTyping(std::string(key));
  host_.Run([field, &text](RulesContext& ctx) {
    if (FieldValue(ctx.record, *field) == text) return false;
    SetFieldValue(ctx.record, *field, text);
    return true;
  });
  return true;
}

std::optional<std::string> TextsUnit::Get(std::string_view key) const {
  const RecordField* field = TypedField(key);
  if (field == nullptr) return std::nullopt;
  return FieldValue(host_.Record(), *field);
}

void TextsUnit::SetDescription(std::string text) {
  std::string normalized;
  normalized.reserve(text.size() + 8);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      normalized += "\r\n";
    } else {
      normalized += text[i];
    }
  }
  host_.NameTyping("Description");
  host_.Run([&normalized](RulesContext& ctx) {
    if (normalized == ctx.record.Description) return false;
    ctx.record.Description = std::move(normalized);
    return true;
  });
}

}  // namespace ivgen
