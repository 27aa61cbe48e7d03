// The host state block and the preset body, written and read by the processor.
//
//   offset  size  content                                     scope
//   0       260   65 x float32, normalised parameter values   both
//   260     1     drawModeEnabled (1 or 0)                    Host
//   261     4     editorPage (int32)                          Host
//   265     12    3 x int32 reserved, zero                    Host
//   277     4     name hash of the current preset's category  Host, only with a current preset
//   281     4     name hash of the current preset             as above
//
// All values little-endian; no magic, version or length field.

#include "processor/PluginProcessor.h"

void Brume2AudioProcessor::writeState (juce::MemoryBlock& destination, StateScope scope)
{
    juce::MemoryOutputStream out (destination, true);

    for (auto* parameter : parameters)
        out.writeFloat (parameter->getValue());

    if (scope != StateScope::Host)
        return;

    out.writeByte (drawModeEnabled ? 1 : 0);
    out.writeInt (editorPage);
    for (int i = 0; i < 3; ++i)
        out.writeInt (0);
}

void Brume2AudioProcessor::readState (const void* data, int size, StateScope scope)
{
    if (data == nullptr || size <= 0)
        return;

    juce::MemoryInputStream in (data, (size_t) size, false);

    for (size_t i = 0; i < parameters.size() && ! in.isExhausted(); ++i)
        parameters[i]->setValueNotifyingHost (in.readFloat());

    if (! in.isExhausted())
    {
        drawModeEnabled = in.readByte() != 0;
        editorPage = in.readInt();
        for (int i = 0; i < 3; ++i)
            in.readInt();
    }

    juce::ignoreUnused (scope);

    resetEngineToParameters();
    sendChangeMessage();
}
