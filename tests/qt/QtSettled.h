#pragma once
// A wait for the program to settle, for the tests that grab a window's picture: a fixed wait is too
// short on a busy machine, where the window may not have taken its size or drawn itself yet.

#include <cstdint>

#include "platform/core/Message.h"
#include "platform/core/WindowSystem.h"

namespace qttest {

// Pumps until the program has nothing left to do: every message, paint and due timer taken, what
// changed handed to Qt and Qt's own events run, twice over with nothing new coming of it (a size Qt
// applies late comes back as a message). A window grabbed then shows what the program drew last,
// however slowly the test runs. False when the work did not end within limitMs.
inline bool PumpUntilSettled(std::int64_t limitMs = 60000) {
    auto& system = platform::WindowSystem::Instance();
    const std::int64_t end = system.Now() + limitMs;
    for (int quietRounds = 0; quietRounds < 2;) {
        if (system.Now() >= end) return false;
        platform::Message message;
        if (system.TakeMessage(message, nullptr, 0, 0, true)) {
            if (message.message == WM_QUIT) return false;
            system.ProcessMessage(message);
            quietRounds = 0;
            continue;
        }
        // Nothing waits: the host hands its changes to Qt and runs Qt's events, a moment at most.
        system.AttachedHost()->WaitForWork(system.Now() + 1);
        quietRounds = system.HasWork() ? 0 : quietRounds + 1;
    }
    return true;
}

}  // namespace qttest
