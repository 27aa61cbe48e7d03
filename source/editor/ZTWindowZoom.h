#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>
#include <functional>

struct ZTGlobalSettings;

// The zoom button in the window's corner and the six-line menu it opens. A chosen level is
// stored in the per-user settings and applied as the process-wide scale factor.
class ZTWindowZoom : public juce::Component
{
public:
    static constexpr int kNumLevels = 6;
    static const std::array<int, kNumLevels> kZoomLevels;
    static const std::array<const char*, kNumLevels> kZoomLabels;

    // Transparent click catcher behind the open menu: a click beside the menu closes it.
    class Plate : public juce::Component
    {
    public:
        std::function<void()> onClick;
        void mouseDown (const juce::MouseEvent&) override;
        void paint (juce::Graphics&) override;
    };

    class ListItem : public juce::Component
    {
    public:
        std::function<void (int)> onChoose;
        bool pressed = false;
        bool selected = false;
        juce::String label;
        int index = 0;

        void mouseDown (const juce::MouseEvent&) override;
        void mouseUp (const juce::MouseEvent&) override;
        void paint (juce::Graphics&) override;
    };

    class ZoomBtn : public juce::Component
    {
    public:
        std::function<void()> onClick;
        bool pressed = false;
        juce::Image pressedImage, normalImage;

        void mouseDown (const juce::MouseEvent&) override;
        void mouseUp (const juce::MouseEvent&) override;
        void paint (juce::Graphics&) override;
    };

    ZTWindowZoom();
    ~ZTWindowZoom() override = default;

    void init (juce::Component* editorComponent, ZTGlobalSettings* globalSettings);

    void openMenu();
    void closeMenu();
    void chooseLevel (int levelIndex);
    // The stored zoom as a scale factor; currentScale when the stored text is not a level from 20 to 300.
    float readStoredFactor() const;

    bool isMenuOpen() const { return getParentComponent() != nullptr; }
    float getCurrentScale() const noexcept { return currentScale; }
    int getSelectedItem() const;
    ListItem& getItem (int i) noexcept { return items[(size_t) i]; }
    Plate& getPlate() noexcept { return plate; }

    void paint (juce::Graphics&) override;
    void resized() override;

    ZoomBtn zoomButton;

private:
    std::array<const char*, kNumLevels> labels = kZoomLabels;
    Plate plate;
    std::array<ListItem, kNumLevels> items;
    float currentScale = 1.0f;
    juce::Component* parent = nullptr;     // not owned: the editor
    ZTGlobalSettings* settings = nullptr;  // not owned: the processor's

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ZTWindowZoom)
};
