#pragma once

// Index arithmetic of an icon cycling through the pictures of an image list of `count` pictures.

// The index the icon takes when asked for `requested`: an index past the list shows its last
// picture; a negative one, or any index of an empty list, shows the first place.
constexpr int ClampIconIndex(int requested, int count) {
    if (requested >= count) requested = count - 1;
    return requested < 0 ? 0 : requested;
}

// The index shown after `index` while cycling: the next one, or the first after the last.
constexpr int NextCycleIndex(int index, int count) { return index < count - 1 ? index + 1 : 0; }
