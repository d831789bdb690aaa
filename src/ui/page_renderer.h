#pragma once
// Puts a printed document on paper or into a PDF: the page height divided by 60 is the line height,
// the font "Courier New" where installed, else the system's fixed-pitch font.
#include <QPagedPaintDevice>
#include <string>

#include "results/report_output.h"

namespace teebrook {

void renderDocument(QPagedPaintDevice& device, const PrinterDocument& document);
// Writes the document as a PDF; false with the reason when the file cannot be written.
bool writePdf(const std::string& path, const PrinterDocument& document, std::string& error);

}  // namespace teebrook
