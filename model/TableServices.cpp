#include "model/TableServices.h"

CTableServices g_TableServices;
