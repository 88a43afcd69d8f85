# Provides GTest::gtest_main. A cross build cannot use the host's GoogleTest,
# so it builds GoogleTest for the target from Debian's sources.
if(TARGET GTest::gtest_main)
    return()
endif()

if(CMAKE_CROSSCOMPILING)
    set(ranquill_googletest_source /usr/src/googletest CACHE PATH
        "GoogleTest sources built for the target in a cross build")
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(${ranquill_googletest_source} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
    find_package(GTest REQUIRED)
endif()
