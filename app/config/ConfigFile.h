#pragma once

// Reader of the parameter configuration file "velmora.cfg": the starting
// track-bar positions of the eight waveforms. Standard library and POSIX only.
//
// Format: numbers are optionally signed decimal integers in the int32 range,
// runs of at most 32 characters with codes above 32, separated by characters
// with codes 32 and below. A line ends at CR LF, a lone CR or a lone LF.
// Ctrl-Z (code 26) ends the file. For each of the eight entries: a count
// line (the count, rest of the line ignored); for a count of 1, 2 or 3 a line
// with that many parameters (rest ignored). A number missing at the end of
// the file reads as 0 without an error.
//
// Errors stop the reading; fields read so far keep their values, the rest
// (including the field whose number failed) stay 0. A run of more than 32
// characters is not a number ("Invalid numeric input"), so the tail of an
// over-long run can never be taken as the next number.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace Fourier {

struct TParamEntry {
    int32_t Count = 0, P1 = 0, P2 = 0, P3 = 0;
    friend bool operator==(const TParamEntry&, const TParamEntry&) = default;
};
using TParamTable = std::array<TParamEntry, 8>;
struct TConfigResult {
    TParamTable Table{};
    int ErrorCode = 0; // 0: no error
};

// Error codes, those of the message table plus two of the "I/O error %d" kind.
constexpr int ceNone = 0;
constexpr int ceFileNotFound = 2;      // ENOENT
constexpr int ceInvalidFilename = 3;   // ENAMETOOLONG, EINVAL, ELOOP, ENOTDIR, a NUL in the name
constexpr int ceTooManyOpenFiles = 4;  // EMFILE, ENFILE
constexpr int ceAccessDenied = 5;      // EACCES, EPERM, EROFS, EISDIR; a folder, FIFO or device
constexpr int ceSharingViolation = 32; // EBUSY, ETXTBSY: "I/O error 32"
constexpr int ceReadFailure = 100;     // any other failure to open, read or close: "I/O error 100"
constexpr int ceInvalidNumericInput = 106;

// A source of the file's bytes, pulled a chunk at a time so that a large file
// is never held whole. NextChunk returns 0 and sets chunk (empty at the end of
// the input; the bytes stay valid until the next call), or returns an error code.
class TByteSource {
  public:
    virtual ~TByteSource() = default;
    virtual int NextChunk(std::string_view& chunk) = 0;
};

// Reads a whole configuration. Stops pulling once the eighth entry is read.
TConfigResult ReadParamConfig(TByteSource& source);
TConfigResult ReadParamConfig(std::string_view bytes);

// Opens the named file read-only, refusing anything but a regular file
// (a folder, FIFO or device gives ceAccessDenied without blocking), and reads it.
TConfigResult LoadParamConfig(const std::string& path);

// The error code for an errno value of open(2), read(2) or close(2).
int ConfigErrorFromErrno(int err);

// The message of an error code; empty for ceNone.
std::string ConfigErrorMessage(int code);

} // namespace Fourier
