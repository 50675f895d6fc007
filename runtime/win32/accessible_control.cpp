// SPDX-License-Identifier: MIT
#include "accessible_control.h"

#include <new>
#include <oleacc.h>
#include <optional>

namespace tenvex {

namespace {

// The functions of the accessibility and automation libraries, loaded when a screen reader first
// asks for a control's object: a program no one reads with a screen reader never loads them.
struct AccessibilityLibrary
{
    decltype(&CreateStdAccessibleObject) createStandardObject = nullptr;
    decltype(&LresultFromObject) resultFromObject = nullptr;
    decltype(&SysAllocStringLen) allocateString = nullptr;

    [[nodiscard]] bool loaded() const
    {
        return createStandardObject && resultFromObject && allocateString;
    }
};

template<typename Function>
Function Find(HMODULE library, const char *name)
{
    // Through a function pointer of no type, as GetProcAddress's own type is not the function's.
    return library
        ? reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)))
        : nullptr;
}

const AccessibilityLibrary &Library()
{
    static const AccessibilityLibrary library = [] {
        const HMODULE accessibility = LoadLibraryW(L"oleacc.dll");
        const HMODULE automation = LoadLibraryW(L"oleaut32.dll");
        return AccessibilityLibrary{
            Find<decltype(&CreateStdAccessibleObject)>(accessibility, "CreateStdAccessibleObject"),
            Find<decltype(&LresultFromObject)>(accessibility, "LresultFromObject"),
            Find<decltype(&SysAllocStringLen)>(automation, "SysAllocStringLen")};
    }();
    return library;
}

bool IsSelf(const VARIANT &child)
{
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

HRESULT Text(std::u16string_view text, BSTR *out)
{
    *out = Library().allocateString(reinterpret_cast<const OLECHAR *>(text.data()),
                                    static_cast<UINT>(text.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

// The control's standard accessible object, but for its own name and value. Everything else,
// its role, state, place and children among them, is the standard object's.
class AccessibleControl final : public IAccessible, public IOleWindow
{
public:
    AccessibleControl(HWND control, IAccessible *standard, std::u16string_view name,
                      const std::u16string *value)
        : m_control(control)
        , m_standard(standard)
        , m_name(name)
        , m_value(value ? std::optional<std::u16string>(*value) : std::nullopt)
    {}
    AccessibleControl(const AccessibleControl &) = delete;
    AccessibleControl &operator=(const AccessibleControl &) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void **out) override
    {
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible *>(this);
        } else if (id == __uuidof(IOleWindow)) {
            *out = static_cast<IOleWindow *>(this);
        } else {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&m_references); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = InterlockedDecrement(&m_references);
        if (left == 0)
            delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE GetWindow(HWND *window) override
    {
        *window = m_control;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR *name) override
    {
        return IsSelf(child) ? Text(m_name, name) : m_standard->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR *value) override
    {
        return IsSelf(child) && m_value ? Text(*m_value, value)
                                        : m_standard->get_accValue(child, value);
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override
    {
        return m_standard->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo **info) override
    {
        return m_standard->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR *names, UINT count, LCID locale,
                                            DISPID *ids) override
    {
        return m_standard->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS *parameters, VARIANT *result, EXCEPINFO *exception,
                                     UINT *argumentError) override
    {
        return m_standard->Invoke(member, id, locale, flags, parameters, result, exception,
                                  argumentError);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch **parent) override
    {
        return m_standard->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long *count) override
    {
        return m_standard->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch **object) override
    {
        return m_standard->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR *description) override
    {
        return m_standard->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT *role) override
    {
        return m_standard->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT *state) override
    {
        return m_standard->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR *help) override
    {
        return m_standard->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR *file, VARIANT child, long *topic) override
    {
        return m_standard->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR *shortcut) override
    {
        return m_standard->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT *focus) override
    {
        return m_standard->get_accFocus(focus);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT *selection) override
    {
        return m_standard->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR *action) override
    {
        return m_standard->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override
    {
        return m_standard->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long *left, long *top, long *width, long *height,
                                          VARIANT child) override
    {
        return m_standard->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT *end) override
    {
        return m_standard->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT *child) override
    {
        return m_standard->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        return m_standard->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override
    {
        return m_standard->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override
    {
        return m_standard->put_accValue(child, value);
    }

private:
    ~AccessibleControl() { m_standard->Release(); }

    HWND m_control;
    IAccessible *m_standard;
    std::u16string m_name;
    std::optional<std::u16string> m_value;
    LONG m_references = 1;
};

} // namespace

LRESULT AccessibleObjectOf(HWND control, WPARAM flags, LPARAM objectId, std::u16string_view name,
                           const std::u16string *value) noexcept
{
    const AccessibilityLibrary &library = Library();
    if (static_cast<LONG>(objectId) != OBJID_CLIENT || !library.loaded())
        return 0;
    IAccessible *standard = nullptr;
    if (FAILED(library.createStandardObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                            reinterpret_cast<void **>(&standard))))
        return 0;
    AccessibleControl *accessible = nullptr;
    try {
        accessible = new AccessibleControl(control, standard, name, value);
    } catch (...) {
        standard->Release();
        return 0; // for want of memory, the system's own answer
    }
    const LRESULT result = library.resultFromObject(__uuidof(IAccessible), flags,
                                                    static_cast<IAccessible *>(accessible));
    accessible->Release();
    return result;
}

} // namespace tenvex
