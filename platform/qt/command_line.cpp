#include "command_line.h"

#include <QCommandLineParser>

#include "qt_text.h"

namespace veltro::qt {

std::optional<std::string> readCommandLine(const QStringList& arguments, LaunchOptions& options) {
    QCommandLineParser parser;
    // "-open" is not "-o -p -e -n": single-dash words are refused whole.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const LaunchOption& option : kLaunchOptions) {
        QStringList names{toQString(option.name)};
        if (option.name == "help") {
            names.prepend(QStringLiteral("h"));
        }
        parser.addOption(
            QCommandLineOption(names, toQString(option.help), toQString(option.valueName)));
    }
    if (!parser.parse(arguments)) {
        return parser.errorText().toStdString();
    }
    GivenOptions given;
    const auto value = [&](const char* name) -> std::optional<std::string> {
        if (!parser.isSet(QString::fromLatin1(name))) {
            return std::nullopt;
        }
        return parser.values(QString::fromLatin1(name)).constLast().toStdString();
    };
    given.options.open = value("open");
    given.options.record = value("record");
    given.options.force = parser.isSet(QStringLiteral("force"));
    given.options.help = parser.isSet(QStringLiteral("help"));
    given.options.version = parser.isSet(QStringLiteral("version"));
    for (const QString& file : parser.positionalArguments()) {
        given.positional.push_back(file.toStdString());
    }
    auto complaint = finishLaunchOptions(given);
    options = given.options;
    return complaint;
}

}  // namespace veltro::qt
