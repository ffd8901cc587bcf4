#include "platform/AsideTask_win.h"

#include <system_error>

namespace vr {
namespace {

int g_waits = 0;

// Delivers the messages other threads sent (any peek does) and paints what needs it; leaves every
// other message in the queue.
void PaintAndAnswer() {
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    while (PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageW(&msg);
}

}  // namespace

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
    ++g_waits;
    const HANDLE done = done_.Get();
    // The timeout peeks now and then even when nothing arrives, as a responsive program does.
    for (;;) {
        const DWORD woken = MsgWaitForMultipleObjects(1, &done, FALSE, 200, QS_SENDMESSAGE | QS_PAINT);
        if (woken == WAIT_OBJECT_0) break;
        if (woken == WAIT_FAILED) {
            WaitForSingleObject(done, INFINITE);
            break;
        }
        PaintAndAnswer();
    }
    --g_waits;
    thread_.join();
}

void AsideTask::Run(std::function<void()> work) { AsideTask(std::move(work)).Wait(); }

bool AsideTask::Waiting() { return g_waits > 0; }

}  // namespace vr
