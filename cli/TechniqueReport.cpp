#include "TechniqueReport.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

// A guess has no rating; nor has a path without a rated step: a puzzle given complete.
std::optional<double> RatingOf(const TechniqueStep& step)
{
    return step.technique == Technique::Guess ? std::nullopt : std::optional<double>(step.difficulty);
}

std::optional<double> RatingOf(const technique::Explanation& explanation)
{
    const std::vector<TechniqueStep>& steps = explanation.steps;
    const bool rated = std::any_of(steps.begin(), steps.end(), [](const TechniqueStep& step) { return RatingOf(step).has_value(); });
    return rated ? std::optional<double>(explanation.difficulty) : std::nullopt;
}

void AppendDifficulty(std::string& out, std::optional<double> difficulty, const char* none)
{
    if (!difficulty) {
        out += none;
        return;
    }
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", *difficulty);
    out += text;
}

// [x, y] from 1, as the sentences count.
void AppendCellXY(std::string& out, int cell)
{
    out += '[' + std::to_string(cell % 9 + 1) + ',' + std::to_string(cell / 9 + 1);
}

void AppendCellDigits(std::string& out, const std::vector<CellDigit>& list)
{
    out += '[';
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i > 0)
            out += ',';
        AppendCellXY(out, list[i].cell);
        out += ',' + std::to_string(list[i].digit) + ']';
    }
    out += ']';
}

}  // namespace

void AppendTechniqueDifficulty(std::string& out, const technique::Explanation& explanation)
{
    if (!explanation.explained)
        return;
    if (explanation.steps.empty()) {
        out += "Nothing to explain: the puzzle is complete.\n";
        return;
    }
    out += "Difficulty: ";
    AppendDifficulty(out, RatingOf(explanation), "none");
    if (explanation.hardest) {
        out += " (hardest: ";
        out += TechniqueName(*explanation.hardest);
        out += ')';
    }
    out += '\n';
}

void AppendTechniqueSentences(std::string& out, const technique::Explanation& explanation)
{
    if (!explanation.explained) {
        out += "No technique path: the puzzle does not have exactly one solution.\n";
        return;
    }
    for (const TechniqueStep& step : explanation.steps) {
        out += TechniqueSentence(step);
        out += '\n';
    }
}

void AppendTechniqueJson(std::string& out, const technique::Explanation& explanation)
{
    out += ",\"difficulty\":";
    AppendDifficulty(out, RatingOf(explanation), "null");
    out += ",\"hardest\":";
    out += explanation.hardest ? std::string("\"") + TechniqueName(*explanation.hardest) + '"' : "null";
    out += ",\"techniques\":[";
    for (std::size_t i = 0; i < explanation.steps.size(); ++i) {
        const TechniqueStep& step = explanation.steps[i];
        // The sentences are built from fixed words and numbers only: nothing to escape.
        out += i > 0 ? ",{\"technique\":\"" : "{\"technique\":\"";
        out += TechniqueName(step.technique);
        out += "\",\"difficulty\":";
        AppendDifficulty(out, RatingOf(step), "null");
        out += ",\"sentence\":\"" + TechniqueSentence(step) + "\",\"cells\":[";
        for (std::size_t c = 0; c < step.cells.size(); ++c) {
            if (c > 0)
                out += ',';
            AppendCellXY(out, step.cells[c]);
            out += ']';
        }
        out += "],\"placed\":";
        AppendCellDigits(out, step.placed);
        out += ",\"removed\":";
        AppendCellDigits(out, step.removed);
        out += '}';
    }
    out += ']';
}

void AppendTechniqueCsv(std::string& out, const technique::Explanation& explanation)
{
    out += ',';
    AppendDifficulty(out, RatingOf(explanation), "");
    out += ',';
    if (explanation.hardest)
        out += TechniqueName(*explanation.hardest);
}
