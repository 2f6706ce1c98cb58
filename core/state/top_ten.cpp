#include "state/top_ten.h"

#include "state/strings.h"
#include "state/text_file.h"
#include "state/wording.h"

namespace kelmar {

namespace {
constexpr const char* kTopTenFile = "Rank.txt";
}

void LoadTopTen(GameState& s) {
    TextReader file(GameFolderPath(kTopTenFile));
    LoadTopTenFrom(s, file);
}

void LoadTopTenFrom(GameState& s, TextReader& file) {
    for (int r = 1; r <= kPlaces; ++r) {
        s.TopTenNames[r] = file.ReadLine();
        s.TopTenScores[r] = file.ReadIntegerLine();
    }
}

void EnterTopTen(GameState& s, Frontend& frontend) {
    if (s.MyP <= s.TopTenScores[kPlaces])
        return;
    const std::string name =
        frontend.AskName(wd<"おめでとう">.japanese, wd<"名前は？">.japanese, "Unknown")
            .value_or("Unknown");
    int p = 1;
    while (s.TopTenScores[p] >= s.MyP) ++p;  // equal scores stay ahead
    for (int r = kPlaces; r > p; --r) {
        s.TopTenScores[r] = s.TopTenScores[r - 1];
        s.TopTenNames[r] = s.TopTenNames[r - 1];
    }
    s.TopTenScores[p] = s.MyP;
    s.TopTenNames[p] = name;
}

// The file is replaced whole: a failed write leaves the old table as it was.
void SaveTopTen(const GameState& s) {
    WriteFileAtomically(GameFolderPath(kTopTenFile), TopTenBytes(s));
}

std::string TopTenBytes(const GameState& s) {
    TextWriter file;
    for (int r = 1; r <= kPlaces; ++r) {
        file.WriteLine(s.TopTenNames[r]);
        file.WriteLine(IntToStr(s.TopTenScores[r]));
    }
    return file.bytes();
}

}  // namespace kelmar
