#include "sim/sim_lines.h"

#include <gtest/gtest.h>

#include <sstream>

#include "state/encoding.h"

namespace kelmar::testing {

const std::vector<std::string> kSlotKeys = {"name", "stage", "saiko", "age",  "pw", "sp",
                                            "tc",   "e",     "lb",    "l",    "w",  "pnt",
                                            "zaii", "yusyo", "twin",  "tlose"};

std::vector<std::string> Lines(const std::string& out) {
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<Json> ParsedLines(const std::string& out) {
    std::vector<Json> lines;
    for (const std::string& line : Lines(out)) lines.push_back(Json::parse(line));
    return lines;
}

void ExpectSavedValuesOfLine(const Json& line, const GameState& s) {
    for (int i = 1; i <= kSlots; ++i) {
        const Json& slot = line["slots"][static_cast<size_t>(i - 1)];
        EXPECT_EQ(slot["name"], ShiftJisToUtf8(s.NameOfWres[i])) << i;
        EXPECT_EQ(slot["stage"], ShiftJisToUtf8(s.Stage[i])) << i;
        EXPECT_EQ(slot["saiko"], ShiftJisToUtf8(s.Saiko[i])) << i;
        const int32_t values[] = {s.Age[i],   s.Pw[i],   s.Sp[i],   s.Tc[i],  s.E[i],
                                  s.LB[i],    s.L[i],    s.W[i],    s.Pnt[i], s.Zaii[i],
                                  s.Yusyo[i], s.Twin[i], s.Tlose[i]};
        for (size_t k = 0; k < std::size(values); ++k)
            EXPECT_EQ(slot[kSlotKeys[k + 3]], values[k]) << kSlotKeys[k + 3] << " of slot " << i;
    }
    for (int k = 1; k <= kJuryo; ++k)
        EXPECT_EQ(line["juryo"][static_cast<size_t>(k - 1)], ShiftJisToUtf8(s.Juryo[k])) << k;
    EXPECT_EQ(line["nengo"], s.Nengo);
    EXPECT_EQ(line["basyo6"], s.Basyo6);
    EXPECT_EQ(line["day"], s.Torikumiday);
    EXPECT_EQ(line["myp"], s.MyP);
    EXPECT_EQ(line["lastwin"], s.LastWin);
    EXPECT_EQ(line["omake"], s.Omake);
}

}  // namespace kelmar::testing
