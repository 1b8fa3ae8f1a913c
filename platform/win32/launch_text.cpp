#include "launch_text.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

namespace veltro::win32 {

namespace {

std::wstring wide(const std::string& text) {
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
    if (size > 0) {
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(),
                            size);
    }
    return result;
}

std::string utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) {
        return {};
    }
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), size, nullptr, nullptr);
    result.pop_back();  // the terminating NUL
    return result;
}

bool writeTo(HANDLE handle, const std::string& text) {
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) {
        const std::wstring w = wide(text);
        DWORD written = 0;
        return WriteConsoleW(handle, w.data(), static_cast<DWORD>(w.size()), &written, nullptr) !=
               FALSE;
    }
    DWORD written = 0;
    return WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) !=
               FALSE &&
           written == text.size();
}

// The handle the program was started with, or the console of the program
// that started it; false when there is neither.
bool writeToStarter(const std::string& text, bool isError) {
    if (writeTo(GetStdHandle(isError ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE), text)) {
        return true;
    }
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) {
        return false;
    }
    HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, 0, nullptr);
    const bool written = writeTo(console, text);
    if (console != INVALID_HANDLE_VALUE) {
        CloseHandle(console);
    }
    return written;
}

void box(const std::string& text, bool isError) {
    MessageBoxW(nullptr, wide(text).c_str(), L"veltro",
                MB_OK | (isError ? MB_ICONERROR : MB_ICONINFORMATION));
}

}  // namespace

std::vector<std::string> commandLineArguments() {
    std::vector<std::string> args;
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (words == nullptr) {
        return args;
    }
    for (int i = 1; i < count; ++i) {
        args.push_back(utf8(words[i]));
    }
    LocalFree(words);
    return args;
}

void tellUser(const std::string& text, bool isError) {
    if (!writeToStarter(text, isError)) {
        box(text, isError);
    }
}

void refuseStart(const std::string& text) {
    writeToStarter(text, true);
    box(text, true);
}

}  // namespace veltro::win32
