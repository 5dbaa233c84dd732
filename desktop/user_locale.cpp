#include "desktop/user_locale.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "platform/data/format.h"

namespace desk {

namespace {

// A separator the host can use: one ASCII character; otherwise the host's
// default stays.
char SingleCharacter(const QString& text, char fallback) {
  if (text.size() != 1 || text.at(0).unicode() > 0x7F) return fallback;
  return static_cast<char>(text.at(0).unicode());
}

}  // namespace

bool ApplyUserLocale(const QLocale& locale, QObject* owner) {
  QLocale::setDefault(locale);
  plat::FormatSettings& settings = plat::FormatSettings::Current();
  settings.decimalSeparator = SingleCharacter(locale.decimalPoint(), settings.decimalSeparator);
  settings.thousandSeparator = SingleCharacter(locale.groupSeparator(), settings.thousandSeparator);
  if (settings.thousandSeparator == settings.decimalSeparator)
    settings.thousandSeparator = settings.decimalSeparator == ',' ? '.' : ',';
  auto* translator = new QTranslator(owner);
  if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  return true;
}

}  // namespace desk
