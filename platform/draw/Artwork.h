#pragma once

#include "platform/core/Result.h"
#include "platform/draw/Picture.h"

#include <optional>
#include <string>
#include <vector>

namespace platform {

// One picture of the program's built-in artwork, as its generator recorded it.
struct ArtworkEntry {
    enum class Kind {
        Image,  // a background or small picture, opaque
        Skin,   // one state of a skinned button: pure blue (RGB 0, 0, 255) outside its outline
        Cursor, // the pointer: transparent outside the hand, with a hot spot
        Icon,   // the program's icon: transparent outside the badge
    };
    std::string name; // "mainmag", "xuanxiang_1_over", "pointer" ...
    Kind kind = Kind::Image;
    Size size;        // pixels
    std::optional<Point> hotSpot;
};

// Every picture built into the program, in the generator's order; empty if the artwork
// is missing from the build.
const std::vector<ArtworkEntry>& artworkManifest();

// The built-in picture NAME (file name without ".png"; a skin state is "<button>_<state>",
// e.g. "jibenbtn_0_disabled"). The pointer comes as a cursor picture with its hot spot.
// Each picture is read once and shared: the same name gives the same picture object.
// Errors: NotFound for a name the artwork does not have, Unreadable if it cannot be decoded.
Result<Picture> findArtwork(const std::string& name);

// As findArtwork, but a failure gives an absent picture and one line on stderr per name.
Picture loadArtwork(const std::string& name);

// Starts decoding every picture in a background thread, so that the window's start-up finds
// them ready; pictures asked for meanwhile are decoded once, by whoever asks first.
void prefetchArtwork();

} // namespace platform
