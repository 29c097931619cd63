#include "CommandLine.h"

#include <QCoreApplication>

#include <algorithm>
#include <stdexcept>

namespace Fourier {
namespace {

std::string Text(const char* source) {
    return QCoreApplication::translate("CommandLine", source).toStdString();
}

// %1 in a translated pattern replaced by each argument in turn.
template <class... T> std::invalid_argument Wrong(const char* pattern, const T&... arguments) {
    QString text = QCoreApplication::translate("CommandLine", pattern);
    ((text = text.arg(arguments)), ...);
    return std::invalid_argument(text.toStdString());
}

TLanguage ReadLanguage(const QString& code) {
    if (const auto language = LanguageFromCode(code)) return *language;
    throw Wrong(
        QT_TRANSLATE_NOOP("CommandLine", "--language: «%1» — известны ru (русский) и en (English)"),
        code);
}

std::uint64_t ReadSeed(const QString& text) {
    bool ok = false;
    const qulonglong seed = text.toULongLong(&ok, 10);
    // toULongLong takes a leading sign or blanks; a seed is digits only.
    const bool digits = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    if (!ok || !digits)
        throw Wrong(QT_TRANSLATE_NOOP("CommandLine",
                                      "--seed: «%1» — не целое число от 0 до 18446744073709551615"),
                    text);
    return seed;
}

} // namespace

TCommandLine ReadCommandLine(const QStringList& arguments) {
    TCommandLine line;
    bool optionsEnd = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!optionsEnd && argument == QLatin1String("--")) {
            optionsEnd = true;
        } else if (!optionsEnd &&
                   (argument == QLatin1String("--help") || argument == QLatin1String("-h"))) {
            line.Help = true;
        } else if (!optionsEnd && argument == QLatin1String("--seed")) {
            if (++i == arguments.size())
                throw std::invalid_argument(
                    Text(QT_TRANSLATE_NOOP("CommandLine", "--seed: не указано число")));
            line.Seed = ReadSeed(arguments[i]);
        } else if (!optionsEnd && argument.startsWith(QLatin1String("--seed="))) {
            line.Seed = ReadSeed(argument.mid(7));
        } else if (!optionsEnd && argument == QLatin1String("--language")) {
            if (++i == arguments.size())
                throw std::invalid_argument(Text(
                    QT_TRANSLATE_NOOP("CommandLine", "--language: не указан язык (ru или en)")));
            line.Language = ReadLanguage(arguments[i]);
        } else if (!optionsEnd && argument.startsWith(QLatin1String("--language="))) {
            line.Language = ReadLanguage(argument.mid(11));
        } else if (!optionsEnd && argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            throw Wrong(QT_TRANSLATE_NOOP(
                            "CommandLine",
                            "Неизвестный параметр «%1»; fourier --help перечисляет параметры"),
                        argument);
        } else if (!line.File.isEmpty()) {
            throw Wrong(
                QT_TRANSLATE_NOOP("CommandLine", "Открыть можно один файл, а указаны «%1» и «%2»"),
                line.File, argument);
        } else {
            line.File = argument;
        }
    }
    return line;
}

QString CommandLineHelp() {
    return QCoreApplication::translate(
        "CommandLine",
        "Использование: fourier [--language ru|en] [--seed ЧИСЛО] [ФАЙЛ.fourier]\n"
        "  ФАЙЛ.fourier        открыть урок или сохранённый сигнал\n"
        "  --language ru|en    язык программы на этот запуск (русский или English)\n"
        "  --seed ЧИСЛО        зерно раундов игры «Угадай сигнал» (одно на весь класс)\n"
        "  --help              эта справка\n");
}

} // namespace Fourier
