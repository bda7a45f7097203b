// Whether the program can show a window at all. Qt ends a program that cannot reach its window
// system with an abort; a person starting the program from a terminal without a display gets a
// sentence instead.
#pragma once

// The message for a start without a display.
inline constexpr const char* kNoDisplayMessage = "no display found (set DISPLAY, or run under xvfb-run)";

// False when every window system Qt would try is a display server that is not there: xcb without
// DISPLAY, Wayland without WAYLAND_DISPLAY or its socket. The platform is the one "-platform"
// names on the command line, else QT_QPA_PLATFORM, else Qt's default; any other platform
// (offscreen, vnc, ...) is left to Qt.
bool DisplayAvailable(int argc, const char* const argv[]);

// While one exists, a fatal error of Qt (a display that cannot be connected to, say) ends the
// program with exit status 1 after Qt's own message, instead of aborting it. Meant for the
// construction of the application object.
class PlatformStartGuard {
public:
    PlatformStartGuard();
    ~PlatformStartGuard();
    PlatformStartGuard(const PlatformStartGuard&) = delete;
    PlatformStartGuard& operator=(const PlatformStartGuard&) = delete;
};
