#pragma once
// The one start-up step that connects the lower layers to the program above them: the model's
// trace writer, table services and internal error box, the computer player's analysis in the
// model's player hooks, the frame's services the computer player and the dialogs read, those the
// side windows ask and whether the log window is open for the profile. Both programs, the
// headless set-ups and the tests' reset call it (through the CSkatApp constructor or directly); it
// installs each hook anew. The frame's game object is added when the frame is made
// (CSkatApp::InitInstance) and taken out again before it goes.

void InstallProgramHooks();
// The part of it that connects the dialogs: the frame and the shell they ask, and the flow's steps
// that change the game record for them (shell/DialogHooks.cpp).
void InstallDialogServices();
