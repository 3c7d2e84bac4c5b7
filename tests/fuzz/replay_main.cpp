// Runs every file of the given folders (or the given files) through the fuzz
// target once, so the committed corpus is an ordinary regression test.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::set<fs::path> inputs; // in order
    for (int index = 1; index < argc; ++index) {
        if (fs::is_directory(argv[index])) {
            for (const auto& entry : fs::directory_iterator(argv[index]))
                inputs.insert(entry.path());
        } else {
            inputs.insert(argv[index]);
        }
    }
    for (const fs::path& input : inputs) {
        std::ifstream stream(input, std::ios::binary);
        if (!stream) {
            std::fprintf(stderr, "cannot read %s\n", input.c_str());
            return 2;
        }
        const std::string bytes((std::istreambuf_iterator<char>(stream)),
                                std::istreambuf_iterator<char>());
        std::fprintf(stderr, "replaying %s (%zu bytes)\n", input.c_str(), bytes.size());
        // data() of a string is never null, not even for an empty input.
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("replayed %zu inputs\n", inputs.size());
    return inputs.empty() ? 2 : 0;
}
