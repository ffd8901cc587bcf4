# Cross-compiles the Windows x64 program with Clang and lld instead of GCC, over the MinGW-w64
# headers, import libraries, libgcc and libstdc++ of the GCC cross toolchain that
# cmake/mingw-w64-x86_64.cmake uses: a second compiler reads the same code with other eyes.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${triple})
set(CMAKE_CXX_COMPILER_TARGET ${triple})
set(CMAKE_RC_COMPILER ${triple}-windres)
# The sysroot keeps Clang from reading the build machine's own /usr/include.
set(CMAKE_SYSROOT /usr/${triple})
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Debian names GCC's folder "12-posix", which Clang does not take for a version and so never
# finds: ask GCC where its libraries and C++ headers are. The POSIX-threads flavour, as the GCC
# build uses, for std::thread.
execute_process(COMMAND ${triple}-gcc-posix -print-libgcc-file-name
  OUTPUT_VARIABLE libgcc OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
if(failed OR NOT EXISTS "${libgcc}")
  message(FATAL_ERROR "${triple}-gcc-posix not found (Debian: apt-get install g++-mingw-w64-x86-64-posix)")
endif()
get_filename_component(gcc_dir "${libgcc}" DIRECTORY)
set(cxx_headers ${gcc_dir}/include/c++)
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES ${cxx_headers} ${cxx_headers}/${triple} ${cxx_headers}/backward)
# Everything is linked statically: under Wine a missing DLL makes a program exit silently. That
# libstdc++ is built over winpthreads, which GCC links by itself and Clang only when asked.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -static -pthread -L${gcc_dir}")
