#include "level/path/PathSmoothing.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

// The sum of entering every cell a straight line crosses, stepping along its
// long axis t: at each step the line's cross position s is an exact fraction,
// and both the cell it lies in and the cell it rounds to count, the dearer of
// the two. Kept exact in integers: s = s0 + q + r / dt with 0 <= r < dt.
// False when the line meets a cell that cannot be entered.
bool SumAlongLine(const cGrid& grid, cCell a, cCell b, bool alongI, double& sum) {
    int t0 = alongI ? a.i : a.j, t1 = alongI ? b.i : b.j;
    int s0 = alongI ? a.j : a.i, s1 = alongI ? b.j : b.i;
    if (t0 > t1) {
        std::swap(t0, t1);
        std::swap(s0, s1);
    }
    const int dt = t1 - t0;
    const int ds = s1 - s0;  // |ds| <= dt
    int q = 0, r = 0;
    for (int t = t0; t <= t1; ++t) {
        const int low = s0 + q;
        const int near = low + (2 * r >= dt ? 1 : 0);
        const float c1 = grid.CostAt(alongI ? cGrid::Index({t, low}) : cGrid::Index({low, t}));
        const float c2 = grid.CostAt(alongI ? cGrid::Index({t, near}) : cGrid::Index({near, t}));
        if (c1 < 0.0f || c2 < 0.0f)
            return false;
        sum += std::max(c1, c2);
        r += ds;
        if (r >= dt) {
            r -= dt;
            ++q;
        } else if (r < 0) {
            r += dt;
            --q;
        }
    }
    return true;
}

// The points that can go after one anchor, and the last point that decided it.
struct cRun {
    int count = -1;  // -1: not known
    size_t end = 0;
};

// Points after `anchor` can go while the line from the anchor to the point
// after the next one is open and costs no more than its two legs.
// `legs[j]` is the cost from point j to point j + 1.
cRun RunAfter(const cGrid& grid, const std::vector<cCell>& path, const std::vector<double>& legs,
              size_t anchor) {
    cRun run{0, path.size() - 1};
    double toJ = legs[anchor];  // the line from the anchor to point j
    for (size_t j = anchor + 1; j + 1 < path.size(); ++j) {
        const double direct = LineCost(grid, path[anchor], path[j + 1]);
        if (direct < 0.0 || toJ < 0.0 || legs[j] < 0.0 || direct > toJ + legs[j]) {
            run.end = j + 1;
            break;
        }
        ++run.count;
        toJ = direct;
    }
    return run;
}

}  // namespace

double LineCost(const cGrid& grid, cCell a, cCell b) {
    const float costA = grid.Cost(a);
    const float costB = grid.Cost(b);
    if (costA < 0.0f || costB < 0.0f)
        return -1.0;
    const int dx = b.i - a.i;
    const int dy = b.j - a.j;
    if (std::abs(dx) <= 1 && std::abs(dy) <= 1)
        return costA;
    // A straight row or column is the same walk as the general one, with the
    // two candidate cells of every step being one.
    double sum = 0.0;
    const bool ok = SumAlongLine(grid, a, b, std::abs(dx) >= std::abs(dy), sum);
    return ok ? sum - costB : -1.0;
}

// Every round weighs every anchor afresh in principle; in practice a dropped
// run only changes what the anchors before it saw if they looked past it, so
// the other anchors keep their runs from the round before.
void SmoothPath(const cGrid& grid, std::vector<cCell>& path) {
    if (path.size() < 3)
        return;
    std::vector<double> legs(path.size() - 1);
    for (size_t j = 0; j + 1 < path.size(); ++j)
        legs[j] = LineCost(grid, path[j], path[j + 1]);
    std::vector<cRun> runs(path.size());

    while (path.size() >= 3) {
        const size_t n = path.size();
        size_t anchor = 0;
        int best = 0;
        for (size_t k = 0; k + 3 <= n; ++k) {
            // Anchor k can drop at most n - k - 2 points; a later anchor must
            // beat the best strictly, so stop once none can.
            if (best >= static_cast<int>(n - k - 2))
                break;
            if (runs[k].count < 0)
                runs[k] = RunAfter(grid, path, legs, k);
            if (runs[k].count > best) {
                best = runs[k].count;
                anchor = k;
            }
        }
        if (best == 0)
            return;

        const auto from = static_cast<std::ptrdiff_t>(anchor + 1);
        path.erase(path.begin() + from, path.begin() + from + best);
        legs.erase(legs.begin() + from, legs.begin() + from + best);
        runs.erase(runs.begin() + from, runs.begin() + from + best);
        legs[anchor] = LineCost(grid, path[anchor], path[anchor + 1]);
        for (size_t k = 0; k <= anchor; ++k) {
            if (runs[k].end > anchor)
                runs[k].count = -1;
        }
        for (size_t k = anchor + 1; k < runs.size(); ++k)
            runs[k].end -= best;
    }
}
