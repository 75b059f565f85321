// libFuzzer target: arbitrary bytes, split into lines, fed to the text
// driver, which runs them through the game rules. The driver promises never
// to crash on its input; the sanitizers check that it keeps its memory and
// arithmetic sound while doing so.
#include "driver/commands.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string_view>
#include <vector>

namespace {

using lastrino::ScriptedRandom;
using lastrino::driver::Driver;

bool isStart(std::string_view line) {
    constexpr std::string_view blank = " \t\r\n\v\f";
    const auto first = line.find_first_not_of(blank);
    if (first == std::string_view::npos) return false;
    line.remove_prefix(first);
    return line.substr(0, line.find_first_of(blank)) == "start";
}

// Start draws until every tile has found a free cell; past the values that
// a script queued, the driver would fall back to the clock-seeded generator.
// Queue enough values from a fixed generator first, so that one input always
// plays the same way, then take back the ones the deal did not use.
constexpr std::size_t reserve = 1024;

void startDeterministically(Driver& driver, std::string_view line, std::uint64_t& seed) {
    ScriptedRandom& random = driver.random();
    for (std::size_t i = 0; i < reserve; ++i) {
        seed += 0x9E3779B97F4A7C15u;  // splitmix64
        std::uint64_t z = seed;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        z ^= z >> 31;
        random.push(static_cast<double>(z >> 11) * 0x1.0p-53);
    }
    driver.line(line);
    // The queue now holds what is left of the script's own values, then
    // what is left of ours: keep only the script's.
    const std::size_t left = random.queued();
    const std::size_t keep = left > reserve ? left - reserve : 0;
    std::vector<double> kept;
    for (std::size_t i = 0; i < left; ++i) {
        const double x = random.next();
        if (i < keep) kept.push_back(x);
    }
    for (double x : kept) random.push(x);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::ostringstream out;
    Driver driver(out);
    std::uint64_t seed = 0;
    std::size_t at = 0;
    while (at < input.size()) {
        std::size_t end = input.find('\n', at);
        if (end == std::string_view::npos) end = input.size();
        const std::string_view line = input.substr(at, end - at);
        at = end + 1;
        if (isStart(line)) {
            // "start" itself never ends the driver.
            startDeterministically(driver, line, seed);
        } else if (!driver.line(line)) {
            break;
        }
    }
    return 0;
}
