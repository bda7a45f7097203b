// What assistive technology is told of the main window's own kinds of widget: the window is an
// application window, not a dialog, and a read-only line edit (a verdict, the step's sentence) is
// text to read, not text to edit. Installed once, before the first widget is asked about.
#pragma once

void InstallAccessibleRoles();
