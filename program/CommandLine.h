#pragma once
// The program's command line: a lesson or a saved signal to open, the game's seed, the
// language. Qt's own options (-platform and the like) are taken out by the application
// object first.
#include "Language.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace Fourier {

struct TCommandLine {
    QString File;                      // empty: none
    std::optional<std::uint64_t> Seed; // --seed N
    std::optional<TLanguage> Language; // --language ru|en, for this run only
    bool Help = false;                 // --help: HelpText() is printed and nothing else happens
};

// arguments as QCoreApplication::arguments() gives them, the program's name first. Throws
// std::invalid_argument with a message for the user (in the program's language) for an unknown
// option, a seed that is not a whole number from 0 to 2⁶⁴ − 1, a language other than ru and
// en, or more than one file.
TCommandLine ReadCommandLine(const QStringList& arguments);
QString CommandLineHelp();

} // namespace Fourier
