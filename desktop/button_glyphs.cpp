#include "desktop/button_glyphs.h"

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

}  // namespace

QIcon CommandIcon(const std::string& name, const QStyle& style) {
  for (const GlyphRow& row : kGlyphs)
    if (name == row.name) return style.standardIcon(row.pixmap);
  return {};
}

QString CommandLetter(const std::string& hint) { return ToQt(hint).left(1); }

}  // namespace desk
