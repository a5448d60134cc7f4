#include "platform/file_util.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace tavrel {

namespace {

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

void SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            ::close(fd);
            if (got < 0) return std::nullopt;  // a folder, or a read error
            return bytes;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    const std::filesystem::path target(path);
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) return false;

    std::string temp = folder.string();
    temp += "/.";
    temp += target.filename().string();
    temp += ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    // mkstemp makes the file private; keep the mode of the file it replaces, else rw-r--r--.
    struct stat existing {};
    ::fchmod(fd, ::stat(path.c_str(), &existing) == 0 ? existing.st_mode & 07777 : 0644);
    const bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !ok || std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}

bool WriteNewFile(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const bool ok = WriteAll(fd, bytes);
    if (::close(fd) != 0 || !ok) {
        std::remove(path.c_str());
        return false;
    }
    return true;
}

}  // namespace tavrel
