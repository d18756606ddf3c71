#pragma once

#include <QString>

// Small operations shared by the whole application.
namespace Utility {

// Per-user folder `name` below the application's writable data location,
// ending in "/". The folder (with missing parents) is created when missing.
QString dataLocation(const QString &name);
// dataLocation() of "data" (database and configuration file), "download"
// (update packages) and "application" (installed update files).
QString dataDirectory();
QString downloadDirectory();
QString applicationDirectory();

// Display formats from the configuration file.
QString dateFormat();
QString timeFormat();
// dateFormat() + ", " + timeFormat().
QString dateTimeFormat();

// Rounds half up (towards +infinity) to `digits` decimals; negative digits
// round to tens, hundreds, ... Values a few units in the last place below a
// half, as binary fractions like 1.005 are, count as the half.
double roundTo(double value, int digits);
// roundTo() printed with `digits` decimals (none for negative digits), in the
// C locale.
QString numberToString(double value, int digits);

// Empty for text of only blanks and line breaks, else the text unchanged:
// what a description field stores.
QString emptyIfBlank(const QString &text);

// `path` + "/" unless it is empty or already ends in "/".
QString withTrailingSlash(const QString &path);
// Whole content of a UTF-8 text file; empty when it cannot be opened.
QString readTextFile(const QString &path);

// Spins a local event loop for `milliseconds`; events keep being processed.
void waitFor(int milliseconds);

int maxInt(int a, int b);

// Deletes the folder `path` with everything in it, hidden files included.
// Symbolic links are removed, never followed, however the path is spelled
// (a trailing "/", doubled separators, "." or ".."): a link in place of the
// folder is removed as a link. True when the folder is gone
// (or never existed); false when `path` is a file or at the first entry that
// cannot be removed.
bool removeDirectory(const QString &path);

} // namespace Utility
