// Where saved boards go, below the application path: "Saved Games/" and a folder per rating.
#pragma once

#include <string>
#include <vector>

inline constexpr const char* kSavedGamesFolder = "Saved Games/";

// Every saved-board folder below the application path, each ending in '/', the parent first.
std::vector<std::string> SavedGameFolders();
// The rating's folder, or kSavedGamesFolder itself for an empty rating.
std::string SavedGameFolder(const std::string& rating);
