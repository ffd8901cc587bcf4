#pragma once
// Work too long for the UI thread, on a thread of its own, waited for as WaitAnswering waits:
// the windows paint and answer meanwhile, and what the user does runs afterwards.
#include <windows.h>

#include <exception>
#include <functional>
#include <thread>

#include "platform/Handles_win.h"

namespace vr {

class AsideTask {
public:
    // Starts `work` at once. It must touch nothing the UI thread uses meanwhile. Where no thread
    // can be had, it runs to its end before the constructor returns.
    explicit AsideTask(std::function<void()> work);
    // Waits for a task nobody waited for, and drops its error.
    ~AsideTask();
    AsideTask(const AsideTask&) = delete;
    AsideTask& operator=(const AsideTask&) = delete;

    // Returns when the work is done, painting and answering meanwhile; rethrows what it threw.
    void Wait();

    // Runs `work` aside and waits for it.
    static void Run(std::function<void()> work);

private:
    void RunWork();
    void Join();

    std::function<void()> work_;
    std::exception_ptr error_;
    OwnedHandle done_;
    std::thread thread_;
};

}  // namespace vr
