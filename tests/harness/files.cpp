#include "tests/harness/files.h"

#include "platform/unique_handle.h"

namespace {

bool WriteBytes(const std::wstring& path, const void* bytes, size_t size) {
    UniqueFileHandle file(
        ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file && ::WriteFile(file.get(), bytes, static_cast<DWORD>(size), &written, nullptr) && written == size;
}

}  // namespace

bool WriteBytes(const std::wstring& path, std::string_view bytes) {
    return WriteBytes(path, bytes.data(), bytes.size());
}

bool WriteBytes(const std::wstring& path, const std::vector<BYTE>& bytes) {
    return WriteBytes(path, bytes.data(), bytes.size());
}
