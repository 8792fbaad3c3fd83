#include "catalogue/own_index.h"

#include <cstring>

#include "io/atomic_file.h"

namespace kombora {

OwnIndexLoad ParseOwnSystemIndex(std::string_view bytes) {
    OwnIndexLoad result;
    result.fileExists = true;
    const std::size_t count = bytes.size() / kOwnRecordSize;
    result.systems.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        OwnRecordBytes record;
        std::memcpy(record.data(), bytes.data() + i * kOwnRecordSize, kOwnRecordSize);
        result.systems.push_back(DecodeOwnRecord(record));
    }
    result.trailingBytes = bytes.size() % kOwnRecordSize;
    return result;
}

OwnIndexLoad LoadOwnSystemIndex(const std::filesystem::path& indexFile,
                                const std::filesystem::path& folder) {
    constexpr std::uintmax_t kLimit = std::uintmax_t{kOwnIndexMaxRecords} * kOwnRecordSize;
    const CheckedRead file = ReadCheckedFile(indexFile, kLimit, folder);
    if (file) return ParseOwnSystemIndex(file.data);
    OwnIndexLoad result;
    result.refusal = file.refusal;
    if (file.refusal != ReadRefusal::Missing) {
        result.fileExists = true;
        result.readFailed = true;
    }
    return result;
}

bool SaveOwnSystemIndex(const std::filesystem::path& indexFile,
                        const std::vector<TEigSysteme>& systems, std::string* error) {
    std::string data;
    data.reserve(systems.size() * kOwnRecordSize);
    for (const TEigSysteme& system : systems) {
        const auto record = EncodeOwnRecord(system);
        if (!record) {
            if (error) *error = "the rows-file name is too long: " + system.fn;
            return false;
        }
        data.append(reinterpret_cast<const char*>(record->data()), record->size());
    }
    return WriteFileAtomically(indexFile, data, error);
}

bool IsPlainFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (const char c : name) {
        if (c == '/' || c == '\\' || c == ':' || c == '\0') return false;
    }
    return true;
}

}  // namespace kombora
