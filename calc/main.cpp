// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLocale>
#include <iostream>
#include <string_view>
#include <vector>

#include "CalcCommandLine.h"

int main(int argc, char* argv[]) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const std::string decimalSeparator = QLocale::system().decimalPoint().toStdString();
    return tavolin::runCalcCommandLine(arguments, decimalSeparator, std::cout, std::cerr);
}
