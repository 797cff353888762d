#include "device/connection_exchange.h"

#include "device/device_exchanges.h"

bool connectionExchange(Transport& transport, DeviceImage& image) {
    if (!transport.carriesProtocol()) {
        image.sensor = SensorBytes{};
        return false;
    }
    bool delivered = readSensorSettings(transport, image);
    image.sensor.option2 |= kOption2ConnectedBit;
    delivered = writeSensorSettings(transport, image) && delivered;
    return delivered;
}
