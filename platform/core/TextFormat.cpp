#include "platform/core/TextFormat.h"

namespace platform {

std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t pos = 0; pos < pattern.size(); ++pos) {
        char c = pattern[pos];
        if (c == '%' && pos + 1 < pattern.size() && pattern[pos + 1] >= '1' && pattern[pos + 1] <= '9') {
            std::size_t index = static_cast<std::size_t>(pattern[pos + 1] - '1');
            if (index < arguments.size()) {
                out += *(arguments.begin() + index);
                ++pos;
                continue;
            }
        }
        out += c;
    }
    return out;
}

}  // namespace platform
