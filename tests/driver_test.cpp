// Sessions through the real driver binary.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Session {
    std::string out;
    int status = -1;
};

Session drive(const std::string& input) {
    // Tests run in parallel: each session gets a file of its own.
    std::string path = ::testing::TempDir() + "driver-input-XXXXXX";
    const int fd = mkstemp(path.data());
    if (fd < 0) return {};
    close(fd);
    std::ofstream(path, std::ios::binary) << input;
    Session run;
    FILE* pipe = popen((std::string(LASTRINO_DRIVER) + " < " + path).c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::remove(path.c_str());
    return run;
}

const std::string startState =
    "board 1B 2Y 3B 4Y 5Y 6B 7Y 8B 9B 10Y 11B 12Y 13Y 14B 15Y 16B 17B 18Y 19B 20Y 21Y 22B 23Y 24B "
    "25B 26Y 27B 28Y 29Y 30B 31Y _E\n"
    "moves 0\nclock 00:00\npartita 0\natempo 0\noptions no enabled\ntimer off\nhelp hidden\n"
    "tooltip Comincia\nfocus cmdcomincia\nend-window -\n";

// Values that deal the free cells in order: tiles 1 to 29 home, 30 and 31 exchanged.
const std::string inOrder = [] {
    std::string line = "rand";
    for (int k = 0; k < 31; ++k) line += " " + std::to_string((k + 0.5) / 31);
    return line + "\n";
}();

TEST(Driver, StartsInTheStartState) {
    const Session run = drive("show\n");
    EXPECT_EQ(run.out, startState);
    EXPECT_EQ(run.status, 0);
}

TEST(Driver, BadLinesAnswerOneErrorEachAndChangeNothing) {
    const char* bad[] = {
        "click 0",  "click 33",   "click x",  "click 1 2", "click",      "click -1",  "clock",
        "tick 0",   "tick -1",    "tick 1.5", "tick 2 3",  "tick 99999999999999999999",
        "rand",     "rand 1",     "rand 0.5 2", "rand -0.1", "rand 1e0", "rand 10e-1", "rand .", "rand 0.5e", "rand nan", "rand 0x0.8",   "help",
        "end si",   "end no",     "end close", "end maybe", "START",     "timed maybe", "timed",
        "show extra", "quit now", "Click 5",
    };
    std::string input = "  # a comment\n\n\t\n";
    for (const char* line : bad) input += std::string(line) + "\n";
    input += "show\n";
    const Session run = drive(input);
    const std::size_t errors = sizeof bad / sizeof *bad;
    std::size_t at = 0;
    for (std::size_t i = 0; i < errors; ++i) {
        ASSERT_EQ(run.out.compare(at, 6, "error "), 0) << "line " << bad[i] << " in\n" << run.out;
        at = run.out.find('\n', at) + 1;
    }
    EXPECT_EQ(run.out.substr(at), startState);
    EXPECT_EQ(run.status, 0);
}

TEST(Driver, RandomValuesInEveryDecimalForm) {
    const Session run = drive("rand .5 2.5E-1 0 0. 00.000 0.99999999999999999999\nrand 9.99e-1\nstart\nshow\n");
    std::vector<std::string> board;
    std::istringstream first(run.out.substr(0, run.out.find('\n')));
    for (std::string token; first >> token;) board.push_back(token);
    ASSERT_EQ(board.size(), 33u) << run.out;
    EXPECT_EQ(board[16], "1B");  // .5 draws cell 16
    EXPECT_EQ(board[8], "2Y");   // .25 draws cell 8
    EXPECT_EQ(board[1], "3B");   // 0 draws cell 1, and again twice for tile 4
    EXPECT_EQ(board[31], "4Y");  // just below 1 draws cell 31
}

const std::string solved =
    "board 1B 2Y 3B 4Y 5Y 6B 7Y 8B 9B 10Y 11B 12Y 13Y 14B 15Y 16B 17B 18Y 19B 20Y 21Y 22B 23Y 24B "
    "25B 26Y 27B 28Y 29Y 30B 31Y _E\n";

TEST(Driver, ATimedGameWonThenANewGame) {
    const Session run = drive("timed si\n" + inOrder +
                          "start\n  tick   207 \r\nshow\nhelp\nend si\nclick 28\nhelp\nclick 32\ntick\nshow\n"
                          "solution\nhelp\nshow\nend si\nshow\nexit\nshow\n");
    EXPECT_EQ(run.out,
              "board 1B 2Y 3B 4Y 5Y 6B 7Y 8B 9B 10Y 11B 12Y 13Y 14B 15Y 16B 17B 18Y 19B 20Y 21Y 22B 23Y 24B "
              "25B 26Y 27B 28Y 29Y 31Y 30B _E\n"
              "moves 0\nclock 03:27\npartita 1\natempo 1\noptions si disabled\ntimer on\nhelp hidden\n"
              "tooltip Ricomincia\nfocus cmdcomincia\nend-window -\n"
              "error the Help button is hidden\n"
              "error no end-of-game window is open\n"
              "event help-shown\n"  // 28 down into 32: 28 in place
              "event end-window Hai vinto in 3 mosse e con un tempo di 03:27!\n" +
                  solved +
                  "moves 3\nclock 03:28\npartita 1\natempo 1\noptions si disabled\ntimer on\nhelp shown\n"
                  "tooltip Ricomincia\nfocus cmdsoluzione\nend-window Hai vinto in 3 mosse e con un tempo di 03:27!\n"
                  // Help after Solution counts a move on the solved board and wins at once.
                  "event end-window Hai vinto in 1 mosse!\n" +
                  solved +
                  "moves 1\nclock 00:00\npartita 0\natempo 0\noptions no enabled\ntimer off\nhelp shown\n"
                  "tooltip Comincia\nfocus cmdaiuto\nend-window Hai vinto in 1 mosse!\n" +
                  startState + "event exit\n");
    EXPECT_EQ(run.status, 0);
}

TEST(Driver, ClicksOnAWonBoardOpenTheWindowAgain) {
    const Session run = drive(inOrder + "start\ntimed si\nclick 28\nclick 32\nclick 28\nhelp\nclick 32\nclick 1\n"
                                    "end close\nshow\nquit\nshow\n");
    EXPECT_EQ(run.out, "error the options are disabled\n"
                       "event help-shown\n"  // 28 down: 28 in place
                       "event help-shown\n"  // 28 up and down again
                       "event end-window Hai vinto in 5 mosse!\n"
                       "event end-window Hai vinto in 5 mosse!\n" +
                           solved +
                           "moves 5\nclock 00:00\npartita 1\natempo 0\noptions no disabled\ntimer off\nhelp shown\n"
                           "tooltip Ricomincia\nfocus cmdsoluzione\nend-window -\n");
    EXPECT_EQ(run.status, 0);
}

}  // namespace
