#include "framework/menu_font.h"

#include <windows.h>

#include <cstddef>

#include "framework/text.h"

namespace kestrova::framework {

void GetSystemMenuFont(TFont& font) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    // Systems before Vista know the structure without its last field.
    metrics.cbSize = UINT(offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth));
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return;
  }
  const LOGFONTW& lf = metrics.lfMenuFont;
  TFontStyles style;
  if (lf.lfWeight >= FW_BOLD) style.Include(TFontStyle::fsBold);
  if (lf.lfItalic) style.Include(TFontStyle::fsItalic);
  if (lf.lfUnderline) style.Include(TFontStyle::fsUnderline);
  if (lf.lfStrikeOut) style.Include(TFontStyle::fsStrikeOut);
  font.SetName(Narrow(lf.lfFaceName));
  font.SetHeight(lf.lfHeight);
  font.SetStyle(style);
  font.SetCharset(lf.lfCharSet);
  font.SetColor(clMenuText);
}

}  // namespace kestrova::framework
