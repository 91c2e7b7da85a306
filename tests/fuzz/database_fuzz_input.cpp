#include "database_fuzz_input.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "database/data_file.h"
#include "database/database_access.h"
#include "database/page_cipher.h"
#include "database/read_only_database.h"

namespace gamereg {
namespace {

void WriteWhole(const Text& path, const Bytes& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

// Enough records to meet every kind of damage, few enough to stay fast.
constexpr std::int32_t kRecordsRead = 16;

}  // namespace

void RunDatabaseFuzzInput(const std::uint8_t* data, std::size_t size, const Text& folder) {
    if (size < 3) return;
    const bool enciphered = (data[0] & 1) != 0;
    const std::size_t dataLength = std::min<std::size_t>(data[1] | data[2] << 8, size - 3);
    Bytes dataFile(data + 3, data + 3 + dataLength);
    Bytes memoFile(data + 3 + dataLength, data + size);
    const Text password = enciphered ? kFuzzPassword : "";
    if (enciphered) {
        if (dataFile.size() >= 4) {
            std::memcpy(dataFile.data(), DataFile::kProtectedMagic.data(), 4);
        }
        if (dataFile.size() >= DataFile::kPasswordCheckOffset + DataFile::kPasswordCheckSize) {
            const Text check = CheckString(password);
            std::memcpy(dataFile.data() + DataFile::kPasswordCheckOffset, check.c_str(),
                        check.size() + 1);
        }
        PageCipher cipher(password);
        cipher.Transform(dataFile, 0);
        cipher.Transform(memoFile, 0);
    }
    const Text dataName = folder + "/fuzz.edb";
    WriteWhole(dataName, dataFile);
    WriteWhole(folder + "/fuzz.EDT", memoFile);

    std::vector<Text> names;
    {
        ReadOnlyDatabase inspected;
        if (inspected.Open(dataName, password) == 0) {
            const std::int32_t records = std::min(inspected.RecordCount(), kRecordsRead);
            for (std::int32_t r = 0; r < records; ++r) {
                std::int32_t status = 0;
                inspected.ReadStatus(r, status);
                for (std::size_t f = 0; f < inspected.Fields().size(); ++f) {
                    FieldValue value;
                    inspected.ReadValue(r, f, value);
                }
            }
            // Past the last record.
            FieldValue value;
            inspected.ReadValue(inspected.RecordCount(), 0, value);
            for (const FieldDescriptor& field : inspected.Fields()) names.push_back(field.name);
        }
    }
    if (OpenDatabase(dataName, password)) {
        for (const Text& name : names) ReadField(name);
        CloseDatabase();
    }
}

}  // namespace gamereg
