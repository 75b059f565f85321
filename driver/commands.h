// The text driver's command reader: one line in, its answer out.
#pragma once

#include "program.h"

#include <cstddef>
#include <ostream>
#include <string_view>
#include <vector>

namespace lastrino::driver {

class Driver {
public:
    explicit Driver(std::ostream& out);

    // The longest input line it takes; a longer one is refused.
    static constexpr std::size_t maxLine = 4096;

    // Runs one input line. Returns false once the driver is to end.
    bool line(std::string_view text);

    Program& program() { return program_; }

private:
    bool run(const std::vector<std::string_view>& words);
    void show();
    bool error(std::string_view reason);

    std::ostream& out_;
    Program program_;
};

}  // namespace lastrino::driver
