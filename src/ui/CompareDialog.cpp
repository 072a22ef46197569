#include "ui/CompareDialog.h"

#include "ui/LineBreaks.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QTableWidgetItem* cell(const QString& text)
{
    // A property one side lacks says so, rather than leaving an empty cell to guess at.
    //: A cell of the comparison: this side has no such property.
    auto* item = new QTableWidgetItem(text.isEmpty() ? CompareDialog::tr("(none)") : text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

CompareDialog::CompareDialog(const ComparisonBox& box, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CompareDialog"));
    setWindowTitle(box.caption);
    auto* text = new QLabel(withLineFeeds(box.text));
    text->setWordWrap(true);
    auto* table = new QTableWidget(int(box.rows.size()), 3);
    table->setObjectName(QStringLiteral("differences"));
    //: The columns: a card's property, its value in the form, its value on the server.
    table->setHorizontalHeaderLabels({tr("Property"), tr("Mine"), tr("Theirs")});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setWordWrap(true);
    for (int row = 0; row < box.rows.size(); ++row) {
        const ComparisonBox::Row& r = box.rows[row];
        table->setItem(row, 0, cell(r.property));
        table->setItem(row, 1, cell(r.mine));
        table->setItem(row, 2, cell(r.theirs));
    }
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    text->setBuddy(table);

    auto* buttons = new QDialogButtonBox;
    const auto add = [&](const QString& label, const char* name, QDialogButtonBox::ButtonRole role,
                         std::optional<Comparison> answer) {
        QPushButton* button = buttons->addButton(label, role);
        button->setObjectName(QLatin1String(name));
        connect(button, &QPushButton::clicked, this, [this, answer] {
            m_answer = answer;
            answer ? accept() : reject();
        });
        return button;
    };
    //: Sends the form's card over the server's copy.
    add(tr("&Keep Mine"), "keepMine", QDialogButtonBox::AcceptRole, Comparison::KeepMine);
    //: Takes the server's copy into the form.
    add(tr("&Take Theirs"), "takeTheirs", QDialogButtonBox::AcceptRole, Comparison::TakeTheirs);
    add(tr("Cancel"), "cancel", QDialogButtonBox::RejectRole, std::nullopt)->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(table);
    layout->addWidget(buttons);
    resize(620, 360);
}

std::optional<Comparison> CompareDialog::ask()
{
    m_answer.reset();
    return exec() == QDialog::Accepted ? m_answer : std::nullopt;
}
