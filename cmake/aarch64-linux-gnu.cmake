# SPDX-License-Identifier: MIT
# Cross-builds for arm64 with Debian's cross compiler and its multiarch Qt (qt6-base-dev:arm64),
# running the build's and the tests' own programs under qemu:
#   cmake -S . -B build-arm64 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/aarch64-linux-gnu.cmake
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
# The arm64 libraries stand beside this machine's in /, where qemu finds them; with the cross
# compiler's own folder as its root, Qt's start-up never ends.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64-static -L /)
