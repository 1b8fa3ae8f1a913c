// win32-probe.exe: looks at veltro.exe's windows from another process, for
// the end-to-end test under Wine.
//
//   win32-probe client           client area of the main window in screen
//                                pixels: "X Y WIDTH HEIGHT"
//   win32-probe title            the main window's title
//   win32-probe close            closes the main window as its close box does
//   win32-probe texts CAPTION    the top-level window with that title, then
//                                each child as "ID<TAB>CLASS<TAB>TEXT", with
//                                backslash, tab and line breaks escaped
//   win32-probe text CAPTION ID  the text of that child control, unescaped
//   win32-probe count CAPTION    how many visible top-level windows have
//                                that title
//   win32-probe rect CAPTION ID  that child control in screen pixels:
//                                "X Y WIDTH HEIGHT"
//   win32-probe press CAPTION ID clicks the button with that id in that
//                                window (BM_CLICK)
//   win32-probe settext CAPTION ID TEXT
//                                replaces the text of that child control
//
// Exit status 0 on success, 1 when the window is not there, 2 for bad usage.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr UINT kTimeoutMs = 3000;

// Text through WM_GETTEXT, which Windows carries across processes, so edit
// fields report what they hold and not just their creation text.
std::string windowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kTimeoutMs,
                             &length)) {
        return {};
    }
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, buffer.size(),
                             reinterpret_cast<LPARAM>(buffer.data()), SMTO_ABORTIFHUNG, kTimeoutMs,
                             &copied)) {
        return {};
    }
    return std::string(buffer.data(), static_cast<std::size_t>(copied));
}

// Control characters would break the one-line-per-child output.
std::string printable(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else {
            out += c;
        }
    }
    return out;
}

struct Search {
    std::string caption;
    std::vector<HWND> found;
};

BOOL CALLBACK collectByCaption(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    if (IsWindowVisible(window) && windowText(window) == search->caption) {
        search->found.push_back(window);
    }
    return TRUE;
}

std::vector<HWND> windowsWithCaption(const std::string& caption) {
    Search search{caption, {}};
    EnumWindows(&collectByCaption, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK printChild(HWND child, LPARAM) {
    char className[256] = {};
    GetClassNameA(child, className, sizeof className);
    std::printf("%d\t%s\t%s\n", GetDlgCtrlID(child), className,
                printable(windowText(child)).c_str());
    return TRUE;
}

HWND mainWindow() {
    return FindWindowA("WndClass", nullptr);
}

int usage() {
    std::fputs(
        "usage: win32-probe client|title|close|texts CAPTION|count CAPTION|"
        "text CAPTION ID|rect CAPTION ID|press CAPTION ID|settext CAPTION ID TEXT\n",
        stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return usage();
    }
    const std::string command = argv[1];
    if (command == "client" || command == "title" || command == "close") {
        HWND window = mainWindow();
        if (window == nullptr) {
            return 1;
        }
        if (command == "close") {
            return PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0) ? 0 : 1;
        }
        if (command == "title") {
            std::printf("%s\n", windowText(window).c_str());
            return 0;
        }
        RECT client{};
        POINT origin{0, 0};
        if (!GetClientRect(window, &client) || !ClientToScreen(window, &origin)) {
            return 1;
        }
        std::printf("%ld %ld %ld %ld\n", origin.x, origin.y, client.right - client.left,
                    client.bottom - client.top);
        return 0;
    }
    if (argc < 3) {
        return usage();
    }
    const std::vector<HWND> windows = windowsWithCaption(argv[2]);
    if (command == "count") {
        std::printf("%zu\n", windows.size());
        return 0;
    }
    if (windows.empty()) {
        return 1;
    }
    HWND window = windows.front();
    if (command == "texts") {
        std::printf("title\t%s\n", printable(windowText(window)).c_str());
        EnumChildWindows(window, &printChild, 0);
        return 0;
    }
    if (argc < 4) {
        return usage();
    }
    HWND control = GetDlgItem(window, std::atoi(argv[3]));
    if (control == nullptr) {
        return 1;
    }
    if (command == "text") {
        std::fputs(windowText(control).c_str(), stdout);
        return 0;
    }
    if (command == "rect") {
        RECT rect{};
        if (!GetWindowRect(control, &rect)) {
            return 1;
        }
        std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top);
        return 0;
    }
    if (command == "press") {
        // Posted, not sent: the button's action may open a modal box.
        PostMessageA(control, BM_CLICK, 0, 0);
        return 0;
    }
    if (command == "settext" && argc >= 5) {
        DWORD_PTR result = 0;
        SendMessageTimeoutA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[4]),
                            SMTO_ABORTIFHUNG, kTimeoutMs, &result);
        return 0;
    }
    return usage();
}
