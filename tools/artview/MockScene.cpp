#include <cmath>
#include <fstream>
#include <sstream>

#include "tools/artview/Views.h"

namespace artview {

namespace {

constexpr int kWidth = 1024, kHeight = 768;
constexpr double kCell = 48;
const double kUx = std::cos(M_PI / 12), kUy = -std::sin(M_PI / 12);
const double kV = std::sqrt(0.5);

// World point (y up) of grid coordinates (i, j) counted in cells from the
// grid's corner; the 32 x 24 grid is centred on (512, 384).
void GridPoint(double i, double j, double* x, double* y) {
    const double oi = i - 16, oj = j - 12;
    *x = 512 + kCell * (oi * kUx + oj * kV);
    *y = 384 + kCell * (oi * kUy + oj * kV);
}

void GridPath(cairo_t* cr, double i0, double j0, double i1, double j1) {
    double x, y;
    const double corners[4][2] = {{i0, j0}, {i1, j0}, {i1, j1}, {i0, j1}};
    for (int k = 0; k < 4; ++k) {
        GridPoint(corners[k][0], corners[k][1], &x, &y);
        if (k == 0) {
            cairo_move_to(cr, x, kHeight - y);
        } else {
            cairo_line_to(cr, x, kHeight - y);
        }
    }
    cairo_close_path(cr);
}

void Grass(cairo_t* cr) {
    cairo_set_source_rgb(cr, 0x8C / 255.0, 0xC6 / 255.0, 0x5A / 255.0);
    cairo_paint(cr);
    uint32_t seed = 7;
    for (int k = 0; k < 260; ++k) {
        seed = seed * 1664525u + 1013904223u;
        const double x = (seed >> 8) % kWidth;
        seed = seed * 1664525u + 1013904223u;
        const double y = (seed >> 8) % kHeight;
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, 1, 0.55);
        cairo_arc(cr, 0, 0, 10 + (seed >> 20) % 16, 0, 2 * M_PI);
        cairo_restore(cr);
        cairo_set_source_rgba(cr, 0.62, 0.83, 0.42, 0.35);
        cairo_fill(cr);
    }
}

void Water(cairo_t* cr, double i0, double j0, double i1, double j1) {
    GridPath(cr, i0, j0, i1 + 1, j1 + 1);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 14);
    cairo_set_source_rgb(cr, 0.90, 0.80, 0.56);
    cairo_stroke_preserve(cr);
    cairo_set_source_rgb(cr, 0.33, 0.64, 0.84);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 2);
    cairo_set_source_rgb(cr, 0.29, 0.18, 0.11);
    cairo_stroke(cr);
}

void Grid(cairo_t* cr) {
    for (int i = 0; i <= 32; ++i) {
        double x0, y0, x1, y1;
        GridPoint(i, 0, &x0, &y0);
        GridPoint(i, 24, &x1, &y1);
        cairo_move_to(cr, x0, kHeight - y0);
        cairo_line_to(cr, x1, kHeight - y1);
    }
    for (int j = 0; j <= 24; ++j) {
        double x0, y0, x1, y1;
        GridPoint(0, j, &x0, &y0);
        GridPoint(32, j, &x1, &y1);
        cairo_move_to(cr, x0, kHeight - y0);
        cairo_line_to(cr, x1, kHeight - y1);
    }
    cairo_set_source_rgba(cr, 1, 1, 1, 0.18);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

}  // namespace

cairo_surface_t* MockScene(const SpriteAtlases& atlases, const std::string& sceneFile,
                           std::string* error) {
    std::ifstream in(sceneFile);
    if (!in) {
        *error = "cannot read " + sceneFile;
        return nullptr;
    }
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight);
    cairo_t* cr = cairo_create(surface);
    Grass(cr);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        std::istringstream words(line);
        std::string kind;
        if (!(words >> kind) || kind[0] == '#')
            continue;
        std::string name;
        double p[6] = {0, 0, 0, 0, 1, 1};
        bool ok = true;
        if (kind == "grid") {
            Grid(cr);
        } else if (kind == "water") {
            ok = static_cast<bool>(words >> p[0] >> p[1] >> p[2] >> p[3]);
            if (ok)
                Water(cr, p[0], p[1], p[2], p[3]);
        } else if (kind == "cell" || kind == "at") {
            ok = static_cast<bool>(words >> name >> p[0] >> p[1] >> p[2]);
            double dx = 0, dy = 0;
            if (kind == "cell") {
                ok = ok && static_cast<bool>(words >> p[3] >> p[4]);
                words >> dx >> dy;
            }
            const Sprite* sprite = ok ? atlases.Find(name) : nullptr;
            if (ok && !sprite) {
                *error = sceneFile + ":" + std::to_string(number) + ": no sprite " + name;
                break;
            }
            double x = p[1], y = p[2];
            if (kind == "cell")
                GridPoint(p[1] + p[3] / 2, p[2] + p[4] / 2, &x, &y);
            x += dx;
            y += dy;
            if (sprite)
                atlases.DrawFrame(cr, *sprite, static_cast<int>(p[0]), x, kHeight - y);
        } else {
            ok = false;
        }
        if (!ok) {
            *error = sceneFile + ":" + std::to_string(number) + ": cannot read this line";
            break;
        }
    }
    cairo_destroy(cr);
    if (!error->empty()) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    return surface;
}

}  // namespace artview
