// Test texts are written in UTF-8 and compared in the code page the document holds.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include <unistd.h>

#include "common/cp1250.h"

namespace vek::editor::test {

inline std::string C(std::string_view utf8) {
    return utf8ToCp1250(utf8).value();
}

// A fresh directory for the files of one test.
inline std::filesystem::path tempDir(std::string_view name) {
    auto dir = std::filesystem::temp_directory_path() /
               ("mirela_test_" + std::string(name) + "_" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

}  // namespace vek::editor::test
