#pragma once

#include <juce_graphics/juce_graphics.h>

// The editor's two fonts, made once from the embedded typeface and shared by every open editor.
// Each editor calls retain() in its constructor and release() in its destructor; the record
// lives while at least one editor is open. Message thread only.
struct SharedFonts
{
    juce::Font readoutFont;   // the value readout, height 12
    juce::Font labelFont;     // the version label, height 10

    static void retain();
    static void release();
    static SharedFonts* get() noexcept;   // null while no editor is open
    static int getEditorCount() noexcept;
};
