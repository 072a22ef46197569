#include "ui/QtDialogs.h"

#include "ui/CompareDialog.h"
#include "ui/LineBreaks.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QVBoxLayout>

namespace {

// Qt reads a filter's pattern from its last parentheses and, with
// HideNameFilterDetails, shows what stands before them; so a description
// such as "All Files(*.*" is shown exactly as written.
QString nameFilter(const FileFilter& filter)
{
    return filter.description + QStringLiteral(" (") + filter.pattern + u')';
}

// The entry in use. With HideNameFilterDetails Qt answers with the text it
// shows, the description alone, not the filter it was given.
int chosenFilter(const QList<FileFilter>& filters, const QString& selected)
{
    for (qsizetype i = 0; i < filters.size(); ++i) {
        if (selected == nameFilter(filters[i]) || selected == filters[i].description.simplified())
            return int(i);
    }
    return -1;
}

QMessageBox::Icon qtIcon(MessageBox::Icon icon)
{
    switch (icon) {
    case MessageBox::Icon::Information: return QMessageBox::Information;
    case MessageBox::Icon::Warning: return QMessageBox::Warning;
    case MessageBox::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void QtDialogs::message(const MessageBox& box)
{
    QMessageBox messageBox(qtIcon(box.icon), box.caption, withLineFeeds(box.text), QMessageBox::Ok, m_parent);
    messageBox.setTextFormat(Qt::PlainText);
    // Wide enough for its caption: a box saying "Done." would cut it off.
    auto* layout = qobject_cast<QGridLayout*>(messageBox.layout());
    if (layout) {
        const int width = messageBox.fontMetrics().horizontalAdvance(box.caption) + 160;
        layout->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), layout->rowCount(), 0,
                        1, layout->columnCount());
    }
    messageBox.exec();
}

bool QtDialogs::askYesNo(const MessageBox& box)
{
    QMessageBox messageBox(QMessageBox::Question, box.caption, withLineFeeds(box.text),
                           QMessageBox::Yes | QMessageBox::No, m_parent);
    messageBox.setTextFormat(Qt::PlainText);
    messageBox.setDefaultButton(QMessageBox::No);
    return messageBox.exec() == QMessageBox::Yes;
}

std::optional<int> QtDialogs::choose(const ChoiceBox& box)
{
    QDialog dialog(m_parent);
    dialog.setWindowTitle(box.caption);
    auto* layout = new QVBoxLayout(&dialog);
    auto* text = new QLabel(withLineFeeds(box.text));
    text->setWordWrap(true);
    auto* list = new QListWidget;
    list->setObjectName(QStringLiteral("choices"));
    list->addItems(box.items);
    list->setCurrentRow(0);
    text->setBuddy(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    layout->addWidget(text);
    layout->addWidget(list);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    if (dialog.exec() != QDialog::Accepted || list->currentRow() < 0)
        return std::nullopt;
    return list->currentRow();
}

std::optional<AccountAnswer> QtDialogs::askAccount(const AccountBox& box)
{
    QDialog dialog(m_parent);
    dialog.setObjectName(QStringLiteral("AccountDialog"));
    dialog.setWindowTitle(box.caption);
    auto* text = new QLabel(withLineFeeds(box.text));
    text->setWordWrap(true);
    auto* server = new QLineEdit(box.server);
    server->setObjectName(QStringLiteral("server"));
    server->setPlaceholderText(QStringLiteral("https://cloud.example.org"));
    auto* user = new QLineEdit(box.user);
    user->setObjectName(QStringLiteral("user"));
    auto* password = new QLineEdit;
    password->setObjectName(QStringLiteral("password"));
    password->setEchoMode(QLineEdit::Password);
    auto* remember = new QCheckBox(tr("Remember password"));
    remember->setObjectName(QStringLiteral("rememberPassword"));
    remember->setChecked(true);
    server->setReadOnly(box.onlyPassword);
    user->setReadOnly(box.onlyPassword);
    auto* form = new QFormLayout;
    //: The address of the address book's server.
    form->addRow(tr("&Server:"), server);
    form->addRow(tr("&User name:"), user);
    form->addRow(tr("&Password:"), password);
    form->addRow(QString(), remember);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(text);
    layout->addLayout(form);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    (box.onlyPassword ? password : server->text().isEmpty() ? server : user)->setFocus();
    dialog.resize(460, dialog.sizeHint().height());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return AccountAnswer{server->text().trimmed(), user->text(), password->text(), remember->isChecked()};
}

std::optional<Comparison> QtDialogs::compare(const ComparisonBox& box)
{
    return CompareDialog(box, m_parent).ask();
}

std::optional<FileChoice> QtDialogs::askSaveFileName(const FileDialogSettings& settings)
{
    return ask(settings, true);
}

std::optional<FileChoice> QtDialogs::askOpenFileName(const FileDialogSettings& settings)
{
    return ask(settings, false);
}

std::optional<FileChoice> QtDialogs::ask(const FileDialogSettings& settings, bool save)
{
    QFileDialog dialog(m_parent, settings.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const FileFilter& filter : settings.filters)
        filters << nameFilter(filter);
    dialog.setNameFilters(filters);
    if (settings.filterIndex >= 0 && settings.filterIndex < filters.size())
        dialog.selectNameFilter(filters.at(settings.filterIndex));
    if (!settings.folder.isEmpty())
        dialog.setDirectory(settings.folder);
    dialog.selectFile(settings.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return FileChoice{dialog.selectedFiles().constFirst(), chosenFilter(settings.filters, dialog.selectedNameFilter())};
}
