#include "ConfigFile.h"

#include "DecimalText.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <vector>

namespace {

constexpr int kEnd = -1;
constexpr unsigned char kCtrlZ = 26;
constexpr int kLastSeparator = ' ';
constexpr std::size_t kMaxNumberLength = 32;
constexpr std::size_t kChunkSize = 64 * 1024;

struct TConfigFailure {
    int Code;
};

class TViewSource final : public TByteSource {
  public:
    explicit TViewSource(std::string_view bytes) : Bytes(bytes) {}
    int NextChunk(std::string_view& chunk) override {
        chunk = Bytes;
        Bytes = {};
        return ceNone;
    }

  private:
    std::string_view Bytes;
};

class TFileSource final : public TByteSource {
  public:
    explicit TFileSource(int fd) : Fd(fd), Buffer(kChunkSize) {}
    int NextChunk(std::string_view& chunk) override {
        for (;;) {
            const ssize_t got = ::read(Fd, Buffer.data(), Buffer.size());
            if (got >= 0) {
                chunk = {Buffer.data(), static_cast<std::size_t>(got)};
                return ceNone;
            }
            // The failure of a read has no better name than a read error, whatever errno says.
            if (errno != EINTR) return ceReadFailure;
        }
    }

  private:
    int Fd;
    std::vector<char> Buffer;
};

class TFileHandle {
  public:
    explicit TFileHandle(int fd) : Fd(fd) {}
    TFileHandle(const TFileHandle&) = delete;
    TFileHandle& operator=(const TFileHandle&) = delete;
    ~TFileHandle() {
        if (Fd >= 0) ::close(Fd);
    }
    int Get() const { return Fd; }
    // Linux releases the descriptor even when close fails, so it is never retried.
    int Close() {
        const int status = ::close(Fd);
        Fd = -1;
        return status == 0 ? ceNone : ceReadFailure;
    }

  private:
    int Fd;
};

// Bytes of a source one at a time; Ctrl-Z ends the input as the end of the source does.
class TScanner {
  public:
    explicit TScanner(TByteSource& source) : Source(source) {}

    int Peek() {
        if (Ended) return kEnd;
        if (Pos == Chunk.size()) {
            if (const int code = Source.NextChunk(Chunk); code != ceNone)
                throw TConfigFailure{code};
            Pos = 0;
            if (Chunk.empty()) Ended = true;
        }
        if (!Ended && static_cast<unsigned char>(Chunk[Pos]) == kCtrlZ) Ended = true;
        return Ended ? kEnd : static_cast<unsigned char>(Chunk[Pos]);
    }

    void Advance() { ++Pos; }

  private:
    TByteSource& Source;
    std::string_view Chunk;
    std::size_t Pos = 0;
    bool Ended = false;
};

int32_t ParseNumber(std::string_view text) {
    const auto value = Fourier::ReadDecimalInteger(text);
    if (!value) throw TConfigFailure{ceInvalidNumericInput};
    return *value;
}

// A number missing at the end of the input is 0.
int32_t ReadNumber(TScanner& in) {
    int c = in.Peek();
    while (c != kEnd && c <= kLastSeparator) {
        in.Advance();
        c = in.Peek();
    }
    if (c == kEnd) return 0;
    char token[kMaxNumberLength];
    std::size_t length = 0;
    while (c != kEnd && c > kLastSeparator) {
        if (length == kMaxNumberLength) throw TConfigFailure{ceInvalidNumericInput};
        token[length++] = static_cast<char>(c);
        in.Advance();
        c = in.Peek();
    }
    return ParseNumber({token, length});
}

void SkipRestOfLine(TScanner& in) {
    for (int c = in.Peek(); c != kEnd; c = in.Peek()) {
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
    TViewSource source(bytes);
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
