// Writing a puzzle's technique path, for --techniques: the sentences as text, the steps as JSON
// fields, the difficulty as CSV columns.
#pragma once

#include "Engine.h"

#include <string>

// The header columns the CSV record gains, with their leading comma.
inline constexpr const char* kTechniqueCsvColumns = ",difficulty,hardest";

// "Difficulty: 2.6 (hardest: Pointing)\n"; a line saying so for a puzzle given complete, nothing for
// a puzzle the path cannot explain.
void AppendTechniqueDifficulty(std::string& out, const technique::Explanation& explanation);
// One sentence a line; for a puzzle without exactly one solution a line saying so.
void AppendTechniqueSentences(std::string& out, const technique::Explanation& explanation);
// ,"difficulty":2.6,"hardest":"Pointing","techniques":[...]; null, null and [] when unexplained or
// complete. A guess's difficulty is null.
void AppendTechniqueJson(std::string& out, const technique::Explanation& explanation);
// ,2.6,Pointing; two empty fields when unexplained or complete.
void AppendTechniqueCsv(std::string& out, const technique::Explanation& explanation);
