#pragma once
#include "datagen/games_maugli_boy.h"

// The poses of the boy that the game's frames show.
namespace maugli {
Pose standing();
Pose waving();
Pose reaching();  // on tiptoe for the apple on the branch
Pose jumping();   // caught it!
Pose holding();   // resting with the apple
Pose bending();   // puts an apple in the basket
Pose cheering();
Pose dancing();
Pose bowing();    // the second rest after dancing
Pose puzzled(bool otherSide);  // scratches his head
Pose hanging(bool oneHand);    // slipped off and hangs from the branch
}  // namespace maugli
