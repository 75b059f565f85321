// Sessions through the real driver binary, written as transcripts in
// tests/driver/: a line "> TEXT" goes to its input ("\t" and "\r" stand for
// a tab and a carriage return), a line "< TEXT" is the next line it must
// print, where a final "*" stands for any rest of the line. Other lines are
// notes. The session must print nothing more and end with status 0.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string unescape(std::string text) {
    for (const auto& [from, to] : {std::pair{"\\t", "\t"}, std::pair{"\\r", "\r"}})
        for (std::size_t at; (at = text.find(from)) != std::string::npos;) text.replace(at, 2, to);
    return text;
}

class Driver : public ::testing::TestWithParam<const char*> {};

TEST_P(Driver, Transcript) {
    std::ifstream transcript(std::string(LASTRINO_TRANSCRIPTS) + "/" + GetParam() + ".txt");
    ASSERT_TRUE(transcript) << GetParam();
    std::string input;
    std::vector<std::string> expected;
    for (std::string line; std::getline(transcript, line);) {
        if (line.rfind("> ", 0) == 0 || line == ">") input += unescape(line.substr(std::min<std::size_t>(2, line.size()))) + "\n";
        if (line.rfind("< ", 0) == 0) expected.push_back(line.substr(2));
    }
    // Tests run in parallel: each session gets an input file of its own.
    std::string path = ::testing::TempDir() + "driver-input-XXXXXX";
    const int fd = mkstemp(path.data());
    ASSERT_GE(fd, 0);
    close(fd);
    std::ofstream(path, std::ios::binary) << input;
    FILE* pipe = popen((std::string(LASTRINO_DRIVER) + " < " + path).c_str(), "r");
    ASSERT_TRUE(pipe);
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    const int status = pclose(pipe);
    std::remove(path.c_str());

    std::istringstream printed(out);
    std::size_t i = 0;
    for (std::string line; std::getline(printed, line); ++i) {
        ASSERT_LT(i, expected.size()) << "more than expected: " << line;
        const std::string& want = expected[i];
        if (!want.empty() && want.back() == '*') {
            EXPECT_EQ(line.substr(0, want.size() - 1), want.substr(0, want.size() - 1)) << "line " << i + 1;
        } else {
            EXPECT_EQ(line, want) << "line " << i + 1;
        }
    }
    EXPECT_EQ(i, expected.size()) << "fewer lines than expected";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

INSTANTIATE_TEST_SUITE_P(Sessions, Driver,
                         ::testing::Values("start-state", "bad-lines", "random-values", "timed-game", "won-board"),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::erase(name, '-');
                             return name;
                         });

}  // namespace
