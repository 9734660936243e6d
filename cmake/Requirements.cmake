# SPDX-License-Identifier: GPL-3.0-or-later
# Libraries the program cannot do without: stop at configure time with a clear
# message instead of building a program that lacks pictures or print checks.
pkg_check_modules(DUPLIKON_LIBWMF QUIET libwmf)
if(NOT DUPLIKON_LIBWMF_FOUND)
  message(FATAL_ERROR "libwmf not found: Duplikon needs it to show Windows metafiles (*.WMF) "
                      "in tasks. On Debian: apt-get install libwmf-dev (or run scripts/setup.sh).")
endif()
find_package(Cups QUIET)
if(NOT Cups_FOUND)
  message(FATAL_ERROR "libcups not found: Duplikon needs it to ask the print server whether a "
                      "job was accepted. On Debian: apt-get install libcups2-dev (or run scripts/setup.sh).")
endif()
pkg_check_modules(LIBZIP QUIET IMPORTED_TARGET libzip)
if(NOT LIBZIP_FOUND)
  message(FATAL_ERROR "libzip not found: Duplikon needs it to pass tasks on as one .duplikon file "
                      "and to take them in. On Debian: apt-get install libzip-dev (or run scripts/setup.sh).")
endif()
pkg_check_modules(LIBCRYPTO QUIET IMPORTED_TARGET libcrypto)
if(NOT LIBCRYPTO_FOUND)
  message(FATAL_ERROR "libcrypto not found: Duplikon needs its SHA-256 to name the pictures of a task "
                      "passed on as one file. On Debian: apt-get install libssl-dev (or run scripts/setup.sh).")
endif()
