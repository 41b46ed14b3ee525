#include "pacing/texture.h"

#include "engine/random.h"

TColor Ramp[256];
int32_t HeightMap[TextureWidth * TextureHeight];

namespace {

// A random even step of -60..60, turned back when it would leave 0..255.
int32_t Perturb(TRandomRun& random, int32_t v) {
    const int32_t d = 2 * (random.Draw() % 61) - 60;
    const int32_t up = v + d;
    return up > 255 || up < 0 ? v - d : up;
}

TColor RampColor(int32_t palette, int32_t i) {
    const int32_t a = 185 + (45 * i) / 255;
    const int32_t b = (255 * a) / (510 - i);
    switch (palette) {
        case 0:
            return Rgb(255, a, b);
        case 1: {
            const int32_t a1 = 200 + (30 * i) / 255;
            return Rgb((255 * a1) / (510 - i), a1, 255);
        }
        case 2:
            return Rgb(b, 200, a);
        default:
            return Rgb(15, 15, 15);
    }
}

}  // namespace

void MakeRamp(int32_t palette) {
    for (int32_t i = 0; i < 256; ++i) Ramp[i] = RampColor(palette, i);
}

void MakeHeights() {
    TRandomRun random;
    HeightAt(0, 0) = 128;
    for (int32_t x = 1; x < TextureWidth; ++x) HeightAt(x, 0) = Perturb(random, HeightAt(x - 1, 0));
    for (int32_t y = 1; y < TextureHeight; ++y) {
        HeightAt(0, y) = Perturb(random, HeightAt(0, y - 1));
        for (int32_t x = 1; x < TextureWidth; ++x)
            HeightAt(x, y) = Perturb(random, (HeightAt(x, y - 1) + HeightAt(x - 1, y)) / 2);
    }
}

void SmoothHeights() {
    for (int32_t y = 1; y < TextureHeight - 1; ++y) {
        for (int32_t x = 1; x < TextureWidth - 1; ++x) {
            const int32_t edges =
                HeightAt(x + 1, y) + HeightAt(x - 1, y) + HeightAt(x, y + 1) + HeightAt(x, y - 1);
            const int32_t corners = HeightAt(x + 1, y + 1) + HeightAt(x - 1, y + 1) +
                                    HeightAt(x + 1, y - 1) + HeightAt(x - 1, y - 1);
            HeightAt(x, y) = HeightAt(x, y) / 4 + edges / 8 + corners / 16;
        }
    }
}

void GenerateTexture(int32_t palette) {
    MakeRamp(palette);
    MakeHeights();
    SmoothHeights();
    SmoothHeights();
}
