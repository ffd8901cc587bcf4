#include "Controls.h"

#include <oleacc.h>
#include <wrl/client.h>

#include <stdexcept>

#include "platform/Handles_win.h"

#include "Messages.h"

namespace e2e {
namespace {

std::vector<std::wstring> Items(HWND control, UINT countMessage, UINT lengthMessage, UINT textMessage) {
    std::vector<std::wstring> items;
    const auto count = static_cast<int>(Send(control, countMessage));
    for (int i = 0; i < count; ++i) {
        const auto length = Send(control, lengthMessage, i);
        std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
        const auto copied = Send(control, textMessage, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
        items.push_back(std::move(text));
    }
    return items;
}

void Notify(HWND control, WORD code) {
    Send(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
         reinterpret_cast<LPARAM>(control));
}

}  // namespace

void Click(HWND button) { Send(button, BM_CLICK); }
void PostClick(HWND button) { Post(button, BM_CLICK); }

std::vector<std::wstring> ComboItems(HWND combo) {
    return Items(combo, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}
int ComboSelection(HWND combo) { return static_cast<int>(Send(combo, CB_GETCURSEL)); }

void SelectComboItem(HWND combo, int index) {
    Send(combo, CB_SETCURSEL, static_cast<WPARAM>(index));
    Notify(combo, CBN_SELCHANGE);
}

// Read as a screen reader reads them: the rows of an owner-drawn list are no strings the list box
// could give out.
std::vector<std::wstring> ListItems(HWND list) {
    static const vr::ComApartment com;  // for the driver's thread, as long as it runs
    Microsoft::WRL::ComPtr<IAccessible> rows;
    if (FAILED(AccessibleObjectFromWindow(list, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(rows.GetAddressOf()))))
        throw std::runtime_error("the list offers no accessible object");
    long count = 0;
    if (FAILED(rows->get_accChildCount(&count))) throw std::runtime_error("the list tells no row count");
    std::vector<std::wstring> items;
    for (long child = 1; child <= count; ++child) {
        VARIANT id{};
        id.vt = VT_I4;
        id.lVal = child;
        BSTR name = nullptr;
        if (FAILED(rows->get_accName(id, &name))) throw std::runtime_error("a row of the list has no name");
        const vr::OwnedBstr owned(name);
        items.emplace_back(name ? name : L"");
    }
    return items;
}
int ListSelection(HWND list) { return static_cast<int>(Send(list, LB_GETCURSEL)); }

void SelectListItem(HWND list, int index) {
    Send(list, LB_SETCURSEL, static_cast<WPARAM>(index));
    Notify(list, LBN_SELCHANGE);
}

void PressKey(HWND control, UINT virtualKey) {
    const UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    const LPARAM down = 1 | (static_cast<LPARAM>(scanCode) << 16);
    const LPARAM up = down | (1LL << 30) | (1LL << 31);
    Post(control, WM_KEYDOWN, virtualKey, down);
    // A key that ends its window (a full-screen screensaver ends on the key-down) leaves no one
    // to take the key-up; only a window still there must take it.
    if (!PostMessageW(control, WM_KEYUP, virtualKey, up) && IsWindow(control))
        Post(control, WM_KEYUP, virtualKey, up);
}

void PressKeys(std::initializer_list<WORD> virtualKeys) {
    std::vector<INPUT> inputs;
    const auto add = [&](WORD key, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    for (WORD key : virtualKeys) add(key, 0);
    for (auto key = std::rbegin(virtualKeys); key != std::rend(virtualKeys); ++key)
        add(*key, KEYEVENTF_KEYUP);
    if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size())
        throw std::runtime_error("the system took not all of the keys");
}

void SetText(HWND control, std::wstring_view text) {
    const std::wstring copy(text);
    Send(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(copy.c_str()));
}

}  // namespace e2e
