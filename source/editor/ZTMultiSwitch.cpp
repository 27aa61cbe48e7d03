#include "editor/ZTMultiSwitch.h"

#include "editor/ImageResources.h"

void ZTMultiSwitch::init (int index, const char* offImageName, const char* onImageName, ZTUICallback* newCallback)
{
    setParameterIndex (index);
    setCallback (newCallback);
    numStates = 2;
    images.add (loadImage (offImageName));
    images.add (loadImage (onImageName));
}

void ZTMultiSwitch::setStateImage (int state, const juce::Image& image)
{
    if (juce::isPositiveAndBelow (state, images.size()))
        images.set (state, image);
}

int ZTMultiSwitch::getShownState() const noexcept
{
    return juce::jlimit (0, numStates - 1, (int) ((float) numStates * value));
}

float ZTMultiSwitch::getNormalisedValue (int) { return getValue(); }

void ZTMultiSwitch::setNormalisedValue (int, float normalised) { setValue (normalised, true); }

bool ZTMultiSwitch::refreshFromHost (bool notify)
{
    if (callback == nullptr)
        return false;
    const float p = callback->getValue (parameterIndex);
    if (p == value)
        return false;
    setValue (p, true);
    if (notify)
        callback->valueChanged (this, parameterIndex, value);
    return true;
}

void ZTMultiSwitch::mouseUp (const juce::MouseEvent& e)
{
    if (e.x >= 0 && e.x < getWidth() && e.y >= 0 && e.y < getHeight() && callback != nullptr)
    {
        const int shown = juce::jmin (1, (int) (2.0f * value));
        setValue ((float) ((shown + 1) % 2) * 0.5f, true);
        callback->beginChangeGesture (this, parameterIndex);
        callback->valueChanged (this, parameterIndex, value);
        callback->endChangeGesture (this, parameterIndex);
    }
    repaint();
}

void ZTMultiSwitch::paint (juce::Graphics& g)
{
    const int state = getShownState();
    if (! juce::isPositiveAndBelow (state, images.size()))
        return;
    const auto& image = images.getReference (state);
    if (image.isValid())
        g.drawImage (image, getLocalBounds().toFloat());
}
