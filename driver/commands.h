// The text driver's command reader: one line in, its answer out. It plays
// the game's shell on windows held in memory.
#pragma once

#include "logic/shell.h"

#include <cstddef>
#include <ostream>
#include <string_view>
#include <vector>

namespace lastrino::driver {

// The windows in memory: the shell keeps what every control shows, so this
// screen only reports what a player would see happen, as events: Help
// appearing, an end-of-game window opening with its message, the end.
class MemoryScreen final : public Screen {
public:
    explicit MemoryScreen(std::ostream* out = nullptr) : out_(out) {}

    void load(const Form&) override {}
    void unload(const Form&) override {}
    void setText(const Control& control, std::string_view text) override {
        if (control.name == "lblmess") event("end-window " + std::string(text));
    }
    void setColour(const Control&, Colour) override {}
    void setVisible(const Control& control, bool visible) override {
        // Each time the game asks for it, also when Help is already shown.
        if (control.name == "cmdaiuto" && visible) event("help-shown");
    }
    void setEnabled(const Control&, bool) override {}
    void setSelected(const Control&) override {}
    void setTooltip(const Control&, std::string_view) override {}
    void setFocus(const Control&) override {}
    void startTimer(unsigned) override {}
    void stopTimer() override {}
    void end() override { event("exit"); }

private:
    void event(const std::string& what) {
        if (out_) *out_ << "event " << what << '\n';
    }
    std::ostream* out_;
};

class Driver {
public:
    explicit Driver(std::ostream& out);

    // The longest input line it takes; a longer one is refused.
    static constexpr std::size_t maxLine = 4096;

    // Runs one input line. Returns false once the driver is to end.
    bool line(std::string_view text);

    Shell& shell() { return shell_; }
    ScriptedRandom& random() { return random_; }

private:
    bool run(const std::vector<std::string_view>& words);
    void show();
    bool error(std::string_view reason);

    std::ostream& out_;
    MemoryScreen screen_;
    ScriptedRandom random_;
    Shell shell_;
};

}  // namespace lastrino::driver
