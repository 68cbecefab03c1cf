#include "platform/core/CommandState.h"

namespace platform {

CommandState QueryCommandState(const CommandUpdater& updater, int id) {
    CommandState state(id);
    if (updater) updater(state);
    return state;
}

}  // namespace platform
