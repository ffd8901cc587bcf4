#pragma once
// Work too long for the UI thread, on a thread of its own. While the UI thread waits for it, the
// windows keep painting and answering what other threads and programs send them, so the program
// never looks hung; clicks, keys and other posted messages stay queued until the work is done,
// so nothing the user does runs in between.
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
    // True while the UI thread waits for a task: a window asked to close then closes afterwards.
    static bool Waiting();

private:
    void RunWork();
    void Join();

    std::function<void()> work_;
    std::exception_ptr error_;
    OwnedHandle done_;
    std::thread thread_;
};

}  // namespace vr
