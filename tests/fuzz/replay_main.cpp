// Runs a fuzz target without libFuzzer, in the sanitized native tree: over the files of its seed
// folder, when it has one, and over a fixed series of pseudo-random inputs of 0 to 4096 bytes. The
// test command runs it so that every target and its seeds are exercised on each run without a
// second, clang-built copy of the core; scripts/fuzz.sh does the real fuzzing.
// Usage: fuzz_NAME_replay INPUTS [SEED_FOLDER]
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s INPUTS [SEED_FOLDER]\n", argv[0]);
        return 2;
    }
    std::size_t seeds = 0;
    if (argc > 2) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(argv[2])) {
            if (!entry.is_regular_file()) {
                continue;
            }
            std::ifstream file(entry.path(), std::ios::binary);
            const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
            LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
            ++seeds;
        }
    }
    const long inputs = std::strtol(argv[1], nullptr, 10);
    std::mt19937 random(20261209);
    std::uniform_int_distribution<std::size_t> length(0, 4096);
    std::uniform_int_distribution<int> byte(0, 255);
    std::vector<uint8_t> bytes;
    for (long i = 0; i < inputs; ++i) {
        bytes.resize(length(random));
        for (uint8_t& b : bytes) {
            b = static_cast<uint8_t>(byte(random));
        }
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::printf("%zu seeds and %ld generated inputs\n", seeds, inputs);
    return 0;
}
