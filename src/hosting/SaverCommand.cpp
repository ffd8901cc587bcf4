#include "hosting/SaverCommand.h"

#include "files/TypeKey.h"

namespace vr {
namespace {

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

}  // namespace

std::string PreviewCommandLine(const std::string& saverPath, std::uintptr_t paneHandle) {
    return Quoted(saverPath) + " /p " + std::to_string(paneHandle);
}

std::string FullScreenCommandLine(const std::string& saverPath) { return Quoted(saverPath) + " /s "; }

std::string ConfigureCommandLine(const std::string& saverPath) { return Quoted(saverPath) + " /c "; }

bool OffersSaverCommands(std::string_view saverPath) { return saverPath.find('.') != std::string_view::npos; }

std::string InstallParameters(const std::string& saverPath) {
    return "desk.cpl,InstallScreenSaver " + saverPath;
}

bool IsPlaylistSaver(std::string_view path, std::string_view originalFileName) {
    return EqualsIgnoringAsciiCase(FileNamePart(path), kPlaylistSaverFileName) ||
           EqualsIgnoringAsciiCase(originalFileName, kPlaylistSaverFileName);
}

bool IsPlayerProgram(std::string_view originalFileName) {
    return EqualsIgnoringAsciiCase(originalFileName, kPlayerFileName);
}

std::string PlaylistSaverPath(const std::string& programFolder) { return programFolder + kPlaylistSaverFileName; }

}  // namespace vr
