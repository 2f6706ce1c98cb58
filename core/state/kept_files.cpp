#include "state/kept_files.h"

namespace kelmar {

TextReader KeptFiles::Open(const std::string& path) {
    for (const auto& [name, bytes] : files_)
        if (name == path)
            return TextReader::FromBytes(bytes);
    std::string bytes = ReadWholeFile(path);
    return TextReader::FromBytes(files_.emplace_back(path, std::move(bytes)).second);
}

void KeptFiles::LoadRoster(GameState& state) {
    if (roster_) {
        SeedRoster(*roster_, state);
        return;
    }
    TextReader file = Open(kRosterFile);
    LoadRosterFrom(state, file);
    roster_ = std::make_unique<GameState>();
    SeedRoster(state, *roster_);
}

void KeptFiles::LoadMatchTable(GameState& state) {
    if (match_) {
        state.Match = *match_;
        return;
    }
    TextReader file = Open(kMatchFile);
    LoadMatchTableFrom(state, file);
    match_ = state.Match;
}

std::vector<std::string> KeptFiles::LoadJuryoNames(GameState& state) {
    TextReader file = Open(kJuryoFile);
    return LoadJuryoNamesFrom(state, file);
}

}  // namespace kelmar
