#include "platform/qt/QtText.h"

#include <QFontMetrics>
#include <QStringList>

QString ToQt(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::string FromQt(const QString& text) { return text.toStdString(); }

int CharIndexOf(const QString& text, int utf16Index) {
  int chars = 0;
  for (int i = 0; i < utf16Index && i < text.size(); ++i)
    if (!(i > 0 && text[i].isLowSurrogate() && text[i - 1].isHighSurrogate())) ++chars;
  return chars;
}

int Utf16IndexOf(const QString& text, int charIndex) {
  int i = 0;
  for (int chars = 0; chars < charIndex && i < text.size(); ++chars)
    i += text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
  return i;
}

QColor ToQColor(TColor color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

namespace {

// The characters' height in pixels, which the model writes negative; 0 asks for
// the default.
int CharacterPixels(const TFont& font) { return font.Height < 0 ? -font.Height : (font.Height > 0 ? font.Height : 11); }

// The class library's sans-serif face sets its lines six fifths of the characters'
// height apart: 13 pixels for characters 11 high.
int LinePitchPixels(const TFont& font) { return CharacterPixels(font) * 6 / 5; }

}  // namespace

QFont ModelFont(const TFont& font, bool condensed) {
  // Narrow sans-serif faces first: the windows were laid out for a small bitmap
  // font, and their texts must fit the places given to them.
  QFont result;
  if (condensed) result.setFamilies({"Nimbus Sans Narrow", "Liberation Sans Narrow", "DejaVu Sans Condensed"});
  else result.setFamilies({"MS Sans Serif", "Nimbus Sans", "Liberation Sans", "Arial", "DejaVu Sans"});
  result.setStyleHint(QFont::SansSerif);
  result.setPixelSize(CharacterPixels(font));
  result.setBold(font.Bold);
  return result;
}

QFont MemoFont(const TFont& font) {
  // A face with short ascenders and descenders keeps the characters' height at
  // the class library's line pitch; where none is installed, smaller characters do.
  QFont result;
  result.setFamilies({"DejaVu Sans", "Nimbus Sans", "Liberation Sans", "Arial"});
  result.setStyleHint(QFont::SansSerif);
  result.setStretch(QFont::SemiCondensed);
  result.setBold(font.Bold);
  result.setPixelSize(CharacterPixels(font));
  const int pitch = LinePitchPixels(font);
  return LargestFitting(result, [pitch](const QFontMetrics& metrics) { return metrics.height() <= pitch; });
}

QFont LargestFitting(QFont font, const std::function<bool(const QFontMetrics&)>& fits) {
  const int smallest = 8;
  for (int pixels = font.pixelSize(); pixels >= smallest; --pixels) {
    font.setPixelSize(pixels);
    if (fits(QFontMetrics(font))) break;
  }
  return font;
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
