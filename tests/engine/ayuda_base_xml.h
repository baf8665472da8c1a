#pragma once
// Shared by the tests that write files.
#include <unistd.h>

#include <filesystem>
#include <string>

// A scratch folder, emptied when made and removed when done.
class CarpetaTemporal {
public:
    explicit CarpetaTemporal(const std::string& nombre)
        : ruta_(std::filesystem::temp_directory_path() / ("vortesalin_" + nombre + "_" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(ruta_);
        std::filesystem::create_directories(ruta_);
    }
    ~CarpetaTemporal() { std::filesystem::remove_all(ruta_); }
    std::string operator/(const std::string& nombre) const { return (ruta_ / nombre).string(); }
    const std::filesystem::path ruta_;
};
