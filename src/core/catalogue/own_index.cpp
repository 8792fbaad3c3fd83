#include "catalogue/own_index.h"

#include <fstream>
#include <system_error>

#include "io/atomic_file.h"

namespace kombora {

OwnIndexLoad LoadOwnSystemIndex(const std::filesystem::path& indexFile) {
    OwnIndexLoad result;
    std::error_code ec;
    if (!std::filesystem::exists(indexFile, ec)) return result;
    result.fileExists = true;
    std::ifstream in(indexFile, std::ios::binary);
    if (!in) {
        result.readFailed = true;
        return result;
    }
    OwnRecordBytes record{};
    while (true) {
        in.read(reinterpret_cast<char*>(record.data()), kOwnRecordSize);
        const auto got = static_cast<std::size_t>(in.gcount());
        if (got == kOwnRecordSize) {
            result.systems.push_back(DecodeOwnRecord(record));
            continue;
        }
        result.trailingBytes = got;
        if (in.bad()) result.readFailed = true;
        break;
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
