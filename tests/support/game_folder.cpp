#include "support/game_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "state/shift_jis_literal.h"

namespace kelmar::testing {

namespace fs = std::filesystem;

GameFolder::GameFolder() {
    std::string pattern = (fs::temp_directory_path() / "kelmar-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
    previous_ = fs::current_path().string();
    fs::current_path(path_);
}

GameFolder::~GameFolder() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

void GameFolder::Write(std::string_view name, std::string_view bytes) const {
    std::ofstream out(fs::path(path_) / name, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write test file");
}

void GameFolder::CopyData(std::string_view name) const {
    fs::copy_file(fs::path(KELMAR_DATA_DIR) / fs::u8path(name), fs::path(path_) / fs::u8path(name),
                  fs::copy_options::overwrite_existing);
}

void GameFolder::CopyAllData() const {
    for (const auto& entry : fs::directory_iterator(KELMAR_DATA_DIR))
        if (entry.is_regular_file())
            fs::copy_file(entry.path(), fs::path(path_) / entry.path().filename(),
                          fs::copy_options::overwrite_existing);
}

std::string GameFolder::Read(std::string_view name) const {
    std::ifstream in(fs::path(path_) / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string CrLf(std::initializer_list<std::string_view> lines) {
    std::string out;
    for (auto line : lines) {
        out.append(line);
        out.append("\r\n");
    }
    return out;
}

std::string RosterText(std::string_view firstName, std::string_view firstFigures, int records) {
    std::string out;
    for (int i = 1; i <= records; ++i) {
        out += (i == 1 ? std::string(firstName) : sj<"力士"> + std::to_string(10 + i) + "5");
        out += "\r\n";
        out += (i == 1 ? std::string(firstFigures) : "05000025127");
        out += "\r\n";
    }
    return out;
}

}  // namespace kelmar::testing
