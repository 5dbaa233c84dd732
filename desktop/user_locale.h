// The window as its user's locale has it: Qt's own texts (the buttons of
// questions, the calendar's months and weekdays, an edit's context menu) in
// the locale's language, from Qt's translations when the system has them,
// and the host's number separators the locale's (pt_BR: "1.234,56"). Dates
// keep the host's day/month/year form, which is the Brazilian one. The
// scripted host and the screen's texts are not touched.
#pragma once

#include <QLocale>
#include <QObject>

namespace desk {

// Applies the locale to the application and to the host's format settings.
// Returns whether Qt's translation for it was found and loaded (a locale Qt
// has no translation for, or English, keeps Qt's own texts).
bool ApplyUserLocale(const QLocale& locale, QObject* owner);

}  // namespace desk
