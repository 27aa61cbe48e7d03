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

#include <cmath>

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

    const auto& current = presetStore.current;
    if (current.isValid)
    {
        const auto& categories = presetStore.categories;
        out.writeInt (juce::isPositiveAndBelow (current.categoryIndex, categories.size())
                          ? nameHash (categories.getReference (current.categoryIndex).name)
                          : nameHash ({}));
        out.writeInt (nameHash (current.name));
    }
}

void Brume2AudioProcessor::readState (const void* data, int size, StateScope scope)
{
    if (data == nullptr || size < 0)
        size = 0;

    // Reads past the end yield 0, so a partial value counts as 0.
    juce::MemoryInputStream in (data, (size_t) size, false);

    for (size_t i = 0; i < parameters.size() && ! in.isExhausted(); ++i)
    {
        auto value = in.readFloat();
        // A NaN would pass the parameter's own range limit and poison the filters; an infinity
        // is limited like any other out-of-range value.
        if (std::isnan (value))
            value = kParameterSpecs[i].normalisedDefault();
        parameters[i]->setValueNotifyingHost (juce::jlimit (0.0f, 1.0f, value));
    }

    if (! in.isExhausted())
    {
        drawModeEnabled = in.readByte() != 0;
        // Only four pages exist; a foreign block's page number must not index past them.
        editorPage = juce::jlimit (0, kNumPages - 1, in.readInt());
        for (int i = 0; i < 3; ++i)
            in.readInt();
    }

    if (scope == StateScope::Host && ! in.isExhausted())
    {
        const int categoryHash = in.readInt();
        const int presetHash = in.readInt();

        bool found = false;
        for (const auto& category : presetStore.categories)
        {
            if (nameHash (category.name) != categoryHash)
                continue;
            for (const auto& entry : category.presets)
                if (nameHash (entry.name) == presetHash)
                {
                    found = presetStore.setCurrent (category.index, entry.index);
                    break;
                }
            if (found)
                break;
        }
        if (! found)
            presetStore.current.isValid = false;   // its name stays
    }

    requestEngineReset();
    sendChangeMessage();
}
