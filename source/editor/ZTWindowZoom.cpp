#include "editor/ZTWindowZoom.h"

#include "editor/ImageResources.h"
#include "editor/ZTGlobalSettings.h"

const std::array<int, ZTWindowZoom::kNumLevels> ZTWindowZoom::kZoomLevels { 75, 100, 125, 150, 175, 200 };
const std::array<const char*, ZTWindowZoom::kNumLevels> ZTWindowZoom::kZoomLabels { "75%", "100%", "125%", "150%", "175%", "200%" };

namespace
{
const juce::Colour kMenuBackground = juce::Colours::black;
const juce::Colour kHighlightedLine = juce::Colours::darkgrey;
const juce::Colour kText = juce::Colours::white;

bool releasedInside (const juce::Component& c, const juce::MouseEvent& e)
{
    return e.x >= 0 && e.x < c.getWidth() && e.y >= 0 && e.y < c.getHeight();
}
}

void ZTWindowZoom::Plate::mouseDown (const juce::MouseEvent&)
{
    if (onClick)
        onClick();
}

void ZTWindowZoom::Plate::paint (juce::Graphics& g) { g.fillAll (juce::Colours::black.withAlpha (0.0f)); }

void ZTWindowZoom::ListItem::mouseDown (const juce::MouseEvent&)
{
    if (! selected)
    {
        pressed = true;
        repaint();
    }
}

void ZTWindowZoom::ListItem::mouseUp (const juce::MouseEvent& e)
{
    pressed = false;
    if (! selected && releasedInside (*this, e) && onChoose)
        onChoose (index);
    repaint();
}

void ZTWindowZoom::ListItem::paint (juce::Graphics& g)
{
    g.fillAll (selected || pressed ? kHighlightedLine : kMenuBackground);
    g.setColour (kText);
    g.drawText (label, getLocalBounds(), juce::Justification::centred, true);
}

void ZTWindowZoom::ZoomBtn::mouseDown (const juce::MouseEvent&)
{
    pressed = true;
    repaint();
}

void ZTWindowZoom::ZoomBtn::mouseUp (const juce::MouseEvent& e)
{
    pressed = false;
    if (releasedInside (*this, e) && onClick)
        onClick();
    repaint();
}

void ZTWindowZoom::ZoomBtn::paint (juce::Graphics& g)
{
    const auto& image = pressed ? pressedImage : normalImage;
    if (! image.isValid())
        return;
    g.drawImageTransformed (image, juce::AffineTransform::scale ((float) getWidth() / (float) image.getWidth(),
                                                                (float) getHeight() / (float) image.getHeight()));
}

ZTWindowZoom::ZTWindowZoom()
{
    zoomButton.normalImage = loadResourceImage ("zoom_normal_png");
    zoomButton.pressedImage = loadResourceImage ("zoom_pressed_png");
}

void ZTWindowZoom::init (juce::Component* editorComponent, ZTGlobalSettings* globalSettings)
{
    parent = editorComponent;
    settings = globalSettings;

    plate.onClick = [this] { closeMenu(); };
    zoomButton.onClick = [this] { openMenu(); };
    for (int i = 0; i < kNumLevels; ++i)
    {
        auto& item = items[(size_t) i];
        item.label = labels[(size_t) i];
        item.index = i;
        item.selected = false;
        item.onChoose = [this] (int k) { chooseLevel (k); };
        addAndMakeVisible (item);
    }

    const int percent = juce::roundToInt (readStoredFactor() * 100.0f);
    int selectedItem = 1;
    for (int i = 0; i < kNumLevels; ++i)
        if (i != 1 && kZoomLevels[(size_t) i] == percent)
            selectedItem = i;
    for (int i = 0; i < kNumLevels; ++i)
    {
        items[(size_t) i].selected = (i == selectedItem);
        items[(size_t) i].repaint();
    }

    if (parent != nullptr)
        parent->addAndMakeVisible (zoomButton);

    const float factor = readStoredFactor();
    if (factor != currentScale)
    {
        currentScale = factor;
        juce::Desktop::getInstance().setGlobalScaleFactor (factor);
    }
}

void ZTWindowZoom::openMenu()
{
    if (parent == nullptr)
        return;
    plate.setBounds (0, 0, parent->getWidth(), parent->getHeight());
    parent->addAndMakeVisible (plate);
    parent->addAndMakeVisible (*this);
}

void ZTWindowZoom::closeMenu()
{
    if (parent == nullptr)
        return;
    parent->removeChildComponent (&plate);
    parent->removeChildComponent (this);
}

void ZTWindowZoom::chooseLevel (int levelIndex)
{
    if (! juce::isPositiveAndBelow (levelIndex, kNumLevels))
        return;

    for (int i = 0; i < kNumLevels; ++i)
    {
        items[(size_t) i].selected = (i == levelIndex);
        items[(size_t) i].repaint();
    }

    const int level = kZoomLevels[(size_t) levelIndex];
    const float factor = (float) level * 0.01f;
    if (settings != nullptr && settings->properties != nullptr)
    {
        settings->properties->setValue ("Zoom", juce::String (level));
        settings->properties->save();
    }
    currentScale = factor;
    juce::Desktop::getInstance().setGlobalScaleFactor (factor);
    closeMenu();
}

float ZTWindowZoom::readStoredFactor() const
{
    if (settings == nullptr || settings->properties == nullptr)
        return currentScale;
    const auto text = settings->properties->getValue ("Zoom", "100");
    const auto v = (float) text.getDoubleValue();
    if (v < 20.0f || v > 300.0f)
        return currentScale;
    return v * 0.01f;
}

int ZTWindowZoom::getSelectedItem() const
{
    for (int i = 0; i < kNumLevels; ++i)
        if (items[(size_t) i].selected)
            return i;
    return -1;
}

void ZTWindowZoom::paint (juce::Graphics& g) { g.fillAll (kMenuBackground); }

void ZTWindowZoom::resized()
{
    for (int i = 0; i < kNumLevels; ++i)
        items[(size_t) i].setBounds (0, 20 * i, getWidth(), 20);
}
