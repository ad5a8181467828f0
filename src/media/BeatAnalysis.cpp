#include "media/BeatAnalysis.h"

#include "media/AudioInput.h"
#include "media/AudioResampler.h"
#include "media/LibavFailure.h"

#include <aubio/aubio.h>

#include <algorithm>
#include <memory>

namespace {

// The beat tracker's window and step: aubio's own defaults.
constexpr int kWindow = 1024;
constexpr int kHop = 512;
// Notes are placed at a finer step than beats: within a few milliseconds of where they start.
constexpr int kNoteWindow = 512;
constexpr int kNoteHop = 256;
// Below this mean square (-60 dBFS) a block is silent.
constexpr double kSilence = 1e-6;
// Music with fewer of its beats on notes than this has no beat to speak of: the tracker's beats
// are guesses.
constexpr double kFewestHeard = 0.1;

struct TempoDeleter
{
    void operator()(aubio_tempo_t* tempo) const { del_aubio_tempo(tempo); }
};
struct OnsetDeleter
{
    void operator()(aubio_onset_t* onset) const { del_aubio_onset(onset); }
};
struct VectorDeleter
{
    void operator()(fvec_t* vector) const { del_fvec(vector); }
};
using TempoPtr = std::unique_ptr<aubio_tempo_t, TempoDeleter>;
using OnsetPtr = std::unique_ptr<aubio_onset_t, OnsetDeleter>;
using VectorPtr = std::unique_ptr<fvec_t, VectorDeleter>;

// The aubio side of an analysis, a chunk of samples at a time: the beat tracker, and the note
// detector at a finer step. (Run side by side on two threads they were no faster: the phase
// of every spectrum, which aubio works out whether used or not, keeps both cores' shared
// arithmetic busy.)
class Trackers
{
public:
    // Samples per chunk: a few seconds, whole blocks.
    static constexpr int kChunk = kHop * 256;

    Trackers()
        : tempo(new_aubio_tempo("default", kWindow, kHop, BeatAnalysis::kRate)),
          onset(new_aubio_onset("specflux", kNoteWindow, kNoteHop, BeatAnalysis::kRate)),
          block(new_fvec(kHop)), part(new_fvec(kNoteHop)), found(new_fvec(2)), noted(new_fvec(1))
    {
        if (!tempo || !onset || !block || !part || !found || !noted)
            throwLibav("new_aubio_tempo", AVERROR(ENOMEM));
    }

    // Whole blocks of `chunk`.
    void analyse(QVector<float>& chunk)
    {
        // aubio's tracker loses its phase over digital silence (a metronome's gaps, a fade to
        // zero); a noise floor far below hearing keeps it going. Seeded alike for every file,
        // so that the same music always gives the same beats.
        for (int i = 0; i < chunk.size(); ++i) {
            if (i % kHop == 0)
                loudness << 0.0;
            loudness.back() += double(chunk[i]) * chunk[i];
            seed = seed * 1664525u + 1013904223u;
            chunk[i] += float((seed >> 8) * (1.0 / 16777216.0) - 0.5) * 1e-3f;
        }
        findBeats(chunk);
        findNotes(chunk);
    }

    BeatGrid finish()
    {
        QVector<double> accents;
        for (const BeatGrid::Beat& beat : grid.beats) {
            // The loudest block from the beat's to the one after next: a bar's first beat
            // mostly comes with the strongest stroke.
            const int at = int(beat.seconds * BeatAnalysis::kRate / kHop);
            double accent = 0.0;
            for (int k = qMax(0, at); k < qMin(at + 3, loudness.size()); ++k)
                accent = qMax(accent, loudness[k]);
            accents << accent;
        }
        BeatAnalysis::markBars(&grid, accents);
        // The tracker keeps time through silence and under a held tone; beats nobody hears
        // are no places to cut.
        for (int i = grid.beats.size() - 1; i >= 0; --i)
            if (accents[i] / kHop < kSilence)
                grid.beats.remove(i);
        BeatAnalysis::placeOnNotes(&grid, onsets);
        int heard = 0;
        for (const BeatGrid::Beat& beat : grid.beats)
            heard += beat.onset;
        if (heard < grid.beats.size() * kFewestHeard)
            grid.beats.clear();
        QVector<double> intervals;
        for (int i = 1; i < grid.beats.size(); ++i)
            intervals << grid.beats[i].seconds - grid.beats[i - 1].seconds;
        if (!intervals.isEmpty()) {
            std::nth_element(intervals.begin(), intervals.begin() + intervals.size() / 2,
                             intervals.end());
            grid.tempo = 60.0 / intervals[intervals.size() / 2];
        }
        return grid;
    }

private:
    void findBeats(const QVector<float>& chunk)
    {
        for (int from = 0; from + kHop <= chunk.size(); from += kHop) {
            std::copy(chunk.begin() + from, chunk.begin() + from + kHop, block->data);
            aubio_tempo_do(tempo.get(), block.get(), found.get());
            if (found->data[0] != 0) {
                BeatGrid::Beat beat;
                beat.seconds = aubio_tempo_get_last_s(tempo.get());
                grid.beats << beat;
            }
        }
    }

    void findNotes(const QVector<float>& chunk)
    {
        for (int from = 0; from + kNoteHop <= chunk.size(); from += kNoteHop) {
            std::copy(chunk.begin() + from, chunk.begin() + from + kNoteHop, part->data);
            aubio_onset_do(onset.get(), part.get(), noted.get());
            if (noted->data[0] != 0)
                onsets << aubio_onset_get_last_s(onset.get());
        }
    }

    TempoPtr tempo;
    OnsetPtr onset;
    VectorPtr block; // the beat tracker's
    VectorPtr part;  // the note detector's
    VectorPtr found;
    VectorPtr noted;
    quint32 seed = 1;
    BeatGrid grid;
    QVector<double> onsets;
    QVector<double> loudness; // per block
};

AVChannelLayout mono()
{
    AVChannelLayout layout;
    av_channel_layout_default(&layout, 1);
    return layout;
}

} // namespace

bool BeatAnalysis::analyse(const QString& path, BeatGrid* grid, const Progress& progress)
{
    AudioInput input(path);
    AudioResampler resampler(mono(), AV_SAMPLE_FMT_FLT, kRate);
    libav::AudioFifoPtr fifo(av_audio_fifo_alloc(AV_SAMPLE_FMT_FLT, 1, kHop * 4));
    if (!fifo)
        throwLibav("av_audio_fifo_alloc", AVERROR(ENOMEM));
    Trackers trackers;
    QVector<float> chunk;
    const double seconds =
        input.duration() > 0 ? double(input.duration()) * av_q2d(input.timeBase()) : 0.0;
    const libav::FramePtr frame = libav::makeFrame();
    qint64 blocks = 0;
    while (input.readFrame(frame.get())) {
        const int rate =
            frame->sample_rate ? frame->sample_rate : input.codecContext()->sample_rate;
        // A frame that cannot be converted is left out, as the video's music leaves it out.
        resampler.convert(frame.get(), rate, fifo.get());
        while (av_audio_fifo_size(fifo.get()) >= Trackers::kChunk) {
            chunk.resize(Trackers::kChunk);
            void* planes[] = {chunk.data()};
            av_audio_fifo_read(fifo.get(), planes, Trackers::kChunk);
            trackers.analyse(chunk);
            blocks += Trackers::kChunk / kHop;
            // Told after every chunk, a few hundredths of a second apart, also when the file
            // does not say how long it is: a stop is never kept waiting.
            const int percent =
                seconds > 0 ? qMin(99, int(blocks * kHop * 100.0 / kRate / seconds)) : 0;
            if (progress && !progress(percent))
                return false;
        }
    }
    // The last whole blocks.
    chunk.resize(av_audio_fifo_size(fifo.get()) / kHop * kHop);
    void* planes[] = {chunk.data()};
    av_audio_fifo_read(fifo.get(), planes, chunk.size());
    trackers.analyse(chunk);
    *grid = trackers.finish();
    return true;
}

void BeatAnalysis::placeOnNotes(BeatGrid* grid, const QVector<double>& onsets)
{
    for (BeatGrid::Beat& beat : grid->beats) {
        const auto after = std::lower_bound(onsets.begin(), onsets.end(), beat.seconds);
        double nearest = -1.0;
        if (after != onsets.end())
            nearest = *after;
        if (after != onsets.begin() &&
            (nearest < 0 || beat.seconds - *(after - 1) < nearest - beat.seconds))
            nearest = *(after - 1);
        if (nearest >= 0 && qAbs(nearest - beat.seconds) <= kOnsetReach) {
            beat.seconds = nearest;
            beat.onset = true;
        }
    }
    // Two beats moved onto one note: the later one is a beat no more.
    for (int i = grid->beats.size() - 1; i > 0; --i)
        if (grid->beats[i].seconds <= grid->beats[i - 1].seconds)
            grid->beats.remove(i);
}

void BeatAnalysis::markBars(BeatGrid* grid, const QVector<double>& accents)
{
    // Four beats to the bar, as most music people put under photos has; the bar starts on the
    // phase whose beats are loudest on average.
    double best = -1.0;
    int phase = 0;
    for (int p = 0; p < 4; ++p) {
        double sum = 0.0;
        int count = 0;
        for (int i = p; i < accents.size(); i += 4, ++count)
            sum += accents[i];
        if (count > 0 && sum / count > best) {
            best = sum / count;
            phase = p;
        }
    }
    for (int i = 0; i < grid->beats.size(); ++i)
        grid->beats[i].bar = i % 4 == phase;
}
