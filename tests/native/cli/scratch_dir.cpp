#include "scratch_dir.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#include <stdlib.h>

ScratchDir::ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "varnotel-cli-test-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    dir_ = buffer.data();
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

std::string ScratchDir::path(const std::string& name) const {
    return dir_ + "/" + name;
}

void ScratchDir::write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path(name), std::ios::binary) << bytes;
}

std::string ScratchDir::read(const std::string& name) const {
    std::ifstream in(path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::set<std::string> ScratchDir::namesIn(const std::string& dir) {
    std::set<std::string> result;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        result.insert(entry.path().filename().string());
    }
    return result;
}
