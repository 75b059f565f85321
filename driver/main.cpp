// lastrino-driver: plays the game from commands on standard input.
#include "commands.h"

#include <iostream>
#include <string>

int main() {
    std::ios::sync_with_stdio(false);
    lastrino::driver::Driver driver(std::cout);
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!driver.line(line)) break;
    }
    return 0;
}
