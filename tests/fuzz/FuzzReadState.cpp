// libFuzzer target: any bytes as a host state block, then read again as a preset body.

#include "FuzzEnvironment.h"

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, size_t size)
{
    auto& env = fuzzEnvironment();
    const int n = (int) std::min<size_t> (size, 4096);
    env.processor->readState (data, n, StateScope::Host);
    env.checkInvariants();
    env.processor->readState (data, n, StateScope::Preset);
    env.checkInvariants();
    return 0;
}
