#include "Drop.h"

#include <ole2.h>
#include <shlobj.h>

#include <cstring>
#include <stdexcept>

#include "WindowTree.h"

namespace e2e {
namespace {

// A shell file list: DROPFILES, then the paths as wide strings, each ended by a NUL, and one
// more NUL.
std::vector<char> FileList(const std::vector<std::wstring>& paths) {
    std::wstring names;
    for (const std::wstring& path : paths) {
        names += path;
        names += L'\0';
    }
    names += L'\0';
    DROPFILES header{};
    header.pFiles = sizeof header;
    header.fWide = TRUE;
    std::vector<char> list(sizeof header + names.size() * sizeof(wchar_t));
    std::memcpy(list.data(), &header, sizeof header);
    std::memcpy(list.data() + sizeof header, names.data(), names.size() * sizeof(wchar_t));
    return list;
}

bool IsFileList(const FORMATETC& format) {
    return format.cfFormat == CF_HDROP && format.dwAspect == DVASPECT_CONTENT &&
           (format.tymed & TYMED_HGLOBAL);
}

// Reference counting shared by the two objects below; OLE may release its proxies' references
// after DoDragDrop has returned, so they live on the heap until the last one goes.
template <class Interface>
class Counted : public Interface {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid != IID_IUnknown && iid != __uuidof(Interface)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<Interface*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

protected:
    virtual ~Counted() = default;

private:
    ULONG references_ = 1;
};

// What a file manager offers when files are dragged out of it: the shell file list.
class FileListData final : public Counted<IDataObject> {
public:
    explicit FileListData(std::vector<char> list) : list_(std::move(list)) {}

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (!IsFileList(*format)) return DV_E_FORMATETC;
        HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, list_.size());
        if (!copy) return E_OUTOFMEMORY;
        std::memcpy(GlobalLock(copy), list_.data(), list_.size());
        GlobalUnlock(copy);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = copy;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        return IsFileList(*format) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override {
        if (direction != DATADIR_GET) return E_NOTIMPL;
        FORMATETC offered{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        return SHCreateStdEnumFmtEtc(1, &offered, formats);
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    std::vector<char> list_;
};

// The user's hand: holds still over the target for a few looks (so it sees the drag enter and
// pass over it), then lets go.
class DropAfterAFewLooks final : public Counted<IDropSource> {
public:
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD) override {
        if (escapePressed) return DRAGDROP_S_CANCEL;
        return ++looks_ < 3 ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

private:
    int looks_ = 0;
};

class OleForThisCall {
public:
    OleForThisCall() {
        if (FAILED(OleInitialize(nullptr))) throw std::runtime_error("OLE did not start");
    }
    ~OleForThisCall() { OleUninitialize(); }
    OleForThisCall(const OleForThisCall&) = delete;
    OleForThisCall& operator=(const OleForThisCall&) = delete;
};

}  // namespace

void DropFiles(HWND target, const std::vector<std::wstring>& paths) {
    const OleForThisCall ole;
    const RECT r = WindowRect(target);
    const POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    SetCursorPos(middle.x, middle.y);
    HWND under = WindowFromPoint(middle);
    if (under != target && !IsDescendant(under, target))
        throw std::runtime_error("another window covers the middle of the drop target");

    auto* data = new FileListData(FileList(paths));
    auto* source = new DropAfterAFewLooks;
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT result = DoDragDrop(data, source, DROPEFFECT_COPY, &effect);
    data->Release();
    source->Release();
    if (result != DRAGDROP_S_DROP || effect != DROPEFFECT_COPY)
        throw std::runtime_error("the window did not take the drop (result " + std::to_string(result) +
                                 ", effect " + std::to_string(effect) + ")");
}

void PostDropFilesMessage(HWND target, const std::vector<std::wstring>& paths) {
    const std::vector<char> list = FileList(paths);
    DWORD processId = 0;
    GetWindowThreadProcessId(target, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) throw std::runtime_error("cannot open the program's process");
    void* remote = VirtualAllocEx(process, nullptr, list.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    const bool written = remote && WriteProcessMemory(process, remote, list.data(), list.size(), nullptr);
    CloseHandle(process);
    if (!written) throw std::runtime_error("cannot write the drop into the program's memory");
    if (!PostMessageW(target, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0))
        throw std::runtime_error("cannot post WM_DROPFILES");
}

}  // namespace e2e
