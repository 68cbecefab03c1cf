#pragma once
// The names of the flow states (FlowStateValue) as the trace and the estimation sheet print them.

#include <string>

// The state's name as the trace prints it ("IDLE"); "?" outside 0..18.
const std::string& FlowStateName(int state);
