#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "common/Error.h"
#include "fileout/FileSet.h"
#include "fileout/FolderLock.h"
#include "fileout/Temporaries.h"
#include "fileout/WorkFolder.h"

namespace tellvane::fileout {
namespace {

namespace fs = std::filesystem;

// A fresh folder for one case, removed after.
struct Scratch {
    fs::path dir;
    explicit Scratch(const std::string& name)
        : dir(fs::temp_directory_path() / ("tellvane-fileout-" + std::to_string(::getpid()) + "-" + name)) {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~Scratch() {
        std::error_code ignored;
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(dir, ignored);
    }
};

std::string contentsOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void put(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// Every name in the folder.
std::set<std::string> namesIn(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
    return names;
}

// A pair with earlier files of both names and a user's file of a name like ours is
// committed, with one thing broken before staging (early) or between staging and the
// commit (late). A failure anywhere leaves the folder as it was.
TEST(PairCommit, isBothOrNeitherWhateverBreaks) {
    struct Row {
        const char* name;
        std::function<void(const fs::path&)> early, late;
        bool fails;
        bool needsNonRoot = false;
    };
    const auto nothing = [](const fs::path&) {};
    const Row rows[] = {
        {"nothing breaks", nothing, nothing, false},
        {"no earlier files", [](const fs::path& d) { fs::remove(d / "A.png"); fs::remove(d / "A.pdf"); }, nothing, false},
        {"a folder named like the page", [](const fs::path& d) { fs::remove(d / "A.pdf"); fs::create_directory(d / "A.pdf"); }, nothing, true},
        {"a FIFO named like the picture", [](const fs::path& d) { fs::remove(d / "A.png"); ::mkfifo((d / "A.png").c_str(), 0644); }, nothing, true},
        {"the page's name becomes a folder before the commit", nothing, [](const fs::path& d) { fs::remove(d / "A.pdf"); fs::create_directory(d / "A.pdf"); }, true},
        {"the picture's name becomes a FIFO before the commit", nothing, [](const fs::path& d) { fs::remove(d / "A.png"); ::mkfifo((d / "A.png").c_str(), 0644); }, true},
        {"the page's name becomes a FIFO before the commit", nothing, [](const fs::path& d) { fs::remove(d / "A.pdf"); ::mkfifo((d / "A.pdf").c_str(), 0644); }, true},
        {"a read-only folder", [](const fs::path& d) { fs::permissions(d, fs::perms::owner_read | fs::perms::owner_exec); }, nothing, true, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.needsNonRoot && ::geteuid() == 0) continue;  // permissions do not bind root
        const Scratch scratch("pair");
        const fs::path& d = scratch.dir;
        put(d / "A.png", "old picture");
        put(d / "A.pdf", "old page");
        put(d / "A.png.new", "the user's own");
        row.early(d);
        const std::set<std::string> before = namesIn(d);
        bool threw = false;
        try {
            FileSet pair;
            pair.add(d / "A.png", std::as_bytes(std::span(std::string_view("new picture"))));
            pair.add(d / "A.pdf", std::as_bytes(std::span(std::string_view("new page"))));
            row.late(d);
            pair.commit();
        } catch (const Error& e) {
            threw = true;
            EXPECT_EQ(e.number(), 75);
        }
        fs::permissions(d, fs::perms::owner_all, fs::perm_options::add);
        EXPECT_EQ(threw, row.fails);
        EXPECT_EQ(contentsOf(d / "A.png.new"), "the user's own");
        if (!row.fails) {
            EXPECT_EQ(contentsOf(d / "A.png"), "new picture");
            EXPECT_EQ(contentsOf(d / "A.pdf"), "new page");
            std::set<std::string> after = before;
            after.insert({"A.png", "A.pdf"});
            EXPECT_EQ(namesIn(d), after);
            continue;
        }
        // The late breaks replaced one earlier file themselves; the other must be as it was.
        if (fs::is_regular_file(d / "A.png")) {
            EXPECT_EQ(contentsOf(d / "A.png"), "old picture");
        }
        if (fs::is_regular_file(d / "A.pdf")) {
            EXPECT_EQ(contentsOf(d / "A.pdf"), "old page");
        }
        EXPECT_EQ(namesIn(d), before) << "a temporary or a kept-aside file is left";
    }
}

// Where a non-file stands at the output's name, the write is refused at once, by
// name, without opening it (a FIFO would block an open for writing).
TEST(OutputTarget, refusesWhatIsNoFile) {
    const Scratch scratch("target");
    const fs::path d = scratch.dir;
    fs::create_directory(d / "folder");
    ::mkfifo((d / "fifo").c_str(), 0644);
    put(d / "file-in-the-way", "x");
    const fs::path rows[] = {d / "folder", d / "fifo", "/dev/null", d / "file-in-the-way" / "A.png"};
    for (const fs::path& target : rows) {
        SCOPED_TRACE(target.string());
        try {
            writeFile(target, std::string("bytes"));
            ADD_FAILURE() << "written";
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), 75);
            EXPECT_NE(std::string(e.description()).find(target.string()), std::string::npos) << e.description();
        }
    }
    EXPECT_EQ(namesIn(d), (std::set<std::string>{"folder", "fifo", "file-in-the-way"}));
}

// What a library writes by name, in a work folder or at a staged name, is placed
// like any other file, and the work folder goes with its contents.
TEST(StagedByName, isPlacedAndItsFolderRemoved) {
    const Scratch scratch("staged");
    const fs::path d = scratch.dir;
    {
        const WorkFolder work(d);
        put(work.path() / "M_g_l.kvd", "page");
        FileSet set;
        put(set.stage(d / "A.png"), "picture");
        set.adopt(work.path() / "M_g_l.kvd", d / "A.pdf");
        set.commit();
    }
    EXPECT_EQ(contentsOf(d / "A.png"), "picture");
    EXPECT_EQ(contentsOf(d / "A.pdf"), "page");
    EXPECT_EQ(namesIn(d), (std::set<std::string>{"A.png", "A.pdf"}));
}

// A chart's names are held by one writer at a time; a lock left behind is reported
// after the wait, not waited on for ever.
TEST(ChartNameLock, isHeldByOneWriter) {
    const Scratch scratch("lock");
    {
        const FolderLock first(scratch.dir, "A");
        EXPECT_THROW(FolderLock(scratch.dir, "A", std::chrono::milliseconds(50)), Error);
        const FolderLock other(scratch.dir, "B", std::chrono::milliseconds(50));
    }
    const FolderLock again(scratch.dir, "A", std::chrono::milliseconds(50));
    EXPECT_EQ(namesIn(scratch.dir), (std::set<std::string>{".A.lock"}));
}

// A process ended while it writes (as on a signal) leaves none of its temporaries,
// and a commit after that never happens: the folder holds the earlier file only.
TEST(AbandonedOutput, leavesNoTemporaries) {
    const Scratch scratch("abandon");
    const fs::path d = scratch.dir;
    put(d / "A.png", "old picture");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const WorkFolder work(d);
        put(work.path() / "M_g_l.kvd", "page");
        FileSet set;
        put(set.stage(d / "B.png"), "picture");
        set.add(d / "A.png", std::as_bytes(std::span(std::string_view("new picture"))));
        const FolderLock lock(d, "A");
        abandonAll();
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(namesIn(d), (std::set<std::string>{"A.png"}));
    EXPECT_EQ(contentsOf(d / "A.png"), "old picture");
}

}  // namespace
}  // namespace tellvane::fileout
