#pragma once
#include "platform/core/Geometry.h"
