#pragma once

#include <QString>
#include <QStringView>

class Dialogs;
class Error;

/// What the button handlers show when their command fails.
namespace ErrorReport {

/// The text of the "Application Error" box for a failure at @p step.
QString text(const Error& error, QStringView location, int step);

/// Shows the "Application Error" box.
void show(Dialogs& dialogs, const Error& error, QStringView location, int step);

/**
 * Ends a command after @p error: silently on Cancel, otherwise with a
 * warning box that gives the error's description.
 */
void endQuietly(Dialogs& dialogs, const Error& error);

}  // namespace ErrorReport
