#include "DisplayCheck.h"

#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <sys/stat.h>

namespace {

bool IsSet(const char* variable)
{
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

bool WaylandAvailable()
{
    if (IsSet("WAYLAND_DISPLAY"))
        return true;
    // Without the variable, Wayland clients connect to the socket "wayland-0".
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat status {};
    return runtime != nullptr && *runtime != '\0'
        && ::stat((std::string(runtime) + "/wayland-0").c_str(), &status) == 0 && S_ISSOCK(status.st_mode);
}

// One platform name, without its options ("xcb:option=value").
bool PlatformAvailable(std::string_view platform)
{
    platform = platform.substr(0, platform.find(':'));
    if (platform == "xcb")
        return IsSet("DISPLAY");
    if (platform.substr(0, 7) == "wayland")
        return WaylandAvailable();
    return !platform.empty();
}

std::string_view RequestedPlatforms(int argc, const char* const argv[])
{
    // Qt takes "--platform" as "-platform", and the last one given.
    const char* requested = nullptr;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            break;
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            requested = argv[++i];
    }
    if (requested == nullptr)
        requested = std::getenv("QT_QPA_PLATFORM");
    return requested != nullptr ? requested : "";
}

QtMessageHandler g_qtHandler = nullptr;

void EndOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (g_qtHandler)
        g_qtHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    if (type == QtFatalMsg) {
        std::fflush(stderr);
        std::_Exit(1);
    }
}

}  // namespace

bool DisplayAvailable(int argc, const char* const argv[])
{
    const std::string_view platforms = RequestedPlatforms(argc, argv);
    if (platforms.empty())
        return IsSet("DISPLAY") || WaylandAvailable();
    // A list is tried in turn.
    for (std::size_t start = 0; start <= platforms.size();) {
        const std::size_t end = std::min(platforms.find(';', start), platforms.size());
        if (PlatformAvailable(platforms.substr(start, end - start)))
            return true;
        start = end + 1;
    }
    return false;
}

PlatformStartGuard::PlatformStartGuard()
{
    g_qtHandler = qInstallMessageHandler(EndOnFatal);
}

PlatformStartGuard::~PlatformStartGuard()
{
    qInstallMessageHandler(g_qtHandler);
    g_qtHandler = nullptr;
}
