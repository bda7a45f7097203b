#include "PuzzleCollection.h"

#include <fstream>

namespace {

bool EndsWith(const std::string& text, const std::string& suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The value of "puzzle" in one JSON line; empty when there is none.
std::string JsonPuzzleField(const std::string& line)
{
    const std::string key = "\"puzzle\":\"";
    const size_t start = line.find(key);
    if (start == std::string::npos)
        return {};
    const size_t first = start + key.size();
    const size_t end = line.find('"', first);
    return end == std::string::npos ? std::string() : line.substr(first, end - first);
}

std::string BaseName(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

}  // namespace

bool ReadCollection(const std::string& path, size_t limit, PuzzleCollection& collection, std::string& error)
{
    std::ifstream file(path);
    if (!file) {
        error = "cannot read '" + path + "'";
        return false;
    }
    collection.name = BaseName(path);
    collection.puzzles.clear();
    const bool jsonLines = EndsWith(path, ".jsonl");
    std::string line;
    int lineNumber = 0;
    while ((limit == 0 || collection.puzzles.size() < limit) && std::getline(file, line)) {
        ++lineNumber;
        const std::string text = jsonLines ? JsonPuzzleField(line) : line;
        if (text.size() < 81 || text[0] == '#')
            continue;
        collection.puzzles.push_back({text.substr(0, 81), lineNumber});
    }
    return true;
}
