#pragma once

#include "core/Dialogs.h"

#include <QDialog>

class QTableWidget;

/**
 * Two versions of a contact side by side: the text, a read-only table of
 * what differs (property, mine, theirs) and the buttons "Keep Mine",
 * "Take Theirs" and "Cancel".
 */
class CompareDialog : public QDialog {
    Q_OBJECT
public:
    explicit CompareDialog(const ComparisonBox& box, QWidget* parent = nullptr);

    /// Shows the dialog and waits: the version chosen, nothing on Cancel.
    std::optional<Comparison> ask();

private:
    std::optional<Comparison> m_answer;
};
