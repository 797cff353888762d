#include "config/startup_config.h"

#include <algorithm>

#include "config/factory_config.h"

namespace {

void switchOnFirstStageIfNoneIs(DeviceConfigRecord& record) {
    if (std::ranges::all_of(record.dpiStageEnabled, [](uint8_t enabled) { return enabled == 0; })) {
        record.dpiStageEnabled[0] = 1;
    }
}

} // namespace

ConfigFileResult loadStartupConfiguration(ConfigState& state, const DataPaths& paths) {
    const ConfigFileResult loaded = loadConfigFile(state, paths);
    if (loaded.status == ConfigFileStatus::Loaded) {
        switchOnFirstStageIfNoneIs(state.record);
    } else {
        state.record = factoryConfigRecord();
        state.firstRunFlag = 0;
    }
    state.takeSnapshot();
    return loaded;
}
