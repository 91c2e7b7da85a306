#include "database/database_error.h"

#include <algorithm>
#include <initializer_list>

namespace gamereg {

Text DatabaseErrorText(std::int32_t code) {
    switch (code) {
        case DatabaseError::kNone:
            return "";
        case DatabaseError::kFileNotFound:
            return "指定文件未找到";
        case DatabaseError::kInvalidPath:
            return "无效的路径";
        case DatabaseError::kTooManyOpenFiles:
            return "打开文件过多";
        case DatabaseError::kAccessDenied:
            return "指定文件不能被访问";
        case DatabaseError::kInvalidHandle:
            return "无效的文件号";
        case DatabaseError::kCurrentDirectory:
            return "不能删除现行工作目录";
        case DatabaseError::kTooManyDirectories:
            return "创建目录过多";
        case DatabaseError::kSeekFailed:
            return "文件指针定位失败";
        case DatabaseError::kHardwareFault:
            return "访问文件时硬件产生故障";
        case DatabaseError::kSharingViolation:
            return "访问文件时产生共享冲突";
        case DatabaseError::kLockFailed:
            return "加锁文件失败";
        case DatabaseError::kDiskFull:
            return "磁盘空间不够";
        case DatabaseError::kEndOfFile:
            return "已经到达文件尾";
        case DatabaseError::kOpenFailed:
            return "打开指定数据库失败";
        case DatabaseError::kNotDatabase:
            return "指定文件不是数据库文件";
        case DatabaseError::kVersionTooHigh:
            return "指定数据库文件版本太高，无法读入，请升级系统软件";
        case DatabaseError::kLockRefused:
            return "加锁失败";
        case DatabaseError::kMemoUnreadable:
            return "读入数据库辅助文件失败";
        case DatabaseError::kMemoVersion:
            return "数据库辅助文件的版本与数据库本身不一致";
        case DatabaseError::kAlreadyOpen:
            return "指定数据库已经被打开";
        case DatabaseError::kNoMemory:
            return "分配内存空间失败";
        case DatabaseError::kFieldUnreadable:
            return "读指定字段失败";
        case DatabaseError::kMemoAccess:
            return "访问数据库的辅助文件失败";
        case DatabaseError::kPassword:
            return "未提供数据库访问密码或提供了错误的密码";
        default:
            return "未知错误";
    }
}

namespace {

struct Win32Mapping {
    std::int32_t code;
    std::initializer_list<std::uint32_t> errors;
};

const Win32Mapping kWin32Mappings[] = {
    {DatabaseError::kFileNotFound, {2, 6, 18, 107}},
    {DatabaseError::kInvalidPath,
     {3, 15, 17, 34, 52, 53, 55, 67, 70, 85, 111, 123, 124, 125, 144, 154, 161, 206, 208, 267}},
    {DatabaseError::kTooManyOpenFiles, {4, 36, 68, 113}},
    {DatabaseError::kAccessDenied, {5, 12, 19, 29, 54, 58, 64, 65, 71, 80, 82, 86, 170, 183, 999}},
    {DatabaseError::kInvalidHandle, {11, 26, 60, 66, 114, 182, 191, 193}},
    {DatabaseError::kCurrentDirectory, {16, 145}},
    {DatabaseError::kTooManyDirectories, {62}},
    {DatabaseError::kSeekFailed, {24, 25, 27, 30, 131, 132}},
    {DatabaseError::kHardwareFault, {20, 21, 22, 23, 57, 59, 88, 117, 995, 996, 997}},
    {DatabaseError::kSharingViolation, {32}},
    {DatabaseError::kLockFailed, {33, 108, 167}},
    {DatabaseError::kDiskFull, {39, 112}},
    {DatabaseError::kEndOfFile, {38}},
};

}  // namespace

std::int32_t DatabaseCodeOfWin32Error(std::uint32_t win32Error) {
    for (const Win32Mapping& mapping : kWin32Mappings) {
        if (std::find(mapping.errors.begin(), mapping.errors.end(), win32Error) !=
            mapping.errors.end()) {
            return mapping.code;
        }
    }
    return DatabaseError::kUnknown;
}

}  // namespace gamereg
