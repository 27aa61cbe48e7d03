#include "editor/ImageResources.h"

#include <BinaryData.h>

namespace
{
double assumedDisplayScale = 1.0;
}

void setAssumedDisplayScale (double scale) { assumedDisplayScale = scale; }

double mainDisplayScale()
{
    if (const auto* display = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay())
        return display->scale;
    return assumedDisplayScale;
}

juce::Image loadResourceImage (const char* resourceName)
{
    int size = 0;
    if (const char* data = BinaryData::getNamedResource (resourceName, size); data != nullptr && size > 0)
        return juce::ImageCache::getFromMemory (data, size);
    return {};
}

juce::Image loadImage (const char* name)
{
    const juce::String resourceName = juce::String (name) + (mainDisplayScale() > 1.0 ? "2x_png" : "_png");
    return loadResourceImage (resourceName.toRawUTF8());
}

juce::Typeface::Ptr robotoTypeface()
{
    return juce::Typeface::createSystemTypefaceFor (BinaryData::RobotoRegular_ttf, (size_t) BinaryData::RobotoRegular_ttfSize);
}
