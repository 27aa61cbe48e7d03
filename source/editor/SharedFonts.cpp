#include "editor/SharedFonts.h"

#include "editor/ImageResources.h"

#include <memory>

namespace
{
std::unique_ptr<SharedFonts> record;
int editorCount = 0;
}

void SharedFonts::retain()
{
    ++editorCount;
    if (record == nullptr)
    {
        const auto typeface = robotoTypeface();
        record.reset (new SharedFonts { juce::Font (typeface), juce::Font (typeface) });
    }
}

void SharedFonts::release()
{
    if (editorCount > 0 && --editorCount == 0)
        record.reset();
}

SharedFonts* SharedFonts::get() noexcept { return record.get(); }
int SharedFonts::getEditorCount() noexcept { return editorCount; }
