#include "state/text_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "state/errors.h"
#include "state/shift_jis_literal.h"
#include "support/game_folder.h"

namespace kelmar {
namespace {

using testing::GameFolder;

TEST(TextReader, LineEndsAtCarriageReturnOnly) {
    auto r = TextReader::FromBytes("one\r\ntwo\rthree\nstill three\r\n\r\nsix");
    EXPECT_EQ(r.ReadLine(), "one");
    EXPECT_EQ(r.ReadLine(), "two");
    EXPECT_EQ(r.ReadLine(), "three\nstill three");
    EXPECT_EQ(r.ReadLine(), "");
    EXPECT_EQ(r.ReadLine(), "six");
    EXPECT_TRUE(r.AtEnd());
    EXPECT_EQ(r.ReadLine(), "");  // past the end: empty lines, no error
    EXPECT_EQ(r.ReadLine(), "");
}

TEST(TextReader, OnlyOneLineFeedBelongsToTheLineEnd) {
    auto r = TextReader::FromBytes("a\r\n\nb\r\r\nc");
    EXPECT_EQ(r.ReadLine(), "a");
    EXPECT_EQ(r.ReadLine(), "\nb");
    EXPECT_EQ(r.ReadLine(), "");
    EXPECT_EQ(r.ReadLine(), "c");
}

TEST(TextReader, ByteTwentySixEndsTheFile) {
    auto r =
        TextReader::FromBytes(std::string("a\r\nb\x1A"
                                          "c\r\nd\r\n",
                                          11));
    EXPECT_EQ(r.ReadLine(), "a");
    EXPECT_EQ(r.ReadLine(), "b");
    EXPECT_EQ(r.ReadLine(), "");
    EXPECT_TRUE(r.AtEnd());
}

TEST(TextReader, LinefeedOnlyFileIsOneLongLine) {
    auto r = TextReader::FromBytes("x\ny\nz\n");
    EXPECT_EQ(r.ReadLine(), "x\ny\nz\n");
    EXPECT_EQ(r.ReadLine(), "");
}

TEST(TextReader, ReadsALineOfSeveralMegabytes) {
    GameFolder folder;
    const std::string big(6 * 1024 * 1024, 'k');
    folder.Write("big.txt", big + "\r\nnext\r\n");
    TextReader r(folder.path() + "/big.txt");
    EXPECT_EQ(r.ReadLine(), big);
    EXPECT_EQ(r.ReadLine(), "next");
}

TEST(TextReader, IntegerLinesAsTheTopTenStoresThem) {
    auto r = TextReader::FromBytes("  \r\n 1234 rest of line\r\nname\r\n-5\r\n$1F\r\n");
    EXPECT_EQ(r.ReadIntegerLine(), 1234);
    EXPECT_EQ(r.ReadLine(), "name");
    EXPECT_EQ(r.ReadIntegerLine(), -5);
    EXPECT_EQ(r.ReadIntegerLine(), 31);
    EXPECT_EQ(r.ReadIntegerLine(), 0);  // the end of the file gives 0

    auto bad = TextReader::FromBytes("12x\r\n");
    try {
        bad.ReadIntegerLine();
        ADD_FAILURE();
    } catch (const InOutError& e) {
        EXPECT_EQ(e.code(), 106);
    }
    // At most 32 bytes are taken: a longer run of digits is cut there.
    auto longer = TextReader::FromBytes(std::string(40, '0') + "\r\n7\r\n");
    EXPECT_EQ(longer.ReadIntegerLine(), 0);
    EXPECT_EQ(longer.ReadIntegerLine(), 7);
}

TEST(TextReader, MissingFileAndDirectory) {
    GameFolder folder;
    try {
        TextReader r("nothing-here.txt");
        ADD_FAILURE();
    } catch (const InOutError& e) {
        EXPECT_EQ(e.code(), 2);
        EXPECT_STREQ(e.what(), sj<"ﾌｧｲﾙが見つかりません">);
    }
    ::mkdir("adir", 0755);
    try {
        TextReader r("adir");
        ADD_FAILURE();
    } catch (const InOutError& e) {
        EXPECT_EQ(e.code(), 5);
    }
}

TEST(TextWriter, EndsEveryLineWithCrLf) {
    TextWriter w;
    w.WriteLine(sj<"名前">);
    w.WriteLine("");
    w.WriteLine("12");
    EXPECT_EQ(w.bytes(), sj<"名前\r\n\r\n12\r\n">);
}

TEST(WriteFileAtomically, ReplacesWholeAndLeavesNoTemporaryFile) {
    GameFolder folder;
    folder.Write("f.txt", "old\r\n");
    WriteFileAtomically(folder.path() + "/f.txt", "new\r\n");
    EXPECT_EQ(folder.Read("f.txt"), "new\r\n");
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(folder.path()))
        files += !!e.is_regular_file();
    EXPECT_EQ(files, 1);
}

// A write that fails half-way (here the file size limit, which holds for root
// too) leaves the old file whole and no temporary file behind.
TEST(WriteFileAtomically, FailureKeepsTheOldFile) {
    GameFolder folder;
    folder.Write("f.txt", "old contents\r\n");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{4, 4};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        try {
            WriteFileAtomically(folder.path() + "/f.txt", std::string(4096, 'n'));
        } catch (const InOutError& e) {
            ::_exit(e.code() == 101 ? 0 : 2);
        }
        ::_exit(1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(folder.Read("f.txt"), "old contents\r\n");
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(folder.path()))
        files += !!e.is_regular_file();
    EXPECT_EQ(files, 1);
}

TEST(GameFolderPath, AppendsOneSeparator) {
    GameFolder folder;
    EXPECT_EQ(GameFolderPath("Rank.txt"), std::filesystem::current_path().string() + "/Rank.txt");
    const std::string previous = std::filesystem::current_path().string();
    ::chdir("/");
    EXPECT_EQ(GameFolderPath("a.bmp"), "/a.bmp");  // a root already ends in one
    ::chdir(previous.c_str());
}

}  // namespace
}  // namespace kelmar
