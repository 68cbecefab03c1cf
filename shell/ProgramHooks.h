#pragma once
// The one start-up step that connects the lower layers to the program above them: the model's
// trace writer, table services and internal error box, the computer player's analysis in the
// model's player hooks, the frame's services the computer player and the dialogs read, those the
// side windows ask and whether the log window is open for the profile. Both programs, the
// headless set-ups and the tests' reset call it (through the CSkatApp constructor or directly); it
// installs each hook anew. The frame's game object is added when the frame is made
// (CSkatApp::InitInstance) and taken out again before it goes.
//
// No hook reaches a frame at start: each answers as if there were none. The frame is connected to
// them when its table comes to life (the view's first erase) and taken down again when the close
// lets it go or the frame goes without one, so that a hook called later never reaches a frame
// that is gone.

class CMainFrame;

void InstallProgramHooks();
// The part of it that connects the dialogs: the shell they ask, and the flow's steps that change
// the game record for them (shell/DialogHooks.cpp); the frame's part answers as if there were none.
void InstallDialogServices();

// The frame's table comes to life: the card rows, the side windows, the bars, the computer player
// and the internal error box ask this frame from now on.
void ConnectFrameHooks(CMainFrame& frame);
// The frame's table goes (its close, or the frame's end without one): every hook answers as if
// there were no frame again. Nothing happens for a frame that is not connected.
void DisconnectFrameHooks(CMainFrame& frame);
// The dialogs' part of the connection (shell/DialogHooks.cpp).
void ConnectDialogsToTheFrame(CMainFrame& frame);
