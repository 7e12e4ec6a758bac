#include "timesync/worker_clock_measurer_win.h"

#include <exception>
#include <utility>

#include "timesync/sync_reasons.h"

namespace zenka {

WorkerClockMeasurer::~WorkerClockMeasurer() { Cancel(); }

void WorkerClockMeasurer::Measure(const ClockMeasureRequest& request,
                                  std::function<void(ClockMeasurement)> done) {
    Cancel();
    cancel_.Clear();
    clock_.Anchor();
    done_ = std::move(done);
    worker_ = std::thread([this, request] {
        ClockMeasurement measurement;
        try {
            measurement = MeasureClock(request, transport_, clock_);
        } catch (const std::exception&) {
            // Nothing may leave the thread; the attempt fails with a reason.
            measurement.combined.reason = sync_reason::kUnexpected;
        }
        {
            const std::lock_guard lock(mutex_);
            result_ = std::move(measurement);
        }
        PostMessageW(window_, message_, 0, 0);
    });
}

void WorkerClockMeasurer::Cancel() {
    done_ = nullptr;
    cancel_.Cancel();
    Join();
    const std::lock_guard lock(mutex_);
    result_.reset();
}

void WorkerClockMeasurer::Join() {
    if (worker_.joinable()) worker_.join();
}

void WorkerClockMeasurer::Deliver() {
    std::optional<ClockMeasurement> result;
    {
        const std::lock_guard lock(mutex_);
        result.swap(result_);
    }
    if (!result || !done_) return;
    Join();
    auto done = std::exchange(done_, nullptr);
    done(std::move(*result));
}

}  // namespace zenka
