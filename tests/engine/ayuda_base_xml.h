#pragma once
// Shared by the tests that write files and read tables of cases.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
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

// The bytes of a file.
inline std::string LeerTodo(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

// A field as written, but for \t, \r, \n and \xHH.
inline std::string SinEscapes(const std::string& campo) {
    std::string r;
    for (size_t i = 0; i < campo.size(); ++i) {
        if (campo[i] != '\\' || i + 1 == campo.size()) {
            r += campo[i];
        } else if (campo[++i] == 'x') {
            r += static_cast<char>(std::stoi(campo.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            r += campo[i] == 't' ? '\t' : campo[i] == 'r' ? '\r' : campo[i] == 'n' ? '\n' : campo[i];
        }
    }
    return r;
}
