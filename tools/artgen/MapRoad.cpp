#include "tools/artgen/MapRoad.h"

#include <algorithm>
#include <cmath>

namespace artgen {

namespace {

MapPoint CatmullRom(const MapPoint& p0, const MapPoint& p1, const MapPoint& p2, const MapPoint& p3,
                    double t) {
    const double t2 = t * t, t3 = t2 * t;
    auto blend = [&](double a, double b, double c, double d) {
        return 0.5 * (2 * b + (c - a) * t + (2 * a - 5 * b + 4 * c - d) * t2 +
                      (3 * b - a - 3 * c + d) * t3);
    };
    return {blend(p0.x, p1.x, p2.x, p3.x), blend(p0.y, p1.y, p2.y, p3.y)};
}

double Distance(const MapPoint& a, const MapPoint& b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

}  // namespace

const std::vector<MapPoint>& RoadWaypoints() {
    // Swings up and down the island so that forty points find room along it,
    // keeping clear of the coast below and of the sky strip above.
    static const std::vector<MapPoint> points = {
        {70, 352},   {170, 392},  {280, 452},  {350, 540},  {460, 596},  {590, 566},  {680, 470},
        {760, 392},  {880, 372},  {990, 430},  {1050, 530}, {1140, 596}, {1270, 590}, {1350, 506},
        {1410, 410}, {1510, 370}, {1630, 398}, {1710, 482}, {1770, 566}, {1860, 602}, {1944, 610},
    };
    return points;
}

std::vector<MapPoint> SmoothLine(const std::vector<MapPoint>& w, double step) {
    std::vector<MapPoint> line;
    if (w.empty())
        return line;
    const size_t n = w.size();
    for (size_t i = 0; i + 1 < n; ++i) {
        const MapPoint& p0 = w[i == 0 ? 0 : i - 1];
        const MapPoint& p3 = w[std::min(i + 2, n - 1)];
        const int parts = std::max(1, int(std::ceil(Distance(w[i], w[i + 1]) / step)));
        for (int k = 0; k < parts; ++k)
            line.push_back(CatmullRom(p0, w[i], w[i + 1], p3, double(k) / parts));
    }
    line.push_back(w.back());
    return line;
}

std::vector<MapPoint> RoadLine(double step) {
    return SmoothLine(RoadWaypoints(), step);
}

std::vector<MapPoint> RoadStations(int count) {
    const std::vector<MapPoint> line = RoadLine(1);
    std::vector<double> along(line.size(), 0);
    for (size_t i = 1; i < line.size(); ++i)
        along[i] = along[i - 1] + Distance(line[i - 1], line[i]);
    std::vector<MapPoint> stations;
    if (count < 2)
        return {line.front()};
    size_t j = 0;
    for (int k = 0; k < count; ++k) {
        const double target = along.back() * k / (count - 1);
        while (j + 1 < line.size() && along[j + 1] < target)
            ++j;
        if (j + 1 >= line.size()) {
            stations.push_back(line.back());
            continue;
        }
        const double span = along[j + 1] - along[j];
        const double t = span > 0 ? (target - along[j]) / span : 0;
        stations.push_back({line[j].x + (line[j + 1].x - line[j].x) * t,
                            line[j].y + (line[j + 1].y - line[j].y) * t});
    }
    return stations;
}

}  // namespace artgen
