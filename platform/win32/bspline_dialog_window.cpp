#include "bspline_dialog_window.h"

#include <windows.h>

#include <memory>
#include <string>

#include "app_window.h"
#include "resource_ids.h"
#include "ui/message.h"

namespace veltro::win32 {

namespace {

// What one dialog window needs; owned by the window from WM_INITDIALOG to
// WM_NCDESTROY.
struct DialogContext {
    AppWindow* app;
    int dialogId;
    std::string degreeText;
    std::string knotText;
};

DialogContext* contextOf(HWND dialog) {
    return reinterpret_cast<DialogContext*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

// The whole text of a field, however long; the core decides how much of it
// counts.
std::string fieldText(HWND dialog, int fieldId) {
    HWND field = GetDlgItem(dialog, fieldId);
    if (field == nullptr) {
        return {};
    }
    const int length = GetWindowTextLengthA(field);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const UINT read = GetDlgItemTextA(dialog, fieldId, text.data(), length + 1);
    text.resize(read);
    return text;
}

INT_PTR CALLBACK dialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            auto* context = reinterpret_cast<DialogContext*>(lParam);
            SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(context));
            context->app->addDialog(dialog);
            SetDlgItemTextA(dialog, VELTRO_FIELD_DEGREE, context->degreeText.c_str());
            SetDlgItemTextA(dialog, VELTRO_FIELD_KNOTS, context->knotText.c_str());
            return TRUE;
        }
        case WM_COMMAND: {
            DialogContext* context = contextOf(dialog);
            if (context == nullptr) {
                return FALSE;
            }
            const int id = LOWORD(wParam);
            if (id == IDOK) {
                context->app->deliver(Message::dialogOk(context->dialogId,
                                                        fieldText(dialog, VELTRO_FIELD_DEGREE),
                                                        fieldText(dialog, VELTRO_FIELD_KNOTS)));
            } else if (id == IDCANCEL) {
                // Also the close box and Esc.
                context->app->deliver(Message::dialogCancel(context->dialogId));
            } else {
                return FALSE;
            }
            // EndDialog would only hide a modeless dialog and keep its window
            // for the life of the program; destroying it frees it.
            DestroyWindow(dialog);
            return TRUE;
        }
        case WM_NCDESTROY: {
            std::unique_ptr<DialogContext> context(contextOf(dialog));
            SetWindowLongPtrA(dialog, DWLP_USER, 0);
            if (context != nullptr) {
                context->app->removeDialog(dialog);
            }
            return FALSE;
        }
        default:
            return FALSE;
    }
}

}  // namespace

void openBSplineDialogWindow(AppWindow& app, int dialogId, std::string_view degreeText,
                             std::string_view knotText) {
    auto context = std::make_unique<DialogContext>(
        DialogContext{&app, dialogId, std::string(degreeText), std::string(knotText)});
    HWND dialog =
        CreateDialogParamA(app.instance(), MAKEINTRESOURCEA(VELTRO_DIALOG_BSPLINE), app.window(),
                           &dialogProcedure, reinterpret_cast<LPARAM>(context.get()));
    if (dialog == nullptr) {
        // Nothing is shown; the core's record of the dialog stays open and
        // is simply never answered.
        return;
    }
    context.release();  // the dialog window owns it now
    ShowWindow(dialog, SW_SHOW);
}

}  // namespace veltro::win32
