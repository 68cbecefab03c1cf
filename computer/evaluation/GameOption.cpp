#include "computer/evaluation/GameOption.h"

void ClearGameOption(int* record) {
    for (int f = 0; f < OPT_FIELD_COUNT; ++f) record[f] = 0;
}

bool IsRejectCode(int code) {
    switch (code) {
    case 1304: case 1405: case 1406: case 1408: case 1504: case 1510: case 1512: case 1515:
    case 1517: case 1519: case 1602: case 1608: case 1611: case 1617: case 1701:
        return true;
    default:
        return false;
    }
}
