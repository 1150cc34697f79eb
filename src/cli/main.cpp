#include <clocale>
#include <iostream>

#include "cli/cli_commands.h"

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    const kestrovin::LocaleFormat locale = kestrovin::SystemLocaleFormat();
    std::setlocale(LC_NUMERIC, "C");  // our own number texts never go through the C library
    std::ios::sync_with_stdio(false);
    return kestrovin::cli::Run(std::vector<std::string>(argv + 1, argv + argc), std::cin, std::cout, std::cerr, locale);
}
