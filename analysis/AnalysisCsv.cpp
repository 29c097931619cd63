#include "AnalysisCsv.h"

#include "Harmonic.h"

#include <charconv>
#include <cmath>

namespace Fourier {

const char* const AnalysisCsvConvention =
    "# f(x) = a_0/2 + sum of (a_k cos kx + b_k sin kx) = a_0/2 + sum of amplitude_k "
    "cos(kx - phase_rad_k); x in radians; k = 0: amplitude = |a_0|/2 and phase 0 or pi by the "
    "sign of the mean; phase_rad empty where the amplitude is at most 1e-9 of the largest";
const char* const AnalysisCsvHeader = "j,x,f(x),k,a_k,b_k,amplitude,phase_rad";

namespace {

void Append(std::string& text, double value) {
    if (std::isnan(value)) return; // an empty field: a spreadsheet reads it as no number
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    text.append(digits, end);
}

void Append(std::string& text, int value) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    text.append(digits, end);
}

} // namespace

std::string AnalysisCsv(const TAnalysis& analysis) {
    std::string text = AnalysisCsvConvention;
    text += '\n';
    text += AnalysisCsvHeader;
    text += '\n';
    const THarmonics harmonics = HarmonicsOf(analysis);
    for (int j = 0; j < SampleCount; ++j) {
        Append(text, j);
        text += ',';
        Append(text, GridX(j));
        text += ',';
        Append(text, analysis.Samples[j]);
        if (j <= HighestHarmonic) {
            const int k = j;
            const THarmonic& harmonic = harmonics[k];
            text += ',';
            Append(text, k);
            for (double value : {harmonic.Cos, harmonic.Sin, harmonic.Amplitude, harmonic.Phase}) {
                text += ',';
                Append(text, value);
            }
        } else {
            text += ",,,,,";
        }
        text += '\n';
    }
    return text;
}

} // namespace Fourier
