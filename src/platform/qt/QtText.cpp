#include "platform/qt/QtText.h"

#include <QStringList>

QString ToQt(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::string FromQt(const QString& text) { return text.toStdString(); }

QColor ToQColor(TColor color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

QFont ModelFont(const TFont& font, bool condensed) {
  // Narrow sans-serif faces first: the windows were laid out for a small bitmap
  // font, and their texts must fit the places given to them.
  QFont result;
  if (condensed) result.setFamilies({"Nimbus Sans Narrow", "Liberation Sans Narrow", "DejaVu Sans Condensed"});
  else result.setFamilies({"MS Sans Serif", "Nimbus Sans", "Liberation Sans", "Arial", "DejaVu Sans"});
  result.setStyleHint(QFont::SansSerif);
  result.setPixelSize(font.Height < 0 ? -font.Height : (font.Height > 0 ? font.Height : 11));
  result.setBold(font.Bold);
  return result;
}

bool SameFont(const TFont& a, const TFont& b) {
  return a.Color == b.Color && a.Height == b.Height && a.Bold == b.Bold;
}

QKeySequence ToKeySequence(const std::string& shortCut) {
  if (shortCut.empty()) return {};
  return QKeySequence::fromString(ToQt(shortCut), QKeySequence::PortableText);
}

QStringList ToNameFilters(const std::string& filter) {
  const QStringList parts = ToQt(filter).split('|');
  QStringList result;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
    for (QString& pattern : patterns) pattern = pattern.trimmed();
    result << parts[i] + " (" + patterns.join(' ') + ")";
  }
  return result;
}

TShiftState ToShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  TShiftState shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= ssShift;
  if (modifiers & Qt::AltModifier) shift |= ssAlt;
  if (modifiers & Qt::ControlModifier) shift |= ssCtrl;
  if (buttons & Qt::LeftButton) shift |= ssLeft;
  if (buttons & Qt::RightButton) shift |= ssRight;
  if (buttons & Qt::MiddleButton) shift |= ssMiddle;
  return shift;
}
