#pragma once
// The one start-up step that connects the lower layers to the program above them: the model's
// trace writer and table services, reached through the records the lower layers read. Both
// programs, the headless set-ups and the tests' reset call it; it installs each hook anew.

void InstallProgramHooks();
