#pragma once
// Window rectangles and points are the drawing layer's: one geometry for the whole platform.
#include "platform/core/Geometry.h"
