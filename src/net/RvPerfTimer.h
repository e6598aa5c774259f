#pragma once
// A self-calibrating high-resolution stopwatch in milliseconds.
#include <cstdint>

namespace ravlet {

class RvPerfTimer {
  public:
    float Elapsed();
    void Finish();
    void Start();
    void Init();

    double Overhead() const { return overhead_; }
    double Jitter() const { return jitter_; }
    // Tests set the calibration to check the rounding.
    void SetCalibration(double overheadMs, double jitterMs);
    // The resolution rule of Elapsed: as many decimals as the jitter allows.
    static double RoundToJitter(double ms, double jitterMs);

  private:
    double Raw() const;
    void SetResolution();
    std::int64_t start_ = 0, stop_ = 0, frequency_ = 0;
    double overhead_ = 0, jitter_ = 0;
    double scale_ = 10000, step_ = 1;  // Elapsed rounds to 1/scale_, or to step_ when scale_ is 0
    bool running_ = false;
    bool warned_ = false;
};

}  // namespace ravlet
