# Warnings are errors on our own code only, never on third-party headers.
function(lumivane_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
    # GCC 12 reports -Wrestrict inside libstdc++'s string concatenation at -O3
    # (GCC bug 105329), for code that is correct.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
endfunction()

# A core library: plain C++20, must not link Qt.
function(lumivane_core_library target)
    add_library(${target} STATIC ${ARGN})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    set_target_properties(${target} PROPERTIES AUTOMOC OFF)
    lumivane_warnings(${target})
endfunction()

# A Qt library of windows, dialogs or widgets.
function(lumivane_gui_library target)
    add_library(${target} STATIC ${ARGN})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC Qt6::Widgets)
    lumivane_warnings(${target})
endfunction()
