// The residual f - S_k the lab draws and the RMS it writes, against S_k summed directly from
// cos and sin with coefficients from a direct DFT.
#include "Residual.h"
#include "Convergence.h"
#include "SeriesOracle.h"

#include <gtest/gtest.h>

namespace {

using namespace SeriesOracle;

TEST(Residual, CurveAndRmsAreThoseOfTheDirectSumAndTheRmsIsTheConvergenceTables) {
    const struct {
        const char* name;
        Samples s;
    } rows[] = {
        {"triangle", Waveform(2, 0)}, {"beats", Waveform(5, 0, 4, 2)}, {"pulse_8", Waveform(7, 8)}};
    for (const auto& [name, s] : rows) {
        const Series direct = DirectSeries(s);
        const Fourier::TAnalysis analysis = Fourier::AnalyseSamples(s);
        const auto table = Fourier::MeasureConvergence(analysis).RmsError;
        for (int k : {0, 1, 6, 31, 255}) {
            SCOPED_TRACE(std::string(name) + " k=" + std::to_string(k));
            const Fourier::TResidual residual = Fourier::ResidualOf(analysis, k);
            Real squares = 0;
            for (int j = 0; j < 512; ++j) {
                const Real sum = PartialSum(direct, k, -Pi + j * Pi / 256); // std::cos, std::sin
                ASSERT_NEAR(residual.Sum[j], static_cast<double>(sum), 1e-12) << j;
                ASSERT_NEAR(residual.Residual[j], static_cast<double>(s[j] - sum), 1e-12) << j;
                squares += (s[j] - sum) * (s[j] - sum);
            }
            EXPECT_NEAR(residual.Rms, static_cast<double>(std::sqrt(squares / 512)), 1e-12);
            EXPECT_EQ(residual.Rms, table[k]);
        }
    }
}

} // namespace
