# Debian's hardening flags on quorvel_build_options, so every target, and a plain `cmake` build,
# is as hardened as the .deb: stack protector, fortified libc calls, format errors, read-only
# relocations bound at start-up, and control-flow protection where the compiler has it. The
# sanitizer build goes without them: AddressSanitizer replaces the very functions fortification
# wraps, and so does a build whose packaging tool gives the flags itself (QUORVEL_HARDENING off,
# as debian/rules does). QUORVEL_HARDENED tells the tests whether the flags are in.
include(CheckCXXCompilerFlag)

set(QUORVEL_HARDENED OFF)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang" AND QUORVEL_HARDENING AND NOT QUORVEL_SANITIZE)
  set(QUORVEL_HARDENED ON)
  # -Wformat, which format-security needs, comes with the project's -Wall.
  target_compile_options(quorvel_build_options INTERFACE -fstack-protector-strong
                         -Werror=format-security)
  # Fortification needs the optimiser; without it glibc warns, and the warning is an error here.
  # Undefining first keeps a definition from the environment's flags from clashing.
  target_compile_options(quorvel_build_options INTERFACE
                         "$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
  check_cxx_compiler_flag(-fcf-protection QUORVEL_HAS_CF_PROTECTION)
  if(QUORVEL_HAS_CF_PROTECTION)
    target_compile_options(quorvel_build_options INTERFACE -fcf-protection)
  endif()
  # MinGW keeps the protector's and the fortified calls' runtime in libssp, which the compiler
  # links only when the protector is asked for at link time too.
  if(MINGW)
    target_link_options(quorvel_build_options INTERFACE -fstack-protector-strong)
  endif()
  # Only ELF linkers know relro and immediate binding.
  if(NOT APPLE AND NOT WIN32)
    target_link_options(quorvel_build_options INTERFACE LINKER:-z,relro,-z,now)
  endif()
endif()
