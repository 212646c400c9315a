#pragma once

// How many points a store keeps: beyond it, points are thinned to ones spread evenly over
// the whole file.
inline constexpr int kKeptPoints = 10000;

// About how many of them a thinning keeps, so that a quarter of the store is free again.
inline constexpr int kKeptByThinning = kKeptPoints * 3 / 4;

// Thins a full store of `capacity` slots whose ordinals t(i) ascend: slot 0 stays, and a
// later slot is kept once its ordinal runs ahead of a reference that advances by a fixed
// share of the largest ordinal, so the kept slots spread evenly over everything read.
// Calls keep(from, to) with to <= from for each kept slot after 0, in order, and returns how
// many slots are kept: at most capacity - 1, so the point that caused the thinning has room.
// A store that knows its ordinals never fall says `ascending`: its last is its largest.
template <typename Ordinal, typename Keep>
int ThinSlots(int capacity, Ordinal t, Keep keep, bool ascending = false) {
    double largest = t(capacity - 1);
    if (!ascending) {
        for (int i = 0; i < capacity; ++i)
            if (largest < t(i))
                largest = t(i);
    }
    // Times the reciprocal rather than divided, as the classic chart always thinned.
    const double threshold = largest * (1.0 / kKeptByThinning);
    double reference = t(0);
    int kept = 1;
    // The walk starts after slot 0: with t >= 0 slot 0 never qualifies, while a negative
    // threshold would copy it again and smear it over slots not read yet.
    for (int j = 1; j < capacity && kept < capacity - 1; ++j) {
        if (t(j) - reference > threshold) {
            keep(j, kept);
            ++kept;
            reference = reference + threshold;
        }
    }
    return kept;
}
