#pragma once
// The face-up phrase of a soloist who lays his remaining cards down: spoken once a game, in the
// voice of the soloist (in Ramsch of the seat leading).

// Speaks the phrase through the frame when the announcement is pending and the speaking seat has
// a voice; clears the pending flag once past the voice conditions.
void AnnounceFaceUp(int seat);
