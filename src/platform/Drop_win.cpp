#include "platform/Drop_win.h"

#include <ole2.h>
#include <shellapi.h>

#include "platform/LateBound_win.h"
#include "platform/Unicode_win.h"

namespace vr {
namespace {

// Posted to the window when a drop came by OLE; carries nothing, so a stray one does nothing.
const UINT kDropArrivedMessage = RegisterWindowMessageA("Veilrunner.FilesDropped");

// The shell's drop, given back with DragFinish (looked up before the drop is taken on).
class DropRelease {
public:
    explicit DropRelease(HDROP drop) : finish_(VR_LATE_BOUND(Shell, DragFinish)), drop_(drop) {}
    ~DropRelease() { finish_(drop_); }
    DropRelease(const DropRelease&) = delete;
    DropRelease& operator=(const DropRelease&) = delete;

private:
    decltype(::DragFinish)* finish_;
    HDROP drop_;
};

std::vector<std::string> DroppedPaths(HDROP drop) {
    const auto query = VR_LATE_BOUND(Shell, DragQueryFileW);
    std::vector<std::string> paths;
    UINT count = query(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        UINT length = query(drop, i, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        path.resize(query(drop, i, path.data(), length + 1));
        paths.push_back(Utf8(path));
    }
    return paths;
}

// What DragAcceptFiles does; setting the style here keeps the shell unloaded until a drop.
void AcceptFiles(HWND window, bool accept) {
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_EXSTYLE);
    SetWindowLongPtrW(window, GWL_EXSTYLE, accept ? style | WS_EX_ACCEPTFILES : style & ~WS_EX_ACCEPTFILES);
}

FORMATETC FileListFormat() { return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

}  // namespace

// The OLE side: offers to copy whatever carries a shell file list, and queues its data unread.
class FileDrops::Target final : public IDropTarget {
public:
    explicit Target(FileDrops& owner) : owner_(&owner) {}
    void Detach() { owner_ = nullptr; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid != IID_IUnknown && iid != IID_IDropTarget) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        FORMATETC format = FileListFormat();
        accepts_ = owner_ && data->QueryGetData(&format) == S_OK;
        return DragOver(0, {}, effect);
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
        *effect = accepts_ ? *effect & DROPEFFECT_COPY : DROPEFFECT_NONE;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        *effect = DROPEFFECT_NONE;
        FORMATETC format = FileListFormat();
        STGMEDIUM medium{};
        if (!owner_ || !accepts_ || data->GetData(&format, &medium) != S_OK) return S_OK;
        owner_->pending_.emplace_back(medium);
        PostMessageA(owner_->window_, kDropArrivedMessage, 0, 0);
        *effect = DROPEFFECT_COPY;
        return S_OK;
    }

private:
    FileDrops* owner_;
    ULONG references_ = 1;
    bool accepts_ = false;
};

FileDrops::FileDrops() = default;

FileDrops::~FileDrops() { Revoke(); }

void FileDrops::Register(HWND window, DropHandler onDrop) {
    Revoke();
    window_ = window;
    onDrop_ = std::move(onDrop);
    target_ = new Target(*this);
    if (SUCCEEDED(RegisterDragDrop(window_, target_))) return;
    // Without OLE on this thread only the shell's own road remains.
    ReleaseTarget();
    AcceptFiles(window_, true);
}

void FileDrops::Revoke() {
    if (!window_) return;
    if (target_)
        RevokeDragDrop(window_);
    else
        AcceptFiles(window_, false);
    ReleaseTarget();
    window_ = nullptr;
}

// OLE may hold the target a while longer; it no longer reaches this object.
void FileDrops::ReleaseTarget() {
    if (!target_) return;
    target_->Detach();
    target_->Release();
    target_ = nullptr;
}

std::optional<LRESULT> FileDrops::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DROPFILES) {
        // A window OLE serves gets no drop by this road: the message came from another process,
        // and its handle may point anywhere.
        if (target_) return 0;
        DefWindowProcW(window_, msg, wParam, lParam);
        const auto drop = reinterpret_cast<HDROP>(wParam);
        const DropRelease release(drop);
        onDrop_(DroppedPaths(drop));
        return 0;
    }
    if (msg == kDropArrivedMessage) {
        if (pending_.empty()) return 0;
        const OwnedMedium medium = std::move(pending_.front());
        pending_.pop_front();
        onDrop_(DroppedPaths(static_cast<HDROP>(medium.Get().hGlobal)));
        return 0;
    }
    return std::nullopt;
}

}  // namespace vr
