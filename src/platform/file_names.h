#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The game's file names vary in letter case ("mail.BMp", "HEri.Bmp") and may use
// "\" as a separator. Resolves such a name under a folder to the file that exists,
// comparing each part without regard to case; listings are cached per folder.
std::optional<std::filesystem::path> ResolveFile(const std::filesystem::path& folder, std::string_view name);

// The path to use for a file in folder: the existing file when there is one in
// any letter case, else folder / name as given (for files about to be written).
std::filesystem::path FilePath(const std::filesystem::path& folder, std::string_view name);

// A copy with the ASCII letters lower-cased: the game's names and keywords compare
// without regard to case.
std::string Lower(std::string_view s);

// Forgets cached listings (after the game writes or deletes files).
void ForgetFolderListings();
