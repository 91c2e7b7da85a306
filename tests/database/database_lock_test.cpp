// Two processes on one database: the locks of the open and of a read keep
// them apart, and neither changes the files.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>

#include "child_process.h"
#include "database/database_access.h"
#include "database/database_error.h"
#include "database_fixtures.h"
#include "database_test_files.h"
#include "database_test_support.h"

namespace gamereg {
namespace {

using namespace test;

constexpr char kPassword[] = "Secret";

// The lock of another process, held from construction to Release().
class HeldLock {
public:
    HeldLock(const Text& folder, const Text& file, std::uint64_t offset, std::uint64_t length)
        : ready_(JoinPath(folder, "ready")), release_(JoinPath(folder, "release")) {
        std::filesystem::remove(ready_);
        std::filesystem::remove(release_);
        EXPECT_TRUE(holder_.Start(GAMEREG_LOCK_HOLDER, {file, std::to_string(offset),
                                                        std::to_string(length), ready_, release_}));
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (!std::filesystem::exists(ready_) && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        EXPECT_TRUE(std::filesystem::exists(ready_)) << "the lock holder did not start";
    }
    ~HeldLock() { Release(); }

    void Release() {
        if (released_) return;
        released_ = true;
        WriteFileBytes(release_, {});
        EXPECT_EQ(holder_.Wait(), 0);
    }

private:
    Text ready_;
    Text release_;
    ChildProcess holder_;
    bool released_ = false;
};

class TwoProcesses : public DatabaseTest {
protected:
    void SetUp() override {
        folder_ = FreshFolder();
        data_ = JoinPath(folder_, "registry.edb");
        memo_ = JoinPath(folder_, "registry.EDT");
        WriteTestDatabase(FixtureDefinition(kPassword), data_);
        dataBytes_ = ReadFileBytes(data_);
        memoBytes_ = ReadFileBytes(memo_);
    }

    void TearDown() override {
        DatabaseTest::TearDown();
        EXPECT_EQ(ReadFileBytes(data_), dataBytes_);
        EXPECT_EQ(ReadFileBytes(memo_), memoBytes_);
    }

    Text folder_;
    Text data_;
    Text memo_;
    Bytes dataBytes_;
    Bytes memoBytes_;
};

TEST_F(TwoProcesses, OpenFailsWhileOtherHoldsWholeFile) {
    {
        HeldLock other(folder_, data_, 0, 0x7FFFFFFF);
        EXPECT_FALSE(OpenDatabase(data_, kPassword));
        EXPECT_EQ(LastDatabaseError(), DatabaseError::kLockFailed);
    }
    EXPECT_TRUE(OpenDatabase(data_, kPassword)) << LastDatabaseError();
}

TEST_F(TwoProcesses, OpenFailsWhileOtherHoldsWholeMemoFile) {
    HeldLock other(folder_, memo_, 0, 0x7FFFFFFF);
    EXPECT_FALSE(OpenDatabase(data_, kPassword));
    EXPECT_EQ(LastDatabaseError(), DatabaseError::kLockFailed);
}

TEST_F(TwoProcesses, OpenFailsWhileOtherReadsFirstRecord) {
    HeldLock other(folder_, data_, kDataStart, 1);
    EXPECT_FALSE(OpenDatabase(data_, kPassword));
    EXPECT_EQ(LastDatabaseError(), DatabaseError::kLockFailed);
}

TEST_F(TwoProcesses, ReadMeetingOthersOpenYieldsEmptyValue) {
    ASSERT_TRUE(OpenDatabase(data_, kPassword));
    {
        HeldLock other(folder_, data_, 0, 0x7FFFFFFF);
        EXPECT_EQ(ReadField("名称"), FieldValue(Text()));
        EXPECT_EQ(LastDatabaseError(), DatabaseError::kLockFailed);
        EXPECT_EQ(ReadField("数"), FieldValue(std::int32_t{0}));
        EXPECT_EQ(LastDatabaseError(), DatabaseError::kLockFailed);
    }
    EXPECT_EQ(ReadField("数"), FieldValue(std::int32_t{1000}));
    EXPECT_EQ(LastDatabaseError(), 0);
}

TEST_F(TwoProcesses, MemoReadMeetingLockedBlockYieldsEmptyValue) {
    ASSERT_TRUE(OpenDatabase(data_, kPassword));
    HeldLock other(folder_, memo_, kMemoBlock1 + 512, 1);
    EXPECT_EQ(ReadField("脚本"), FieldValue(Text()));
    EXPECT_EQ(LastDatabaseError(), DatabaseError::kLockFailed);
    EXPECT_EQ(ReadField("数据"), FieldValue(Bytes{0x00, 0x01, 0x00}));
    EXPECT_EQ(LastDatabaseError(), 0);
    other.Release();
    EXPECT_EQ(ReadField("脚本"), FieldValue(FixtureScript(0)));
}

}  // namespace
}  // namespace gamereg
