#include "CommandLine.h"

#include <algorithm>
#include <stdexcept>

namespace Fourier {
namespace {

std::uint64_t ReadSeed(const QString& text) {
    bool ok = false;
    const qulonglong seed = text.toULongLong(&ok, 10);
    // toULongLong takes a leading sign or blanks; a seed is digits only.
    const bool digits = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    if (!ok || !digits)
        throw std::invalid_argument("--seed: «" + text.toStdString() +
                                    "» — не целое число от 0 до 18446744073709551615");
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
            if (++i == arguments.size()) throw std::invalid_argument("--seed: не указано число");
            line.Seed = ReadSeed(arguments[i]);
        } else if (!optionsEnd && argument.startsWith(QLatin1String("--seed="))) {
            line.Seed = ReadSeed(argument.mid(7));
        } else if (!optionsEnd && argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            throw std::invalid_argument("Неизвестный параметр «" + argument.toStdString() +
                                        "»; fourier --help перечисляет параметры");
        } else if (!line.File.isEmpty()) {
            throw std::invalid_argument("Открыть можно один файл, а указаны «" +
                                        line.File.toStdString() + "» и «" + argument.toStdString() +
                                        "»");
        } else {
            line.File = argument;
        }
    }
    return line;
}

QString CommandLineHelp() {
    return QStringLiteral(
        "Использование: fourier [--seed ЧИСЛО] [ФАЙЛ.fourier]\n"
        "  ФАЙЛ.fourier   открыть урок или сохранённый сигнал\n"
        "  --seed ЧИСЛО   зерно раундов игры «Угадай сигнал» (одно на весь класс)\n"
        "  --help         эта справка\n");
}

} // namespace Fourier
