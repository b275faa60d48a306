# Shared build helpers: one static library per source folder, one function to register every test.

set(CLAVORA_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align
    -Woverloaded-virtual -Wimplicit-fallthrough)

function(clavora_set_warnings target)
    target_compile_options(${target} PRIVATE ${CLAVORA_WARNINGS})
    if(CLAVORA_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# clavora_add_library(name SOURCES ... [PUBLIC_LIBS ...] [PRIVATE_LIBS ...])
# The folder itself is the include root of the library, so users write #include "platform/Clock.h".
function(clavora_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
    clavora_set_warnings(${name})
endfunction()

# clavora_add_test(name SOURCES ... LIBS ... [LABEL unit|ui|e2e] [ENVIRONMENT ...] [TIMEOUT s])
function(clavora_add_test name)
    cmake_parse_arguments(ARG "" "LABEL;TIMEOUT" "SOURCES;LIBS;ENVIRONMENT" ${ARGN})
    if(NOT ARG_LABEL)
        set(ARG_LABEL unit)
    endif()
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
    target_compile_definitions(${name} PRIVATE
        CLAVORA_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
        CLAVORA_BINARY_DIR="${PROJECT_BINARY_DIR}")
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests)
    clavora_set_warnings(${name})
    add_test(NAME ${name} COMMAND ${name})
    set(env QT_QPA_PLATFORM=offscreen ${ARG_ENVIRONMENT})
    if(CLAVORA_SANITIZE)
        # Leaks inside system libraries are not ours; the same list applies however ctest is run.
        list(APPEND env "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp")
    endif()
    set_tests_properties(${name} PROPERTIES LABELS ${ARG_LABEL} TIMEOUT ${ARG_TIMEOUT}
        ENVIRONMENT "${env}")
    if(ARG_LABEL STREQUAL "e2e")
        # The real program is timed by a person's keystrokes: never share the machine with other tests.
        set_tests_properties(${name} PROPERTIES RUN_SERIAL TRUE)
    endif()
endfunction()

# Adds every direct subfolder that has a CMakeLists.txt, unless it is named in CLAVORA_SKIP_FOLDERS
# (test and benchmark areas join the build just by existing).
function(clavora_add_area_folders)
    file(GLOB children CONFIGURE_DEPENDS LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
    foreach(dir IN LISTS children)
        get_filename_component(area ${dir} NAME)
        if(IS_DIRECTORY ${dir} AND EXISTS ${dir}/CMakeLists.txt AND NOT area IN_LIST CLAVORA_SKIP_FOLDERS)
            add_subdirectory(${dir})
        endif()
    endforeach()
endfunction()
