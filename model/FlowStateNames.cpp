#include "model/FlowStateNames.h"

#include <array>

namespace {

// Index = the state's value.
const std::array<std::string, 19> kFlowStateNames = {
    "INIT",  "IDLE", "STAY",  "BREAK",  "NEW",    "START", "OBSERVE", "AUCTION", "REPLY",     "SKAT",
    "HAND",  "ASK",  "PASS",  "QUERY",  "PICKUP", "SWAP",  "PLAY",    "LOAD",    "MANIPULATE"};

const std::string kUnknown = "?";

}  // namespace

const std::string& FlowStateName(int state) {
    if (state < 0 || state >= static_cast<int>(kFlowStateNames.size())) return kUnknown;
    return kFlowStateNames[static_cast<std::size_t>(state)];
}
