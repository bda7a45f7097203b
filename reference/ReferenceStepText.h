// printf-style formatting of step sentences from their fixed English templates.
#pragma once

#include <string>

namespace reference {

#if defined(__GNUC__)
__attribute__((format(printf, 1, 2)))
#endif
std::string FormatStep(const char* templateText, ...);

}  // namespace reference
