# Targets: one shared-code library (Brume2) that the plug-in formats, the unit tests and the
# benchmarks link, plus one host-side JUCE configuration (brume2_host) for the programs that load
# the built VST3 bundle the way a DAW does.

set(BRUME2_ROBOTO_TTF "/usr/share/fonts/truetype/roboto/unhinted/RobotoTTF/Roboto-Regular.ttf"
    CACHE FILEPATH "Roboto Regular (Debian fonts-roboto-unhinted)")
if(NOT EXISTS "${BRUME2_ROBOTO_TTF}")
    message(FATAL_ERROR "Roboto Regular not found at ${BRUME2_ROBOTO_TTF}: apt-get install fonts-roboto-unhinted")
endif()

# A static library that compiles JUCE modules privately hands its module include paths and
# configuration to whatever links it, so JUCE is compiled once per configuration, not per program.
function(brume2_export_juce_config target)
    target_include_directories(${target} INTERFACE $<TARGET_PROPERTY:${target},INCLUDE_DIRECTORIES>)
    target_compile_definitions(${target} INTERFACE $<TARGET_PROPERTY:${target},COMPILE_DEFINITIONS>)
endfunction()

# ---- embedded resources ---------------------------------------------------------------------
file(GLOB BRUME2_IMAGE_FILES CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/resources/images/*.png")
file(GLOB BRUME2_FONT_FILES CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/resources/fonts/*.ttf")
juce_add_binary_data(Brume2Resources
    HEADER_NAME BinaryData.h
    NAMESPACE BinaryData
    SOURCES ${BRUME2_IMAGE_FILES} ${BRUME2_FONT_FILES} "${BRUME2_ROBOTO_TTF}")
# JUCE's rule depends only on the list of files; make it also follow their contents, so a
# redrawn picture is embedded again.
add_custom_command(
    OUTPUT "${CMAKE_CURRENT_BINARY_DIR}/juce_binarydata_Brume2Resources/JuceLibraryCode/BinaryData1.cpp"
    APPEND
    DEPENDS ${BRUME2_IMAGE_FILES} ${BRUME2_FONT_FILES} "${BRUME2_ROBOTO_TTF}")

# ---- the plug-in ----------------------------------------------------------------------------
juce_add_plugin(Brume2
    PRODUCT_NAME "Brume 2"
    COMPANY_NAME "Zuvotone"
    COMPANY_WEBSITE "https://zuvotone.example"
    COMPANY_EMAIL "support@zuvotone.example"
    VERSION 2.1.2
    PLUGIN_MANUFACTURER_CODE Zuvo
    PLUGIN_CODE Byhd
    FORMATS VST3 Standalone
    IS_SYNTH FALSE
    NEEDS_MIDI_INPUT FALSE
    NEEDS_MIDI_OUTPUT FALSE
    IS_MIDI_EFFECT FALSE
    EDITOR_WANTS_KEYBOARD_FOCUS TRUE
    VST3_CATEGORIES Fx
    COPY_PLUGIN_AFTER_BUILD FALSE)

file(GLOB_RECURSE BRUME2_SOURCES CONFIGURE_DEPENDS
    "${PROJECT_SOURCE_DIR}/source/*.cpp" "${PROJECT_SOURCE_DIR}/source/*.h")
target_sources(Brume2 PRIVATE ${BRUME2_SOURCES})
target_include_directories(Brume2 PUBLIC "${PROJECT_SOURCE_DIR}/source")

target_compile_definitions(Brume2
    PUBLIC
        JUCE_WEB_BROWSER=0
        JUCE_USE_CURL=0
        JUCE_VST3_CAN_REPLACE_VST2=0
        JUCE_DISPLAY_SPLASH_SCREEN=0
        JUCE_REPORT_APP_USAGE=0
        JUCE_USE_FLAC=0
        JUCE_USE_OGGVORBIS=0
        JUCE_MODAL_LOOPS_PERMITTED=0
        JUCE_SILENCE_XCODE_15_LINKER_WARNING=1)

# No link-time optimisation: the hot path already inlines within its own files, and LTO would make
# every test and tool link re-optimise the whole of JUCE.
target_link_libraries(Brume2
    PRIVATE
        Brume2Resources
        juce::juce_audio_utils
        juce::juce_dsp
    PUBLIC
        juce::juce_recommended_config_flags
        juce::juce_recommended_warning_flags)

brume2_export_juce_config(Brume2)

# The plug-in's module folder is what a Linux VST3 host scans: ~/.vst3 for a user, <prefix>/lib/vst3 system-wide.
# A relative folder is taken under CMAKE_INSTALL_PREFIX; -DBRUME2_VST3_INSTALL_DIR=$HOME/.vst3 for a user.
set(BRUME2_VST3_INSTALL_DIR "lib/vst3" CACHE STRING "Folder the VST3 bundle is installed into")
set(BRUME2_VST3_BUNDLE "${CMAKE_BINARY_DIR}/Brume2_artefacts/$<CONFIG>/VST3/Brume 2.vst3")
install(DIRECTORY "${BRUME2_VST3_BUNDLE}"
    DESTINATION "${BRUME2_VST3_INSTALL_DIR}"
    USE_SOURCE_PERMISSIONS)

include(cmake/Brume2Host.cmake)
include(cmake/Brume2FactoryPresets.cmake)
if(BRUME2_BUILD_TESTS)
    enable_testing()
    add_subdirectory(tests)
endif()
if(BRUME2_BUILD_BENCH)
    add_subdirectory(bench)
endif()
if(BRUME2_BUILD_TOOLS)
    add_subdirectory(tools)
endif()
if(BRUME2_BUILD_FUZZERS)
    add_subdirectory(tests/fuzz)
endif()
