#include "platform/core/Beep.h"

#include "platform/core/Host.h"
#include "platform/core/WindowSystem.h"

void MessageBeep(unsigned type) {
    if (platform::Host* host = platform::WindowSystem::Instance().AttachedHost()) host->Beep(type);
}
