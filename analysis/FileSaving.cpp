#include "FileSaving.h"

#include "Wording.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace Fourier {
namespace {

std::string Folder(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseName(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The temporary file: hidden, beside the target, created with the permissions that the
// umask gives a new file. Returns its descriptor.
int CreateTemporary(const std::string& path, std::string& temporary) {
    std::random_device entropy;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary =
            Folder(path) + "/." + BaseName(path) + "." + std::to_string(entropy()) + ".part";
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written == 0) errno = ENOSPC; // no progress and no error: the disk took nothing
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Removes the temporary file unless it has been renamed into place.
class TTemporaryFile {
  public:
    TTemporaryFile(int fd, std::string name) : fd_(fd), name_(std::move(name)) {}
    ~TTemporaryFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!kept_) ::unlink(name_.c_str());
    }
    TTemporaryFile(const TTemporaryFile&) = delete;
    TTemporaryFile& operator=(const TTemporaryFile&) = delete;
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }
    void Keep() { kept_ = true; }

  private:
    int fd_;
    std::string name_;
    bool kept_ = false;
};

// A device (/dev/null, /dev/full, a terminal) has no content to keep and must not be replaced
// by a regular file: it takes the bytes itself.
void WriteIntoDevice(const std::string& path, const std::function<void(int descriptor)>& write) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) throw TFileSaveError(path, WriteFailureReason(errno));
    try {
        write(fd);
    } catch (...) {
        ::close(fd);
        throw;
    }
    if (::close(fd) != 0) throw TFileSaveError(path, WriteFailureReason(errno));
}

} // namespace

TFileSaveError::TFileSaveError(const std::string& path, const std::string& reason)
    : std::runtime_error(
          Filled(Wording("FileSaving", "Не удалось сохранить файл «%1»: %2"), {path, reason})),
      path_(path), reason_(reason) {}

std::string WriteFailureReason(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return Wording("FileSaving", "нет прав на запись в папку");
    case EROFS:
        return Wording("FileSaving", "папка на диске только для чтения");
    case ENOENT:
        return Wording("FileSaving", "такой папки нет");
    case ENOTDIR:
        return Wording("FileSaving", "в пути к файлу стоит файл, а не папка");
    case EISDIR:
        return Wording("FileSaving", "под этим именем уже есть папка");
    case ENOSPC:
    case EDQUOT:
        return Wording("FileSaving", "на диске нет места");
    case EFBIG:
        return Wording("FileSaving", "файл превышает разрешённый размер");
    case ENAMETOOLONG:
        return Wording("FileSaving", "слишком длинное имя");
    case EIO:
        return Wording("FileSaving", "ошибка ввода-вывода на диске");
    default:
        return std::strerror(error);
    }
}

void SaveFileWhole(const std::string& path, std::string_view bytes) {
    SaveFileWhole(path, [&](int fd) {
        if (!WriteAll(fd, bytes)) throw TFileSaveError(path, WriteFailureReason(errno));
    });
}

void SaveFileWhole(const std::string& path, const std::function<void(int descriptor)>& write) {
    if (path.empty() || path.back() == '/') throw TFileSaveError(path, WriteFailureReason(EISDIR));
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && S_ISCHR(existing.st_mode)) {
        WriteIntoDevice(path, write);
        return;
    }
    if (exists && !S_ISREG(existing.st_mode) && !S_ISDIR(existing.st_mode))
        throw TFileSaveError(path, Wording("FileSaving", "это не обычный файл"));
    std::string name;
    const int fd = CreateTemporary(path, name);
    if (fd < 0) throw TFileSaveError(path, WriteFailureReason(errno));
    TTemporaryFile temporary(fd, name);

    // A file that is replaced keeps its permissions.
    if (exists && S_ISREG(existing.st_mode)) ::fchmod(fd, existing.st_mode & 07777);

    write(fd);
    if (::fsync(fd) != 0 && errno != EINVAL) throw TFileSaveError(path, WriteFailureReason(errno));
    if (!temporary.Close()) throw TFileSaveError(path, WriteFailureReason(errno));
    if (::rename(name.c_str(), path.c_str()) != 0)
        throw TFileSaveError(path, WriteFailureReason(errno));
    temporary.Keep();
}

} // namespace Fourier
