#include "cli/key_matrix_listing.h"

#include <cstdio>

#include "assign/key_matrix.h"

std::string keyMatrixListing(const DeviceConfigRecord& record) {
    std::string listing;
    for (const KeyMatrixEntry& entry : BuildKeyMatrix(record)) {
        char line[16];
        std::snprintf(line, sizeof line, "%08x\n", static_cast<unsigned>(entryAsDword(entry)));
        listing += line;
    }
    return listing;
}
