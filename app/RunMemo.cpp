#include "RunMemo.h"

#include "Unit1.h"

#include <algorithm>
#include <cstring>

namespace Fourier {

bool TRunInputs::operator==(const TRunInputs& other) const {
    return WaveformIndex == other.WaveformIndex && Positions.Bar1 == other.Positions.Bar1 &&
           Positions.Bar2 == other.Positions.Bar2 && Positions.Bar3 == other.Positions.Bar3 &&
           std::memcmp(&A, &other.A, sizeof A) == 0 && std::memcmp(&B, &other.B, sizeof B) == 0 &&
           DecimalSeparator == other.DecimalSeparator;
}

// Compared bit for bit: a negative zero or a NaN left in a buffer counts as a change.
bool TRunMemo::TState::operator==(const TState& other) const {
    return std::memcmp(Re.data(), other.Re.data(), sizeof(double) * Re.size()) == 0 &&
           std::memcmp(Im.data(), other.Im.data(), sizeof(double) * Im.size()) == 0 &&
           std::memcmp(&SignalPeak, &other.SignalPeak, sizeof SignalPeak) == 0 &&
           FftStatus == other.FftStatus && Formula == other.Formula && Max == other.Max &&
           Min == other.Min && Graph == other.Graph && Picture == other.Picture &&
           Spectrum == other.Spectrum;
}

TRunMemo::TState TRunMemo::Capture(const TForm1& form) {
    TState state;
    std::copy(std::begin(form.ReBuf), std::end(form.ReBuf), state.Re.begin());
    std::copy(std::begin(form.ImBuf), std::end(form.ImBuf), state.Im.begin());
    state.SignalPeak = form.SignalPeak;
    state.FftStatus = form.FftStatus;
    state.Formula = form.FEdit->Text();
    state.Max = form.MaxEdit->Text();
    state.Min = form.MinEdit->Text();
    state.Graph = form.GraphBitmap.Canvas().Version();
    state.Picture = form.Image1->Version();
    state.Spectrum = form.Image2->Version();
    return state;
}

void TRunMemo::Record(const TRunInputs& inputs, const TForm1& form) {
    inputs_ = inputs;
    state_ = Capture(form);
    Valid = true;
}

bool TRunMemo::Repeats(const TRunInputs& inputs, TForm1& form) const {
    return Valid && inputs == inputs_ && Capture(form) == state_;
}

} // namespace Fourier
