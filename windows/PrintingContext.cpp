#include "windows/PrintingContext.h"

#include "platform/core/DeviceContext.h"

// The screen until the device contexts tell a printer apart.
bool IsPrintingContext(const platform::DeviceContext&) { return false; }
