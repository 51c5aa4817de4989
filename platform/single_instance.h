// One running copy of the game per library: the first copy holds the data folder's lock and
// answers later copies, which bring its window to the front and end.
#pragma once

enum class InstanceClaim {
    sole,         // no other copy plays on this data folder: this one plays
    handedOver,   // another copy plays and came to the front: this one ends
    unreachable,  // another copy holds the data folder but did not answer
};

// Claims the user's data folder for this run; the first copy starts listening for later ones.
// Needs no display, so a later copy ends before it opens one.
InstanceClaim claimSingleInstance();
