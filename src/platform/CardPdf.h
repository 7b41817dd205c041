#pragma once
// The printed card as a one-page PDF file, for those who have no printer at
// hand: the very page Print sends, drawn by the same routine.
#include "converter/Interfaces.h"

#include <QPageLayout>
#include <QString>

#include <array>
#include <string>

namespace quorvane {

// The card's page: Letter where the locale measures in inches, A4 elsewhere,
// with half-inch margins, at 600 dots per inch.
inline constexpr int kCardPdfResolution = 600;
QPageLayout cardPdfPage();

// Writes the chart the grid holds, with the footer line under it, as a one-page
// PDF. The grid is left in its start-up layout, as after Print. Needs a
// QGuiApplication (the offscreen platform will do). Throws std::runtime_error
// with a plain reason when the file cannot be written; an existing file is
// replaced only once the new one is complete.
void writeCardPdf(const QString& file, GridOps& grid, const std::string& footer);

// The same from the chart's cells, row by row (row 0 the country names),
// for a caller without a grid.
using CardCells = std::array<std::array<std::string, 4>, 21>;
void writeCardPdf(const QString& file, const CardCells& cells, const std::string& footer);

}  // namespace quorvane
