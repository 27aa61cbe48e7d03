#include "presetui/PMResources.h"

#include "BinaryData.h"

namespace PMResources
{
juce::Image image (const char* resourceName)
{
    int size = 0;
    if (const auto* data = BinaryData::getNamedResource (resourceName, size); data != nullptr && size > 0)
        return juce::ImageCache::getFromMemory (data, size);
    return {};
}

Typefaces::Typefaces()
    : regular (juce::Typeface::createSystemTypefaceFor (BinaryData::OverpassRegular_ttf, BinaryData::OverpassRegular_ttfSize)),
      semiBold (juce::Typeface::createSystemTypefaceFor (BinaryData::OverpassSemiBold_ttf, BinaryData::OverpassSemiBold_ttfSize))
{
}
} // namespace PMResources
