// The libFuzzer entry of one reader, named when the target is built.
#include "Readers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    varnelo::fuzz::feed(VARNELO_FUZZ_TARGET, data, size);
    return 0;
}
