// The clock measured on a thread of its own, so that the window's thread
// keeps answering meanwhile: WinHTTP's requests and the performance
// counter's clock, the result handed back through the window's messages.
#pragma once

#include <windows.h>

#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "timesync/clock_measurement.h"
#include "timesync/win_probe_clock_win.h"
#include "timesync/win_probe_transport_win.h"

namespace zenka {

class WorkerClockMeasurer : public ClockMeasurer {
public:
    // When a measurement has ended, `message` is posted to `window`, whose
    // handler calls Deliver.
    WorkerClockMeasurer(HWND window, UINT message) : window_(window), message_(message) {}
    // Cancels a measurement that runs and waits for its thread.
    ~WorkerClockMeasurer() override;
    WorkerClockMeasurer(const WorkerClockMeasurer&) = delete;
    WorkerClockMeasurer& operator=(const WorkerClockMeasurer&) = delete;

    LocalMoment LocalNow() const override { return clock_.Now(); }
    // One measurement at a time: a call while one runs cancels that one
    // first, without its `done`.
    void Measure(const ClockMeasureRequest& request, std::function<void(ClockMeasurement)> done) override;
    // Ends the measurement within moments; its `done` is not called.
    void Cancel() override;
    // On the window's thread, at the posted message: the ended
    // measurement's `done`, once.
    void Deliver();

private:
    void Join();

    const HWND window_;
    const UINT message_;
    MeasurementCancel cancel_;
    WinProbeClock clock_{cancel_};
    WinHttpProbeTransport transport_{clock_, cancel_};
    std::thread worker_;
    std::function<void(ClockMeasurement)> done_;
    std::mutex mutex_;
    std::optional<ClockMeasurement> result_;  // from the worker, until delivered
};

}  // namespace zenka
