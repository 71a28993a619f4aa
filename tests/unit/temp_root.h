// A fresh emulated root directory for one test, removed afterwards.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

class TempRoot {
public:
    TempRoot()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "ixo-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempRoot() { std::filesystem::remove_all(path_); }
    TempRoot(const TempRoot &) = delete;
    TempRoot &operator=(const TempRoot &) = delete;

    const std::string &path() const { return path_; }
    // Creates an empty file (and its directories) under the root.
    void touch(const std::string &relative) const;
    void mkdir(const std::string &relative) const { std::filesystem::create_directories(path_ + relative); }

private:
    std::string path_;
};
