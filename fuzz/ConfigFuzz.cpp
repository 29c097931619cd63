// Arbitrary bytes as velmora.cfg: the reader must neither crash nor depend on
// how the bytes are split into chunks, and may only fail on a number.
#include "ConfigFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace Fourier;

namespace {

class TSplitSource : public TByteSource {
  public:
    TSplitSource(std::string_view bytes, std::size_t step) : bytes_(bytes), step_(step) {}
    int NextChunk(std::string_view& chunk) override {
        chunk = bytes_.substr(0, step_);
        bytes_.remove_prefix(chunk.size());
        return ceNone;
    }

  private:
    std::string_view bytes_;
    std::size_t step_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const TConfigResult whole = ReadParamConfig(bytes);
    if (whole.ErrorCode != ceNone && whole.ErrorCode != ceInvalidNumericInput) std::abort();

    TSplitSource split(bytes, 1 + size % 7);
    const TConfigResult pieces = ReadParamConfig(split);
    if (pieces.Table != whole.Table || pieces.ErrorCode != whole.ErrorCode) std::abort();
    return 0;
}
