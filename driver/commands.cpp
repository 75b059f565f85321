#include "commands.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace lastrino::driver {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::vector<std::string_view> split(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isBlank(text[i])) ++i;
        std::size_t end = i;
        while (end < text.size() && !isBlank(text[end])) ++end;
        if (end > i) words.push_back(text.substr(i, end - i));
        i = end;
    }
    return words;
}

// A whole number written with digits only.
std::optional<std::uint64_t> wholeNumber(std::string_view word) {
    if (word.empty()) return std::nullopt;
    for (char c : word) {
        if (c < '0' || c > '9') return std::nullopt;
    }
    std::uint64_t value = 0;
    auto [end, err] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (err != std::errc{} || end != word.data() + word.size()) return std::nullopt;
    return value;
}

// A decimal number from 0 up to, but not including, 1: digits with at most
// one point, and an optional exponent ("0.25", ".5", "2.5e-1").
std::optional<double> unitFraction(std::string_view word) {
    const std::size_t e = word.find_first_of("eE");
    const std::string_view mantissa = word.substr(0, e);
    long long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = word.substr(e + 1);
        const bool negative = !digits.empty() && digits[0] == '-';
        if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) digits.remove_prefix(1);
        const auto n = wholeNumber(digits.substr(0, 6));
        if (!n || digits.size() > 6) return std::nullopt;
        exponent = negative ? -static_cast<long long>(*n) : static_cast<long long>(*n);
    }
    // The value is 0.D x 10^scale, D the digits from the first non-zero one:
    // below 1 exactly when D is empty or scale is not positive.
    bool point = false, anyDigit = false, significant = false;
    long long scale = exponent;
    for (char c : mantissa) {
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            anyDigit = true;
            if (c != '0') significant = true;
            if (significant && !point) ++scale;
            if (!significant && point) --scale;
        } else {
            return std::nullopt;
        }
    }
    if (!anyDigit) return std::nullopt;
    if (significant && scale > 0) return std::nullopt;
    double value = std::strtod(std::string(word).c_str(), nullptr);
    // A long run of nines can round up to 1; keep it a draw below 1.
    if (value >= 1.0) value = std::nextafter(1.0, 0.0);
    return value;
}

char colourLetter(Colour c) {
    if (c == colblu) return 'B';
    if (c == colgiallo) return 'Y';
    if (c == colvuoto) return 'E';
    return '#';
}

}  // namespace

Driver::Driver(std::ostream& out) : out_(out), screen_(&out), shell_(screen_, Seam{.deal = &random_}) { shell_.run(); }

bool Driver::error(std::string_view reason) {
    out_ << "error " << reason << '\n';
    return true;  // the driver goes on with the next line
}

bool Driver::line(std::string_view text) {
    if (text.size() > maxLine) return error("the line is longer than " + std::to_string(maxLine) + " characters");
    // Trailing white space includes the carriage return of a CRLF line.
    constexpr std::string_view space = " \t\r\n\v\f";
    const auto first = text.find_first_not_of(space);
    text = first == std::string_view::npos ? std::string_view{}
                                           : text.substr(first, text.find_last_not_of(space) - first + 1);
    const auto words = split(text);
    bool goOn = true;
    if (!words.empty() && words[0][0] != '#') goOn = run(words);
    out_.flush();
    return goOn;
}

namespace {
const Control& control(std::string_view name) { return *layout::find(layout::frmgioco, name); }
const Control& cell(int n) { return control("cmd" + std::to_string(n)); }
}  // namespace

bool Driver::run(const std::vector<std::string_view>& words) {
    const std::string_view command = words[0];
    const std::size_t args = words.size() - 1;

    if (command == "click") {
        if (args != 1) return error("click takes one cell number");
        const auto n = wholeNumber(words[1]);
        if (!n || *n < 1 || *n > static_cast<unsigned>(cells)) return error("no such cell");
        shell_.press(cell(static_cast<int>(*n)));
    } else if (command == "key") {
        static constexpr std::string_view names[] = {"up", "down", "left", "right"};
        const auto* k = args == 1 ? std::find(std::begin(names), std::end(names), words[1]) : std::end(names);
        if (k == std::end(names)) return error("key takes up, down, left or right");
        shell_.key(layout::frmgioco, shell_.focus(layout::frmgioco), static_cast<Key>(k - std::begin(names)));
    } else if (command == "start" || command == "help" || command == "solution" || command == "show" ||
               command == "exit" || command == "quit") {
        if (args != 0) return error(std::string(command) + " takes no value");
        if (command == "show") {
            show();
        } else if (command == "quit") {
            return false;
        } else if (command == "help" && !shell_.state(control("cmdaiuto")).visible) {
            return error("the Help button is hidden");
        } else {
            static constexpr std::pair<std::string_view, std::string_view> buttons[] = {
                {"start", "cmdcomincia"}, {"help", "cmdaiuto"}, {"solution", "cmdsoluzione"}, {"exit", "cmdesci"}};
            for (const auto& [word, name] : buttons) {
                if (word == command) shell_.press(control(name));
            }
        }
    } else if (command == "timed") {
        if (args != 1 || (words[1] != "si" && words[1] != "no")) return error("timed takes si or no");
        if (!shell_.state(control("optsi")).enabled) return error("the options are disabled");
        shell_.press(control(words[1] == "si" ? "optsi" : "optno"));
    } else if (command == "tick") {
        if (args > 1) return error("tick takes at most one count");
        std::uint64_t periods = 1;
        if (args == 1) {
            const auto k = wholeNumber(words[1]);
            if (!k || *k < 1) return error("the tick count is not a whole number of at least 1");
            periods = *k;
        }
        shell_.tick(periods);
    } else if (command == "end") {
        if (args != 1 || (words[1] != "si" && words[1] != "no" && words[1] != "close"))
            return error("end takes si, no or close");
        if (!shell_.loaded(layout::frmscelta)) return error("no end-of-game window is open");
        if (words[1] == "close") shell_.close(layout::frmscelta);
        else shell_.press(*layout::find(layout::frmscelta, words[1] == "si" ? "cmdsi" : "cmdno"));
    } else if (command == "rand") {
        if (args == 0) return error("rand takes one or more values");
        std::vector<double> values;
        for (std::size_t i = 1; i < words.size(); ++i) {
            const auto x = unitFraction(words[i]);
            if (!x) return error("a random value must be a decimal number from 0 to below 1");
            values.push_back(*x);
        }
        for (double x : values) random_.push(x);
    } else {
        return error("unknown command");
    }
    return !shell_.ended();
}

void Driver::show() {
    const auto shown = [this](std::string_view name) -> const ControlState& { return shell_.state(control(name)); };
    out_ << "board";
    for (int n = 1; n <= cells; ++n) {
        const ControlState& c = shell_.state(cell(n));
        out_ << ' ' << (c.text.empty() ? "_" : c.text) << colourLetter(c.colour);
        if (colourLetter(c.colour) == '#') {
            char hex[9];
            std::snprintf(hex, sizeof hex, "%08X", c.colour);
            out_ << hex;
        }
    }
    const Control* focus = shell_.focus(layout::frmgioco);
    const std::string focusName = focus->cell ? "cmd(" + std::to_string(focus->cell) + ")" : std::string(focus->name);
    const GameState& v = shell_.variables();
    out_ << "\nmoves " << shown("lblcont").text << "\nclock " << shown("lbltime").text << "\npartita " << v.partita
         << "\natempo " << v.atempo << "\noptions " << (shown("optsi").selected ? "si" : "no") << ' '
         << (shown("optsi").enabled ? "enabled" : "disabled") << "\ntimer " << (shell_.timerOn() ? "on" : "off")
         << "\nhelp " << (shown("cmdaiuto").visible ? "shown" : "hidden") << "\ntooltip "
         << shown("cmdcomincia").tooltip << "\nfocus " << focusName << "\nend-window "
         << (shell_.loaded(layout::frmscelta) ? shell_.state(*layout::find(layout::frmscelta, "lblmess")).text : "-")
         << '\n';
}

}  // namespace lastrino::driver
