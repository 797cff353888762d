#include "config/config_state.h"

void ConfigState::takeSnapshot() {
    appliedRecord = record;
}

void ConfigState::revertToSnapshot() {
    record = appliedRecord;
}
