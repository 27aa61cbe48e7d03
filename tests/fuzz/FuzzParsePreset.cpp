// libFuzzer target: any bytes as a preset file, through the load path a preset takes:
// the header rules, then the body applied to the processor in preset scope.

#include "FuzzEnvironment.h"

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, size_t size)
{
    auto& env = fuzzEnvironment();
    auto& store = env.processor->presetStore;

    auto body = store.parsePresetData (data, size);
    if (body == nullptr)
        return 0;

    // The body is the tail of the input: all of it (260 raw bytes) or all but the 16-byte header.
    const bool raw = body->getSize() == size;
    if (raw ? size != PresetFileFormat::rawPresetSize : body->getSize() + PresetFileFormat::headerSize != size)
        std::abort();
    if (std::memcmp (body->getData(), data + (size - body->getSize()), body->getSize()) != 0)
        std::abort();

    env.processor->readState (body->getData(), (int) std::min<size_t> (body->getSize(), 4096), StateScope::Preset);
    env.checkInvariants();
    return 0;
}
