# CMake generated Testfile for 
# Source directory: /work/wt/graphics/tmp/gfuzz/src
# Build directory: /work/wt/graphics/tmp/gfuzz/out
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/wt/graphics/tmp/gfuzz/out/brindle_tests[1]_include.cmake")
