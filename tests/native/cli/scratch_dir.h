// A fresh directory per test, removed afterwards, with small file helpers.
#pragma once

#include <filesystem>
#include <set>
#include <string>

class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    std::string path(const std::string& name) const;
    const std::string& dir() const { return dir_; }
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;
    std::set<std::string> names() const { return namesIn(dir_); }
    static std::set<std::string> namesIn(const std::string& dir);

private:
    std::string dir_;
};
