// The one main of every test binary: a headless platform runtime, then GoogleTest.

#include <gtest/gtest.h>

#include "platform/Runtime.h"

int main(int argc, char** argv)
{
    platform::Runtime::preferHeadless();
    platform::Runtime runtime(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
