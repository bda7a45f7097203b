#include "ReferenceStepText.h"

#include <cstdarg>
#include <cstdio>

namespace reference {

std::string FormatStep(const char* templateText, ...)
{
    // Every template is short; the longest sentence with its numbers fits easily.
    char buffer[160];
    va_list args;
    va_start(args, templateText);
    const int length = std::vsnprintf(buffer, sizeof buffer, templateText, args);
    va_end(args);
    if (length < 0)
        return {};
    if (static_cast<size_t>(length) < sizeof buffer)
        return std::string(buffer, static_cast<size_t>(length));
    std::string text(static_cast<size_t>(length), '\0');
    va_start(args, templateText);
    std::vsnprintf(text.data(), text.size() + 1, templateText, args);
    va_end(args);
    return text;
}

}  // namespace reference
