# Factory presets: generated at build time from the readable table in resources/presets by a small
# tool of ours, into <build>/factory-presets/<NN_category>/<NN_preset>.brumepreset, and installed
# into the shared data folder the plug-in reads (JUCE's commonApplicationDataDirectory, /opt on
# Linux). Redirect BRUME2_FACTORY_PRESETS_INSTALL_DIR for a staged or non-root install.

set(BRUME2_FACTORY_PRESETS_INSTALL_DIR "/opt/Zuvotone/Brume 2/Factory Presets"
    CACHE PATH "Where cmake --install puts the factory presets (the plug-in looks in /opt/Zuvotone/Brume 2/Factory Presets)")

add_executable(brume2-make-presets
    "${PROJECT_SOURCE_DIR}/tools/factory-presets/MakeFactoryPresets.cpp"
    "${PROJECT_SOURCE_DIR}/source/processor/ParameterSpecs.cpp")
target_include_directories(brume2-make-presets PRIVATE "${PROJECT_SOURCE_DIR}/source")

set(BRUME2_FACTORY_PRESETS_TABLE "${PROJECT_SOURCE_DIR}/resources/presets/factory-presets.txt")
set(BRUME2_FACTORY_PRESETS_DIR "${CMAKE_BINARY_DIR}/factory-presets")
set(BRUME2_FACTORY_PRESETS_STAMP "${CMAKE_BINARY_DIR}/factory-presets.stamp")

add_custom_command(
    OUTPUT "${BRUME2_FACTORY_PRESETS_STAMP}"
    COMMAND brume2-make-presets "${BRUME2_FACTORY_PRESETS_TABLE}" "${BRUME2_FACTORY_PRESETS_DIR}"
    COMMAND "${CMAKE_COMMAND}" -E touch "${BRUME2_FACTORY_PRESETS_STAMP}"
    DEPENDS brume2-make-presets "${BRUME2_FACTORY_PRESETS_TABLE}"
    COMMENT "Generating the factory presets"
    VERBATIM)
add_custom_target(brume2_factory_presets ALL DEPENDS "${BRUME2_FACTORY_PRESETS_STAMP}")

install(DIRECTORY "${BRUME2_FACTORY_PRESETS_DIR}/"
    DESTINATION "${BRUME2_FACTORY_PRESETS_INSTALL_DIR}"
    COMPONENT factory_presets)
