# SPDX-License-Identifier: GPL-3.0-or-later
# The compiler warnings of the project, in one INTERFACE target that every
# target links: the program, its libraries, the tests, the benchmarks and the
# tools (the clang-built fuzz targets include this file too).
# DUPLIKON_WERROR turns every warning into an error (scripts/test.sh does).
option(DUPLIKON_WERROR "Treat compiler warnings as errors" OFF)

if(NOT TARGET duplikon_warnings)
  add_library(duplikon_warnings INTERFACE)
  target_compile_options(duplikon_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    -Wmissing-declarations -Wformat=2 -Wimplicit-fallthrough
    $<$<BOOL:${DUPLIKON_WERROR}>:-Werror>)
endif()

# Links duplikon_warnings to every compiled target defined in <dir> and the
# folders below it, so no target can be forgotten.
function(duplikon_warn_all dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$")
      target_link_libraries(${target} PRIVATE duplikon_warnings)
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    duplikon_warn_all(${subdir})
  endforeach()
endfunction()
