#include "HostedPlugin.h"

HostedPlugin::HostedPlugin()
{
    formats.addFormat (new juce::VST3PluginFormat());
}

HostedPlugin::~HostedPlugin()
{
    if (pluginInstance != nullptr)
        pluginInstance->releaseResources();
}

juce::File HostedPlugin::defaultBundle()
{
    const auto installed = juce::File::getSpecialLocation (juce::File::userHomeDirectory)
                               .getChildFile (".vst3").getChildFile ("Brume 2.vst3");
    if (installed.isDirectory())
        return installed;
    return juce::File (BRUME2_BUILD_TREE_BUNDLE);
}

bool HostedPlugin::load (const juce::File& bundle, double sampleRate, int blockSize, juce::String& error)
{
    if (! bundle.exists())
    {
        error = "no plug-in at " + bundle.getFullPathName();
        return false;
    }

    juce::OwnedArray<juce::PluginDescription> found;
    formats.getFormat (0)->findAllTypesForFile (found, bundle.getFullPathName());
    const juce::PluginDescription* brume = nullptr;
    for (auto* description : found)
        if (description->name == "Brume 2" && description->manufacturerName == "Zuvotone")
            brume = description;
    if (brume == nullptr)
    {
        error = bundle.getFullPathName() + " holds no Brume 2 VST3 plug-in";
        return false;
    }

    pluginInstance = formats.createPluginInstance (*brume, sampleRate, blockSize, error);
    if (pluginInstance == nullptr)
    {
        error = "could not create the plug-in: " + error;
        return false;
    }

    const auto& parameters = pluginInstance->getParameters();
    if (parameters.size() < kNumOwnParameters || parameters[kNumOwnParameters - 1]->getName (100) != "Bypass")
    {
        error = "the plug-in's parameter list is not the expected one";
        pluginInstance.reset();
        return false;
    }
    return true;
}

bool HostedPlugin::setLayout (int inputChannels, int outputChannels)
{
    juce::AudioProcessor::BusesLayout layout;
    layout.inputBuses.add (juce::AudioChannelSet::canonicalChannelSet (inputChannels));
    layout.outputBuses.add (juce::AudioChannelSet::canonicalChannelSet (outputChannels));
    return pluginInstance->setBusesLayout (layout);
}

int HostedPlugin::findParameter (const juce::String& name) const
{
    const auto& parameters = pluginInstance->getParameters();
    for (int i = 0; i < kNumOwnParameters; ++i)
        if (parameters[i]->getName (100) == name)
            return i;
    for (int i = 0; i < kNumOwnParameters; ++i)
        if (parameters[i]->getName (100).equalsIgnoreCase (name))
            return i;
    return -1;
}

std::array<float, HostedPlugin::kNumOwnParameters> HostedPlugin::getValues() const
{
    std::array<float, kNumOwnParameters> values {};
    const auto& parameters = pluginInstance->getParameters();
    for (int i = 0; i < kNumOwnParameters; ++i)
        values[(size_t) i] = parameters[i]->getValue();
    return values;
}

bool HostedPlugin::setComponentState (const void* body, size_t size, juce::String& error)
{
    juce::MemoryBlock hostState;
    pluginInstance->getStateInformation (hostState);
    auto xml = juce::AudioProcessor::getXmlFromBinary (hostState.getData(), (int) hostState.getSize());
    auto* component = xml != nullptr ? xml->getChildByName ("IComponent") : nullptr;
    if (component == nullptr)
    {
        error = "the VST3 host state has no component block";
        return false;
    }

    component->deleteAllTextElements();
    component->addTextElement (juce::MemoryBlock (body, size).toBase64Encoding());
    juce::MemoryBlock newState;
    juce::AudioProcessor::copyXmlToBinary (*xml, newState);
    pluginInstance->setStateInformation (newState.getData(), (int) newState.getSize());
    return true;
}

bool HostedPlugin::setValues (const std::array<float, kNumOwnParameters>& values, juce::String& error)
{
    // A block of exactly 65 little-endian floats sets the parameters and nothing else.
    juce::MemoryBlock body;
    {
        juce::MemoryOutputStream out (body, false);
        for (float value : values)
            out.writeFloat (value);
    }
    if (! setComponentState (body.getData(), body.getSize(), error))
        return false;

    const auto applied = getValues();
    for (int i = 0; i < kNumOwnParameters; ++i)
        if (std::abs (applied[(size_t) i] - values[(size_t) i]) > 1.0e-6f)
        {
            error = "the plug-in did not take the value of \""
                  + pluginInstance->getParameters()[i]->getName (100) + "\"";
            return false;
        }
    return true;
}
