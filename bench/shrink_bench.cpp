#include "snapshot/BmpWriter.h"
#include "snapshot/GifWriter.h"
#include "snapshot/JpegWriter.h"
#include "snapshot/ManipulateBitmaps.h"
#include "snapshot/ShrinkPaths.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

namespace {

using lumivane::Bitmap32;

// Random pixels: the arithmetic does not depend on the picture, and the
// encoders get no easy input.
Bitmap32 randomPicture(int width, int height)
{
    std::mt19937 random(42);
    Bitmap32 picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, static_cast<std::uint32_t>(random()) & 0x00FFFFFFu);
    return picture;
}

// A page-like picture: flat areas with a few lines of detail compress the
// way a captured web page does.
Bitmap32 pagePicture(int width, int height)
{
    Bitmap32 picture = randomPicture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if ((y / 8) % 3 != 0)
                picture.setPixel(x, y, y < height / 5 ? 0x00336699 : 0x00FFFFFF);
    return picture;
}

void shrink(benchmark::State& state, void (*scale)(const Bitmap32&, Bitmap32&))
{
    const Bitmap32 source
        = randomPicture(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    Bitmap32 destination(static_cast<int>(state.range(2)), static_cast<int>(state.range(3)));
    for (auto _ : state) {
        scale(source, destination);
        benchmark::DoNotOptimize(destination.scanLine(0));
    }
}

void BM_ShrinkBitmap(benchmark::State& state)
{
    shrink(state, lumivane::ShrinkBitmap);
}
void BM_ShrinkGeneralPath(benchmark::State& state)
{
    shrink(state, lumivane::shrink::shrinkGeneral);
}

void sizes(benchmark::internal::Benchmark* benchmark)
{
    benchmark->ArgNames({"sw", "sh", "dw", "dh"});
    benchmark->Args({800, 600, 200, 150});
    benchmark->Args({1024, 768, 300, 225});
    benchmark->Args({1280, 1024, 160, 128});
    benchmark->Args({800, 600, 600, 450});
    benchmark->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_ShrinkBitmap)->Apply(sizes);
BENCHMARK(BM_ShrinkGeneralPath)->Apply(sizes);

void write(benchmark::State& state, void (*writer)(const std::string&, const Bitmap32&),
    const char* extension)
{
    const Bitmap32 thumbnail = pagePicture(200, 150);
    const std::string fileName = (std::filesystem::temp_directory_path()
        / ("shrink_bench_thumbnail" + std::string(extension)))
                                     .string();
    for (auto _ : state)
        writer(fileName, thumbnail);
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(fileName));
    std::filesystem::remove(fileName);
}

void BM_WriteBmp(benchmark::State& state)
{
    write(state, lumivane::writeBmp, ".bmp");
}
void BM_WriteJpeg(benchmark::State& state)
{
    write(state, lumivane::writeJpeg, ".jpg");
}
void BM_WriteGif(benchmark::State& state)
{
    write(state, lumivane::writeGif, ".gif");
}

BENCHMARK(BM_WriteBmp)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WriteJpeg)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WriteGif)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
