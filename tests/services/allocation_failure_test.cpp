#include "services/allocation_failure.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <new>
#include <string>

#include "support/fatal_exit.h"

namespace gamereg {
namespace {

TEST(AllocationFailure, MessageNamesBytesAskedFor) {
    EXPECT_EQ(AllocationFailureMessage(1000).View(), "分配 1000 字节内存失败!");
    EXPECT_EQ(AllocationFailureMessage(0).View(), "分配 0 字节内存失败!");
}

TEST(AllocationFailure, MessageIsSignedDecimalOfPlatformSize) {
    const std::size_t huge = std::numeric_limits<std::size_t>::max() - 1;
    EXPECT_EQ(AllocationFailureMessage(huge).View(), "分配 -2 字节内存失败!");
}

TEST(AllocationFailureDeathTest, RefusedMemoryEndsProgramWithFatalError) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::size_t refused = std::numeric_limits<std::size_t>::max() / 2;
    const std::string expected(AllocationFailureMessage(refused).View());
    EXPECT_EXIT(::operator delete(::operator new(refused)), EndedWithMinusOne, expected);
}

}  // namespace
}  // namespace gamereg
