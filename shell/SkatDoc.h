#pragma once
// CSkatDoc: the program's one document. It holds nothing: the game's data live in the main frame
// and in the globals.
class CSkatDoc {};
