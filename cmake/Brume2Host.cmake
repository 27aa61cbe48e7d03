# The second (and last) JUCE configuration: VST3 hosting switched on, shared by the host-level
# test and brume2-render. It reads FLAC through Debian's libFLAC (Debian's JUCE ships no FLAC
# sources of its own, hence JUCE_INCLUDE_FLAC_CODE=0).
find_package(PkgConfig REQUIRED)
pkg_check_modules(BRUME2_FLAC REQUIRED IMPORTED_TARGET flac)

add_library(brume2_host STATIC)
target_link_libraries(brume2_host
    PRIVATE
        juce::juce_audio_processors
        juce::juce_audio_formats
        juce::juce_gui_basics
    PUBLIC
        PkgConfig::BRUME2_FLAC
        juce::pkgconfig_JUCE_IMG_LINUX_DEPS   # Debian's JUCE decodes PNG/JPEG with the system libraries
        juce::juce_recommended_config_flags
        juce::juce_recommended_warning_flags)
target_compile_definitions(brume2_host
    PUBLIC
        JUCE_PLUGINHOST_VST3=1
        JUCE_PLUGINHOST_LV2=0
        JUCE_WEB_BROWSER=0
        JUCE_USE_CURL=0
        JUCE_USE_FLAC=1
        JUCE_INCLUDE_FLAC_CODE=0
        JUCE_USE_OGGVORBIS=0
        JUCE_STANDALONE_APPLICATION=1
        JUCE_DISPLAY_SPLASH_SCREEN=0
        JUCE_MODAL_LOOPS_PERMITTED=1)
brume2_export_juce_config(brume2_host)

# JUCE's FLAC reader shifts negative samples left (well defined since C++20, flagged by UBSan's
# shift-base check under C++17). That is JUCE's code, not ours: leave that one check out here.
if(BRUME2_SANITIZE MATCHES "undefined")
    target_compile_options(brume2_host PRIVATE -fno-sanitize=shift-base)
endif()
