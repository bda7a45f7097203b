#include "SavedGames.h"

#include "Difficulty.h"

std::vector<std::string> SavedGameFolders()
{
    std::vector<std::string> folders = {kSavedGamesFolder};
    for (const Difficulty rating : kDifficulties)
        folders.push_back(SavedGameFolder(DifficultyName(rating)));
    return folders;
}

std::string SavedGameFolder(const std::string& rating)
{
    return rating.empty() ? std::string(kSavedGamesFolder) : kSavedGamesFolder + rating + '/';
}
