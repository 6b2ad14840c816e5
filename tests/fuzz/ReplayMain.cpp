// Runs a fuzz target over files and folders of inputs (its seed corpus, or
// crash files), as the libFuzzer driver would, so that the corpus replays in
// every test run without clang.
#include "FuzzTarget.h"

#include <cstdio>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <vector>

extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int *argc, char ***argv);

namespace {

int replayFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return 0;
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size());
    return 1;
}

int replay(const std::string &path)
{
    struct stat st{};
    if (stat(path.c_str(), &st) != 0) {
        std::fprintf(stderr, "missing: %s\n", path.c_str());
        return -1;
    }
    if (!S_ISDIR(st.st_mode))
        return replayFile(path);
    int count = 0;
    DIR *dir = opendir(path.c_str());
    if (!dir)
        return -1;
    std::vector<std::string> names;
    while (dirent *e = readdir(dir))
        if (e->d_name[0] != '.')
            names.push_back(path + "/" + e->d_name);
    closedir(dir);
    for (const std::string &name : names)
        count += replayFile(name);
    return count;
}

} // namespace

int main(int argc, char **argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    int total = 0;
    for (int i = 1; i < argc; ++i) {
        const int n = replay(argv[i]);
        if (n < 0)
            return 1;
        total += n;
    }
    std::printf("replayed %d input(s)\n", total);
    // An empty corpus would make the test vacuous.
    return total > 0 ? 0 : 1;
}
