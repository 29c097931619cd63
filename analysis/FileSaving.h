#pragma once
// Saving a file whole or not at all, without Qt. The content goes to a temporary file beside
// the target, is flushed to the disk and only then takes the target's name; on any failure
// the temporary file is removed and a file already standing at the target stays as it was.
// Every failed or short write, fsync, close or rename is reported, never passed as saved.
// A character device at the target (/dev/null, /dev/full) takes the bytes directly; any
// other special file there is refused.
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace Fourier {

// A file that could not be saved. what() names the file and says why, in Russian, e.g.
// "Не удалось сохранить файл «/home/a/x.csv»: нет прав на запись в папку".
class TFileSaveError : public std::runtime_error {
  public:
    TFileSaveError(const std::string& path, const std::string& reason);
    const std::string& Path() const noexcept { return path_; }
    const std::string& Reason() const noexcept { return reason_; }

  private:
    std::string path_, reason_;
};

// The reason for an errno value of a failed write, in Russian.
std::string WriteFailureReason(int error);

// Saves bytes as the file at path; throws TFileSaveError.
void SaveFileWhole(const std::string& path, std::string_view bytes);

// Saves whatever write puts into the open, empty temporary file (its descriptor is passed;
// write must leave it open). A TFileSaveError thrown by write is passed on; any other
// exception too, after the clean-up.
void SaveFileWhole(const std::string& path, const std::function<void(int descriptor)>& write);

} // namespace Fourier
