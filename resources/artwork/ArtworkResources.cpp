#include "resources/artwork/ArtworkResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace; "art" is the resource set's name.
void initArtworkResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(art);
        return true;
    }();
    (void)done;
}
