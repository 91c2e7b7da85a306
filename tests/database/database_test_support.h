#pragma once
// A fixture for tests of the process's database: nothing is left open after
// a test.

#include <gtest/gtest.h>

#include "database/database_access.h"

namespace gamereg::test {

class DatabaseTest : public testing::Test {
protected:
    void TearDown() override { CloseDatabase(); }
};

template <typename Case>
class DatabaseCaseTest : public testing::TestWithParam<Case> {
protected:
    void TearDown() override { CloseDatabase(); }
};

}  // namespace gamereg::test
