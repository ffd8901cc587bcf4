#include "Player.h"

#include <stdexcept>

#include "hosting/HostWindowIds.h"
#include "player/PlayerBarIds.h"
#include "playlist/PlaylistWindowIds.h"

namespace player {
namespace {

std::string Line(long value) { return std::to_string(value) + "\r\n"; }
std::string Flag(bool value) { return value ? "1\r\n" : "0\r\n"; }

}  // namespace

std::string ConfigText(const Settings& s, const std::wstring& saverFile) {
    return "Veilrunner 2.00 Config File\r\n" + e2e::ToAnsi(saverFile) + "\r\n" + Line(s.host.x) +
           Line(s.host.y) + Line(s.hostClient.cx) + Line(s.hostClient.cy) + Line(s.bar.x) + Line(s.bar.y) +
           Flag(s.playlistShown) + Line(s.playlist.x) + Line(s.playlist.y) + Line(s.playlistClient.cx) +
           Line(s.playlistClient.cy) + Line(s.selected) + Line(s.interval) + Flag(s.helpText) +
           Flag(s.hostMaximized) + Line(s.placement) +
           (s.dpi ? Line(s.dpi) + Flag(s.oneSaverAcrossMonitors) : "");
}

Windows WaitForPlayer(DWORD processId) {
    Windows w;
    w.processId = processId;
    w.bar = e2e::WaitForTopWindow(processId, L"TfrmSVDOptions");
    w.host = e2e::WaitForTopWindow(processId, L"TfrmSVDActive");
    w.playlist = e2e::WaitForTopWindow(processId, L"TForm1");
    if (!w.bar || !w.host || !w.playlist) throw std::runtime_error("the player's windows did not appear");
    if (!e2e::WaitUntil([&] { return e2e::IsShown(w.bar) && e2e::IsShown(w.host); }))
        throw std::runtime_error("the player bar and the host window were not shown");
    w.pane = e2e::FindControl(w.host, vr::HostWindowId::p1);
    w.list = e2e::FindControl(w.playlist, vr::PlaylistWindowId::ListBox1);
    w.timeCombo = e2e::FindControl(w.bar, vr::PlayerBarId::TimeCombo);
    w.sizeCombo = e2e::FindControl(w.bar, vr::PlayerBarId::ResolutionCombo);
    return w;
}

void WriteSavedFiles(e2e::Sandbox& sandbox, const Settings& settings, const std::vector<std::wstring>& entries,
                     const std::wstring& currentSaver) {
    std::string playlist;
    for (const std::wstring& entry : entries) playlist += e2e::ToAnsi(entry) + "\r\n";
    e2e::WriteFileBytes(sandbox.PathOf(L"config.cfg"), ConfigText(settings, currentSaver));
    e2e::WriteFileBytes(sandbox.PathOf(L"myList.spls"), playlist);
}

Windows StartPlayer(e2e::Sandbox& sandbox, const Settings& settings, const std::vector<std::wstring>& entries,
                    const std::wstring& arguments) {
    WriteSavedFiles(sandbox, settings, entries);
    return WaitForPlayer(sandbox.StartProgram(arguments).Id());
}

Playing StartPlayingLogSavers(e2e::Sandbox& sandbox, const std::vector<std::wstring>& names) {
    Playing playing;
    for (const std::wstring& name : names) playing.savers.push_back(sandbox.CopyLogSaver(name));
    playing.windows = StartPlayer(sandbox, {}, playing.savers);
    WaitForPreviewRun(sandbox, names.front(), 1);
    return playing;
}

e2e::SaverRun WaitForPreviewRun(e2e::Sandbox& sandbox, const std::wstring& saver, std::size_t count) {
    auto runs = e2e::WaitForSaverRuns(sandbox.LogOf(saver), count);
    if (runs.size() < count)
        throw std::runtime_error("the saver did not start " + std::to_string(count) + " time(s)");
    // A run that logged its arguments but never its start died while starting.
    if (!runs[count - 1].Started())
        throw std::runtime_error("the saver's run " + std::to_string(count) + " never finished starting");
    return runs[count - 1];
}

}  // namespace player
