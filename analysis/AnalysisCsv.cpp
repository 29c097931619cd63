#include "AnalysisCsv.h"

#include <charconv>
#include <cmath>

namespace Fourier {

const char* const AnalysisCsvHeader = "j,x,f(x),k,a_k,b_k,|c_k|,φ_k,ReBuf[k],ImBuf[k]";

namespace {

void Append(std::string& text, double value) {
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
    std::string text = AnalysisCsvHeader;
    text += '\n';
    const double scale = CoefficientScale();
    for (int j = 0; j < SampleCount; ++j) {
        Append(text, j);
        text += ',';
        Append(text, GridX(j));
        text += ',';
        Append(text, analysis.Samples[j]);
        if (j <= HighestHarmonic) {
            const int k = j;
            text += ',';
            Append(text, k);
            const double a = analysis.Re[k] / scale, b = analysis.Im[k] / scale;
            const double magnitude = k == 0 ? std::abs(a) / 2 : std::hypot(a, b);
            for (double value :
                 {a, b, magnitude, std::atan2(b, a), analysis.Re[k], analysis.Im[k]}) {
                text += ',';
                Append(text, value);
            }
        } else {
            text += ",,,,,,,";
        }
        text += '\n';
    }
    return text;
}

} // namespace Fourier
