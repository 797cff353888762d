#include "config/factory_config.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>

namespace {

using RecordBytes = std::array<uint8_t, kDeviceConfigRecordSize>;

constexpr std::size_t kSetBOffset = offsetof(DeviceConfigRecord, setB);

constexpr void put(RecordBytes& bytes, std::size_t offset, std::initializer_list<uint8_t> values) {
    for (uint8_t value : values) {
        bytes.at(offset++) = value;
    }
}

constexpr void putInBothSets(RecordBytes& bytes, std::size_t field, std::initializer_list<uint8_t> values) {
    put(bytes, field, values);
    put(bytes, kSetBOffset + field, values);
}

constexpr void fillBothSets(RecordBytes& bytes, std::size_t field, uint8_t value) {
    for (std::size_t slot = 0; slot < kButtonSlotCount; ++slot) {
        bytes.at(field + slot) = value;
        bytes.at(kSetBOffset + field + slot) = value;
    }
}

// Built at compile time, so an entry that runs past the record, a field past its set or a slot field
// without exactly twelve values fails the build instead of the program.
constexpr RecordBytes factoryBytes() {
    RecordBytes bytes{};
#define FACTORY_SLOTS(field, ...)                                                                            \
    static_assert(field + kButtonSlotCount <= kSetBOffset);                                                  \
    static_assert(std::initializer_list<uint8_t>{__VA_ARGS__}.size() == kButtonSlotCount);                   \
    putInBothSets(bytes, field, {__VA_ARGS__});
#define FACTORY_EVERY_SLOT(field, value)                                                                     \
    static_assert(field + kButtonSlotCount <= kSetBOffset);                                                  \
    fillBothSets(bytes, field, value);
#define FACTORY_BYTES(offset, ...) put(bytes, offset, {__VA_ARGS__});
#include "config/factory_config_values.inc"
#undef FACTORY_SLOTS
#undef FACTORY_EVERY_SLOT
#undef FACTORY_BYTES
    return bytes;
}

constexpr RecordBytes kFactoryBytes = factoryBytes();

} // namespace

DeviceConfigRecord factoryConfigRecord() {
    DeviceConfigRecord record;
    std::memcpy(&record, kFactoryBytes.data(), sizeof record);
    return record;
}
