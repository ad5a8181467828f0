#include "project/BeatCuts.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// What a hand-over costs, in frames of distance from where the plan had it: a beat without a
// note (where the tracker only expects one) costs two beats more, and a hand-over left off the
// beat is the last resort.
constexpr double kUnheard = 2.0; // beats
constexpr double kOffBeat = 1000.0;
// A bar's first beat is preferred when the scene before it lasts at least this many bars, and
// then by this many beats of distance.
constexpr double kBarsForBarCuts = 1.5;
constexpr double kBarPreference = 1.5;
// How far a hand-over may move, in beats.
constexpr int kReach = 8;

struct Candidate
{
    int start = 0; // of the next scene
    double cost = 0.0;
    double total = std::numeric_limits<double>::infinity();
    int from = -1; // the candidate of the hand-over before, on the cheapest way here
};

// The beat interval around `frame`.
double periodNear(const QVector<BeatCuts::Beat>& beats, double frame)
{
    const auto after =
        std::lower_bound(beats.begin(), beats.end(), frame,
                         [](const BeatCuts::Beat& b, double f) { return b.frame < f; });
    const int k = qBound(1, int(after - beats.begin()), int(beats.size()) - 1);
    return beats[k].frame - beats[k - 1].frame;
}

} // namespace

double BeatCuts::middle(int overflow)
{
    // The new scene shows with weight (n + 1) / overflow on its n-th frame: half way at
    // overflow / 2 - 1.
    return overflow >= 2 ? overflow / 2.0 - 1.0 : 0.0;
}

QVector<int> BeatCuts::place(const QVector<Span>& scenes, int overflow, const QVector<Beat>& beats,
                             bool keepEnd, int latestEnd)
{
    QVector<int> planned;
    for (const Span& span : scenes)
        planned << span.frames;
    if (scenes.size() < 2 || beats.size() < 2)
        return planned;
    const int handOver = overflow >= 1 ? overflow + 1 : 0;
    const double offset = middle(overflow);
    QVector<int> starts{0};
    for (int k = 0; k + 1 < scenes.size(); ++k)
        starts << starts.back() + scenes[k].frames - handOver;
    const int end = starts.back() + scenes.back().frames;

    // Where each hand-over may go: the beats within reach of it, and where it is.
    QVector<QVector<Candidate>> layers{{Candidate{0, 0.0, 0.0, -1}}};
    for (int k = 1; k < scenes.size(); ++k) {
        QVector<Candidate> layer{Candidate{starts[k], kOffBeat}};
        const double period = periodNear(beats, starts[k] + offset);
        const bool bars = scenes[k - 1].frames >= kBarsForBarCuts * 4 * period;
        for (const Beat& beat : beats) {
            const int start = int(std::lround(beat.frame - offset));
            if (std::abs(start - starts[k]) > kReach * period)
                continue;
            double cost = std::abs(start - starts[k]) + (beat.onset ? 0.0 : kUnheard * period);
            if (bars && !beat.bar)
                cost += kBarPreference * period;
            layer << Candidate{start, cost};
        }
        layers << layer;
    }
    // The cheapest way through, each scene within its limits.
    const auto fits = [&](int k, int length) {
        return length >= scenes[k].shortest && length <= scenes[k].longest;
    };
    for (int k = 1; k < layers.size(); ++k) {
        for (Candidate& here : layers[k]) {
            for (int j = 0; j < layers[k - 1].size(); ++j) {
                const Candidate& before = layers[k - 1][j];
                const double total = before.total + here.cost;
                if (total < here.total && fits(k - 1, here.start - before.start + handOver)) {
                    here.total = total;
                    here.from = j;
                }
            }
        }
    }
    const int last = scenes.size() - 1;
    int best = -1;
    for (int j = 0; j < layers[last].size(); ++j) {
        const Candidate& c = layers[last][j];
        const bool ends =
            keepEnd ? fits(last, end - c.start) : c.start + scenes[last].frames <= latestEnd;
        if (ends && (best < 0 || c.total < layers[last][best].total))
            best = j;
    }
    if (best < 0 || !std::isfinite(layers[last][best].total))
        return planned;
    QVector<int> chosen(scenes.size());
    for (int k = last, j = best; k >= 0; j = layers[k][j].from, --k)
        chosen[k] = layers[k][j].start;
    QVector<int> frames;
    for (int k = 0; k < last; ++k)
        frames << chosen[k + 1] - chosen[k] + handOver;
    frames << (keepEnd ? end - chosen[last] : scenes[last].frames);
    return frames;
}
