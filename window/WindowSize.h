// The main window's size, kept from one run to the next when the person has made it larger or
// maximised it.
#pragma once

class QWidget;
class Settings;

// Gives the window the size remembered from the last run, with the window manager's frame within
// the screen's free area and never below the window's natural size; maximises it again when it
// was left maximised. Call before the window is first shown.
void RestoreWindowSize(QWidget& window, const Settings& settings);
// Remembers whether the window is maximised and its normal size when that is larger than its
// natural size, else forgets the size, so that a window at its natural size keeps following the
// font of the next run.
void RememberWindowSize(const QWidget& window, Settings& settings);
