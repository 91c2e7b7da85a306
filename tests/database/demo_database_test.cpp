// The reference database made by a separate implementation of the format.

#include <gtest/gtest.h>

#include "database/database_access.h"
#include "database/database_error.h"
#include "database_test_files.h"
#include "database_test_support.h"

namespace gamereg {
namespace {

constexpr char kPassword[] = "391526043";

class DemoDatabase : public test::DatabaseTest {
protected:
    void SetUp() override {
        folder_ = test::FreshFolder();
        dataFile_ = test::JoinPath(folder_, "registry.edb");
        test::CopyFile(test::DataPath("demo/registry.edb"), dataFile_);
        test::CopyFile(test::DataPath("demo/registry.EDT"),
                       test::JoinPath(folder_, "registry.EDT"));
    }

    Text folder_;
    Text dataFile_;
};

TEST_F(DemoDatabase, YieldsItsSixValuesByteForByte) {
    ASSERT_TRUE(OpenDatabase(dataFile_, kPassword)) << LastDatabaseError();
    EXPECT_EQ(ReadField("游戏文件检测"), FieldValue(Text("Demo.exe")));
    EXPECT_EQ(ReadField("游戏名称"), FieldValue(Text("演示游戏")));
    EXPECT_EQ(ReadField("注册表工具名称"), FieldValue(Text("演示游戏注册表工具")));
    EXPECT_EQ(ReadField("注册表代码"),
              FieldValue(Text("REGEDIT4\r\n\r\n"
                              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Demo Studio\\Demo]\r\n"
                              "\"InstallPath\"=\"游戏路径\"\r\n"
                              "\"Exe\"=\"游戏路径\\\\Demo.exe\"\r\n"
                              "\"Language\"=\"简体中文\"\r\n\r\n")));
    const Text uninstall =
        "REGEDIT4\r\n\r\n[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Demo Studio\\Demo]\r\n\r\n";
    EXPECT_EQ(ReadField("注册表卸载"), FieldValue(Bytes(uninstall.begin(), uninstall.end())));
    EXPECT_EQ(ReadField("注册表存在检测"),
              FieldValue(Text("SOFTWARE\\Demo Studio\\Demo\\InstallPath")));
    EXPECT_EQ(LastDatabaseError(), 0);
}

TEST_F(DemoDatabase, OpenChangesNeitherFile) {
    const Bytes data = test::ReadFileBytes(dataFile_);
    const Bytes memo = test::ReadFileBytes(test::JoinPath(folder_, "registry.EDT"));
    ASSERT_TRUE(OpenDatabase(dataFile_, kPassword));
    ReadField("注册表代码");
    CloseDatabase();
    EXPECT_EQ(test::ReadFileBytes(dataFile_), data);
    EXPECT_EQ(test::ReadFileBytes(test::JoinPath(folder_, "registry.EDT")), memo);
}

TEST_F(DemoDatabase, RefusesOtherPasswords) {
    for (const char* password : {"", "391526044", "39152604", "391526043 "}) {
        EXPECT_FALSE(OpenDatabase(dataFile_, password)) << password;
        EXPECT_EQ(LastDatabaseError(), DatabaseError::kPassword) << password;
    }
    EXPECT_TRUE(OpenDatabase(dataFile_, kPassword));
}

TEST_F(DemoDatabase, OpensWithoutExtensionAndOnlyOnce) {
    test::CopyFile(dataFile_, test::JoinPath(folder_, "game.EDB"));
    test::CopyFile(test::JoinPath(folder_, "registry.EDT"), test::JoinPath(folder_, "game.EDT"));
    ASSERT_TRUE(OpenDatabase(test::JoinPath(folder_, "game"), kPassword));
    EXPECT_FALSE(OpenDatabase(test::JoinPath(folder_, "GAME.edb"), kPassword));
    EXPECT_EQ(LastDatabaseError(), DatabaseError::kAlreadyOpen);
    EXPECT_FALSE(OpenDatabase(test::JoinPath(folder_, "./game."), kPassword));
    EXPECT_EQ(LastDatabaseError(), DatabaseError::kAlreadyOpen);
    // The first stays open and current.
    EXPECT_EQ(ReadField("游戏文件检测"), FieldValue(Text("Demo.exe")));
    CloseDatabase();
    CloseDatabase();
    EXPECT_EQ(LastDatabaseError(), 0);
    EXPECT_TRUE(OpenDatabase(test::JoinPath(folder_, "game.EDB"), kPassword));
}

}  // namespace
}  // namespace gamereg
