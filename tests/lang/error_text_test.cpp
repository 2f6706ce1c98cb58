// The game's errors in English, with the file's name and the system's reason;
// in Japanese the game's own text, whose bytes do not change.
#include "lang/error_text.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>

#include "banzuke/procedures.h"
#include "shipped_folder.h"
#include "state/encoding.h"
#include "state/roster.h"
#include "state/shift_jis_literal.h"
#include "state/strings.h"
#include "state/text_file.h"
#include "support/game_folder.h"

namespace kelmar {
namespace {

std::string Reason(int err) {
    return std::strerror(err);
}

TEST(ErrorText, EachErrorInEnglishAndItsJapaneseBytesKept) {
    const struct {
        const char* rule;
        std::function<void()> raise;
        std::string japanese;  // the game's bytes
        std::string english;
    } cases[] = {
        {"a text that is no integer", [] { StrToInt("x5"); }, sj<"'x5' は整数ではありません">,
         "'x5' is not an integer"},
        {"a file that is not there, with its name and the system's reason",
         [] { ReadWholeFile("/nonexistent/Wrestler.txt"); }, sj<"ﾌｧｲﾙが見つかりません">,
         "/nonexistent/Wrestler.txt: File not found (" + Reason(ENOENT) + ")"},
        {"a folder read as a file", [] { ReadWholeFile("/"); }, sj<"ﾌｧｲﾙへのｱｸｾｽが拒否されました">,
         "/: File access denied (" + Reason(EISDIR) + ")"},
        {"a score of the top ten that is no number",
         [] { TextReader("Rank.txt").ReadIntegerLine(); }, sj<"入力値が数値ではありません">,
         "Rank.txt: Invalid numeric format"},
        {"a code of no reason of its own", [] { throw InOutError(1117); }, sj<"I/O ｴﾗｰ (1117)">,
         "I/O error 1117"},
        {"a picture", [] { throw PictureError(sj<"力士.bmp">, "/g/力士.bmp", ENOENT); },
         sj<"ﾌｧｲﾙ 力士.bmp は開けません">, "Cannot open file /g/力士.bmp (" + Reason(ENOENT) + ")"},
        {"the saved game", [] { throw IniWriteError("/g/Kelmar.ini"); },
         sj<"/g/Kelmar.ini に書き込めません">, "Cannot write to /g/Kelmar.ini"},
        {"a figure the sheet has no cell for",
         [] {
             GameState s = testing::LeagueOfShippedNames();
             s.W[1] = 16;
             ChartRowOf(s, 1);
         },
         sj<"力士.bmp には勝ち数 16 の絵がありません">, "力士.bmp has no picture for the wins 16"},
        {"a portrait number", [] { ThrowNoPortraitCell(0); },
         sj<"力士.bmp には四股名の番号 0 の絵がありません">,
         "力士.bmp has no picture for the shikona number 0"},
        {"a line of the roster, and why",
         [] {
             testing::GameFolder folder;
             folder.Write(kRosterFile, testing::RosterText(sj<"剛嶽001">, "42131231523"));
             GameState s;
             LoadRoster(s);
         },
         sj<"Wrestler.txt の 1 行目: 四股名 剛嶽00 の絵の番号 0 は 1 より小さいです">,
         "Wrestler.txt, line 1: the portrait number 0 of the shikona 剛嶽00 is below 1"},
        {"a sum out of range",
         [] {
             throw RangeError(MessageWords{
                 wd<"{name} の値 {value} に {delta} を足すと範囲外です">,
                 {{"name", "W[1]", {}, {}}, {"value", "7", {}, {}}, {"delta", "2", {}, {}}}});
         },
         sj<"W[1] の値 7 に 2 を足すと範囲外です">, "W[1] is 7: adding 2 takes it out of range"},
        {"a whole text of the game",
         [] { throw GameError(wd<"場所の最中に次の場所は始められません">); },
         sj<"場所の最中に次の場所は始められません">,
         "The next basho cannot start while a basho is running"},
        {"a text of its own, as an older error carries it",
         [] { throw GameError(sj<"対戦中はゲームを再開できません">); },
         sj<"対戦中はゲームを再開できません">, "A saved game cannot be resumed during a bout"},
        {"a text of its own the catalogue lacks stays Japanese",
         [] { throw GameError(sj<"未知のエラー">); }, sj<"未知のエラー">, "未知のエラー"},
    };
    testing::GameFolder folder;
    folder.CopyAllData();
    folder.Write("Rank.txt", "12x\r\n");
    for (const auto& c : cases) {
        try {
            c.raise();
            ADD_FAILURE() << c.rule << ": no error";
        } catch (const GameError& e) {
            EXPECT_EQ(e.what(), c.japanese) << c.rule;
            EXPECT_EQ(ErrorText(Language::Japanese, e), ShiftJisToUtf8(c.japanese)) << c.rule;
            EXPECT_EQ(ErrorText(Language::English, e), c.english) << c.rule;
        }
    }
}

TEST(ErrorText, AnErrorThatIsNoGameErrorShowsItsOwnText) {
    EXPECT_EQ(ErrorText(Language::English, std::runtime_error("disk on fire")), "disk on fire");
    EXPECT_EQ(ErrorText(Language::Japanese, std::runtime_error("disk on fire")), "disk on fire");
}

TEST(ErrorText, InOutErrorsKeepTheirFileAndErrno) {
    const InOutError e = InOutError::FromErrno(ENOSPC, "/g/Kelmar.ini");
    EXPECT_EQ(e.code(), 101);
    EXPECT_EQ(e.file(), "/g/Kelmar.ini");
    EXPECT_EQ(e.systemError(), ENOSPC);
    EXPECT_STREQ(e.what(), sj<"ﾃﾞｨｽｸがいっぱいです">);
    const InOutError bare(2);
    EXPECT_EQ(bare.file(), "");
    EXPECT_EQ(ErrorText(Language::English, bare), "File not found");
}

}  // namespace
}  // namespace kelmar
