#include "ui/page_renderer.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace teebrook {
namespace {

QFont reportFont(int points) {
  QFont font(QStringLiteral("Courier New"), points);
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  if (!QFontInfo(font).fixedPitch()) {
    font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(points);
  }
  return font;
}

}  // namespace

void renderDocument(QPagedPaintDevice& device, const PrinterDocument& document) {
  QPainter painter(&device);
  const QRect page = painter.viewport();
  const double unit = page.height() / 60.0;
  QFont plain = reportFont(document.fontPoints);
  QFont bold = plain;
  bold.setBold(true);
  painter.setFont(plain);
  const double charWidth = painter.fontMetrics().horizontalAdvance(QLatin1Char('M'));
  for (std::size_t p = 0; p < document.pages.size(); ++p) {
    if (p > 0) device.newPage();
    const auto& lines = document.pages[p].lines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const double baseline = (3 + static_cast<double>(i)) * unit + painter.fontMetrics().ascent();
      double x = 0;
      for (const Run& run : lines[i].runs) {
        painter.setFont(run.bold ? bold : plain);
        const QString text = QString::fromStdString(run.text);
        painter.drawText(QPointF(x, baseline), text);
        x += charWidth * text.size();  // fixed pitch: columns line up whatever the weight
      }
    }
  }
}

bool writePdf(const std::string& path, const PrinterDocument& document, std::string& error) {
  QFile probe(QString::fromStdString(path));
  if (!probe.open(QIODevice::WriteOnly)) {
    error = "cannot write " + path + ": " + probe.errorString().toStdString();
    return false;
  }
  probe.close();
  QPdfWriter pdf(QString::fromStdString(path));
  pdf.setPageSize(QPageSize(QPageSize::Letter));
  pdf.setPageMargins(QMarginsF(15, 10, 10, 10), QPageLayout::Millimeter);
  pdf.setTitle(QStringLiteral("Teebrook"));
  pdf.setCreator(QStringLiteral("Teebrook"));
  renderDocument(pdf, document);
  return true;
}

}  // namespace teebrook
