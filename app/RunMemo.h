#pragma once
// What an analysis run read and left behind, to recognise a run that would repeat it.
#include "Analysis.h"
#include "Waveforms.h"

#include <array>
#include <cstdint>
#include <string>

class TForm1;

namespace Fourier {

struct TRunInputs {
    int WaveformIndex = -1;
    TPositions Positions;
    double A = 0, B = 0; // the x range
    std::string DecimalSeparator;
    bool operator==(const TRunInputs& other) const;
};

// Everything a run writes, as it stood when the run ended: if all of it still stands and
// the inputs are the same, running again would change nothing.
class TRunMemo {
  public:
    bool Valid = false;
    void Record(const TRunInputs& inputs, const TForm1& form);
    bool Repeats(const TRunInputs& inputs, TForm1& form) const;

  private:
    struct TState {
        std::array<double, BufferLength> Re, Im;
        double SignalPeak;
        uint8_t FftStatus;
        std::string Formula, Max, Min;
        uint64_t Graph, Picture, Spectrum; // canvas versions
        bool operator==(const TState& other) const;
    };
    static TState Capture(const TForm1& form);
    TRunInputs inputs_;
    TState state_;
};

} // namespace Fourier
