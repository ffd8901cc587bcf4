#include "platform/ListAccessibility_win.h"

#include <oleacc.h>

#include <new>

#include "platform/LateBound_win.h"

namespace vr {

using Microsoft::WRL::ComPtr;

namespace {

// Nothing may leave a COM method by an exception: the caller sits in another process.
template <class Fn>
HRESULT Safely(Fn&& fn) noexcept {
    try {
        return fn();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

LRESULT Send(HWND list, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(list, msg, wParam, lParam);
}

void SetI4(VARIANT* out, long value) {
    VR_LATE_BOUND(Automation, VariantInit)(out);
    out->vt = VT_I4;
    out->lVal = value;
}

HRESULT NoText(BSTR* out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    return S_FALSE;
}

}  // namespace

// Rows are simple elements of the list's object, child ids 1 to the row count; what concerns the
// list as a whole comes from the system's standard object for its window, except what only the
// rows answer (how many, which has the focus or the selection, what lies under a point).
class ListAccessible final : public IAccessible {
public:
    ListAccessible(HWND list, const std::function<std::wstring(int)>& rowText)
        : list_(list), rowText_(&rowText) {
        IAccessible* standard = nullptr;
        if (SUCCEEDED(VR_LATE_BOUND(Accessibility, CreateStdAccessibleObject)(
                list, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&standard))))
            standard_.Attach(standard);
    }
    void Disconnect() {
        rowText_ = nullptr;
        standard_.Reset();
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&refs_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // IDispatch: clients of this object call it directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return Self([&](IAccessible& s) { return s.get_accParent(parent); });
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        if (!count) return E_POINTER;
        if (!Connected()) return CO_E_OBJNOTCONNECTED;
        *count = RowCount();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        return Row(
            child, [&](int) { return S_FALSE; }, [] { return E_INVALIDARG; });
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!name) return E_POINTER;
        *name = nullptr;
        return Row(
            child,
            [&](int row) {
                *name = VR_LATE_BOUND(Automation, SysAllocString)((*rowText_)(row).c_str());
                return *name ? S_OK : E_OUTOFMEMORY;
            },
            [&] { return Self([&](IAccessible& s) { return s.get_accName(child, name); }); });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return Row(
            child, [&](int) { return NoText(value); },
            [&] { return Self([&](IAccessible& s) { return s.get_accValue(child, value); }); });
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return Row(
            child, [&](int) { return NoText(text); },
            [&] { return Self([&](IAccessible& s) { return s.get_accDescription(child, text); }); });
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!role) return E_POINTER;
        return Row(
            child,
            [&](int) {
                SetI4(role, ROLE_SYSTEM_LISTITEM);
                return S_OK;
            },
            [&] {
                SetI4(role, ROLE_SYSTEM_LIST);
                return S_OK;
            });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!state) return E_POINTER;
        return Row(
            child,
            [&](int row) {
                SetI4(state, RowState(row));
                return S_OK;
            },
            [&] { return Self([&](IAccessible& s) { return s.get_accState(child, state); }); });
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return Row(
            child, [&](int) { return NoText(help); },
            [&] { return Self([&](IAccessible& s) { return s.get_accHelp(child, help); }); });
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return Row(
            child, [&](int) { return NoText(file); },
            [&] { return Self([&](IAccessible& s) { return s.get_accHelpTopic(file, child, topic); }); });
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
        return Row(
            child, [&](int) { return NoText(keys); },
            [&] { return Self([&](IAccessible& s) { return s.get_accKeyboardShortcut(child, keys); }); });
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (!focus) return E_POINTER;
        VR_LATE_BOUND(Automation, VariantInit)(focus);
        if (!Connected()) return CO_E_OBJNOTCONNECTED;
        if (GetFocus() != list_) return S_FALSE;
        const int caret = Caret();
        SetI4(focus, caret >= 0 ? caret + 1 : CHILDID_SELF);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        if (!selection) return E_POINTER;
        VR_LATE_BOUND(Automation, VariantInit)(selection);
        if (!Connected()) return CO_E_OBJNOTCONNECTED;
        const int selected = Selected();
        if (selected < 0) return S_FALSE;
        SetI4(selection, selected + 1);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return Row(
            child, [&](int) { return NoText(action); },
            [&] { return Self([&](IAccessible& s) { return s.get_accDefaultAction(child, action); }); });
    }
    // Selecting a row does what a click on it does: the list selects it and tells its owner.
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return Row(
            child,
            [&](int row) {
                if (flags & SELFLAG_TAKEFOCUS) SetFocus(list_);
                if (flags & (SELFLAG_TAKESELECTION | SELFLAG_ADDSELECTION)) {
                    Send(list_, LB_SETCURSEL, static_cast<WPARAM>(row));
                    Send(GetParent(list_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list_), LBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(list_));
                }
                return S_OK;
            },
            [&] { return Self([&](IAccessible& s) { return s.accSelect(flags, child); }); });
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        if (!left || !top || !width || !height) return E_POINTER;
        return Row(
            child,
            [&](int row) {
                RECT r{};
                if (Send(list_, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r)) ==
                    LB_ERR)
                    return E_FAIL;
                MapWindowPoints(list_, nullptr, reinterpret_cast<POINT*>(&r), 2);
                *left = r.left;
                *top = r.top;
                *width = r.right - r.left;
                *height = r.bottom - r.top;
                return S_OK;
            },
            [&] {
                return Self([&](IAccessible& s) { return s.accLocation(left, top, width, height, child); });
            });
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        if (!end) return E_POINTER;
        VR_LATE_BOUND(Automation, VariantInit)(end);
        const auto to = [&](int row) {
            if (row < 0 || row >= RowCount()) return S_FALSE;
            SetI4(end, row + 1);
            return S_OK;
        };
        return Row(
            start,
            [&](int row) {
                switch (direction) {
                case NAVDIR_NEXT:
                case NAVDIR_DOWN: return to(row + 1);
                case NAVDIR_PREVIOUS:
                case NAVDIR_UP: return to(row - 1);
                }
                return S_FALSE;
            },
            [&] {
                if (direction == NAVDIR_FIRSTCHILD) return to(0);
                if (direction == NAVDIR_LASTCHILD) return to(RowCount() - 1);
                return Self([&](IAccessible& s) { return s.accNavigate(direction, start, end); });
            });
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* hit) override {
        if (!hit) return E_POINTER;
        VR_LATE_BOUND(Automation, VariantInit)(hit);
        if (!Connected()) return CO_E_OBJNOTCONNECTED;
        POINT at{x, y};
        ScreenToClient(list_, &at);
        RECT client{};
        GetClientRect(list_, &client);
        if (!PtInRect(&client, at)) return Self([&](IAccessible& s) { return s.accHitTest(x, y, hit); });
        // Computed from the top row, as LB_ITEMFROMPOINT answers only the low 16 bits of an index.
        const auto rowHeight = static_cast<int>(Send(list_, LB_GETITEMHEIGHT));
        const int row =
            static_cast<int>(Send(list_, LB_GETTOPINDEX)) + (rowHeight > 0 ? at.y / rowHeight : 0);
        SetI4(hit, row < RowCount() ? row + 1 : CHILDID_SELF);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return Row(
            child, [](int) { return DISP_E_MEMBERNOTFOUND; },
            [&] { return Self([&](IAccessible& s) { return s.accDoDefaultAction(child); }); });
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~ListAccessible() = default;

    bool Connected() const { return rowText_ && IsWindow(list_); }
    int RowCount() const { return static_cast<int>(Send(list_, LB_GETCOUNT)); }
    int Selected() const { return static_cast<int>(Send(list_, LB_GETCURSEL)); }
    int Caret() const { return static_cast<int>(Send(list_, LB_GETCARETINDEX)); }

    long RowState(int row) const {
        long state = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
        if (row == Selected()) state |= STATE_SYSTEM_SELECTED;
        if (row == Caret() && GetFocus() == list_) state |= STATE_SYSTEM_FOCUSED;
        RECT item{}, client{}, shown{};
        Send(list_, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        GetClientRect(list_, &client);
        if (!IntersectRect(&shown, &item, &client)) state |= STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN;
        return state;
    }

    // Sends a child id to onRow with the row's index, or to onSelf when it names the list itself.
    template <class OnRow, class OnSelf>
    HRESULT Row(const VARIANT& child, OnRow&& onRow, OnSelf&& onSelf) {
        return Safely([&]() -> HRESULT {
            if (!Connected()) return CO_E_OBJNOTCONNECTED;
            if (child.vt != VT_I4) return E_INVALIDARG;
            if (child.lVal == CHILDID_SELF) return onSelf();
            if (child.lVal < 1 || child.lVal > RowCount()) return E_INVALIDARG;
            return onRow(static_cast<int>(child.lVal - 1));
        });
    }

    template <class Fn>
    HRESULT Self(Fn&& fn) {
        return Safely([&]() -> HRESULT {
            if (!Connected()) return CO_E_OBJNOTCONNECTED;
            return standard_ ? fn(*standard_.Get()) : DISP_E_MEMBERNOTFOUND;
        });
    }

    LONG refs_ = 1;
    HWND list_;
    const std::function<std::wstring(int)>* rowText_;
    ComPtr<IAccessible> standard_;
};

ListAccessibility::ListAccessibility(std::function<std::wstring(int)> rowText)
    : rowText_(std::move(rowText)) {}

ListAccessibility::~ListAccessibility() {
    if (object_) object_->Disconnect();
}

std::optional<LRESULT> ListAccessibility::Answer(HWND list, WPARAM wParam, LPARAM lParam) {
    if (static_cast<LONG>(lParam) != OBJID_CLIENT) return std::nullopt;
    if (!object_) object_.Attach(new ListAccessible(list, rowText_));
    return VR_LATE_BOUND(Accessibility, LresultFromObject)(__uuidof(IAccessible), wParam,
                                                           static_cast<IAccessible*>(object_.Get()));
}

}  // namespace vr
