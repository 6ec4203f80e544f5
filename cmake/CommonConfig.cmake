# One interface target with the warning flags and strict Qt defines; every target links it.
add_library(brisvel_common INTERFACE)
target_compile_options(brisvel_common INTERFACE -Wall -Wextra -Werror)
target_compile_definitions(brisvel_common INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_FOREACH
    BRISVEL_VERSION="${PROJECT_VERSION}"
    BRISVEL_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
    BRISVEL_VERSION_MINOR=${PROJECT_VERSION_MINOR}
    BRISVEL_VERSION_PATCH=${PROJECT_VERSION_PATCH}
    BRISVEL_VERSION_TWEAK=${PROJECT_VERSION_TWEAK})
if(BRISVEL_SANITIZE)
    target_compile_options(brisvel_common INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer)
    target_link_options(brisvel_common INTERFACE -fsanitize=address,undefined)
endif()

# Adds a library for one src/ folder: brisvel_add_library(name SOURCES ... LIBS ...)
function(brisvel_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC brisvel_common ${ARG_LIBS})
endfunction()

# Adds a Qt Test executable run by CTest: brisvel_add_test(name SOURCES ... LIBS ... [GUI])
# GUI tests need a display; the test command runs ctest under a virtual X server.
function(brisvel_add_test name)
    cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${name} PRIVATE brisvel_common brisvel_testsupport Qt6::Test ${ARG_LIBS})
    add_test(NAME ${name} COMMAND ${name})
    if(NOT ARG_GUI)
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    endif()
endfunction()
