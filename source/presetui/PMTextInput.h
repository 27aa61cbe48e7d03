#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The save-as name field; its own type so it can be told apart from other text editors.
class PMTextInput : public juce::TextEditor
{
public:
    using juce::TextEditor::TextEditor;
};
