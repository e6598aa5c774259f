#include "net/RvPerfTimer.h"

#include <chrono>
#include <cmath>

#include "platform/UserInterface.h"

namespace ravlet {

namespace {

std::int64_t CounterNow() {
    return std::chrono::steady_clock::now().time_since_epoch().count();
}

std::int64_t CounterFrequency() {
    using Period = std::chrono::steady_clock::period;
    return static_cast<std::int64_t>(Period::den / Period::num);
}

}  // namespace

double RvPerfTimer::Raw() const {
    const std::int64_t now = running_ ? CounterNow() : stop_;
    return static_cast<double>(now - start_) * 1000.0 / static_cast<double>(frequency_) - overhead_;
}

void RvPerfTimer::Init() {
    frequency_ = CounterFrequency();
    if (frequency_ == 0) {
        MsgBox("You are not able to access a Performance Counter, sorry.");
        return;
    }
    // The counter's overhead and jitter do not change while the process runs: they are
    // measured by the first Init, so a run over many small files does not pay 4000 counter
    // reads for every one.
    static double measuredOverhead = -1, measuredJitter = 0;
    if (measuredOverhead < 0) {
        overhead_ = 0;
        double sum = 0;
        for (int i = 0; i < 1000; ++i) {
            Start();
            Finish();
            sum += Raw();
        }
        overhead_ = sum / 1000;
        double squares = 0;
        for (int i = 0; i < 1000; ++i) {
            Start();
            Finish();
            const double d = Raw() - overhead_;
            squares += d * d;
        }
        measuredOverhead = overhead_;
        measuredJitter = std::sqrt(squares / 1000);
    }
    overhead_ = measuredOverhead;
    jitter_ = measuredJitter;
    SetResolution();
}

void RvPerfTimer::Start() {
    if (frequency_ == 0) {
        if (!warned_) MsgBox("Please Initialize with PerfInit before calling this Sub");
        warned_ = true;
        return;
    }
    if (running_) return;
    start_ = CounterNow();
    running_ = true;
}

void RvPerfTimer::Finish() {
    stop_ = CounterNow();
    running_ = false;
}

float RvPerfTimer::Elapsed() {
    if (frequency_ == 0) {
        if (!warned_) MsgBox("Please Initialize with PerfInit before calling this Sub");
        warned_ = true;
        return 0;
    }
    // The fetch loop asks after every chunk: the resolution is worked out once, not per call.
    const double raw = Raw();
    if (scale_ > 0) return static_cast<float>(std::round(raw * scale_) / scale_);
    return static_cast<float>(std::round(raw / step_) * step_);
}

void RvPerfTimer::SetResolution() {
    const int d = jitter_ > 0 ? static_cast<int>(std::floor(std::log10(jitter_))) : -4;
    scale_ = d <= 0 ? std::pow(10.0, -d) : 0;
    step_ = d > 0 ? std::pow(10.0, d) : 1;
}

double RvPerfTimer::RoundToJitter(double ms, double jitterMs) {
    const int d = jitterMs > 0 ? static_cast<int>(std::floor(std::log10(jitterMs))) : -4;
    if (d <= 0) {
        const double scale = std::pow(10.0, -d);
        return std::round(ms * scale) / scale;
    }
    const double step = std::pow(10.0, d);
    return std::round(ms / step) * step;
}

void RvPerfTimer::SetCalibration(double overheadMs, double jitterMs) {
    if (frequency_ == 0) frequency_ = CounterFrequency();
    overhead_ = overheadMs;
    jitter_ = jitterMs;
    SetResolution();
}

}  // namespace ravlet
