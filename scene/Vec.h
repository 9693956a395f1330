#pragma once
// Plain 2- and 3-component float vectors for scene positions, velocities and
// curve values. The engine's batch takes qor::cVec2; convert at the drawing edge.

struct vec2 {
    float x = 0.0f, y = 0.0f;
};

inline vec2 operator+(vec2 a, vec2 b) {
    return {a.x + b.x, a.y + b.y};
}
inline vec2 operator-(vec2 a, vec2 b) {
    return {a.x - b.x, a.y - b.y};
}
inline vec2 operator*(vec2 a, float s) {
    return {a.x * s, a.y * s};
}
inline bool operator==(vec2 a, vec2 b) {
    return a.x == b.x && a.y == b.y;
}

struct vec3 {
    float x = 0.0f, y = 0.0f, z = 0.0f;
};

inline vec3 operator+(vec3 a, vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline vec3 operator-(vec3 a, vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline vec3 operator*(vec3 a, float s) {
    return {a.x * s, a.y * s, a.z * s};
}
