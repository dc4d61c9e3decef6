// The output: its flags, its failures, and files that are whole or absent. Every
// failure is reported at CloseDocument with error 1104, leaves no file of its own
// and keeps an earlier file of the same name as it was.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>

#include "common/Error.h"
#include "common/Text.h"
#include "pagewriter/OutputJob.h"
#include "pagewriter/PageErrors.h"
#include "pagewriter/PageFile.h"
#include "tests/pagewriter/PageTesting.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/FileSizeLimit.h"

namespace tellvane::pagewriter::test {
namespace {

using tellvane::test::errorOf;
using Names = std::vector<std::string>;
const ReservedWords kZero{};

void drawSomething(PlotDocument& doc) {
    doc.DrawLine(50, 10, 400, 250, 0, {}, {}, {});
    doc.DrawTitle(180, 268, u"日　水　位　年　図", kZero, 9, 9, 0, 0, {}, {});
}

// A page of many texts: some tens of kilobytes.
void drawMuch(PlotDocument& doc) {
    drawSomething(doc);
    for (int i = 0; i < 400; ++i)
        doc.DrawText(100, i % 280, u"水位観測所" + u16(std::to_string(i)), kZero, 5, 5, i, 3, {}, {});
}

// The description CloseDocument fails with, and its number.
std::pair<int, std::string> closeFailure(PlotDocument& doc) {
    try {
        doc.CloseDocument();
    } catch (const Error& e) {
        return {e.number(), e.description()};
    }
    return {0, ""};
}

TEST(Output, ActiveFromStartUntilCloseAndDoneWhenTheFileIsWritten) {
    TemporaryDirectory dir;
    const auto doc = PageDocumentFactory().create();
    EXPECT_FALSE(doc->Active());
    EXPECT_FALSE(doc->Done());
    doc->StartDocument();
    EXPECT_TRUE(doc->Active());
    EXPECT_FALSE(doc->Done()) << "nothing is output before OutputToFile";
    drawSomething(*doc);
    const std::string path = dir.file("M_g_l.kvd");
    doc->OutputToFile(u16(path));
    EXPECT_TRUE(doc->Active());
    ASSERT_TRUE(waitUntilDone(*doc));
    EXPECT_TRUE(doc->Active()) << "still active until closed";
    doc->CloseDocument();
    EXPECT_FALSE(doc->Active());
    EXPECT_EQ(contents(path).rfind("%PDF-1.4", 0), 0u) << ".kvd is written as PDF";
    EXPECT_EQ(dir.entries(), Names{"M_g_l.kvd"}) << "no temporary file stays behind";
}

TEST(Output, TheCallerIsWokenOnceTheOutputHasEndedOnEitherThread) {
    for (const bool background : {true, false}) {
        TemporaryDirectory dir;
        std::atomic<int> wakes{0};
        std::atomic<bool> doneWhenWoken{false};
        PageWriterOptions options;
        options.background = background;
        PlotDocument* doc = nullptr;
        options.wakeCaller = [&] {
            return std::function<void()>([&] {
                doneWhenWoken = true;
                ++wakes;
            });
        };
        auto owned = startedDocument(options);
        doc = owned.get();
        drawSomething(*doc);
        doc->OutputToFile(u16(dir.file("page.pdf")));
        if (!background) {
            EXPECT_TRUE(doc->Done()) << "written within the call";
        }
        ASSERT_TRUE(waitUntilDone(*doc));
        doc->CloseDocument();
        EXPECT_EQ(wakes.load(), 1) << background;
        EXPECT_TRUE(doneWhenWoken.load());
        EXPECT_EQ(contents(dir.file("page.pdf")).rfind("%PDF-", 0), 0u) << background;
    }
}

TEST(Output, AnUnwritableDirectoryFailsAtCloseAndLeavesNothing) {
    TemporaryDirectory dir;
    { std::ofstream(dir.file("plain")) << ""; }
    // A directory that is a regular file, and one that does not exist: no write
    // permission check is needed, so this holds when the tests run as root too.
    for (const std::string& path : {dir.file("plain/M_g_l.kvd"), dir.file("missing/M_g_l.pdf")}) {
        auto doc = startedDocument();
        drawSomething(*doc);
        doc->OutputToFile(u16(path));
        ASSERT_TRUE(waitUntilDone(*doc));
        EXPECT_TRUE(doc->Active()) << "a failed output still waits for CloseDocument";
        const auto [number, description] = closeFailure(*doc);
        EXPECT_EQ(number, kOutputFailed) << path;
        EXPECT_NE(description.find(path), std::string::npos) << description;
        EXPECT_FALSE(doc->Active());
    }
    EXPECT_EQ(dir.entries(), Names{"plain"});
}

// Writes a page to the path first, so that each failure after it must keep it.
std::string earlierPage(const std::string& path) {
    auto doc = startedDocument();
    drawSomething(*doc);
    writeTo(*doc, path);
    return contents(path);
}

TEST(Output, AFullDiskFailsAtCloseAndKeepsTheEarlierFileWhole) {
    TemporaryDirectory dir;
    const std::string path = dir.file("M_g_l.kvd");
    const std::string earlier = earlierPage(path);
    ASSERT_EQ(earlier.rfind("%PDF-", 0), 0u);

    auto doc = startedDocument();
    drawMuch(*doc);
    {
        const tellvane::test::FileSizeLimit limit(4096);
        doc->OutputToFile(u16(path));
        ASSERT_TRUE(waitUntilDone(*doc));
    }
    const auto [number, description] = closeFailure(*doc);
    EXPECT_EQ(number, kOutputFailed);
    EXPECT_NE(description.find("the disk is full or the file too large"), std::string::npos) << description;
    EXPECT_EQ(contents(path), earlier);
    EXPECT_EQ(dir.entries(), Names{"M_g_l.kvd"});
}

TEST(Output, CharactersTheFaceLacksFailAtCloseNamingThemAndWriteNothing) {
    const struct {
        std::u16string text;
        const char* named;
    } cases[] = {
        {u"水位 한", "U+D55C"},             // Hangul: not in a Japanese face
        {u"水位 \U0001F600", "U+01F600"},   // beyond the first plane
        {u"水位 \xD800", "broken UTF-16"},  // half a surrogate pair
    };
    for (const auto& c : cases) {
        TemporaryDirectory dir;
        const std::string path = dir.file("M_g_l.kvd");
        const std::string earlier = earlierPage(path);
        auto doc = startedDocument();
        drawSomething(*doc);
        doc->DrawText(100, 100, c.text, kZero, 5, 5, 0, 0, {}, {});
        doc->OutputToFile(u16(path));
        ASSERT_TRUE(waitUntilDone(*doc));
        const auto [number, description] = closeFailure(*doc);
        EXPECT_EQ(number, kOutputFailed) << c.named;
        EXPECT_NE(description.find(c.named), std::string::npos) << description;
        EXPECT_NE(description.find(path), std::string::npos) << description;
        EXPECT_EQ(contents(path), earlier);
        EXPECT_EQ(dir.entries(), Names{"M_g_l.kvd"});
    }
}

TEST(Output, AFolderThatVanishesMidWriteFailsAtCommitAndLeavesNothing) {
    TemporaryDirectory dir;
    const std::string folder = dir.file("out");
    std::filesystem::create_directory(folder);
    PageFile file(folder + "/M_g_l.kvd");
    file.write("%PDF-1.4 half a page");
    std::filesystem::remove_all(folder);
    EXPECT_EQ(errorOf([&] { file.commit(); }), kOutputFailed);
    EXPECT_TRUE(dir.entries().empty());
}

TEST(Output, APageFileNotCommittedLeavesNothingAndKeepsTheEarlierFile) {
    TemporaryDirectory dir;
    const std::string path = dir.file("page.pdf");
    { std::ofstream(path) << "earlier"; }
    {
        PageFile file(path);
        file.write("half");
    }
    EXPECT_EQ(contents(path), "earlier");
    EXPECT_EQ(dir.entries(), Names{"page.pdf"});
}

TEST(Output, AWriteKilledPartWayLeavesNoPartOfAFile) {
    TemporaryDirectory dir;
    const std::string path = dir.file("M_g_l.kvd");
    const std::string earlier = earlierPage(path);
    std::string written;
    {
        auto doc = startedDocument();
        drawMuch(*doc);
        writeTo(*doc, dir.file("whole.pdf"));
        written = contents(dir.file("whole.pdf"));
        std::filesystem::remove(dir.file("whole.pdf"));
    }
    // Killed at moments spread over a write: before it, inside it, after it. The
    // page is written in small pieces so that most moments fall inside.
    for (int delayUs = 0; delayUs <= 30000; delayUs += 1500) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            try {
                PageFile file(path);
                for (std::size_t at = 0; at < written.size(); at += 256)
                    file.write(std::string_view(written).substr(at, 256));
                file.commit();
            } catch (...) {
                _exit(1);
            }
            _exit(0);
        }
        usleep(static_cast<useconds_t>(delayUs));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const std::string now = contents(path);
        EXPECT_TRUE(now == earlier || now == written) << "after " << delayUs << " us: " << now.size() << " bytes";
        // Only in the instant between naming the finished file and renaming it can
        // a killed writer leave it under its temporary name, and then whole.
        for (const std::string& name : dir.entries()) {
            if (name == "M_g_l.kvd") continue;
            EXPECT_EQ(contents(dir.file(name)), written) << name << " after " << delayUs << " us";
            std::filesystem::remove(dir.file(name));
        }
        if (now == written) {
            std::ofstream(path, std::ios::binary) << earlier;
        }
    }
}

TEST(Output, ARenderingFaultIsReportedAndWritesNothing) {
    TemporaryDirectory dir;
    OutputJob job([]() { throw std::runtime_error("no glyphs"); }, true, {});
    const auto failure = job.wait();
    EXPECT_TRUE(job.done());
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->number(), kOutputFailed);
    EXPECT_EQ(failure->description(), "no glyphs");
    EXPECT_TRUE(dir.entries().empty());
}

TEST(Output, AReleasedDocumentStillFinishesItsFile) {
    TemporaryDirectory dir;
    const std::string path = dir.file("page.pdf");
    {
        auto doc = startedDocument();
        drawSomething(*doc);
        doc->OutputToFile(u16(path));
    }
    const std::string pdf = contents(path);
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_EQ(pdf.substr(pdf.size() - 6), "%%EOF\n");
}

}  // namespace
}  // namespace tellvane::pagewriter::test
