#include "sim/sim_process.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace kelmar::testing {

namespace fs = std::filesystem;

namespace {

std::string Quoted(const std::string& arg) {
    std::string q = "'";
    for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace

SimResult RunSim(const std::vector<std::string>& args) {
    std::string dir = (fs::temp_directory_path() / "kelmar-sim-out-XXXXXX").string();
    if (::mkdtemp(dir.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    std::string command = Quoted(KELMAR_SIM_PROGRAM);
    for (const std::string& arg : args) command += " " + Quoted(arg);
    command += " >" + Quoted(dir + "/out") + " 2>" + Quoted(dir + "/err");

    SimResult result;
    const int status = std::system(command.c_str());
    if (status != -1 && WIFEXITED(status))
        result.status = WEXITSTATUS(status);
    result.out = ReadFile(fs::path(dir) / "out");
    result.err = ReadFile(fs::path(dir) / "err");
    fs::remove_all(dir);
    return result;
}

uint64_t Signature(const std::string& bytes) {
    uint64_t h = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

}  // namespace kelmar::testing
