#pragma once
// The two editions' resource sets; app/ selects one with platform::SetResources at start-up.

#include "platform/core/Resources.h"

const platform::ResourceSet& GermanResources();
const platform::ResourceSet& EnglishResources();
