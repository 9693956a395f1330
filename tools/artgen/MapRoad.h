#pragma once
// The road across the world map, from the harbour in the west to the castle
// gate in the east, along which the level points stand. Positions are map
// units: the map is 2048 x 768 with the origin at the lower left and y
// growing upwards, as the game places its points.
#include <vector>

namespace artgen {

struct MapPoint {
    double x, y;
};

inline constexpr double kMapW = 2048, kMapH = 768;
// The landscape pictures cover the map from this height to the top; the sea
// tile shows below them.
inline constexpr double kLandBottom = 256;

// The points the road passes through, west to east.
const std::vector<MapPoint>& RoadWaypoints();

// A smooth line through `points`, a point every `step` units or closer.
std::vector<MapPoint> SmoothLine(const std::vector<MapPoint>& points, double step);

// The road as a smooth line through the waypoints.
std::vector<MapPoint> RoadLine(double step);

// `count` points along the road at equal distances, the first at the harbour
// and the last at the castle gate.
std::vector<MapPoint> RoadStations(int count);

}  // namespace artgen
