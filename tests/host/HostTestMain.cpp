// Runs the host-level suite the way a host process runs: JUCE's message manager on the main
// thread, and a private HOME / XDG_CONFIG_HOME so the loaded plug-in never touches the user's
// real folders.

#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

#include <cstdlib>
#include <string>

int main (int argc, char** argv)
{
    ::testing::InitGoogleTest (&argc, argv);

    char pattern[] = "/tmp/brume2-host-test-XXXXXX";
    const char* home = mkdtemp (pattern);
    if (home == nullptr)
        return 1;
    const std::string config = std::string (home) + "/.config";
    setenv ("HOME", home, 1);
    setenv ("XDG_CONFIG_HOME", config.c_str(), 1);
    unsetenv ("DISPLAY");   // headless, as in CI

    int result = 0;
    {
        juce::ScopedJuceInitialiser_GUI juce;
        result = RUN_ALL_TESTS();
    }
    juce::File (home).deleteRecursively();
    return result;
}
