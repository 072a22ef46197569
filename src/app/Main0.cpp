#include "app/Main0.h"

#include "app/Skin.h"
#include "core/Error.h"
#include "ui/Background.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QList>
#include <QRadioButton>
#include <QScreen>
#include <QWidget>

namespace Main0 {

void CenterForm(QWidget& window)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const float left = (float(screen.width()) - float(window.frameGeometry().width())) / 2.0f;
    window.move(screen.x() + qRound(left), window.frameGeometry().y());
    const float top = (float(screen.height()) - float(window.frameGeometry().height())) / 2.0f;
    window.move(window.frameGeometry().x(), screen.y() + qRound(top));
}

bool FileExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo::exists(path);
}

void DeleteFileQuietly(const QString& path)
{
    QFile::remove(path);
}

namespace {

struct SavedBackground {
    QWidget* widget;
    QPalette palette;
    bool autoFill;
};

bool takesButtonFace(QWidget* w)
{
    return qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w) || qobject_cast<QGroupBox*>(w) ||
           qobject_cast<QLabel*>(w);
}

void setBackground(QWidget* widget, const QColor& colour, QList<SavedBackground>& saved)
{
    saved.append({widget, widget->palette(), widget->autoFillBackground()});
    fillBackground(widget, colour);
}

}  // namespace

void ApplySkin(QWidget& window, Skin& skin, const QString& programFolder)
{
    const QString path = programFolder + QStringLiteral("/x/o.cjs");
    const QFileInfo info(path);
    if (!info.isFile() || info.isHidden())
        return;

    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    QList<SavedBackground> saved;
    setBackground(&window, buttonFace, saved);
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (takesButtonFace(control))
            setBackground(control, buttonFace, saved);
    }

    try {
        skin.loadSkin(path, QString());
        skin.setOptions(skin.options() | Skin::ApplyStyleSheet);
        skin.setPolishFirst(true);
        skin.setRepaintWindow(true);
        skin.applyWindow(&window);
    } catch (const Error&) {
        // A broken skin must not keep the program from starting.
        for (const SavedBackground& s : saved) {
            s.widget->setPalette(s.palette);
            s.widget->setAutoFillBackground(s.autoFill);
        }
    }
}

}  // namespace Main0
