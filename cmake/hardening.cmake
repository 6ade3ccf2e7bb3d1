# Debian's hardening flags for every target, so a plain `cmake` build is as hardened as the .deb:
# stack protector, fortified libc calls, format checks, read-only relocations bound at start-up,
# and control-flow protection where the compiler has it. The sanitizer build goes without them:
# AddressSanitizer replaces the very functions fortification wraps.
include(CheckCXXCompilerFlag)

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang" AND NOT QUORVEL_SANITIZE)
  add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
  # Fortification needs the optimiser; without it glibc warns, and the warning is an error here.
  # Undefining first keeps a definition from the environment's flags from clashing.
  add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
  check_cxx_compiler_flag(-fcf-protection QUORVEL_HAS_CF_PROTECTION)
  if(QUORVEL_HAS_CF_PROTECTION)
    add_compile_options(-fcf-protection)
  endif()
  # Only ELF linkers know relro and immediate binding.
  if(NOT APPLE AND NOT WIN32)
    add_link_options(LINKER:-z,relro,-z,now)
  endif()
endif()
