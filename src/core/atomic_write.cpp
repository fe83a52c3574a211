#include "core/atomic_write.hpp"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <signal.h>
#include <system_error>
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
    // On the disk before the rename: after a power cut the name holds the old content or the
    // new one, never an empty file.
    const bool flushed = std::fflush(file) == 0 && fsync(fileno(file)) == 0;
    const bool closed = std::fclose(file) == 0; // a full disk often shows only when the buffer is flushed
    if (!written || !flushed || !closed) {
        std::remove(temporary.c_str());
        return WriteResult::WriteFailed;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return WriteResult::RenameFailed;
    }
    // The rename itself lives in the folder: flush it too (best effort; some file systems refuse).
    const std::string folder = std::filesystem::path(path).parent_path().string();
    const int folderFd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (folderFd >= 0) {
        fsync(folderFd);
        close(folderFd);
    }
    return WriteResult::Written;
}

namespace {

// The process id in a name "<file>.<pid>.tmp", or 0 when the name is not one of ours.
long writerOf(const std::string& name) {
    const std::string suffix = ".tmp";
    if (name.size() <= suffix.size() || name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) return 0;
    const std::string stem = name.substr(0, name.size() - suffix.size());
    const std::size_t dot = stem.rfind('.');
    if (dot == std::string::npos || dot + 1 >= stem.size() || dot == 0) return 0;
    long pid = 0;
    for (std::size_t i = dot + 1; i < stem.size(); ++i) {
        if (stem[i] < '0' || stem[i] > '9' || pid > 100000000L) return 0;
        pid = pid * 10 + (stem[i] - '0');
    }
    return pid;
}

bool processRunning(long pid) { return kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM; }

} // namespace

int removeStaleTemporaryFiles(const std::string& folder) {
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    if (error) return 0;
    int removed = 0;
    for (const std::filesystem::directory_entry& entry : it) {
        if (!entry.is_regular_file(error)) continue;
        const long pid = writerOf(entry.path().filename().string());
        if (pid <= 0 || pid == static_cast<long>(getpid()) || processRunning(pid)) continue;
        if (std::filesystem::remove(entry.path(), error)) ++removed;
    }
    return removed;
}
