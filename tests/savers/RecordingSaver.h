#pragma once
// A screensaver that records how it was started and how it ended, in "<name>.log" beside itself
// (through RunLog), and reads its settings from the side file "<name>.ini", section [saver].
// LogSaver is exactly this; BadSaver adds its misbehaviour on top, so both write the same keys.
#include <string>

#include "RunLog.h"
#include "Saver.h"

std::wstring HandleText(const void* handle);

class RecordingSaver : public kit::Saver {
public:
    RecordingSaver();

    const wchar_t* Title() const override { return name_.c_str(); }
    // [saver] FullScreenMs=...: how long a full-screen run lasts before it ends by itself.
    unsigned FullScreenLimitMs() const override;
    void Started(const kit::SaverCommand& command, HWND window) override;
    void Ended(kit::EndReason reason) override { RecordEnd(kit::EndReasonName(reason)); }
    void Configure(HWND owner) override;
    void Resize(int, int) override {}
    void Step() override { ++frame_; }
    void Paint(HDC dc, int width, int height) override;

protected:
    const RunLog& Log() const { return log_; }
    const std::wstring& Path() const { return path_; }
    unsigned NumberSetting(const wchar_t* key, unsigned fallback) const;
    std::wstring TextSetting(const wchar_t* key) const;
    // The last lines of a run: "ended_at" and "end".
    void RecordEnd(const wchar_t* how) const;

private:
    std::wstring path_;
    std::wstring name_;
    std::wstring settings_;
    RunLog log_;
    int frame_ = 0;
};
