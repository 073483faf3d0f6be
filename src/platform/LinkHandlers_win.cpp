#include "platform/LinkHandlers.h"

#include <qt_windows.h>

#include <shlwapi.h>

#include <string>

namespace LinkHandlers {

namespace {

// A handler registered the classic way: a command, or a COM verb that stands for one.
bool registeredOpenVerb(HKEY root, const std::wstring &path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    bool found = false;
    for (const wchar_t *value : { static_cast<const wchar_t *>(nullptr), L"DelegateExecute" }) {
        DWORD bytes = 0;
        if (RegQueryValueExW(key, value, nullptr, nullptr, nullptr, &bytes) == ERROR_SUCCESS && bytes > sizeof(wchar_t))
            found = true;
    }
    RegCloseKey(key);
    return found;
}

// The user's own registrations first: Windows merges them into HKEY_CLASSES_ROOT, but not every
// implementation of its registry does (Wine's does not).
bool registeredOpenVerb(const std::wstring &scheme)
{
    const std::wstring command = scheme + L"\\shell\\open\\command";
    return registeredOpenVerb(HKEY_CURRENT_USER, L"Software\\Classes\\" + command)
        || registeredOpenVerb(HKEY_CLASSES_ROOT, command);
}

} // namespace

std::optional<bool> hasHandler(const QString &scheme, const QString &)
{
    // Windows 10 and 11 answer a link nobody handles with their own "look for an app" prompt and
    // report the link as opened, so the question is put to the registry first.
    if (scheme.isEmpty())
        return false;
    const std::wstring name = scheme.toStdWString();
    DWORD size = 0;
    const HRESULT result
        = AssocQueryStringW(ASSOCF_INIT_IGNOREUNKNOWN, ASSOCSTR_COMMAND, name.c_str(), L"open", nullptr, &size);
    if ((result == S_OK || result == S_FALSE) && size > 1)
        return true;
    return registeredOpenVerb(name);
}

} // namespace LinkHandlers
