#pragma once
// The four printed reports (card table, score sheet, cards assignment, course of the game): their
// page counts, and one print document per report that serves the printer, the preview and a PDF
// file alike.

#include "platform/core/PrintDocument.h"
#include "windows/ListPrinting.h"  // PrintKindValue: the report a print or preview command chose

// Pages of a report: 48 games (96 in landscape) per page of the score sheet, 10 deals (30) per page
// of the cards assignment, one page of the table and the course. Never below 1: an empty list
// prints its title block.
int PrintPageCount(int kind, bool landscape, int games, int deals);

// Where a document goes.
enum class PrintTarget { Printer, Preview, Pdf };

// The logical page of the reports: the header band's height, the page width and the footer line.
constexpr int kPrintHeaderHeight = 20;
constexpr int PrintPageWidth(bool landscape) { return landscape ? 1420 : 610; }
constexpr int PrintFooterY(bool landscape) { return landscape ? 1024 : 1048; }
