#pragma once
// The frame's accelerators (resource 128): the same keys in both editions, except Ctrl+V
// (complete the game), which only the German edition has.

#include "platform/core/Accelerators.h"
#include "resources/CommandIds.h"

inline constexpr platform::Accelerator kCommonAccelerators[] = {
    {'N', platform::ACCEL_CTRL, ID_NEW},
    {'A', platform::ACCEL_CTRL, ID_ABANDON},
    {'B', platform::ACCEL_CTRL, ID_BREAK},
    {'W', platform::ACCEL_CTRL, ID_REPEAT},
    {'S', platform::ACCEL_CTRL, ID_SORT},
    {'L', platform::ACCEL_CTRL, ID_LAST},
    {'C', platform::ACCEL_CTRL, ID_FACE_UP},
    {'A', platform::ACCEL_ALT, ID_ANNOTATION},
};
