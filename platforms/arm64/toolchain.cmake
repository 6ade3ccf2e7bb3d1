# Cross-compiling for 64-bit ARM (the Raspberry Pi's arm64) on a Debian with both architectures:
# Debian's cross compilers, and the arm64 libraries in their multiarch folder beside the build
# machine's own. Qt's moc, rcc and uic are the build machine's (Debian's are Multi-Arch: foreign).
# A find-root path would hide the multiarch folders, so there is none.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)

# Every program the build makes and runs (the icon drawn at build time, the tests) runs under
# qemu's user-mode emulator: Debian 12's qemu-user-static, or Debian 13's qemu-user.
find_program(QUORVEL_AARCH64_EMULATOR NAMES qemu-aarch64-static qemu-aarch64)
if(QUORVEL_AARCH64_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QUORVEL_AARCH64_EMULATOR})
endif()
# qemu runs them tens of times slower than the machine's own: the tests allow for it.
set(QUORVEL_SLOW_EMULATOR ON)
