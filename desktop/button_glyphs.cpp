#include "desktop/button_glyphs.h"

#include <QImage>
#include <QPixmap>
#include <QStyle>
#include <array>

#include "desktop/qt_text.h"

namespace desk {

namespace {

struct GlyphRow {
  const char* name;
  QStyle::StandardPixmap pixmap;
};

constexpr std::array kGlyphs = {
    GlyphRow{"sbtIncluir", QStyle::SP_FileIcon},
    GlyphRow{"sbtAlterar", QStyle::SP_FileDialogDetailedView},
    GlyphRow{"sbtExcluir", QStyle::SP_TrashIcon},
    GlyphRow{"sbtConfirmar", QStyle::SP_DialogApplyButton},
    GlyphRow{"sbtCancelar", QStyle::SP_DialogCancelButton},
    GlyphRow{"sbtAnterior", QStyle::SP_ArrowLeft},
    GlyphRow{"sbtProximo", QStyle::SP_ArrowRight},
    GlyphRow{"sbtVerificar", QStyle::SP_BrowserReload},
    GlyphRow{"sbtImprimir", QStyle::SP_DriveFDIcon},
    GlyphRow{"sbtAjuda", QStyle::SP_DialogHelpButton},
    GlyphRow{"sbtFechar", QStyle::SP_DialogCloseButton},
    GlyphRow{"sbtFiltro", QStyle::SP_FileDialogContentsView},
    GlyphRow{"sbtAceite", QStyle::SP_DialogYesButton},
    GlyphRow{"sbtCopiar", QStyle::SP_FileLinkIcon},
};

constexpr int kIconSize = 16;

// A disabled command plainly greyed: the picture in grey and faded to half
// its strength, in place of the style's own disabled picture, which was
// grey but as strong as the enabled one.
QPixmap Greyed(const QPixmap& picture) {
  QImage grey = picture.toImage().convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < grey.height(); ++y)
    for (int x = 0; x < grey.width(); ++x) {
      const QRgb pixel = grey.pixel(x, y);
      const int level = 128 + qGray(pixel) / 3;
      grey.setPixel(x, y, qRgba(level, level, level, qAlpha(pixel) / 2));
    }
  return QPixmap::fromImage(grey);
}

}  // namespace

QIcon CommandIcon(const std::string& name, const QStyle& style) {
  for (const GlyphRow& row : kGlyphs)
    if (name == row.name) {
      QIcon icon = style.standardIcon(row.pixmap);
      const QPixmap normal = icon.pixmap(kIconSize, kIconSize);
      QIcon commands;
      commands.addPixmap(normal, QIcon::Normal);
      commands.addPixmap(Greyed(normal), QIcon::Disabled);
      return commands;
    }
  return {};
}

QString CommandLetter(const std::string& hint) { return ToQt(hint).left(1); }

}  // namespace desk
