#pragma once
// Puts arguments in place of the markers %1 to %9 of a resource text ("  Game %1"), as the
// platform's message formatting does for the program's string table.

#include <initializer_list>
#include <string>
#include <string_view>

namespace platform {

// %n becomes the n-th argument. A marker without an argument, and any other '%', stays as it
// stands. Arguments are put in as they are: a "%2" inside an argument is not replaced again.
std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> arguments);

}  // namespace platform
