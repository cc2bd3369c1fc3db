// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <string_view>
#include <vector>

#include "CalcCommandLine.h"
#include "ShownLanguage.h"

int main(int argc, char* argv[]) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const tavolin::LanguageInstallation language(tavolin::desktopLanguage());
    const std::string decimalSeparator = language.decimalSeparator().toStdString();
    return tavolin::runCalcCommandLine(arguments, decimalSeparator, std::cout, std::cerr);
}
