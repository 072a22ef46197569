#pragma once

#include <QObject>

class Form1;

/**
 * The four buttons show the hand: moving over one sets the window's pointer
 * to the custom image; moving over the window's background or over a frame
 * sets it back. No other control changes it.
 */
class PointerFeedback : public QObject {
    Q_OBJECT
public:
    explicit PointerFeedback(Form1& form);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Form1& m_form;
};
