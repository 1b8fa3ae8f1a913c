#include "web_shell.h"

#include <emscripten/emscripten.h>

#include <cstddef>

// The page passes its shell object to the module factory; these reach it as
// Module.shell. Texts cross as UTF-8 with a length, so no terminator is
// needed.
// clang-format off
EM_JS(void, veltro_page_message_box, (const char* text, std::size_t textLength,
                                      const char* caption, std::size_t captionLength), {
    Module.shell.showMessageBox(UTF8ToString(text, textLength),
                                UTF8ToString(caption, captionLength));
});
EM_JS(void, veltro_page_set_title, (const char* title, std::size_t length), {
    Module.shell.setTitle(UTF8ToString(title, length));
});
EM_JS(void, veltro_page_open_dialog, (int dialogId, const char* degree, std::size_t degreeLength,
                                      const char* knots, std::size_t knotsLength), {
    Module.shell.openBSplineDialog(dialogId, UTF8ToString(degree, degreeLength),
                                   UTF8ToString(knots, knotsLength));
});
// clang-format on

namespace veltro::web {

void PageShell::showMessageBox(std::string_view text, std::string_view caption) {
    veltro_page_message_box(text.data(), text.size(), caption.data(), caption.size());
}

void PageShell::setTitle(std::string_view title) {
    veltro_page_set_title(title.data(), title.size());
}

void PageShell::openBSplineDialog(int dialogId, std::string_view degreeText,
                                  std::string_view knotText) {
    veltro_page_open_dialog(dialogId, degreeText.data(), degreeText.size(), knotText.data(),
                            knotText.size());
}

}  // namespace veltro::web
