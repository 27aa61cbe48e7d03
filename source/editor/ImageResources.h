#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The embedded artwork. Each picture exists as "<name>_png" and, at twice the size, as
// "<name>2x_png"; the choice is made when a picture is loaded.

// Scale factor of the main display. When the desktop knows no display (headless, or a host that
// opens the editor before a screen is known) it is the assumed scale: 1.0 unless a program that
// renders off-screen at double resolution has set another.
double mainDisplayScale();
void setAssumedDisplayScale (double scale);

// Appends "2x_png" above a display scale of 1.0, else "_png", and decodes that resource once per
// process through the image cache. An unknown name gives a null image.
juce::Image loadImage (const char* name);

// Decodes the resource of exactly this name (e.g. "zoom_normal_png"); null when unknown.
juce::Image loadResourceImage (const char* resourceName);

// The embedded Roboto Regular, shared by every font made from it.
juce::Typeface::Ptr robotoTypeface();
