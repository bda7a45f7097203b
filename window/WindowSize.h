// The main window's size, kept from one run to the next when the person has made it larger.
#pragma once

class QWidget;
class Settings;

// Gives the window the size remembered from the last run, within the screen and never below the
// window's natural size.
void RestoreWindowSize(QWidget& window, const Settings& settings);
// Remembers the window's size when it is larger than its natural size, else forgets it, so that a
// window at its natural size keeps following the font of the next run.
void RememberWindowSize(const QWidget& window, Settings& settings);
