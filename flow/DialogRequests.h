#pragma once
// The flow's steps that change the game record when a bar, a panel or a message asks for it (the
// dialogs reach them through their services record, installed by the shell). Each runs at once, so
// the dialog reads the new values right after its request.

// The auction bar: the bid shown (the bid raised by the pending steps, never past the ladder's top)
// becomes the bid and the person has bid; the person passes, and as holder at the opening bid nobody
// has bid to him; the pending raise one rung up (not past the top) or down (not below the bid).
void TakePersonBid();
void TakePersonPass();
void AlterPendingRaise(bool raise);

// The declaration bar's announcement boxes: one is switched; Schneider and Schwarz exclude each
// other, and Ouvert excludes both where the rules say so (`excludes`).
void ToggleSchneiderAnnounced(bool excludesOuvert);
void ToggleSchwarzAnnounced(bool excludesOuvert);
void ToggleOuvertAnnounced(bool excludesSchneider);
// Schneider, Schwarz and Ouvert dropped; Schneider and Schwarz dropped.
void DropAnnouncements();
void DropSchneiderAndSchwarz();

// The game type with its trump count; Null, open or not, with no other announcement; Revolution,
// which is open by itself.
void ChangeGameType(int type);
void DeclareNullGame(bool ouvert);
void DeclareRevolutionGame();

// The Ramsch bars: a Durchmarsch announced or not.
void AnnounceDurchmarsch(bool announced);
// The result message: the course of the game is asked for after it.
void RequestCourse();
// The match start: the chosen seat leads the first game.
void ChooseFirstLeader(int seat);
// The Kontra message: Kontra is open and nobody has given it yet.
void OpenKontra();
// The match's end condition: 0 a number of games, 1 a time, 2 a credit, 3 none.
void SetMatchMode(int mode);
