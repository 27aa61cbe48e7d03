#pragma once

#include "editor/Sliders.h"
#include "editor/TabSelector.h"
#include "editor/VUMeters.h"
#include "editor/ZTChangeView.h"
#include "editor/ZTMultiSwitch.h"
#include "editor/ZTUICallback.h"
#include "editor/ZTWindowZoom.h"
#include "presets/PresetManagerController.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <array>

class Brume2AudioProcessor;

// The plug-in window. Owns every widget; everything that must survive a closed window lives in
// the processor (parameters, editorPage, drawModeEnabled, settings).
class Brume2AudioProcessorEditor : public ZTUICallback,
                                   public juce::ChangeListener,
                                   public juce::AudioProcessorEditor,
                                   public PresetManagerController::PresetDataProvider,
                                   public juce::Timer,
                                   public TabSelector::Delegate
{
public:
    static constexpr int kWidth = 700;
    static constexpr int kHeight = 280;

    explicit Brume2AudioProcessorEditor (Brume2AudioProcessor&);
    ~Brume2AudioProcessorEditor() override;

    void paint (juce::Graphics&) override;
    void resized() override;

    // ZTUICallback
    void valueChanged (EComponent* source, int index, float value) override;
    juce::String getParameterName (int index) override;
    juce::String getParameterID (int index) override;
    float getDefaultValue (int index) override;
    float getValue (int index) override;
    void beginChangeGesture (EComponent* source, int index) override;
    void endChangeGesture (EComponent* source, int index) override;

    // TabSelector::Delegate
    void tabChanged (TabSelector* selector, int index) override;

    void changeListenerCallback (juce::ChangeBroadcaster*) override;
    void timerCallback() override;

    // PresetManagerController::PresetDataProvider
    std::unique_ptr<juce::MemoryBlock> getPresetData() override;
    void setPresetData (const void* data, int size) override;
    juce::Component* getHostComponent() override { return this; }

    void showValueReadout (int sourceY, int index, float value);

    // For tests and the snapshot tool.
    Sliders& getPage (int tab) noexcept { return *pages[(size_t) juce::jlimit (0, 3, tab)]; }
    TabSelector& getTabSelector() noexcept { return tabSelector; }
    VUMeters& getMeters() noexcept { return meters; }
    ZTMultiSwitch& getBypassSwitch() noexcept { return bypassSwitch; }
    ZTMultiSwitch& getDrawSwitch() noexcept { return drawSwitch; }
    ZTChangeView& getChangeView() noexcept { return changeView; }
    ZTWindowZoom& getWindowZoom() noexcept { return windowZoom; }
    juce::Label& getVersionLabel() noexcept { return versionLabel; }
    PresetManagerController& getPresetController() noexcept { return presetController; }

private:
    int currentPage() const;   // editorPage limited to the four pages: a foreign state block can carry anything
    void applyDrawMode (bool enabled);
    void retintPencil (int page);

    Brume2AudioProcessor& processorRef;
    ZTWindowZoom windowZoom;
    std::array<const char*, 4> drawModeActiveImageNames {};
    ZTChangeView changeView;
    TabSelector tabSelector;
    Sliders haasPage, panPage, widthPage, gainPage;
    VUMeters meters;
    ZTMultiSwitch bypassSwitch;
    ZTMultiSwitch drawSwitch;
    juce::Image makerLogoImage, leftLabelImage, rightLabelImage;
    std::array<juce::Image, 5> frequencyLabelImages;
    juce::Image logoImage, backgroundImage, topBarImage;
    juce::Label versionLabel;
    PresetManagerController presetController;   // owns the preset view and its bar

    const std::array<Sliders*, 4> pages { &haasPage, &panPage, &widthPage, &gainPage };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Brume2AudioProcessorEditor)
};
