// Arbitrary replies and report lengths from a mouse, through the connection exchange, the single
// exchanges and the whole apply sequence.
#include <cstddef>
#include <cstdint>
#include <span>

#include "device/apply_configuration.h"
#include "device/connection_exchange.h"
#include "device/device_exchanges.h"
#include "doubles/recording_pacer.h"
#include "scripted_replies_port.h"

namespace {

DeviceConfigRecord fuzzRecord() {
    DeviceConfigRecord record{};
    restoreDefaultAssignments(record);
    record.lightingMode = 2;
    record.respirationColorEffect = 2;
    record.dpiStageEnabled = {1, 1, 0, 1};
    return record;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    ScriptedRepliesPort port(std::span<const uint8_t>(data, size));
    RecordingPacer pacer;
    Transport transport(port, pacer, std::chrono::milliseconds(0));
    DeviceImage image;
    connectionExchange(transport, image);
    readMacroSlot(transport, image, 12);
    readColorBlock(transport, image, 1);
    static const DeviceConfigRecord record = fuzzRecord();
    Transport applyTransport(port, pacer, std::chrono::milliseconds(0));
    applyConfiguration(applyTransport, record, image.sensor.sensorType, image);
    return 0;
}
