// The Options dialog: the four settings as typed, checked together on Done and written to the
// settings file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/settings.h"
#include "platform/platform.h"

namespace ivgen {

inline constexpr const char* kPictureFilter = "Picture (*.gif; *.jpg)|*.gif;*.jpg";

/// The Options dialog's fields, as typed.
struct OptionsFields {
  std::string maxpoints;
  std::string MaxAbsEpts;
  std::string DefaultGIF;
  std::string MaxFlawEdge;
};

class OptionsUnit {
 public:
  OptionsUnit(Settings& settings, Platform& platform, std::string settingsFile)
      : settings_(settings), platform_(platform), settingsFile_(std::move(settingsFile)) {}

  const OptionsFields& Fields() const { return fields_; }
  bool IsOpen() const { return open_; }

  void Open();
  /// One field typed, by its key; line breaks are dropped, another key changes nothing.
  void SetField(std::string_view key, std::string text);
  /// "Browse...": the picture chosen in the open-file dialog.
  void Browse();
  /// True when the settings were written and the dialog closed.
  bool Done();
  void Cancel();

 private:
  /// The fields as the dialog opens: the settings in effect, or what it last wrote.
  OptionsFields InEffect() const;
  void Tell(const ShownText& text, Icon icon = Icon::None);

  Settings& settings_;
  Platform& platform_;
  std::string settingsFile_;
  OptionsFields fields_;
  bool open_ = false;
  /// What the dialog last wrote, shown the next time it opens.
  std::optional<OptionsFields> lastWritten_;
};

}  // namespace ivgen
