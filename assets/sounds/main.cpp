// make_sounds <outdir>: synthesises the 22 sounds of Fruitwhirl and writes them
// as WAV files (PCM 16-bit, mono, 44100 Hz) into <outdir>. The output depends
// on nothing but this program: every noise comes from a fixed seed.
#include "bank.h"
#include "master.h"
#include "wav.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sounds <outdir>\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        std::fprintf(stderr, "make_sounds: cannot create %s: %s\n", dir.string().c_str(),
                     ec.message().c_str());
        return 1;
    }

    bool ok = sfx::Bank().size() == fw::kSoundFiles.size();
    if (!ok) std::fprintf(stderr, "make_sounds: the bank has no recipe for every sound of the list\n");
    for (const sfx::SoundRecipe& recipe : sfx::Bank()) {
        const std::string file(fw::SoundFile(recipe.sound));
        sfx::Signal s = recipe.make();
        const sfx::Levels levels = sfx::Master(s, recipe.kind, recipe.loudnessDb);
        const std::string path = (dir / file).string();
        if (!sfx::WriteWav(path, s)) {
            std::fprintf(stderr, "make_sounds: cannot write %s\n", path.c_str());
            ok = false;
            continue;
        }
        std::printf("%-13s %7.1f ms  peak %6.1f dBFS  loud %6.1f dBFS%s\n", file.c_str(),
                    1000.0 * static_cast<double>(s.size()) / sfx::kRate, levels.peakDb, levels.loudDb,
                    levels.limitedDb > 0.05 ? "  (limited)" : "");
    }
    return ok ? 0 : 1;
}
