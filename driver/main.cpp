// lastrino-driver: plays the game from commands on standard input.
#include "commands.h"

#include <iostream>
#include <string>

namespace {

// Reads a line, keeping at most `most` characters of it: the rest is skipped,
// never held in memory. False at the end of the input.
bool readLine(std::istream& in, std::string& line, std::size_t most) {
    line.clear();
    bool any = false;
    for (int c = in.get(); c != std::char_traits<char>::eof(); c = in.get()) {
        any = true;
        if (c == '\n') return true;
        if (line.size() < most) line.push_back(static_cast<char>(c));
    }
    return any;
}

}  // namespace

int main() {
    std::ios::sync_with_stdio(false);
    lastrino::driver::Driver driver(std::cout);
    std::string line;
    // One character past the limit is enough for the driver to refuse the line.
    while (readLine(std::cin, line, lastrino::driver::Driver::maxLine + 1)) {
        if (!driver.line(line)) break;
    }
    return 0;
}
