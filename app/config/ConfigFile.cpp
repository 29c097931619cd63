#include "ConfigFile.h"

#include "DecimalText.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <vector>

namespace Fourier {
namespace {

constexpr int EndOfInput = -1;
constexpr unsigned char CtrlZ = 26;
constexpr int LastSeparator = ' ';
constexpr std::size_t MaxNumberLength = 32;
constexpr std::size_t ChunkSize = 64 * 1024;

struct TConfigFailure {
    int Code;
};

class TMemorySource final : public TByteSource {
  public:
    explicit TMemorySource(std::string_view bytes) : bytes_(bytes) {}
    int NextChunk(std::string_view& chunk) override {
        chunk = bytes_;
        bytes_ = {};
        return ceNone;
    }

  private:
    std::string_view bytes_;
};

class TFileSource final : public TByteSource {
  public:
    explicit TFileSource(int fd) : fd_(fd), buffer_(ChunkSize) {}
    int NextChunk(std::string_view& chunk) override {
        for (;;) {
            const ssize_t got = ::read(fd_, buffer_.data(), buffer_.size());
            if (got >= 0) {
                chunk = {buffer_.data(), static_cast<std::size_t>(got)};
                return ceNone;
            }
            // The failure of a read has no better name than a read error, whatever errno says.
            if (errno != EINTR) return ceReadFailure;
        }
    }

  private:
    int fd_;
    std::vector<char> buffer_;
};

class TFileHandle {
  public:
    explicit TFileHandle(int fd) : fd_(fd) {}
    TFileHandle(const TFileHandle&) = delete;
    TFileHandle& operator=(const TFileHandle&) = delete;
    ~TFileHandle() {
        if (fd_ >= 0) ::close(fd_);
    }
    int Get() const { return fd_; }
    // Linux releases the descriptor even when close fails, so it is never retried.
    int Close() {
        const int status = ::close(fd_);
        fd_ = -1;
        return status == 0 ? ceNone : ceReadFailure;
    }

  private:
    int fd_;
};

// Bytes of a source one at a time; Ctrl-Z ends the input as the end of the source does.
class TScanner {
  public:
    explicit TScanner(TByteSource& source) : source_(source) {}

    int Peek() {
        if (ended_) return EndOfInput;
        if (pos_ == chunk_.size()) {
            if (const int code = source_.NextChunk(chunk_); code != ceNone)
                throw TConfigFailure{code};
            pos_ = 0;
            if (chunk_.empty()) ended_ = true;
        }
        if (!ended_ && static_cast<unsigned char>(chunk_[pos_]) == CtrlZ) ended_ = true;
        return ended_ ? EndOfInput : static_cast<unsigned char>(chunk_[pos_]);
    }

    void Advance() { ++pos_; }

  private:
    TByteSource& source_;
    std::string_view chunk_;
    std::size_t pos_ = 0;
    bool ended_ = false;
};

int32_t ParseNumber(std::string_view text) {
    const auto value = Fourier::ReadDecimalInteger(text);
    if (!value) throw TConfigFailure{ceInvalidNumericInput};
    return *value;
}

// A number missing at the end of the input is 0.
int32_t ReadNumber(TScanner& in) {
    int c = in.Peek();
    while (c != EndOfInput && c <= LastSeparator) {
        in.Advance();
        c = in.Peek();
    }
    if (c == EndOfInput) return 0;
    char token[MaxNumberLength];
    std::size_t length = 0;
    while (c != EndOfInput && c > LastSeparator) {
        if (length == MaxNumberLength) throw TConfigFailure{ceInvalidNumericInput};
        token[length++] = static_cast<char>(c);
        in.Advance();
        c = in.Peek();
    }
    return ParseNumber({token, length});
}

void SkipRestOfLine(TScanner& in) {
    for (int c = in.Peek(); c != EndOfInput; c = in.Peek()) {
        in.Advance();
        if (c == '\n') return;
        if (c == '\r') {
            if (in.Peek() == '\n') in.Advance();
            return;
        }
    }
}

void ReadEntries(TScanner& in, TParamTable& table) {
    for (TParamEntry& entry : table) {
        entry.Count = ReadNumber(in);
        SkipRestOfLine(in);
        if (entry.Count < 1 || entry.Count > 3) continue;
        int32_t* const params[] = {&entry.P1, &entry.P2, &entry.P3};
        for (int32_t i = 0; i < entry.Count; ++i)
            *params[i] = ReadNumber(in);
        SkipRestOfLine(in);
    }
}

TConfigResult Failed(int code) {
    TConfigResult result;
    result.ErrorCode = code;
    return result;
}

} // namespace

TConfigResult ReadParamConfig(TByteSource& source) {
    TConfigResult result;
    TScanner in(source);
    try {
        ReadEntries(in, result.Table);
    } catch (const TConfigFailure& failure) {
        result.ErrorCode = failure.Code;
    }
    return result;
}

TConfigResult ReadParamConfig(std::string_view bytes) {
    TMemorySource source(bytes);
    return ReadParamConfig(source);
}

TConfigResult LoadParamConfig(const std::string& path) {
    if (path.find('\0') != std::string::npos) return Failed(ceInvalidFilename);

    // O_NONBLOCK so that opening a FIFO without a writer returns at once; fstat then refuses it.
    int fd = -1;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return Failed(ConfigErrorFromErrno(errno));
    TFileHandle file(fd);

    struct stat info {};
    if (::fstat(fd, &info) != 0) return Failed(ceReadFailure);
    if (!S_ISREG(info.st_mode)) return Failed(ceAccessDenied);
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) return Failed(ceReadFailure);

    TFileSource source(fd);
    TConfigResult result = ReadParamConfig(source);
    const int closed = file.Close();
    if (result.ErrorCode == ceNone) result.ErrorCode = closed;
    return result;
}

int ConfigErrorFromErrno(int err) {
    switch (err) {
    case ENOENT:
        return ceFileNotFound;
    case ENAMETOOLONG:
    case EINVAL:
    case ELOOP:
    case ENOTDIR: // a path component is a file: the name cannot denote a file
        return ceInvalidFilename;
    case EMFILE:
    case ENFILE:
        return ceTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ENXIO: // a socket or a device without its driver: not a regular file either
    case ENODEV:
        return ceAccessDenied;
    case EBUSY:
    case ETXTBSY:
        return ceSharingViolation;
    default:
        return ceReadFailure;
    }
}

std::string ConfigErrorMessage(int code) {
    switch (code) {
    case ceNone:
        return {};
    case ceFileNotFound:
        return "File not found";
    case ceInvalidFilename:
        return "Invalid filename";
    case ceTooManyOpenFiles:
        return "Too many open files";
    case ceAccessDenied:
        return "File access denied";
    case ceInvalidNumericInput:
        return "Invalid numeric input";
    default:
        return "I/O error " + std::to_string(code);
    }
}

} // namespace Fourier
