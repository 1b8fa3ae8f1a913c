#include "qt_shell.h"

#include <QMessageBox>

#include "qt_text.h"

namespace veltro::qt {

void QtShell::showMessageBox(std::string_view text, std::string_view caption) {
    QMessageBox box(QMessageBox::NoIcon, toQString(caption), toQString(text), QMessageBox::Ok,
                    &window_);
    // The texts are the program's own; line breaks are meant, markup is not.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void QtShell::setTitle(std::string_view title) {
    window_.setWindowTitle(toQString(title));
}

void QtShell::openBSplineDialog(int dialogId, std::string_view degreeText,
                                std::string_view knotText) {
    window_.openBSplineDialog(dialogId, degreeText, knotText);
}

}  // namespace veltro::qt
