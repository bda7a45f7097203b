#include "PuzzleInput.h"

#include "BoardFile.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

constexpr size_t kPuzzleLength = 81;

bool IsBlank(const std::string& line)
{
    return std::all_of(line.begin(), line.end(), [](unsigned char c) { return std::isspace(c) != 0; });
}

bool HasSdfExtension(const std::string& argument)
{
    std::string extension = std::filesystem::path(argument).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".sdf";
}

std::string Quoted(const std::string& text)
{
    return "'" + text + "'";
}

}  // namespace

Puzzle PuzzleFromText(const std::string& text81)
{
    Puzzle puzzle{};
    for (size_t cell = 0; cell < kPuzzleLength; ++cell) {
        const char c = cell < text81.size() ? text81[cell] : '.';
        puzzle.values[cell] = (c >= '1' && c <= '9') ? c - '0' : -1;
    }
    return puzzle;
}

void ReadPuzzleLines(std::istream& in, const std::string& sourceName, const PuzzleSink& onPuzzle,
                     const ErrorSink& onError)
{
    std::string line;
    long lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (IsBlank(line) || line.front() == '#')
            continue;
        if (line.size() < kPuzzleLength) {
            onError(sourceName + ":" + std::to_string(lineNumber) + ": the line has " + std::to_string(line.size())
                    + " characters; a puzzle needs 81");
            continue;
        }
        onPuzzle(PuzzleFromText(line));
    }
    if (in.bad())
        onError(sourceName + ": reading stopped: " + std::strerror(errno));
}

void ReadPuzzleArgument(const std::string& argument, const PuzzleSink& onPuzzle, const ErrorSink& onError)
{
    if (argument == "-") {
        ReadPuzzleLines(std::cin, "<stdin>", onPuzzle, onError);
        return;
    }
    std::error_code ignored;
    const bool exists = std::filesystem::exists(argument, ignored);
    if (!exists && argument.size() == kPuzzleLength) {
        onPuzzle(PuzzleFromText(argument));
        return;
    }
    if (!exists) {
        onError("cannot open " + Quoted(argument) + ": no such file, and not an 81-character puzzle");
        return;
    }
    if (std::filesystem::is_directory(argument, ignored)) {
        onError("cannot read " + Quoted(argument) + ": it is a directory");
        return;
    }
    if (HasSdfExtension(argument)) {
        Puzzle puzzle{};
        if (ReadBoardFile(argument, puzzle.values))
            onPuzzle(puzzle);
        else
            onError("cannot read " + Quoted(argument) + ": " + std::strerror(errno));
        return;
    }
    std::ifstream file(argument);
    if (!file) {
        onError("cannot open " + Quoted(argument) + ": " + std::strerror(errno));
        return;
    }
    ReadPuzzleLines(file, argument, onPuzzle, onError);
}
