// Replays saved inputs through a reader without libFuzzer, so the plain
// sanitizer build keeps every seed and every input that once crashed.
#include "Readers.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "Uso: fuzz_replay LETTORE CARTELLA...\n";
        return 2;
    }
    std::size_t inputs = 0;
    for (int i = 2; i < argc; ++i) {
        std::error_code ec;
        if (!std::filesystem::is_directory(argv[i], ec))
            continue;
        for (const auto& e : std::filesystem::directory_iterator(argv[i])) {
            if (!e.is_regular_file() || e.path().filename() == ".gitkeep")
                continue;
            std::ifstream in(e.path(), std::ios::binary);
            const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
            if (!varnelo::fuzz::feed(argv[1], reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                     bytes.size())) {
                std::cerr << "Lettore sconosciuto: " << argv[1] << '\n';
                return 2;
            }
            ++inputs;
        }
    }
    std::cout << inputs << " file letti da " << argv[1] << '\n';
    return inputs > 0 ? 0 : 1;
}
