#include "platform/LateBound_win.h"

#include <iterator>
#include <string>

#include "files/AppError.h"
#include "platform/Handles_win.h"

namespace vr {
namespace {

// All are known DLLs: the loader takes the system's copy whatever lies beside the program.
constexpr const char* kFileNames[] = {"shell32.dll", "comdlg32.dll", "oleacc.dll", "oleaut32.dll"};

const char* NameOf(LateLibrary library) { return kFileNames[static_cast<int>(library)]; }

HMODULE Loaded(LateLibrary library) {
    // Released when the program ends, after the windows and the COM apartment are gone.
    static OwnedModule modules[std::size(kFileNames)];
    OwnedModule& module = modules[static_cast<int>(library)];
    if (!module) {
        const HMODULE loaded = LoadLibraryA(NameOf(library));
        if (!loaded)
            throw AppError(std::string("Cannot load ") + NameOf(library) + " (error " +
                           std::to_string(GetLastError()) + ")");
        module = OwnedModule(loaded);
    }
    return module.Get();
}

}  // namespace

void* ResolveLate(LateLibrary library, const char* function) {
    const FARPROC address = GetProcAddress(Loaded(library), function);
    if (!address) throw AppError(std::string("Cannot find ") + function + " in " + NameOf(library));
    return reinterpret_cast<void*>(address);
}

}  // namespace vr
