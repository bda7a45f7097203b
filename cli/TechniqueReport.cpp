#include "TechniqueReport.h"

#include <cstdio>

namespace {

void AppendDifficulty(std::string& out, double difficulty)
{
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", difficulty);
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
    out += "Difficulty: ";
    AppendDifficulty(out, explanation.difficulty);
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
    if (explanation.explained)
        AppendDifficulty(out, explanation.difficulty);
    else
        out += "null";
    out += ",\"hardest\":";
    out += explanation.hardest ? std::string("\"") + TechniqueName(*explanation.hardest) + '"' : "null";
    out += ",\"techniques\":[";
    for (std::size_t i = 0; i < explanation.steps.size(); ++i) {
        const TechniqueStep& step = explanation.steps[i];
        // The sentences are built from fixed words and numbers only: nothing to escape.
        out += i > 0 ? ",{\"technique\":\"" : "{\"technique\":\"";
        out += TechniqueName(step.technique);
        out += "\",\"difficulty\":";
        AppendDifficulty(out, step.difficulty);
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
    if (!explanation.explained) {
        out += ',';
        return;
    }
    AppendDifficulty(out, explanation.difficulty);
    out += ',';
    if (explanation.hardest)
        out += TechniqueName(*explanation.hardest);
}
