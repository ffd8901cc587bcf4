// Two bouncing quadrilaterals that leave fading trails while their colours drift round the wheel.
#include <array>
#include <deque>

#include "Colour.h"
#include "Random.h"
#include "Saver.h"

namespace {

constexpr int kShapes = 2;
constexpr int kCorners = 4;
constexpr std::size_t kTrail = 16;  // outlines kept per shape, newest first

struct Corner {
    float x, y, dx, dy;  // position and speed, in pixels and pixels per frame
};

using Outline = std::array<POINT, kCorners + 1>;  // closed: the first corner repeated

struct Shape {
    std::array<Corner, kCorners> corners;
    std::deque<Outline> trail;
    float hue;
};

class Ribbons final : public kit::Saver {
public:
    Ribbons() : random_(GetTickCount() ^ 0xA5A5A5A5u) {}

    const wchar_t* Title() const override { return L"Ribbons"; }

    void Resize(int width, int height) override {
        width_ = width > 1 ? width : 1;
        height_ = height > 1 ? height : 1;
        const float speed = 0.004f * static_cast<float>(width_ + height_);
        for (int s = 0; s < kShapes; ++s) {
            Shape& shape = shapes_[s];
            shape.hue = s / static_cast<float>(kShapes);
            shape.trail.clear();
            for (Corner& c : shape.corners)
                c = {random_.Between(0, static_cast<float>(width_)),
                     random_.Between(0, static_cast<float>(height_)), random_.Between(-speed, speed),
                     random_.Between(-speed, speed)};
        }
    }

    void Step() override {
        for (Shape& shape : shapes_) {
            for (Corner& c : shape.corners) {
                Bounce(c.x, c.dx, static_cast<float>(width_));
                Bounce(c.y, c.dy, static_cast<float>(height_));
            }
            Outline outline;
            for (int i = 0; i <= kCorners; ++i) {
                const Corner& c = shape.corners[i % kCorners];
                outline[i] = {static_cast<LONG>(c.x), static_cast<LONG>(c.y)};
            }
            shape.trail.push_front(outline);
            if (shape.trail.size() > kTrail) shape.trail.pop_back();
            shape.hue += 0.0015f;
            if (shape.hue >= 1.0f) shape.hue -= 1.0f;
        }
    }

    void Paint(HDC dc, int width, int height) override {
        PatBlt(dc, 0, 0, width, height, BLACKNESS);
        SelectObject(dc, GetStockObject(DC_PEN));
        for (const Shape& shape : shapes_) {
            // Oldest first, so the bright newest outline lies on top.
            for (std::size_t age = shape.trail.size(); age-- > 0;) {
                const float fade = 1.0f - static_cast<float>(age) / kTrail;
                SetDCPenColor(dc, demo::Hue(shape.hue, fade * fade));
                Polyline(dc, shape.trail[age].data(), kCorners + 1);
            }
        }
    }

private:
    static void Bounce(float& at, float& speed, float limit) {
        at += speed;
        if (at < 0) {
            at = -at;
            speed = -speed;
        } else if (at >= limit) {
            at = 2 * limit - at - 1;
            speed = -speed;
        }
    }

    demo::Random random_;
    std::array<Shape, kShapes> shapes_{};
    int width_ = 1;
    int height_ = 1;
};

}  // namespace

std::unique_ptr<kit::Saver> kit::CreateSaver() { return std::make_unique<Ribbons>(); }
