#include "dialog_units.h"

#include <QString>

namespace veltro::qt {

namespace {

int averageCharWidth(const QFontMetrics& metrics) {
    static const QString kAlphabet =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int count = static_cast<int>(kAlphabet.size());
    return (metrics.horizontalAdvance(kAlphabet) + count / 2) / count;
}

}  // namespace

DialogUnits::DialogUnits(const QFontMetrics& metrics)
    : baseX_(averageCharWidth(metrics)), baseY_(metrics.height()) {}

}  // namespace veltro::qt
