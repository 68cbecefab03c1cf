#pragma once
// Whether a device context draws a printout (the side windows' painters lay out pages then).

namespace platform {
class DeviceContext;
}

bool IsPrintingContext(const platform::DeviceContext& dc);
