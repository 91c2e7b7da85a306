#pragma once
// The failure codes of database operations, their texts, and the codes of
// the Win32 errors that opening, locking, seeking and reading meet.

#include <cstdint>

#include "services/text.h"

namespace gamereg {

namespace DatabaseError {
constexpr std::int32_t kNone = 0;
constexpr std::int32_t kUnknown = -1;
constexpr std::int32_t kFileNotFound = -3;
constexpr std::int32_t kInvalidPath = -4;
constexpr std::int32_t kTooManyOpenFiles = -5;
constexpr std::int32_t kAccessDenied = -6;
constexpr std::int32_t kInvalidHandle = -7;
constexpr std::int32_t kCurrentDirectory = -8;
constexpr std::int32_t kTooManyDirectories = -9;
constexpr std::int32_t kSeekFailed = -10;
constexpr std::int32_t kHardwareFault = -11;
constexpr std::int32_t kSharingViolation = -12;
constexpr std::int32_t kLockFailed = -13;
constexpr std::int32_t kDiskFull = -14;
constexpr std::int32_t kEndOfFile = -15;
constexpr std::int32_t kOpenFailed = -21;
constexpr std::int32_t kNotDatabase = -22;
constexpr std::int32_t kVersionTooHigh = -23;
constexpr std::int32_t kLockRefused = -28;
constexpr std::int32_t kMemoUnreadable = -35;
constexpr std::int32_t kMemoVersion = -36;
constexpr std::int32_t kAlreadyOpen = -38;
constexpr std::int32_t kNoMemory = -45;
constexpr std::int32_t kFieldUnreadable = -46;
constexpr std::int32_t kMemoAccess = -59;
constexpr std::int32_t kPassword = -78;
}  // namespace DatabaseError

// The description of a code above; "未知错误" for any other code, "" for 0.
Text DatabaseErrorText(std::int32_t code);

// The database code of a Win32 error number (-1 for one not mapped).
std::int32_t DatabaseCodeOfWin32Error(std::uint32_t win32Error);

}  // namespace gamereg
