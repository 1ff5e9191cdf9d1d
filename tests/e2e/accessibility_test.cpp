// Read from another process, as a screen reader reads it.
#include <gtest/gtest.h>

#include <oleacc.h>
#include <tlhelp32.h>

#include <cstdio>

#include "host/win_text.h"
#include "tests/e2e/app_driver.h"
#include "ui/control_names.h"

namespace {

// Spelled out: linked from oleacc, the symbol can resolve to an import thunk.
constexpr IID kIidAccessible = {0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

struct Accessible {
    IAccessible* object = nullptr;
    explicit Accessible(HWND control) {
        AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), kIidAccessible,
                                   reinterpret_cast<void**>(&object));
    }
    ~Accessible() {
        if (object) object->Release();
    }
    static VARIANT Self() {
        VARIANT self;
        VariantInit(&self);
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        return self;
    }
    std::wstring Text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) const {
        BSTR text = nullptr;
        if (!object || FAILED((object->*get)(Self(), &text)) || !text) return L"<none>";
        std::wstring out(text, SysStringLen(text));
        SysFreeString(text);
        return out;
    }
    long State() const {
        VARIANT state;
        VariantInit(&state);
        return object && SUCCEEDED(object->get_accState(Self(), &state)) && state.vt == VT_I4 ? state.lVal : -1;
    }
};

bool HasModule(DWORD pid, const wchar_t* name) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE | TH32CS_SNAPMODULE32, pid);
    if (snapshot == INVALID_HANDLE_VALUE) return false;
    MODULEENTRY32W module = {};
    module.dwSize = sizeof(module);
    bool found = false;
    for (BOOL more = Module32FirstW(snapshot, &module); more && !found; more = Module32NextW(snapshot, &module)) {
        found = lstrcmpiW(module.szModule, name) == 0;
    }
    CloseHandle(snapshot);
    return found;
}

TEST(ScreenReader, EveryTabStopTellsItsOwnNameAndTheRestFollowsTheControl) {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    {
        App app;
        ASSERT_TRUE(app.WaitForWindow());
        // Where another process's module list cannot be read, the imports
        // check of the release lane still shows that oleacc is not linked.
        const bool modulesReadable = HasModule(app.process.dwProcessId, L"user32.dll");
        if (!modulesReadable) std::printf("  (the module list of kelvara.exe cannot be read here)\n");
        EXPECT_FALSE(modulesReadable && HasModule(app.process.dwProcessId, L"oleacc.dll")) << "nobody asked yet";
        for (const ControlName& n : kControlNames) {
            Accessible a(app.Control(n.id));
            ASSERT_NE(a.object, nullptr) << n.id;
            EXPECT_EQ(a.Text(&IAccessible::get_accName), WideFromGbk(n.name)) << "control " << n.id;
        }

        EXPECT_TRUE(!modulesReadable || HasModule(app.process.dwProcessId, L"oleacc.dll"));

        // Value and state stay the standard object's, and follow the control.
        app.SetText(编辑框3, L"新名字");
        EXPECT_EQ(Accessible(app.Control(编辑框3)).Text(&IAccessible::get_accValue), L"新名字");
        Accessible enable2(app.Control(选择框16));
        Accessible upload2(app.Control(选择框12));
        // (Wine's standard object for a check box reports neither its role nor
        // its tick; the enabled and focused states it does report.)
        EXPECT_TRUE(upload2.State() & STATE_SYSTEM_UNAVAILABLE) << "user 2's row starts disabled";
        EXPECT_FALSE(enable2.State() & STATE_SYSTEM_FOCUSED);
        app.Click(选择框16);
        EXPECT_FALSE(upload2.State() & STATE_SYSTEM_UNAVAILABLE) << "the click enabled the row";
        EXPECT_TRUE(enable2.State() & STATE_SYSTEM_FOCUSED);
    }
    CoUninitialize();
}

}  // namespace
