#include "platform/AsideTask_win.h"

#include <system_error>

#include "platform/AnsweringWait_win.h"

namespace vr {

AsideTask::AsideTask(std::function<void()> work)
    : work_(std::move(work)), done_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    if (done_) {
        try {
            thread_ = std::thread([this] {
                RunWork();
                SetEvent(done_.Get());
            });
            return;
        } catch (const std::system_error&) {
        }
    }
    // No thread to be had: the work runs here and now, as it would have without one.
    RunWork();
}

void AsideTask::RunWork() {
    try {
        work_();
    } catch (...) {
        error_ = std::current_exception();
    }
}

AsideTask::~AsideTask() {
    if (thread_.joinable()) Join();
}

void AsideTask::Wait() {
    if (thread_.joinable()) Join();
    if (error_) std::rethrow_exception(std::exchange(error_, nullptr));
}

void AsideTask::Join() {
    WaitAnswering(done_.Get());
    thread_.join();
}

void AsideTask::Run(std::function<void()> work) { AsideTask(std::move(work)).Wait(); }

}  // namespace vr
