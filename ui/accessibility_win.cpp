#include "ui/accessibility_win.h"

#include <commctrl.h>
#include <oleacc.h>

#include <new>
#include <string>

#include "host/win_text.h"
#include "ui/control_names.h"

namespace {

// Spelled out: with MinGW, the symbol IID_IAccessible can resolve to an
// import thunk of oleacc, and the interface is then never found.
constexpr IID kIidAccessible = {0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};
constexpr IID kIidDispatch = {0x00020400, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kIidUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// The accessibility calls, found at the first request; none of them is
// imported, so start-up neither loads nor binds them.
struct AccessibilityCalls {
    decltype(&CreateStdAccessibleObject) createStandard = nullptr;
    decltype(&LresultFromObject) resultFromObject = nullptr;
    decltype(&SysAllocString) allocString = nullptr;
};

template <typename Function>
Function Find(HMODULE library, const char* name) {
    return library ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name))) : nullptr;
}

const AccessibilityCalls* Calls() {
    static const AccessibilityCalls calls = [] {
        AccessibilityCalls c;
        HMODULE oleacc = LoadLibraryW(L"oleacc.dll");
        HMODULE oleaut = LoadLibraryW(L"oleaut32.dll");
        c.createStandard = Find<decltype(c.createStandard)>(oleacc, "CreateStdAccessibleObject");
        c.resultFromObject = Find<decltype(c.resultFromObject)>(oleacc, "LresultFromObject");
        c.allocString = Find<decltype(c.allocString)>(oleaut, "SysAllocString");
        return c;
    }();
    return calls.createStandard && calls.resultFromObject && calls.allocString ? &calls : nullptr;
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// The control's standard accessible object with the name replaced. (A COM
// object has to derive from the interface it implements; COM interfaces have
// no virtual destructor, and this final type deletes only itself.)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
struct NamedAccessible final : IAccessible {
    NamedAccessible(IAccessible* standard, std::wstring name) : standard_(standard), name_(std::move(name)) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (IsEqualIID(iid, kIidUnknown) || IsEqualIID(iid, kIidDispatch) || IsEqualIID(iid, kIidAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        LONG left = InterlockedDecrement(&refs_);
        if (left == 0) {
            standard_->Release();
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return standard_->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, lcid, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override {
        return standard_->GetIDsOfNames(iid, names, count, lcid, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* exception, UINT* argError) override {
        return standard_->Invoke(id, iid, lcid, flags, params, result, exception, argError);
    }

    // IAccessible: the name is ours, the rest the standard object's.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!IsSelf(child)) return standard_->get_accName(child, name);
        if (!name) return E_POINTER;
        *name = Calls()->allocString(name_.c_str());
        return *name ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { return standard_->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        return standard_->get_accChild(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return standard_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return standard_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return standard_->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override { return standard_->accSelect(flags, child); }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override { return standard_->accDoDefaultAction(child); }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override { return standard_->put_accName(child, name); }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

private:
    LONG refs_ = 1;
    IAccessible* standard_;  // one reference, given back with the last of ours
    std::wstring name_;
};
#pragma GCC diagnostic pop

// The answer to WM_GETOBJECT for the control's client area, or 0 to let the
// control give its standard one.
LRESULT AnswerWithName(HWND control, WPARAM wParam, const char* gbkName) {
    const AccessibilityCalls* calls = Calls();
    if (!calls) return 0;
    IAccessible* standard = nullptr;
    if (FAILED(calls->createStandard(control, OBJID_CLIENT, kIidAccessible, reinterpret_cast<void**>(&standard))) ||
        !standard) {
        return 0;
    }
    auto* named = new (std::nothrow) NamedAccessible(standard, WideFromGbk(gbkName));
    if (!named) {
        standard->Release();
        return 0;
    }
    LRESULT answer = calls->resultFromObject(kIidAccessible, wParam, named);
    named->Release();  // the result holds its own reference
    return answer > 0 ? answer : 0;
}

LRESULT CALLBACK NamedControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR gbkName) {
    if (message == WM_GETOBJECT && static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT)) {
        if (LRESULT answer = AnswerWithName(control, wParam, reinterpret_cast<const char*>(gbkName))) return answer;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace

void NameControlsForScreenReaders(const MainWindow& w) {
    for (const ControlName& n : kControlNames) {
        SetWindowSubclass(w.controls[n.id], NamedControlProc, 2, reinterpret_cast<DWORD_PTR>(n.name));
    }
}
