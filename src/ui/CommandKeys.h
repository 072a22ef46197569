#pragma once

#include <QObject>

class QWidget;

/**
 * Gives a window's command keys to its commands wherever the focus is: a
 * text box would otherwise take some as editing keys (a line edit reads
 * Ctrl+E as "end of line") and the command would never run. Watches the
 * whole application, for the window's own controls only.
 */
class CommandKeys : public QObject {
    Q_OBJECT
public:
    /// Watches for the keys of @p window's actions; lives as long as it does.
    explicit CommandKeys(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
};
