#pragma once
// The simple warning sound of a refused entry. The host plays it (the headless host records it).

namespace platform {
constexpr unsigned kSimpleBeep = 0xFFFFFFFFu;
}  // namespace platform

void MessageBeep(unsigned type = platform::kSimpleBeep);
