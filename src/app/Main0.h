#pragma once

#include <QString>

class QWidget;
class Skin;

/// Shell helpers of the start-up sequence.
namespace Main0 {

/**
 * Centres @p window on the whole primary screen (reserved areas
 * included): first the horizontal move, then the vertical one. A window
 * larger than the screen gets a negative edge.
 */
void CenterForm(QWidget& window);

/// Whether @p path names an existing file or folder, hidden ones included.
bool FileExists(const QString& path);

/// Deletes the file @p path; any failure is ignored.
void DeleteFileQuietly(const QString& path);

/**
 * When "x/o.cjs" below @p programFolder is an ordinary file: gives the
 * window and its check boxes, option buttons, frames, labels and picture
 * boxes the button-face background, then loads and applies the skin. A
 * skin that @p skin rejects leaves the window as it was.
 */
void ApplySkin(QWidget& window, Skin& skin, const QString& programFolder);

}  // namespace Main0
