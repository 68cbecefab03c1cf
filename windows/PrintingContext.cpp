#include "windows/PrintingContext.h"

#include "platform/core/DeviceContext.h"

bool IsPrintingContext(const platform::DeviceContext& dc) { return dc.IsPrinting(); }
