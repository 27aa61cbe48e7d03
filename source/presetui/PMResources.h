#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The preset manager's embedded pictures and typefaces.
namespace PMResources
{
// A double-resolution picture by its resource name (e.g. "pm_frame_top_png"); a null image if
// there is no such resource. Decoded once through the image cache.
juce::Image image (const char* resourceName);

// The Overpass typefaces, parsed once while any preset-manager widget holds this object.
struct Typefaces
{
    Typefaces();

    juce::Typeface::Ptr regular;
    juce::Typeface::Ptr semiBold;
};

// Keeps the typefaces alive for as long as one of these exists.
using SharedTypefaces = juce::SharedResourcePointer<Typefaces>;
} // namespace PMResources
