#include "core/atomic_write.hpp"

#include <cstdio>
#include <unistd.h>

std::string temporaryPathFor(const std::string& path) {
    // One temporary name per process, so two running copies never write into each other's file.
    return path + "." + std::to_string(getpid()) + ".tmp";
}

WriteResult writeFileAtomically(const std::string& path, const std::string& text) {
    const std::string temporary = temporaryPathFor(path);
    std::FILE* file = std::fopen(temporary.c_str(), "w");
    if (!file) return WriteResult::CannotCreate;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const bool closed = std::fclose(file) == 0; // a full disk often shows only when the buffer is flushed
    if (!written || !closed) {
        std::remove(temporary.c_str());
        return WriteResult::WriteFailed;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return WriteResult::RenameFailed;
    }
    return WriteResult::Written;
}
