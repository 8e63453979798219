# SPDX-License-Identifier: MIT
# Debian's hardening, each protection where the compiler offers it for the target rather than from
# a list per architecture: control-flow protection on amd64, branch protection on arm64; the stack
# protector, stack clash protection, _FORTIFY_SOURCE, PIE and full RELRO everywhere.
include(CheckCXXCompilerFlag)
include(CheckLinkerFlag)
include(CheckPIESupported)

check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

# Clang takes a switch for another target with no more than a warning that it goes unused.
set(CMAKE_REQUIRED_FLAGS -Werror)
# -frecord-gcc-switches keeps the switches in the binary, where the hardening check reads them back.
foreach(flag -fstack-protector-strong -fstack-clash-protection -fcf-protection
             -mbranch-protection=standard -frecord-gcc-switches)
  string(MAKE_C_IDENTIFIER "TICKWELL_HAS${flag}" supported)
  check_cxx_compiler_flag(${flag} ${supported})
  if(${supported})
    add_compile_options(${flag})
  endif()
endforeach()
check_linker_flag(CXX LINKER:-z,relro,-z,now TICKWELL_HAS_FULL_RELRO)
if(TICKWELL_HAS_FULL_RELRO)
  add_link_options(LINKER:-z,relro,-z,now)
endif()
unset(CMAKE_REQUIRED_FLAGS)

# Fortified calls need the optimiser; under the sanitizers ASan checks those calls itself.
if(NOT TICKWELL_SANITIZE)
  add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
endif()
