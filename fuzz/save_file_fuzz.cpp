// libFuzzer entry point: see fuzz/fuzz_inputs.hpp for what one input is and what is checked.
#include "fuzz_inputs.hpp"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string broken = fuzzSaveText(data, size);
    if (!broken.empty()) {
        std::fprintf(stderr, "fuzzSaveText: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
