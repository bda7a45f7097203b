// The numbers by which the main window's commands, timers and system-menu items are known.
#pragma once

// Options menu commands (the first three are the usual file-open, save-as and print numbers).
constexpr int kIdFileOpen = 57601;
constexpr int kIdFileSaveAs = 57604;
constexpr int kIdFilePrint = 57607;
constexpr int kIdShowSolveLogic = 32771;
constexpr int kIdResetBoard = 32772;
constexpr int kIdClearBoard = 32773;
constexpr int kIdAbout = 32779;
// Seeing the reasoning on the board.
constexpr int kIdShowCandidates = 32780;
constexpr int kIdPreviousStep = 32781;
constexpr int kIdNextStep = 32782;
constexpr int kIdHint = 32783;
// New puzzles: one id per rating, Easy to RiverAzevod, in the order of Difficulty.
constexpr int kIdNewPuzzleEasy = 32784;
constexpr int kIdNewPuzzleLast = kIdNewPuzzleEasy + 3;
constexpr int kIdPrintPuzzles = 32788;
// Puzzles as text (the usual edit-copy and edit-paste numbers).
constexpr int kIdEditCopy = 57634;
constexpr int kIdEditPaste = 57637;

// System-menu commands. Only the upper twelve bits of a system command identify it.
constexpr int kIdmAboutBox = 16;
constexpr int kScClose = 0xF060;
constexpr int kSystemCommandMask = 0xFFF0;

// The main window's one-shot start-up timer, which shows the splash screen.
constexpr int kStartupTimerId = 12346;
