#pragma once
// Owners for everything Win32 hands out that must be given back: kernel and find handles, GDI
// objects, paint DCs, COM task memory, storage media and strings, loaded libraries, the COM
// apartment and window subclasses.
// This is the one place that releases them; nothing else calls CloseHandle, FindClose,
// CoTaskMemFree or FreeLibrary.
//
// Handles and memory move (ownership can be returned from a function); the paint DC, the
// apartment and the subclass are bound to the scope or object that made them and do not.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <memory>
#include <utility>

namespace vr {

// One owned value of a handle type. The traits say which values are empty and how to give a
// handle back; a moved-from owner is empty.
template <class Traits>
class Owned {
public:
    using Handle = typename Traits::Handle;

    Owned() = default;
    explicit Owned(Handle handle) : handle_(handle) {}
    ~Owned() {
        if (*this) Traits::Release(handle_);
    }
    Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
    // The old handle goes to `other`, which releases it in its turn.
    Owned& operator=(Owned&& other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return !Traits::IsEmpty(handle_); }

private:
    Handle handle_{};
};

// Kernel functions report failure with null (OpenProcess) or INVALID_HANDLE_VALUE (CreateFile,
// snapshots, FindFirstFile); either way there is nothing to close.
struct KernelHandleTraits {
    using Handle = HANDLE;
    static bool IsEmpty(HANDLE handle) { return handle == nullptr || handle == INVALID_HANDLE_VALUE; }
    static void Release(HANDLE handle) { CloseHandle(handle); }
};

struct FindHandleTraits : KernelHandleTraits {
    static void Release(HANDLE handle) { FindClose(handle); }
};

template <class GdiHandle>
struct GdiTraits {
    using Handle = GdiHandle;
    static bool IsEmpty(GdiHandle handle) { return handle == nullptr; }
    static void Release(GdiHandle handle) { DeleteObject(handle); }
};

struct ModuleTraits {
    using Handle = HMODULE;
    static bool IsEmpty(HMODULE module) { return module == nullptr; }
    static void Release(HMODULE module) { FreeLibrary(module); }
};

// A process, thread, file or snapshot handle.
using OwnedHandle = Owned<KernelHandleTraits>;
// A search begun with FindFirstFile.
using OwnedFind = Owned<FindHandleTraits>;
// A library loaded with LoadLibrary.
using OwnedModule = Owned<ModuleTraits>;

// A bitmap, font or brush.
template <class GdiHandle>
using GdiObject = Owned<GdiTraits<GdiHandle>>;
using OwnedBitmap = GdiObject<HBITMAP>;
using OwnedFont = GdiObject<HFONT>;
using OwnedBrush = GdiObject<HBRUSH>;

// Memory the shell or COM allocated for the caller (item lists, strings), e.g.
// TaskMemory<ITEMIDLIST> items(SHBrowseForFolderA(&info));
struct TaskMemoryFree {
    void operator()(void* memory) const { CoTaskMemFree(memory); }
};
template <class T>
using TaskMemory = std::unique_ptr<T, TaskMemoryFree>;

// Data a data object handed over (IDataObject::GetData); empty while it holds TYMED_NULL.
struct StorageMediumTraits {
    using Handle = STGMEDIUM;
    static bool IsEmpty(const STGMEDIUM& medium) { return medium.tymed == TYMED_NULL; }
    static void Release(STGMEDIUM medium) { ReleaseStgMedium(&medium); }
};
using OwnedMedium = Owned<StorageMediumTraits>;

// A string an automation call handed back (an accessible object's name, say).
struct BstrTraits {
    using Handle = BSTR;
    static bool IsEmpty(BSTR text) { return text == nullptr; }
    static void Release(BSTR text) { SysFreeString(text); }
};
using OwnedBstr = Owned<BstrTraits>;

// The painting of one WM_PAINT: BeginPaint on construction, EndPaint when it goes.
class PaintDc {
public:
    explicit PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDc() { EndPaint(window_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;

    HDC Dc() const { return dc_; }
    const PAINTSTRUCT& Paint() const { return paint_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A memory DC compatible with another, holding one bitmap selected while it lives (to copy
// parts of the bitmap with BitBlt).
class BitmapDc {
public:
    BitmapDc(HDC compatibleWith, HBITMAP bitmap)
        : dc_(CreateCompatibleDC(compatibleWith)), old_(SelectObject(dc_, bitmap)) {}
    ~BitmapDc() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    BitmapDc(const BitmapDc&) = delete;
    BitmapDc& operator=(const BitmapDc&) = delete;

    HDC Dc() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ old_;
};

// COM and OLE for the calling thread, in a single-threaded apartment (what shell links, the
// folder browser and OLE drag and drop need). Only a successful start (S_OK, or S_FALSE when the
// thread already had it) is balanced by OleUninitialize; a thread that COM refused is left as it
// was. Made once at the top of the thread's work, and gone when that work ends:
//     ComApartment com;
//     if (!com.Usable()) ...;
class ComApartment {
public:
    ComApartment() : usable_(SUCCEEDED(OleInitialize(nullptr))) {}
    ~ComApartment() {
        if (usable_) OleUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    bool Usable() const { return usable_; }

private:
    bool usable_;
};

// A subclass procedure installed on a control for as long as this object lives, or until the
// control is destroyed, whichever comes first. It is meant as a member of the window that
// creates the control, attached once the control exists:
//     WindowSubclass listSubclass_;                       // in the class
//     listSubclass_.Attach(list, ListProc, reinterpret_cast<DWORD_PTR>(this));   // after creation
// `proc` is called as by SetWindowSubclass, with `refData` as its last argument, and ends with
// DefSubclassProc as usual; it must not remove itself, this object does that. The object's address
// identifies the subclass to comctl32, so it neither copies nor moves.
class WindowSubclass {
public:
    WindowSubclass() = default;
    ~WindowSubclass() { Detach(); }
    WindowSubclass(const WindowSubclass&) = delete;
    WindowSubclass& operator=(const WindowSubclass&) = delete;

    // Replaces any subclass this object held before. False when comctl32 refused it.
    bool Attach(HWND window, SUBCLASSPROC proc, DWORD_PTR refData = 0) {
        Detach();
        if (!SetWindowSubclass(window, Forward, Id(), reinterpret_cast<DWORD_PTR>(this))) return false;
        window_ = window;
        proc_ = proc;
        refData_ = refData;
        return true;
    }

    void Detach() {
        if (window_) RemoveWindowSubclass(std::exchange(window_, nullptr), Forward, Id());
    }

private:
    UINT_PTR Id() const { return reinterpret_cast<UINT_PTR>(this); }

    // A subclass must be gone before its control is: on WM_NCDESTROY it is removed first, then
    // the message still goes through `proc` to the control (as comctl32's documentation asks).
    static LRESULT CALLBACK Forward(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                    DWORD_PTR self) {
        WindowSubclass& owner = *reinterpret_cast<WindowSubclass*>(self);
        const SUBCLASSPROC proc = owner.proc_;
        const DWORD_PTR refData = owner.refData_;
        if (msg == WM_NCDESTROY) owner.Detach();
        return proc(window, msg, wParam, lParam, id, refData);
    }

    HWND window_ = nullptr;
    SUBCLASSPROC proc_ = nullptr;
    DWORD_PTR refData_ = 0;
};

}  // namespace vr
