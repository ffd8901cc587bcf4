// Flying through a field of stars; near stars streak and brighten.
#include <algorithm>
#include <vector>

#include "Random.h"
#include "Saver.h"

namespace {

constexpr int kStars = 420;
constexpr float kSpeed = 0.011f;
constexpr float kNearest = 0.04f;

struct Star {
    float x, y, z;
};

class Starfield final : public kit::Saver {
public:
    Starfield() : random_(GetTickCount()) {
        stars_.resize(kStars);
        for (Star& star : stars_) Respawn(star, random_.Between(kNearest, 1.0f));
    }

    const wchar_t* Title() const override { return L"Starfield"; }
    void Resize(int width, int height) override {
        width_ = width;
        height_ = height;
    }

    void Step() override {
        for (Star& star : stars_) {
            star.z -= kSpeed;
            if (star.z < kNearest) Respawn(star, 1.0f);
        }
    }

    void Paint(HDC dc, int width, int height) override {
        PatBlt(dc, 0, 0, width, height, BLACKNESS);
        SelectObject(dc, GetStockObject(DC_PEN));
        const float half = static_cast<float>(std::max(width_, height_)) / 2.0f;
        for (const Star& star : stars_) {
            const POINT now = Project(star, star.z, half);
            const POINT before = Project(star, star.z + 3.0f * kSpeed, half);
            // Far stars glow faintly, near ones shine white.
            const auto level = static_cast<BYTE>(60.0f + 195.0f * std::min(1.0f, (1.0f - star.z) * 1.4f));
            SetDCPenColor(dc, RGB(level * 7 / 8, level * 7 / 8, level));
            MoveToEx(dc, before.x, before.y, nullptr);
            LineTo(dc, now.x, now.y + 1);
            if (star.z < 0.3f) {  // near stars are thicker
                MoveToEx(dc, before.x + 1, before.y, nullptr);
                LineTo(dc, now.x + 1, now.y + 1);
            }
        }
    }

private:
    void Respawn(Star& star, float depth) {
        star = {random_.Between(-1.0f, 1.0f), random_.Between(-1.0f, 1.0f), depth};
    }

    POINT Project(const Star& star, float depth, float half) const {
        return {static_cast<LONG>(width_ / 2 + star.x / depth * half),
                static_cast<LONG>(height_ / 2 + star.y / depth * half)};
    }

    demo::Random random_;
    std::vector<Star> stars_;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace

std::unique_ptr<kit::Saver> kit::CreateSaver() { return std::make_unique<Starfield>(); }
