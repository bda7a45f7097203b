// One piece of work done on a thread of its own while its owner goes on, such as a technique path
// that takes seconds on the hardest puzzles. The owner starts, takes and stops it, always from the
// same thread; only the work itself and the notice that it has finished run on the worker's thread,
// and the result passes between the two through a future, so they share nothing else.
#pragma once

#include <chrono>
#include <functional>
#include <future>
#include <optional>
#include <stop_token>
#include <thread>
#include <utility>

template <typename Result>
class BackgroundWork {
public:
    using Work = std::function<Result(std::stop_token)>;

    // Stops the work under way, then runs work on a new thread; the work should give up soon after
    // its stop token is asked to stop. finished, when given, is called on the worker's thread once
    // the result can be taken, unless the work was stopped.
    void Start(Work work, std::function<void()> finished)
    {
        Stop();
        std::promise<Result> promise;
        m_result = promise.get_future();
        m_thread = std::jthread([work = std::move(work), finished = std::move(finished),
                                 promise = std::move(promise)](std::stop_token stop) mutable {
            promise.set_value(work(stop));
            if (finished && !stop.stop_requested())
                finished();
        });
    }

    // Started, and its result neither taken nor dropped.
    bool Pending() const { return m_result.valid(); }

    // The result once the work has finished, taken once; none while it runs or when none is pending.
    std::optional<Result> TakeIfFinished()
    {
        if (!Pending() || m_result.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
            return std::nullopt;
        return Take();
    }

    // Waits for the work under way to finish and takes its result; none when none is pending.
    std::optional<Result> WaitAndTake()
    {
        if (!Pending())
            return std::nullopt;
        return Take();
    }

    // Asks the work to stop, waits for its thread to end and drops the result.
    void Stop()
    {
        if (m_thread.joinable()) {
            m_thread.request_stop();
            m_thread.join();
        }
        m_result = {};
    }

private:
    Result Take()
    {
        Result result = m_result.get();
        m_thread.join();  // only the notice can still be running
        return result;
    }

    std::future<Result> m_result;
    std::jthread m_thread;  // destroyed first: asked to stop and waited for
};
