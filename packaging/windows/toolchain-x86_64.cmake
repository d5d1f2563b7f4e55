# The same programs for 64-bit Windows, for machines whose kernel runs no 32-bit code
# (Wine's 32-bit loader is a 32-bit Linux program).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(mingw_triplet x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
