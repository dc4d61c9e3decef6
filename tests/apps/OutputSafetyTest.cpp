// The tool's outputs tried as a careless user and a busy server would: what stands
// where a file should go, two writers in one folder, and signals, with the real
// program in processes of its own. Every wait is bounded.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "chartinput/DataKind.h"
#include "tests/records/TestFiles.h"
#include "yearhost/ChartNames.h"

extern char** environ;

namespace tellvane {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using test::samplesDir;
using test::ScratchDir;

const std::string kNukada = (samplesDir() / "nukada_303011283322030_2025.csv").string();
const std::string kNukadaStem = "303011283322030_2025";
const std::string kMoshiri = (samplesDir() / "moshiri_301011281104010/daily").string();

std::string contentsOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::set<std::string> namesIn(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
    return names;
}

// The program started with args, its standard error to errFile.
pid_t start(const std::vector<std::string>& args, const fs::path& errFile) {
    std::vector<std::string> all{TELLVANE_PROGRAM};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, TELLVANE_PROGRAM, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return failed ? -1 : pid;
}

// The exit code of the process, or -1 when it did not end within the time (then
// killed): a hang is a failure, never a stuck test.
int finish(pid_t pid, std::chrono::milliseconds within = 20s) {
    const auto until = std::chrono::steady_clock::now() + within;
    int status = 0;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > until) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(5ms);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Whatever stands where a chart file goes, a render either writes the pair or
// nothing, never blocks, and leaves a user's files of other names alone.
TEST(OutputOfRender, writesThePairOrNothingWhateverStandsThere) {
    struct Row {
        const char* name;
        std::function<void(const fs::path&)> prepare;
        std::string out;  // empty: the scratch folder
        int code;
    };
    const auto fifo = [](const char* name) {
        return [name](const fs::path& d) { ::mkfifo((d / (kNukadaStem + name)).c_str(), 0644); };
    };
    const auto folder = [](const char* name) {
        return [name](const fs::path& d) { fs::create_directory(d / (kNukadaStem + name)); };
    };
    const Row rows[] = {
        {"a user's NAME.png.new and NAME.part", [](const fs::path& d) {
             std::ofstream(d / (kNukadaStem + ".png.new")) << "mine";
             std::ofstream(d / (kNukadaStem + ".png.part")) << "mine";
         }, "", 0},
        {"a FIFO named like the picture", fifo(".png"), "", 3},
        {"a FIFO named like the page", fifo(".pdf"), "", 3},
        {"a folder named like the picture", folder(".png"), "", 3},
        {"a folder named like the page", folder(".pdf"), "", 3},
        {"--out \"\"", [](const fs::path&) {}, "\"\"", 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ScratchDir dir;
        const fs::path out = dir.path() / "out";
        fs::create_directory(out);
        row.prepare(out);
        std::map<std::string, std::string> before;
        for (const auto& name : namesIn(out))
            if (fs::is_regular_file(out / name)) before[name] = contentsOf(out / name);
        const std::set<std::string> names = namesIn(out);
        const pid_t pid = start({"render", "--data", kNukada, "--out", row.out.empty() ? out.string() : ""},
                                dir.path() / "err.txt");
        ASSERT_GT(pid, 0);
        EXPECT_EQ(finish(pid), row.code) << contentsOf(dir.path() / "err.txt");
        for (const auto& [name, text] : before) EXPECT_EQ(contentsOf(out / name), text) << name;
        std::set<std::string> expected = names;
        if (row.code == 0) expected.insert({kNukadaStem + ".png", kNukadaStem + ".pdf"});
        EXPECT_EQ(namesIn(out), expected);
    }
}

// The kind a page is titled for.
std::string kindOfPage(const fs::path& pdf) {
    const auto title = pageTitleOf(pdf);
    if (title == std::u16string(chartTitle(u"1"))) return "level";
    if (title == std::u16string(chartTitle(u"7"))) return "discharge";
    return "none";
}

// Level and discharge of one station-year rendered at once, several of each, in
// rounds: each pair in the folder is whole and of one kind (its picture is the one
// a render of its page's kind draws), a kind-suffixed name holds its own kind, both
// kinds are there, and nothing but the pairs is left.
TEST(ConcurrentRenders, leaveWholePairsOfOneKindEach) {
    const ScratchDir dir;
    std::map<std::string, std::string> pictureOf;  // kind -> the picture a lone render draws
    for (const std::string kind : {"level", "discharge"}) {
        const fs::path alone = dir.path() / ("alone-" + kind);
        const pid_t pid = start({"render", "--data", kMoshiri, "--kind", kind, "--out", alone.string()}, dir.path() / "err");
        ASSERT_EQ(finish(pid), 0) << contentsOf(dir.path() / "err");
        pictureOf[kind] = contentsOf(alone / "301011281104010_2023.png");
    }
    ASSERT_NE(pictureOf["level"], pictureOf["discharge"]);
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const fs::path out = dir.path() / ("round" + std::to_string(round));
        std::vector<pid_t> writers;
        for (int i = 0; i < 4; ++i)
            writers.push_back(start({"render", "--data", kMoshiri, "--kind", i % 2 ? "discharge" : "level", "--out",
                                     out.string()},
                                    dir.path() / ("err" + std::to_string(i))));
        for (std::size_t i = 0; i < writers.size(); ++i)
            EXPECT_EQ(finish(writers[i]), 0) << contentsOf(dir.path() / ("err" + std::to_string(i)));
        std::set<std::string> kinds;
        for (const auto& name : namesIn(out)) {
            SCOPED_TRACE(name);
            ASSERT_TRUE(name.ends_with(".png") || name.ends_with(".pdf")) << "left behind";
            if (!name.ends_with(".pdf")) continue;
            const std::string stem = name.substr(0, name.size() - 4), kind = kindOfPage(out / name);
            kinds.insert(kind);
            EXPECT_TRUE(stem == "301011281104010_2023" || stem == "301011281104010_2023_" + kind);
            EXPECT_EQ(contentsOf(out / (stem + ".png")), pictureOf[kind]) << "a picture of the other kind";
        }
        EXPECT_EQ(kinds, (std::set<std::string>{"level", "discharge"}));
    }
}

// A batch ended by a signal once it writes: 128 + the signal, how far it got, no
// temporaries, and every file in the folder whole (a pair each, or earlier files).
TEST(SignalsDuringBatch, endItCleanly) {
    const std::pair<int, int> rows[] = {{SIGINT, 130}, {SIGTERM, 143}, {SIGHUP, 129}};
    const ScratchDir dir;
    std::string data = "station,date,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24\n";
    for (int s = 0; s < 400; ++s) data += "S" + std::to_string(1000 + s) + ",2023-03-01,1.5" + std::string(23, ',') + "\n";
    const fs::path csv = dir.write("many.csv", data);
    for (const auto& [signal, code] : rows) {
        SCOPED_TRACE(sigabbrev_np(signal));
        const fs::path out = dir.path() / ("out" + std::to_string(signal));
        fs::create_directories(out);
        std::ofstream(out / "S1399_2023.png") << "earlier";
        std::ofstream(out / "S1399_2023.pdf") << "earlier";
        const fs::path err = dir.path() / ("err" + std::to_string(signal));
        const pid_t pid = start({"batch", "--data", csv.string(), "--out", out.string(), "--jobs", "2"}, err);
        ASSERT_GT(pid, 0);
        const auto until = std::chrono::steady_clock::now() + 10s;
        const auto pairsWritten = [&] {
            std::size_t n = 0;
            for (const auto& name : namesIn(out)) n += !name.starts_with(".") && name.ends_with(".png");
            return n - 1;  // the earlier one
        };
        while (pairsWritten() == 0 && std::chrono::steady_clock::now() < until)
            std::this_thread::sleep_for(2ms);
        ::kill(pid, signal);
        EXPECT_EQ(finish(pid), code) << contentsOf(err);
        EXPECT_NE(contentsOf(err).find(" of 400 station-years finished"), std::string::npos) << contentsOf(err);
        for (const auto& name : namesIn(out)) {
            SCOPED_TRACE(name);
            EXPECT_FALSE(name.starts_with(".")) << "a temporary, a lock or a work folder left";
            const std::string stem = name.substr(0, name.size() - 4);
            EXPECT_TRUE(fs::exists(out / (stem + ".png")) && fs::exists(out / (stem + ".pdf"))) << "half a pair";
            if (name.ends_with(".png") && contentsOf(out / name) != "earlier") {
                EXPECT_EQ(contentsOf(out / name).substr(1, 3), "PNG");
            }
        }
        EXPECT_LT(namesIn(out).size(), 800u) << "the signal came after the batch";
    }
}

}  // namespace
}  // namespace tellvane
