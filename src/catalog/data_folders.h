// Where the data files lie. Beside the program, normally; an installed copy is marked so, and there
// the player's own folder comes first for reading and takes every save, because the program folder
// belongs to the package (root could write it, and must not).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "record/text_file.h"
#include "system/system.h"

namespace ivgen {

/// The file whose presence in the program folder marks an installed layout.
inline constexpr std::string_view kInstalledMarker = "ivgen-installed";

/// Whether the folder holds the installed-layout marker.
bool IsInstalledLayout(const std::string& programFolder);

/// Why an installed copy saves nothing when the player has no folder of their own.
inline const std::string kNoPlayerFolder = "this installed copy saves only in your own folder, " +
                                           std::string(PlayerFolderShown()) + ", and no home folder is known (" +
                                           std::string(PlayerFolderHint()) + ")";

/// The player's own folder with a trailing separator: ivgen in the system's folder of settings
/// (ConfigHome: $XDG_CONFIG_HOME/ivgen/ or ~/.config/ivgen/; %APPDATA%\ivgen\ on Windows). ""
/// when no absolute home folder is known; a relative HOME names none.
std::string PlayerFolder();

/// The player's copy of a data file, when the program folder is an installed layout and the player
/// has one (the name matched as the program folder's files are); nothing otherwise.
std::optional<std::string> PlayerCopy(const std::string& programFolder, std::string_view name);

/// The folder saves of data files go to: the player's folder in an installed layout, else the
/// program folder itself; "" in an installed layout without a player's folder, where nothing may
/// be saved (kNoPlayerFolder says why).
std::string SaveFolder(const std::string& programFolder);

/// Creates the player's folder when `path` is a file in it, so the first save there finds it. A
/// failure names the folder and the system's reason.
IoResult PreparePlayerFolderFor(const std::string& path);

}  // namespace ivgen
