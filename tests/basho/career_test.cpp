#include <gtest/gtest.h>

#include "basho/new_career.h"
#include "basho/procedures.h"
#include "state/shift_jis_literal.h"
#include "state/strings.h"
#include "support/fixed_clock.h"
#include "support/game_error.h"
#include "support/game_folder.h"
#include "support/scripted_frontend.h"
#include "support/shipped_league.h"

namespace kelmar {
namespace {

using testing::FixedClock;
using testing::GameFolder;
using testing::ScriptedFrontend;

TEST(Career, TwoWholeCareersRunHeadless) {
    GameFolder folder;
    folder.CopyAllData();
    GameState s;
    ScriptedFrontend fe(s);
    FixedClock clock(4321);

    NewGame(s);
    PickJuryo(s, 3, clock);
    EXPECT_EQ(s.NameOfWres[32], s.Juryo[3]);
    EXPECT_EQ(s.Pw[32] + s.Sp[32] + s.Tc[32], 10);
    int basho = 0;
    for (; fe.careerReports.empty() && basho < 2000; ++basho) ConfirmCareer(s, fe, clock);
    ASSERT_EQ(fe.careerReports.size(), 1u) << "no retirement in 2000 basho";
    EXPECT_EQ(fe.careerReports[0].Label1, sj<"力尽きて引退です｡">);
    EXPECT_EQ(fe.Count("ShowNewspaper"), basho - 1);
    EXPECT_EQ(fe.Count("ShowDailyChart"), 15 * (basho - 1));
    EXPECT_EQ(fe.Count("BashoEnds"), basho - 1);
    EXPECT_EQ(s.Basyo6, 0);
    EXPECT_EQ(s.Nengo, 2020);
    EXPECT_EQ(s.PlayerRetired, 0);
    EXPECT_EQ(fe.Count("CareerEnds"), 1);
    EXPECT_EQ(folder.Read("Rank.txt").empty(), false);

    // The second career: what the new career carries over holds. The roster
    // gives no championships: its rikishi keep those their slots hold.
    for (int j = 1; j <= kRosterSlots; ++j) s.Yusyo[j] = j;
    GameState before = s;
    NewGame(s);
    EXPECT_EQ(s.RosterLoaded, 0);
    EXPECT_EQ(s.MyP, 0);
    PickJuryo(s, 1, clock);
    s.QuitRequested = 0;
    fe.calls.clear();
    // Stop the first basho right after its newspaper to look at the set-up.
    ConfirmCareer(s, fe, clock);
    // Championships stay with their rikishi through the sort, the new player
    // starts with none, and the basho never fought crowns one more.
    for (int i = 1; i <= kSlots; ++i) {
        int32_t expected = i == s.LastWin ? 1 : 0;
        for (int j = 1; j <= kRosterSlots; ++j)
            if (!s.IsPlayerSlot(i) && before.NameOfWres[j] == s.NameOfWres[i])
                expected += before.Yusyo[j];
        EXPECT_EQ(s.Yusyo[i], expected) << "slot " << i;
    }
    int yusyoBefore = 0, yusyoAfter = 0;
    for (int i = 1; i <= kSlots; ++i) yusyoBefore += before.Yusyo[i], yusyoAfter += s.Yusyo[i];
    EXPECT_GE(yusyoAfter, yusyoBefore) << "Yusyo of the roster slots is not reset";
    EXPECT_EQ(s.Nengo, 2020);
    EXPECT_EQ(s.Basyo6, 1);
    int players = 0;
    for (int i = 1; i <= kSlots; ++i) players += s.IsPlayerSlot(i);
    EXPECT_EQ(players, 1);
    EXPECT_EQ(s.Torikumiday, 15);
}

TEST(Career, FirstBashoOfACareerCrownsSlotOneAndTunesTheTerms) {
    GameFolder folder;
    folder.CopyAllData();
    GameState s;
    ScriptedFrontend fe(s);
    FixedClock clock(1);
    NewGame(s);
    PickJuryo(s, 1, clock);
    ConfirmCareer(s, fe, clock);
    ASSERT_FALSE(fe.pages.empty());
    EXPECT_NE(fe.pages[0].find(sj<"先場所優勝力士、">), std::string::npos);
    EXPECT_EQ(s.UnderdogBonus, 6);
    EXPECT_EQ(s.LeaderPenalty, 16);
    EXPECT_EQ(fe.calls[1], sj<"DayBegins 3月場所1日目">);
    int wins = 0;
    for (int i = 1; i <= kSlots; ++i) wins += s.W[i];
    EXPECT_EQ(wins, 16 * 15);
}

TEST(Day, OrderOfCallsLampsAndFilms) {
    GameFolder folder;
    folder.CopyAllData();
    GameState s;
    ScriptedFrontend fe(s);
    FixedClock clock(77);
    NewGame(s);
    PickJuryo(s, 2, clock);
    s.QuitRequested = 0;
    // Play one basho, then look at one day.
    ConfirmCareer(s, fe, clock);
    fe.calls.clear();
    fe.filmed = 0;
    s.Torikumiday = 3;
    PlayDay(s, fe);
    ASSERT_EQ(fe.calls.size(), 2u + 2 * 16 + 1);
    EXPECT_EQ(fe.calls.front(), sj<"DayBegins 3月場所3日目">);
    EXPECT_EQ(fe.calls.back(), "DayEnds");
    // Each bout begins, asks the player's tactic inside his bout only, and is fought.
    size_t at = 1;
    for (int bout = 1; bout <= 16; ++bout) {
        const std::string column = IntToStr(bout) + " ";
        EXPECT_EQ(fe.calls[at++].rfind("BoutBegins " + column, 0), 0u) << bout;
        const bool players = fe.calls[at - 1].find('*') != std::string::npos;
        if (players) {
            EXPECT_EQ(fe.calls[at++].rfind("AskTactic ", 0), 0u) << bout;
        }
        EXPECT_EQ(fe.calls[at++].rfind("BoutFought " + column, 0), 0u) << bout;
    }
    EXPECT_EQ(fe.filmed, 1) << "without the switch only the player's bout is filmed";

    fe.filmed = 0;
    s.AnimationSwitch = true;
    PlayDay(s, fe);
    EXPECT_EQ(fe.filmed, 16);
}

TEST(Day, QuitDuringAFilmEndsTheDayAfterThatBout) {
    GameFolder folder;
    folder.CopyAllData();
    GameState s;
    ScriptedFrontend fe(s);
    FixedClock clock(77);
    NewGame(s);
    PickJuryo(s, 2, clock);
    s.AnimationSwitch = true;
    int films = 0;
    fe.onFilmTick = [&](int tick) {
        if (tick == 1 && ++films == 3)
            s.QuitRequested = 1;
    };
    ConfirmCareer(s, fe, clock);
    EXPECT_EQ(fe.filmed, 3);
    EXPECT_EQ(fe.Count("BoutFought"), 3) << "bout 3 is complete";
    EXPECT_EQ(fe.Count("DayEnds"), 0);
    EXPECT_EQ(fe.Count("DayBegins"), 1) << "no other day is played";
    EXPECT_EQ(fe.Count("ShowDailyChart"), 0);
    int bouts = 0;
    for (int i = 1; i <= kSlots; ++i) bouts += s.Twin[i];
    EXPECT_EQ(bouts, 3);
    // The score still runs as the program closes, unless the player had no
    // bout yet: then its division by zero ends the call silently.
    int player = 0;
    for (int i = 1; i <= kSlots; ++i)
        if (s.IsPlayerSlot(i))
            player = i;
    const bool fought = s.Twin[player] + s.Tlose[player] > 0;
    EXPECT_EQ(fe.Count("BashoEnds"), fought ? 1 : 0);
}

TEST(Day, PauseDuringAFilmHoldsTheNextBout) {
    GameFolder folder;
    folder.CopyAllData();
    GameState s;
    ScriptedFrontend fe(s);
    FixedClock clock(77);
    NewGame(s);
    PickJuryo(s, 2, clock);
    s.AnimationSwitch = true;
    int films = 0;
    fe.onFilmTick = [&](int tick) {
        if (tick == 3 && ++films == 7)
            s.Paused = 1;
        if (s.Paused && tick == 10)
            s.Paused = 0;  // pressed again later
    };
    fe.onPause = [&] { FAIL() << "the film ended the pause itself"; };
    ConfirmCareer(s, fe, clock);
    EXPECT_EQ(fe.Count("Paused"), 0);
    EXPECT_EQ(fe.Count("DayEnds"), 15);
}

TEST(Driver, ScoreRoundsHalvesToEven) {
    struct Case {
        const char* saiko;
        int32_t zaii, yusyo, twin, tlose, score;
    } cases[] = {
        {"2", 25, 3, 200, 175, 500 + 2500 + 600 + 267},
        {"6", 0, 0, 1, 7, 62},
        {"6", 0, 0, 3, 5, 188},
        {"1", 1, 0, 1, 0, 1000 + 100 + 500},
    };
    for (const auto& c : cases) {
        GameState s;
        s.PlayerIndex = 7;
        s.Saiko[7] = c.saiko, s.Zaii[7] = c.zaii, s.Yusyo[7] = c.yusyo;
        s.Twin[7] = c.twin, s.Tlose[7] = c.tlose;
        ASSERT_TRUE(ScorePlayer(s));
        EXPECT_EQ(s.MyP, c.score) << c.twin << "/" << c.tlose;
    }
    GameState none;
    none.PlayerIndex = 1;
    none.MyP = 55;
    EXPECT_FALSE(ScorePlayer(none));
    EXPECT_EQ(none.MyP, 55);
}

// Day 3 of the May basho pairs slot 2i-1 with 2i; slot s carries portrait 40 - s.
TEST(Day, CardOfTheDay) {
    GameState s;
    s.Basyo6 = 2;
    s.Torikumiday = 3;
    for (int slot = 1; slot <= kSlots; ++slot) {
        s.Match[3] += (slot < 10 ? "0" : "") + IntToStr(slot);
        s.NameOfWres[slot] = "N" + std::string(slot > 30 ? "0" : "") + IntToStr(40 - slot);
    }
    const DayCard card = DayCardOf(s);
    EXPECT_EQ(DayCaption(card), sj<"5月場所3日目">);
    EXPECT_EQ(card.pairs[0].eastSlot, 1);
    EXPECT_EQ(card.pairs[0].westPortrait, 38);
    EXPECT_EQ(card.pairs[15].eastSlot, 31);
    EXPECT_EQ(card.pairs[15].westSlot, 32);
    EXPECT_EQ(card.pairs[15].westPortrait, 8);
}

TEST(Reports, OpponentAndCareerTexts) {
    GameState s;
    s.EastSlot = 3, s.WestSlot = 4;
    s.Age[4] = 122;  // the player is west: the opponent is east
    s.NameOfWres[3] = sj<"大嶺12">;
    s.Age[3] = 29, s.Saiko[3] = "3", s.W[3] = 5, s.Zaii[3] = 11;
    s.Pw[3] = 5, s.Sp[3] = 4, s.Tc[3] = 1;
    s.Torikumiday = 8;
    ReportLines r = ComposeOpponentReport(s);
    EXPECT_EQ(r.Label1, sj<"勝 敗：5勝2敗">);
    EXPECT_EQ(r.Label2, sj<"年齢  :29  最高位:関脇">);
    EXPECT_EQ(r.Label3, sj<"大嶺-幕内在位11場所">);
    EXPECT_EQ(r.Label4, "");
    s.Torikumiday = 7;
    EXPECT_EQ(ComposeOpponentReport(s).Label1, sj<"得意技:変化わざ">);
    s.Pw[3] = 3, s.Sp[3] = 3, s.Tc[3] = 4;
    EXPECT_EQ(ComposeOpponentReport(s).Label1, sj<"得意技:上手投げ">);
    s.Pw[3] = 4, s.Sp[3] = 3, s.Tc[3] = 3;
    EXPECT_EQ(ComposeOpponentReport(s).Label1, sj<"得意技:突き押し">);
    s.Pw[3] = 1, s.Sp[3] = 1, s.Tc[3] = 1;
    EXPECT_EQ(ComposeOpponentReport(s).Label1, sj<"得意技:">);
    s.Zaii[3] = 5, s.Twin[3] = 40, s.Tlose[3] = 35;
    r = ComposeOpponentReport(s);
    EXPECT_EQ(r.Label3, sj<"大嶺">);
    EXPECT_EQ(r.Label4, sj<"勝率  : 53%">);
    s.Yusyo[3] = 2;
    EXPECT_EQ(ComposeOpponentReport(s).Label4, sj<"優勝回数; 2  勝率  : 53%">);
    s.Zaii[3] = 1;
    EXPECT_EQ(ComposeOpponentReport(s).Label4, "") << "a newcomer's fourth line is empty";
    EXPECT_EQ(TacticAgeLine(TacticQuestionOf(s, 4)), sj<"年齢: 22歳">);

    GameState p;
    p.NameOfWres[9] = sj<"若鷹07">;
    p.Age[9] = 133, p.Saiko[9] = "5", p.Zaii[9] = 8, p.Twin[9] = 45, p.Tlose[9] = 60;
    r = ComposeCareerReport(p, 9);
    EXPECT_EQ(r.Label3, sj<"若鷹">);
    EXPECT_EQ(r.Label2, sj<"年齢  :33">);
    EXPECT_EQ(r.Label4, sj<"優勝回数; 0  勝率  : 43%">);
}

TEST(Day, BoutLabels) {
    GameState s;
    s.NameOfWres[1] = sj<"剛嶽01">, s.Stage[1] = "1";
    s.NameOfWres[2] = sj<"若楓32">, s.Stage[2] = "5", s.Age[2] = 121;
    s.NameOfWres[3] = "x07", s.Stage[3] = "7";
    const struct {
        int slot;
        std::string label;
        bool player;
    } cases[] = {{1, sj<"横綱剛嶽">, false}, {2, sj<"前頭若楓">, true}, {3, "x", false}};
    for (const auto& c : cases) {
        const BoutSide side = BoutSideOf(s, c.slot);
        EXPECT_EQ(side.Label(), c.label);
        EXPECT_EQ(side.player, c.player);
        EXPECT_EQ(side.slot, c.slot);
    }
}

// The simulator's player looks at no picture: no chart is built for him. A
// portrait without a figure on the sheet stops his basho at the start of the
// day all the same, with the game's refusal.
TEST(Career, AnUnwatchedPlayerGetsNoChartButTheSameRefusals) {
    struct Player : testing::NullFrontend {
        bool watched = true;
        int days = 0, figures = 0, charts = 0;
        bool Watched() const override { return watched; }
        void DayBegins(const DayCard& card) override {
            ++days;
            for (const CardPair& pair : card.pairs)
                figures += (pair.eastPortrait != 0) + (pair.westPortrait != 0);
        }
        void ShowDailyChart(const DailyChart&) override { ++charts; }
    };
    GameFolder folder;
    folder.CopyAllData();
    const GameState league = testing::ShippedLeagueAfterFirstBasho(5);
    GameState broken = league;
    for (int i = 1; i <= kSlots; ++i)
        if (!broken.IsPlayerSlot(i))
            broken.NameOfWres[i] = DisplayName(broken.NameOfWres[i]) + "99";  // no figure
    for (const bool watched : {true, false}) {
        SCOPED_TRACE(watched ? "watched" : "unwatched");
        FixedClock clock(5);
        GameState s = league;
        Player player;
        player.watched = watched;
        EXPECT_EQ(testing::GameErrorOf([&] { RunBasho(s, player, clock); }), "no error");
        EXPECT_EQ(player.days, kDays);
        EXPECT_EQ(player.figures, 2 * kBoutsADay * kDays);
        EXPECT_EQ(player.charts, watched ? kDays : 0);

        GameState t = broken;
        Player refused;
        refused.watched = watched;
        EXPECT_EQ(testing::GameErrorOf([&] { RunBasho(t, refused, clock); }),
                  sj<"力士.bmp には四股名の番号 99 の絵がありません">);
        EXPECT_EQ(refused.days, 0);
    }
}

// Nobody reads an unwatched player's name labels, but a rank code that is no
// number still stops the day at the bout whose label would show it.
TEST(Career, ABadRankCodeStopsAnUnwatchedDayAtTheSameBout) {
    struct Player : testing::NullFrontend {
        GameState* s = nullptr;
        bool watched = true;
        DayCard card;
        int begun = 0, fought = 0;
        bool Watched() const override { return watched; }
        void DayBegins(const DayCard& c) override { card = c; }
        void BoutBegins(const BoutStart&) override { ++begun; }
        void BoutFought(const BoutOutcome& outcome) override {
            // Spoil the west side of the fifth bout, once bout three is over.
            if (++fought == 3)
                s->Stage[card.pairs[4].westSlot] = "x";
            EXPECT_LE(outcome.column, 4);
        }
    };
    GameFolder folder;
    folder.CopyAllData();
    const GameState league = testing::ShippedLeagueAfterFirstBasho(5);
    for (const bool watched : {true, false}) {
        SCOPED_TRACE(watched ? "watched" : "unwatched");
        FixedClock clock(5);
        GameState s = league;
        Player player;
        player.s = &s;
        player.watched = watched;
        EXPECT_EQ(testing::GameErrorOf([&] { RunBasho(s, player, clock); }),
                  sj<"'x' は整数ではありません">);
        EXPECT_EQ(player.fought, 4);
        EXPECT_EQ(player.begun, watched ? 4 : 0);
    }
}

}  // namespace
}  // namespace kelmar
