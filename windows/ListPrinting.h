#pragma once
// The score sheet and the cards assignment on paper. For a print job the program makes a hidden
// score sheet and a hidden cards assignment (with its own symbol deck) and draws a page's body
// with their list painters on the printer's context; the job's end takes them away again. Any
// open score sheet or cards assignment on the screen is left alone.

#include "platform/core/Message.h"

#include <memory>

namespace platform {
class DeviceContext;
}
class CScore;
class CStore;

// The four printed reports; the two lists are kinds 2 and 3.
enum PrintKindValue : int { PRINT_TABLE = 1, PRINT_SCORE_SHEET = 2, PRINT_CARDS_ASSIGNMENT = 3, PRINT_COURSE = 4 };

class CListPrintWindows {
public:
    explicit CListPrintWindows(HWND owner);
    ~CListPrintWindows();
    CListPrintWindows(const CListPrintWindows&) = delete;
    CListPrintWindows& operator=(const CListPrintWindows&) = delete;

    // Draws the body of a page of kind 2 or 3 on the printer's context (its mapping places the
    // page); other kinds draw nothing here.
    void DrawBody(int kind, platform::DeviceContext& dc);

private:
    std::unique_ptr<CScore> score;
    std::unique_ptr<CStore> store;
};
