#include "presetui/PMResources.h"

#include "BinaryData.h"
#include "editor/ImageResources.h"

namespace PMResources
{
juce::Image image (const char* resourceName)
{
    return loadResourceImage (resourceName);
}

Typefaces::Typefaces()
    : regular (juce::Typeface::createSystemTypefaceFor (BinaryData::OverpassRegular_ttf, BinaryData::OverpassRegular_ttfSize)),
      semiBold (juce::Typeface::createSystemTypefaceFor (BinaryData::OverpassSemiBold_ttf, BinaryData::OverpassSemiBold_ttfSize))
{
}
} // namespace PMResources
